#pragma once
// The quick help: the keyboard shortcuts of the page that is shown (data
// view, editor or printer settings). Each page's "?" button shows it
// modally (FormSchnellhilfe->exec()).
#include <QDialog>
#include <QString>
#include <array>

#include "app/pc/MemoView.h"
#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"

class TFormSchnellhilfe : public QDialog {
 public:
  explicit TFormSchnellhilfe(QWidget* owner);
  ~TFormSchnellhilfe() override;

  platform::Panel* PanelMain;
  app::MemoView* Memo;
  platform::Panel* PanelUnten;
  platform::Panel* PanelOK;
  platform::SpeedButton* SpeedButtonOK;

  // Per page: entry 0 the window caption, then the memo lines, the last
  // entry the button's caption (data 26 entries, editor 18, printer 6).
  // The language file replaces them.
  std::array<QString, 50> DataHelp, EditorHelp, PrinterHelp;
  static constexpr int kDataEntries = 26;
  static constexpr int kEditorEntries = 18;
  static constexpr int kPrinterEntries = 6;

  // Picks the list of the page shown (when none is, the last one stays),
  // fills the window and centres it.
  void FormShow();
  void SpeedButtonOKClick(QObject* sender);

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Fill(const std::array<QString, 50>& list, int entries, int mainHeight);
};

extern TFormSchnellhilfe* FormSchnellhilfe;
