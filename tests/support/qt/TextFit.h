#pragma once
// Whether the text a component shows fits the room it has, as the
// component draws it: captions of the program's buttons and panels centred
// and wrapped at blanks, labels in their contents, check boxes and radio
// buttons beside their mark, group boxes in their frame.
#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QString>
#include <QWidget>
#include <optional>
#include <string>

#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"

namespace testsupport {

namespace detail {

inline std::string Describe(const QWidget* w, const QString& text, const QRect& needed, const QRect& room) {
  return w->objectName().toStdString() + " \"" + text.toStdString() + "\" needs " + std::to_string(needed.width()) +
         " x " + std::to_string(needed.height()) + " in " + std::to_string(room.width()) + " x " +
         std::to_string(room.height());
}

inline std::optional<std::string> Within(const QWidget* w, const QString& text, const QRect& room, int flags) {
  if (text.isEmpty()) return std::nullopt;
  const QRect needed = QFontMetrics(w->font()).boundingRect(room, flags, text);
  if (needed.width() <= room.width() && needed.height() <= room.height()) return std::nullopt;
  return Describe(w, text, needed, room);
}

}  // namespace detail

// Nothing when the component's text fits, else what does not. Components
// that show no text of their own fit.
inline std::optional<std::string> TextCut(const QObject* component) {
  const auto* w = qobject_cast<const QWidget*>(component);
  if (!w) return std::nullopt;
  // Blanks that place a step button's sign at its edge show nothing.
  if (const auto* b = dynamic_cast<const platform::SpeedButton*>(w))
    return detail::Within(b, b->text().trimmed(), b->rect().adjusted(2, 2, -2, -2),
                          Qt::AlignCenter | Qt::TextWordWrap);
  if (const auto* p = dynamic_cast<const platform::Panel*>(w))
    return detail::Within(p, p->Caption(), p->rect(), Qt::AlignCenter | Qt::TextWordWrap);
  if (const auto* l = qobject_cast<const QLabel*>(w)) {
    if (l->textFormat() == Qt::RichText || !l->pixmap().isNull()) return std::nullopt;
    const int m = l->margin();
    return detail::Within(l, l->text(), l->contentsRect().adjusted(m, m, -m, -m),
                          int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0));
  }
  if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) {
    const auto* b = static_cast<const QAbstractButton*>(w);
    if (b->text().isEmpty() || b->sizeHint().width() <= b->width()) return std::nullopt;
    return detail::Describe(b, b->text(), QRect(QPoint(), b->sizeHint()), b->rect());
  }
  if (const auto* g = qobject_cast<const QGroupBox*>(w)) {
    // The title sits in the frame's top line, a few pixels in from each side.
    const int needed = QFontMetrics(g->font()).horizontalAdvance(g->title()) + 16;
    if (g->title().isEmpty() || needed <= g->width()) return std::nullopt;
    return detail::Describe(g, g->title(), QRect(0, 0, needed, 0), g->rect());
  }
  return std::nullopt;
}

}  // namespace testsupport
