#pragma once
// The parameters pane (FrameBearbeitenParameter): the print layout of the
// working copy in three sets, X1, X2 and Y, of step controls. Every change
// is clamped, shown, written into the working copy at once, and the print
// field, the layer images, the total lengths and an open print view
// follow it. In operating mode 0 protected parameters take no change.
#include <QScrollArea>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <utility>

#include "rendering/ParameterValues.h"
#include "editor/ui/StepControl.h"
#include "editor/ui/TagTimer.h"
#include "printdata/PrintParameters.h"

class TFrameBearbeiten;

class TFrameBearbeitenParameter : public QWidget {
 public:
  TFrameBearbeitenParameter(TFrameBearbeiten* editor, QWidget* parent);

  QScrollArea* ScrollBox;
  platform::Panel* PanelParameter;  // set X1
  platform::Label* LabelParameterTitel;
  platform::Panel* PanelParameterX2;
  platform::Label* LabelParameterX2Titel;
  platform::Panel* PanelParameterZ;
  platform::Label* LabelParameterZTitel;
  platform::Panel* PanelBottom;
  platform::Panel* PanelMoreLess;
  platform::SpeedButton* SpeedButtonMoreLess;
  // The six copy, swap and reset buttons, each under its title label.
  editor::ui::ToggleControl KopierenX1X2, KopierenX2X1, TauschenX1X2, LoeschenX1, LoeschenX2, LoeschenZ;
  platform::SpeedButton* SpeedButtonKopierenX1X2;
  platform::SpeedButton* SpeedButtonKopierenX2X1;
  platform::SpeedButton* SpeedButtonTauschenX1X2;
  platform::SpeedButton* SpeedButtonLoeschenX1;
  platform::SpeedButton* SpeedButtonLoeschenX2;
  platform::SpeedButton* SpeedButtonLoeschenZ;

  // The twenty values in the order of editor::ParameterIndex. The
  // orientations (kLage, kLage + kX2) have one button, Down.
  std::array<editor::ui::StepControl, editor::kParameterCount> Values;
  platform::Label* Value(int index) const { return Values[static_cast<std::size_t>(index)].Value; }
  // LabelVorlauf, LabelDrucklaenge, ... as the form names them.
  platform::Label* LabelVorlauf;
  platform::Label* LabelDrucklaenge;
  platform::Label* LabelAnzahl;
  platform::Label* LabelAbstand;
  platform::Label* LabelAnzahl2;
  platform::Label* LabelAbstand2;
  platform::Label* LabelNachlauf;
  platform::Label* LabelLage;
  platform::SpeedButton* SpeedButtonLage;
  platform::SpeedButton* SpeedButtonLageX2;

  QString TitleSingle = QStringLiteral("Parameter");
  QString TitleX1 = QStringLiteral("Parameter X1");
  QString TitleX2 = QStringLiteral("Parameter X2");
  QString TitleY = QStringLiteral("Parameter Y");
  QString TotalWord = QStringLiteral("Gesamtl\u00e4nge");

  // The step button whose auto-repeat runs, or nullptr.
  QObject* RepeatButton = nullptr;
  editor::ui::TagTimer* TimerFast;

  // Whether X2, Y and the six buttons show (the switch's navy look).
  bool ExtendedView() const;
  void SetExtendedView(bool on);

  // The editor's fill: the values of `parameters` into the Tags.
  void LoadValues(const printdata::PrintParameters& parameters);
  void UpdateParameters();
  void ShowProtected(bool locked);
  // The legend colours of the print view on the X1 panels, or the normal
  // colour back.
  void ShowLegend(bool on);

  void Down(QObject* sender);
  void Up(QObject* sender);
  void Lage(QObject* sender);
  void FastStart(QObject* sender);
  void FastEnd(QObject* sender);
  void TimerFastTimer();
  void SpeedButtonMoreLessClick(QObject* sender);
  void SpeedButtonKopierenX1X2Click(QObject* sender);
  void SpeedButtonKopierenX2X1Click(QObject* sender);
  void SpeedButtonTauschenX1X2Click(QObject* sender);
  void SpeedButtonLoeschenX1Click(QObject* sender);
  void SpeedButtonLoeschenX2Click(QObject* sender);
  void SpeedButtonLoeschenZClick(QObject* sender);

  // Operating mode 0 with the parameters protected: changes are refused
  // and the values show locked.
  bool Refused() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Repaints the button and closes the menus; a guarded action refused by
  // the protection shows the notice and gives false.
  bool Begin(QObject* sender, bool guarded);
  void ChangeSets(QObject* sender, const std::function<void(editor::ParameterValueSet&)>& change);
  void Step(QObject* sender, int direction);
  // Index and direction (-1 or +1) of a step button; -1 and 0 otherwise.
  std::pair<int, int> ButtonOf(const QObject* sender) const;
  editor::ParameterValueSet Tags() const;
  void SetTags(const editor::ParameterValueSet& values);
  void Layout();

  TFrameBearbeiten* editor_;
  QWidget* content_;
  // A held distance stepped past the last refresh; its release stores it.
  bool repeatPending_ = false;
};
