#include "LayoutCheck.h"

#include <QFontMetrics>
#include <QLabel>

#include "app/MemoView.h"
#include "platform/qt/SpeedButton.h"

namespace apptest {

std::vector<std::string> CutOff(QWidget* window) {
  std::vector<std::string> problems;
  for (auto* b : window->findChildren<platform::SpeedButton*>()) {
    if (!b->isVisibleTo(window) || b->text().isEmpty()) continue;
    const QRect room = b->rect().adjusted(2, 2, -2, -2);
    const QRect needed = QFontMetrics(b->font()).boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, b->text());
    if (!room.contains(needed))
      problems.push_back(b->objectName().toStdString() + " \"" + b->text().toStdString() + "\"");
  }
  for (auto* label : window->findChildren<QLabel*>()) {
    if (!label->isVisibleTo(window) || label->text().isEmpty()) continue;
    const QRect room = label->contentsRect();
    const int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect needed = QFontMetrics(label->font()).boundingRect(room, flags, label->text());
    if (needed.width() > room.width() || needed.height() > room.height())
      problems.push_back(label->objectName().toStdString() + " \"" + label->text().toStdString() + "\"");
  }
  for (auto* memo : window->findChildren<app::MemoView*>()) {
    const QSize text = memo->TextSize();
    if (text.width() > memo->width() || text.height() > memo->height())
      problems.push_back("memo text of " + std::to_string(text.width()) + " x " + std::to_string(text.height()) +
                         " in " + std::to_string(memo->width()) + " x " + std::to_string(memo->height()) + ", " +
                         QFontInfo(memo->font()).family().toStdString());
  }
  for (auto* w : window->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(window) || !w->parentWidget()) continue;
    if (!w->parentWidget()->rect().contains(w->geometry()))
      problems.push_back(w->objectName().toStdString() + " outside its parent");
  }
  return problems;
}

}  // namespace apptest
