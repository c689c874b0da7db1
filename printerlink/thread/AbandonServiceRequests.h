#pragma once
// The service requests (backup, restore, console, the editor's store and
// fetch, the firmware) that were still waiting when the link to the printer
// was lost: each is taken off the board and its window given back with a
// failure notice (ServiceSequences::Abandon), so that none of them runs
// later on a printer the operator did not raise it for.
#include "printerlink/thread/RequestBoard.h"
#include "printerlink/thread/ServiceSequences.h"

namespace printerthread {

// How many requests were dropped.
int AbandonServiceRequests(RequestBoard& board, ServiceSequences& services, PrinterSession& session);

}  // namespace printerthread
