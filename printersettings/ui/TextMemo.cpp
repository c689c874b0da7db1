#include "printersettings/ui/TextMemo.h"

#include "platform/qt/Fonts.h"

namespace printersettings::ui {

QPlainTextEdit* NewTextMemo(QWidget* parent) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setFont(platform::CourierNewPx(13));
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo->setContextMenuPolicy(Qt::NoContextMenu);
  return memo;
}

}  // namespace printersettings::ui
