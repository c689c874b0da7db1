#pragma once
// A print job's document on a QPrinter: a printer's, or a PDF file. A PDF
// is written beside its target under a name of its own and put in the
// target's place only when the document ends complete, so a failed or
// cancelled print leaves no file behind and an older file stays whole.
#include <QPainter>
#include <QPrinter>
#include <QString>
#include <memory>
#include <utility>

#include "printing/PrintJobs.h"
#include "printing/ui/PrinterDevice.h"

namespace printing::ui {

class PrinterDocument final : public PrintDocument {
 public:
  explicit PrinterDocument(QPrinter& printer, QString title = QStringLiteral("Tarvik23"))
      : printer_(printer), title_(std::move(title)) {}
  ~PrinterDocument() override;

  // Portrait, with the title given (the printer's queue and a PDF show it).
  bool BeginDoc() override;
  bool NewPage() override;
  bool EndDoc() override;
  // A printer's document is withdrawn as far as the printer system allows
  // (Qt hands a document to CUPS at its end and cannot call it back); a PDF
  // is deleted.
  void Abort() override;
  // A PDF file holds every copy; a printer takes a document per copy.
  bool HoldsEveryCopy() const override { return printer_.outputFormat() == QPrinter::PdfFormat; }

  // The open document's page; null while none is open.
  PrinterDevice* Device() { return device_.get(); }

 private:
  void Close();

  QPrinter& printer_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<PrinterDevice> device_;
  QString title_;
  QString target_;  // the PDF file asked for; empty for a printer
  QString partial_;  // the PDF being written
};

}  // namespace printing::ui
