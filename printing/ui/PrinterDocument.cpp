#include "printing/ui/PrinterDocument.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <unistd.h>

#include "platform/FileIO.h"

namespace printing::ui {

PrinterDocument::~PrinterDocument() {
  if (painter_) Abort();
}

bool PrinterDocument::BeginDoc() {
  if (painter_) return false;
  printer_.setPageOrientation(QPageLayout::Portrait);
  printer_.setDocName(title_);
  target_.clear();
  partial_.clear();
  if (printer_.outputFormat() == QPrinter::PdfFormat) {
    target_ = printer_.outputFileName();
    if (target_.isEmpty()) return false;
    // A name of its own in the target's folder, so that the finished file
    // can be renamed into place; it is made with the permissions the
    // finished file is to have, which the PDF writer keeps as it fills it.
    platform::Result<platform::ReplacementTemp> reserved =
        platform::CreateReplacementTemp(QFile::encodeName(target_).toStdString());
    if (!reserved) return false;
    ::close(reserved->fd);
    partial_ = QFile::decodeName(reserved->name.c_str());
    printer_.setOutputFileName(partial_);
  }
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(&printer_)) {
    painter_.reset();
    Close();
    if (!partial_.isEmpty()) QFile::remove(partial_);
    return false;
  }
  painter_->setRenderHint(QPainter::LosslessImageRendering);
  device_ = std::make_unique<PrinterDevice>(printer_, *painter_);
  return true;
}

bool PrinterDocument::NewPage() { return painter_ && printer_.newPage(); }

bool PrinterDocument::EndDoc() {
  if (!painter_) return false;
  device_.reset();
  bool ok = painter_->end() && printer_.printerState() != QPrinter::Error;
  painter_.reset();
  Close();
  if (!partial_.isEmpty()) {
    ok = ok && QFileInfo(partial_).size() > 0 && std::rename(QFile::encodeName(partial_).constData(),
                                                             QFile::encodeName(target_).constData()) == 0;
    if (!ok) QFile::remove(partial_);
  }
  return ok;
}

void PrinterDocument::Abort() {
  if (!painter_) return;
  device_.reset();
  printer_.abort();
  painter_->end();
  painter_.reset();
  Close();
  if (!partial_.isEmpty()) QFile::remove(partial_);
}

void PrinterDocument::Close() {
  // The printer asks for the target again next time.
  if (!target_.isEmpty()) printer_.setOutputFileName(target_);
}

}  // namespace printing::ui
