#include "printerlink/thread/NotAvailable.h"

namespace printerthread {

void ReportNotAvailable(PrinterSession& session, const std::string& title) {
  session.BoxTitle = title;
  session.BoxText = MessageText::Of(CatalogueText::NotAvailable);
  session.ShowNotice();
}

}  // namespace printerthread
