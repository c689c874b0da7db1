#pragma once
// The busy text of the print-data transfers: the catalogue's busy text, a
// blank, the whole percentage of the steps done (truncated), a blank and
// "%" (with the German texts: Wird ausgeführt... 40 %).
#include "printerlink/thread/PrinterBox.h"

namespace printerthread {

MessageText ProgressText(int done, int total);

}  // namespace printerthread
