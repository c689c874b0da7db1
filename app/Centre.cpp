#include "app/Centre.h"

#include "app/TForm_Main.h"
#include "platform/qt/DialogServices.h"

namespace app {

void CentreOnMainWindow(QWidget* dialog) {
  if (!Form_Main) return;
  dialog->move(platform::CentredOn(Form_Main->frameGeometry(), dialog->frameGeometry().size()));
}

}  // namespace app
