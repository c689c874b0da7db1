#pragma once
// "Drucken" of a window that shows a text in a memo (the configuration
// editor, the firmware installer): the memo's text through the program's
// print service, the print dialog on "selection" when text is selected,
// titled with the file's name without its folder. A window calls, in its
// print button's handler,
//
//   printing::ui::PrintMemoText(*Memo_Editor, FileName);
//
// Nothing happens while the program has no print service; a print that
// fails ends in silence.
#include <QString>
#include <QStringList>
#include <string>

class QPlainTextEdit;

namespace printing::ui {

// The name after the last folder separator ("/" or "\"), as the UI shows
// it; "" for "".
QString FileNameOnly(const std::string& path);

// The memo's lines, and those of its selection (none without one).
QStringList MemoLines(const QPlainTextEdit& memo);
QStringList SelectedLines(const QPlainTextEdit& memo);

void PrintMemoText(const QPlainTextEdit& memo, const std::string& path);

}  // namespace printing::ui
