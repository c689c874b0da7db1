#pragma once
// The data page of the main window. For now it holds the page's title and
// top bar and the state the main window reads; the print-data list itself is
// built by the data view.
#include <QLabel>
#include <QString>
#include <QWidget>
#include <array>

#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"

class TFrameDaten : public QWidget {
 public:
  explicit TFrameDaten(QWidget* owner);

  platform::Panel* PanelTitel;
  platform::Panel* PanelTop;
  platform::Panel* PanelAnsicht;
  platform::Panel* PanelOeffnen;
  platform::Panel* PanelSpeichern;
  platform::Panel* PanelSchliessen;
  platform::Panel* PanelWerkzeug;
  platform::Panel* PanelSchutz;
  platform::Panel* PanelRapport;
  platform::Panel* PanelHilfe;
  platform::SpeedButton* SpeedButtonAnsichtDown;
  platform::SpeedButton* SpeedButtonOeffnen;
  platform::SpeedButton* SpeedButtonSpeichern;
  platform::SpeedButton* SpeedButtonSchliessen;
  platform::SpeedButton* SpeedButtonWerkzeug;
  platform::SpeedButton* SpeedButtonSchutz;
  platform::SpeedButton* SpeedButtonRapport;
  platform::SpeedButton* SpeedButtonHilfe;

  QString TitleNone = QStringLiteral("Daten");
  QString TitleNew = QStringLiteral("Neu");
  int Count = 0;     // print texts in use, 0 to 99
  int Selected = 0;  // the marked row, 0 to 98
  std::array<QLabel*, 99> RowImages{};

  void CreateRows();
  void ShowPage();
  bool IsModified() const { return modified_; }
  void SetModified(bool modified) { modified_ = modified; }
  bool AnyProtected() const { return false; }
  void ShowProtection();
  void SelectRow(QWidget* control);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  bool modified_ = false;
};
