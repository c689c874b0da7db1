#include "LayoutChecks.h"

#include <QFontMetrics>
#include <QLabel>

#include "app/MemoView.h"
#include "platform/qt/SpeedButton.h"

namespace apptest {

std::vector<std::string> CutOff(QWidget* window) {
  std::vector<std::string> problems;
  for (auto* b : window->findChildren<platform::SpeedButton*>()) {
    if (b->isHidden() || b->text().isEmpty()) continue;
    // Blanks that place a step button's sign at its edge show nothing.
    const QRect room = b->rect().adjusted(2, 2, -2, -2);
    const QRect needed =
        QFontMetrics(b->font()).boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, b->text().trimmed());
    if (!room.contains(needed))
      problems.push_back(b->objectName().toStdString() + " \"" + b->text().toStdString() + "\"");
  }
  for (auto* memo : window->findChildren<app::MemoView*>()) {
    const QSize text = memo->TextSize();
    if (text.width() > memo->width() || text.height() > memo->height())
      problems.push_back("memo text of " + std::to_string(text.width()) + " x " + std::to_string(text.height()) +
                         " in " + std::to_string(memo->width()) + " x " + std::to_string(memo->height()) + ", " +
                         QFontInfo(memo->font()).family().toStdString());
  }
  for (auto* w : window->findChildren<QWidget*>()) {
    if (w->isHidden() || !w->parentWidget()) continue;
    if (!w->parentWidget()->rect().contains(w->geometry()))
      problems.push_back(w->objectName().toStdString() + " outside its parent");
  }
  return problems;
}

std::vector<std::string> LabelsCutOff(QWidget* window) {
  std::vector<std::string> problems;
  for (auto* l : window->findChildren<QLabel*>()) {
    if (!l->isVisibleTo(window) || l->text().isEmpty() || l->wordWrap()) continue;
    if (l->fontMetrics().horizontalAdvance(l->text()) > l->width())
      problems.push_back(l->objectName().toStdString() + " \"" + l->text().toStdString() + "\"");
  }
  return problems;
}

}  // namespace apptest
