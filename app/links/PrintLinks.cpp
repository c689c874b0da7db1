#include "app/links/PrintLinks.h"

#include <QApplication>

#include "app/TFormMessage.h"
#include "app/language/TFormSprache.h"
#include "app/pc/TFrameMenuPC.h"
#include "app/TForm_Main.h"
#include "editor/ui/TFrameBearbeiten.h"
#include "platform/qt/SystemMessageBox.h"
#include "printdata/ui/TFrameDaten.h"
#include "printdata/ui/TFrameMenuBearbeiten.h"
#include "printersettings/ui/TFramePrinter.h"
#include "printing/WindowPageLayout.h"
#include "printing/ui/PrintDialog.h"

namespace app {

bool PrintLinks::ChoosePrinter(QPrinter& printer) {
  if (choosePrinter) return choosePrinter(printer);
  // Over the window that asked, so that a window kept on top (the
  // configuration editor) does not hide the dialog.
  QWidget* active = QApplication::activeWindow();
  return printing::ui::RunPrintDialog(printer, active ? active : &main_);
}

void PrintLinks::ShowBusy(const QString& text) {
  if (FormMessage) FormMessage->ShowBusy(QString(), text, TFormMessage::kYellow, false);
}

void PrintLinks::CloseBusy() {
  if (FormMessage) FormMessage->close();
}

QString PrintLinks::RunningText() const { return FormMessage ? FormMessage->MsgRunning : QString(); }

void PrintLinks::ShowFailure() {
  if (FormMessage) FormMessage->ShowNotice(kProgramTitle, FormMessage->MsgDoneFailed, TFormMessage::kRed, true);
}

int PrintLinks::LanguageId() const { return FormSprache ? FormSprache->GetLanguage() : 0; }

void PrintLinks::ShowErrorSize() {
  platform::SystemMessageBox(QStringLiteral("Error"), QStringLiteral("Error size."), platform::SystemBoxIcon::Stop);
}

printing::ui::WindowPageTexts PrintLinks::TextsFor(QWidget* window) const {
  printing::WindowPageState state;
  state.windowName = window->objectName().toStdString();
  state.dataView = !main_.FrameDaten->isHidden();
  state.editor = !main_.FrameBearbeiten->isHidden();
  state.printerView = !main_.FramePrinter->isHidden();
  state.pcFileDialog = main_.FrameMenuPC->FileDialogActive == 1;
  const auto text = [&](printing::WindowText which) -> QString {
    using T = printing::WindowText;
    switch (which) {
      case T::DataTitle: return main_.FrameDaten->TitleNone;
      case T::EditorButton: return main_.FrameMenuBearbeiten->SpeedButtonBearbeiten->Caption();
      case T::PrinterButton: return main_.SpeedButtonPrinter->Caption();
      case T::PcButton: return main_.SpeedButtonPC->Caption();
      case T::HelpButton: return main_.SpeedButtonHilfe->Caption();
      case T::MainCaption: return main_.windowTitle();
      case T::OwnCaption: return window->windowTitle();
      case T::Unknown: break;
    }
    return QStringLiteral("?");
  };
  return {text(printing::ContextTextOf(state)), text(printing::TitleTextOf(state))};
}

}  // namespace app
