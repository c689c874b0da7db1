#include "app/links/PrinterThreadWindows.h"

#include <QCoreApplication>

#include "app/TFormMessage.h"
#include "platform/qt/TextCodec.h"

namespace app {
namespace {

QString CatalogueEntry(printerthread::CatalogueText c) {
  using printerthread::CatalogueText;
  switch (c) {
    case CatalogueText::Transferring: return FormMessage->MsgTransferring;
    case CatalogueText::DoneOk: return FormMessage->MsgDoneOk;
    case CatalogueText::DoneFailed: return FormMessage->MsgDoneFailed;
    case CatalogueText::PrinterNoSupport: return FormMessage->MsgPrinterNoSupport;
    case CatalogueText::NotAvailable: return FormMessage->MsgNotAvailable;
    case CatalogueText::Running: return FormMessage->MsgRunning;
    case CatalogueText::NoData: return FormMessage->MsgNoData;
    case CatalogueText::PrinterProtection: return FormMessage->MsgPrinterProtection;
  }
  return QString();
}

QString Text(const printerthread::MessageText& t) {
  if (!t.catalogue) return platform::ToQt(t.text);
  return CatalogueEntry(*t.catalogue) + platform::ToQt(t.suffix);
}

}  // namespace

void PrinterThreadWindows::ShowPortLabel(const std::string& text) {
  if (labelPrinter_) labelPrinter_->setText(platform::ToQt(text));
}

void PrinterThreadWindows::ShowMessage(const printerthread::PrinterBox& box) {
  if (!FormMessage) return;
  QCoreApplication::processEvents();
  const QString title = platform::ToQt(box.title);
  using printerthread::BoxKind;
  switch (box.kind) {
    case BoxKind::Busy: FormMessage->ShowBusy(title, Text(box.text), TFormMessage::kYellow, false); break;
    case BoxKind::Success: FormMessage->ShowNotice(title, Text(box.text), TFormMessage::kGreen, true); break;
    case BoxKind::Failure: FormMessage->ShowNotice(title, Text(box.text), TFormMessage::kRed, true); break;
    case BoxKind::NotSupported:
      FormMessage->ShowNotice2(title, Text(box.text), Text(box.line2), TFormMessage::kRed, true);
      break;
    case BoxKind::Notice: FormMessage->ShowNotice(title, Text(box.text), TFormMessage::kSilver, true); break;
  }
}

void PrinterThreadWindows::CloseMessage() {
  if (FormMessage) FormMessage->close();
}

}  // namespace app
