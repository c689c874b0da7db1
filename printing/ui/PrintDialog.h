#pragma once
// Qt's print dialog in front of every print: the system's printers (CUPS)
// and a PDF file. With no printer set up it starts on the PDF file
// "Tarvik23.pdf" in the user's documents folder.
#include <QString>

class QPrinter;
class QWidget;

namespace printing::ui {

QString DefaultPdfFile();

// True when the operator confirmed; `printer` then holds the choice, the
// copies and the range. "Selection" is offered when the printer's range
// is preset to it, and then chosen at the start.
bool RunPrintDialog(QPrinter& printer, QWidget* parent);

}  // namespace printing::ui
