#include "printing/ui/PrintDialog.h"

#include <QDir>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace printing::ui {

QString DefaultPdfFile() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
  return QDir(folder).filePath(QStringLiteral("Tarvik23.pdf"));
}

bool RunPrintDialog(QPrinter& printer, QWidget* parent) {
  if (QPrinterInfo::availablePrinters().isEmpty()) printer.setOutputFormat(QPrinter::PdfFormat);
  if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty())
    printer.setOutputFileName(DefaultPdfFile());
  QPrintDialog dialog(&printer, parent);
  // The selection is offered only to a print that has one (plain text).
  dialog.setOption(QAbstractPrintDialog::PrintSelection, printer.printRange() == QPrinter::Selection);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace printing::ui
