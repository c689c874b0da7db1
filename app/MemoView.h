#pragma once
// A memo as the info and quick-help windows show it: lines of text on the
// panel's colour, no border, no scrolling, not editable. It keeps its
// colours when its panel is disabled (the panel is, so that the text takes
// no input).
#include <QPlainTextEdit>
#include <QStringList>
#include <cstdint>

#include "platform/qt/Colour.h"

namespace app {

inline QPlainTextEdit* MakeMemo(QWidget* parent, const QFont& font, std::uint32_t textColour,
                                std::uint32_t background) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setReadOnly(true);
  memo->setFrameShape(QFrame::NoFrame);
  memo->setFocusPolicy(Qt::NoFocus);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo->setTextInteractionFlags(Qt::NoTextInteraction);
  memo->document()->setDocumentMargin(0);
  memo->setFont(font);
  QPalette pal = memo->palette();
  for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    pal.setColor(g, QPalette::Base, platform::VclColor(background));
    pal.setColor(g, QPalette::Text, platform::VclColor(textColour));
  }
  memo->setPalette(pal);
  return memo;
}

inline QStringList MemoLines(const QPlainTextEdit* memo) {
  return memo->toPlainText().split(QLatin1Char('\n'));
}

}  // namespace app
