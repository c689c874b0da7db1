#include "app/links/DataSetLinks.h"

#include "app/TFormMessage.h"
#include "app/language/TFormSprache.h"
#include "app/TForm_Main.h"
#include "filedialog/ui/TForm_FileDialog.h"
#include "platform/qt/Hardcopy.h"
#include "platform/qt/UserGuide.h"

namespace app {

std::string DataSetLinks::DataDir() const { return main_.DataDir; }
std::string DataSetLinks::DataEasyDir() const { return main_.DataEasyDir; }
std::string DataSetLinks::TmpDir() const { return main_.TmpDir; }

int DataSetLinks::LanguageId() const { return FormSprache ? FormSprache->GetLanguage() : 0; }

QRect DataSetLinks::MainWindowFrame() const { return main_.frameGeometry(); }

TForm_FileDialog* DataSetLinks::FileDialog() { return Form_FileDialog; }

void DataSetLinks::ShowBusy(const QString& title, const QString& text) {
  if (FormMessage) FormMessage->ShowBusy(title, text, TFormMessage::kYellow, false);
}

void DataSetLinks::CloseMessage() {
  if (FormMessage) FormMessage->close();
}

void DataSetLinks::PrintFormHardcopy(QWidget* form) { platform::PrintHardcopy(form); }

void DataSetLinks::ShowUserGuide() { platform::OpenUserGuide(); }

}  // namespace app
