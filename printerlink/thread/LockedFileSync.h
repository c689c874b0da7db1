#pragma once
// The checksummed transfers of one file (printerlink/SyncFiles.h) as the
// printer thread's sequences run them: under the port lock for the whole
// file, so that no other exchange falls inside it, and with an exception
// counted as a failed transfer (-1).
#include <string>

namespace printerthread {

int SendFileToPrinter(const std::string& local, const std::string& printerName);
int FetchFileFromPrinter(const std::string& local, const std::string& printerName);

}  // namespace printerthread
