#include "app/Centre.h"

#include "app/TForm_Main.h"

namespace app {

QPoint CentredOn(const QRect& mainFrame, const QSize& ownFrame) {
  return {mainFrame.left() + mainFrame.width() / 2 - ownFrame.width() / 2,
          mainFrame.top() + mainFrame.height() / 2 - ownFrame.height() / 2};
}

void CentreOnMainWindow(QWidget* dialog) {
  if (!Form_Main) return;
  dialog->move(CentredOn(Form_Main->frameGeometry(), dialog->frameGeometry().size()));
}

}  // namespace app
