#include "LayoutCheck.h"

#include <QFontInfo>

#include "app/pc/MemoView.h"
#include "support/qt/TextFit.h"

namespace apptest {

std::vector<std::string> CutOff(QWidget* window) {
  std::vector<std::string> problems;
  for (auto* w : window->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(window)) continue;
    if (auto cut = testsupport::TextCut(w)) problems.push_back(*cut);
    if (w->parentWidget() && !w->parentWidget()->rect().contains(w->geometry()))
      problems.push_back(w->objectName().toStdString() + " outside its parent");
  }
  for (auto* memo : window->findChildren<app::MemoView*>()) {
    if (!memo->isVisibleTo(window)) continue;
    const QSize text = memo->TextSize();
    if (text.width() > memo->width() || text.height() > memo->height())
      problems.push_back("memo text of " + std::to_string(text.width()) + " x " + std::to_string(text.height()) +
                         " in " + std::to_string(memo->width()) + " x " + std::to_string(memo->height()) + ", " +
                         QFontInfo(memo->font()).family().toStdString());
  }
  return problems;
}

}  // namespace apptest
