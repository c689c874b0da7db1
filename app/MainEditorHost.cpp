#include "app/MainEditorHost.h"

#include <QFileDialog>

#include "app/TFormBedienungsmodus.h"
#include "app/TFormMessage.h"
#include "app/TForm_Main.h"
#include "printdata/ui/TFrameDaten.h"
#include "printersettings/ui/TFramePrinter.h"

namespace app {

void MainEditorHost::CloseMenusAndRefresh() { main_.CloseMenusAndRefresh(); }

int MainEditorHost::HideMenuFrames() { return main_.HideMenuFrames(); }

int MainEditorHost::OperatingMode() const {
  return FormBedienungsmodus ? static_cast<int>(FormBedienungsmodus->GetOperatingMode()) : -1;
}

void MainEditorHost::ShowProtectionNotice(const QString& title) {
  if (FormMessage)
    FormMessage->ShowNotice2(title, FormMessage->MsgProtectionOn, FormMessage->MsgUserCannotChange,
                             TFormMessage::kSilver, true);
}

void MainEditorHost::HideOtherPages() {
  main_.FrameDaten->hide();
  main_.FramePrinter->hide();
}

void MainEditorHost::ShowDataPage() { main_.FrameDaten->ShowPage(); }

// The quick help, the hard copy and the user guide arrive with the help
// menu and the printing; until then these keys and buttons do nothing.
void MainEditorHost::ShowQuickHelp() {}
void MainEditorHost::PrintHardcopy(QWidget*) {}
void MainEditorHost::ShowUserGuide() {}

std::optional<std::string> MainEditorHost::ChooseBitmapFile(const QString& title) {
  // Qt's own save dialog stands in for the program's file dialog.
  QString file = QFileDialog::getSaveFileName(&main_, title, QString::fromStdString(main_.BmpDir),
                                              QStringLiteral("Bitmap (*.bmp)"), nullptr,
                                              QFileDialog::DontUseNativeDialog);
  if (file.isEmpty()) return std::nullopt;
  if (!file.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive)) file += QStringLiteral(".bmp");
  return file.toStdString();
}

}  // namespace app
