#include "printing/ui/MemoPrint.h"

#include <QPlainTextEdit>
#include <QTextCursor>

#include "platform/qt/TextCodec.h"
#include "printing/ui/PrintService.h"

namespace printing::ui {

QString FileNameOnly(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return platform::ToQt(slash == std::string::npos ? path : path.substr(slash + 1));
}

QStringList MemoLines(const QPlainTextEdit& memo) { return memo.toPlainText().split(QLatin1Char('\n')); }

QStringList SelectedLines(const QPlainTextEdit& memo) {
  const QString selected = memo.textCursor().selectedText();
  if (selected.isEmpty()) return {};
  // The cursor marks the line ends with the paragraph separator.
  return selected.split(QChar(QChar::ParagraphSeparator));
}

void PrintMemoText(const QPlainTextEdit& memo, const std::string& path) {
  PrintService* service = PrintService::Installed();
  if (!service) return;
  service->PrintTextLines(FileNameOnly(path), MemoLines(memo), SelectedLines(memo));
}

}  // namespace printing::ui
