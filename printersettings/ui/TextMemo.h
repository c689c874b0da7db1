#pragma once
// The memo of the service windows that show a text in lines and columns (a
// configuration file, a firmware package's notes, the printer's answers):
// fixed-pitch, lines not wrapped, both scroll bars always there, no context
// menu.
#include <QPlainTextEdit>

namespace printersettings::ui {

QPlainTextEdit* NewTextMemo(QWidget* parent);

}  // namespace printersettings::ui
