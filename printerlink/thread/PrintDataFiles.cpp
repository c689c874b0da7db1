#include "printerlink/thread/PrintDataFiles.h"

#include <cstdio>

namespace printerthread {

std::string Number3(int number) {
  char text[16];
  std::snprintf(text, sizeof text, "%03d", number);
  return text;
}

std::string PrinterArchiveName(int number) { return "PC\\" + Number3(number) + ".z23"; }

std::vector<PrintTextFile> PrintTextFiles(int number) {
  const std::string folder = Number3(number) + "\\";
  std::vector<PrintTextFile> files;
  for (const char* name : {"BS.r23", "BS.u23", "DT.pam"}) files.push_back({name, folder + name, true});
  for (char kind : {'D', 'T'})
    for (int layer = 0; layer < 5; ++layer)
      for (const char* extension : {".pam", ".r23"}) {
        const std::string name = std::string(1, kind) + std::to_string(layer) + extension;
        files.push_back({name, folder + name, false});
      }
  return files;
}

std::string DownloadDir(const std::string& tmpDir) { return tmpDir + "DOWNLOAD/"; }
std::string DownloadGroupDir(const std::string& tmpDir) { return tmpDir + "DOWNLOAD_GP/"; }
std::string UploadDir(const std::string& tmpDir) { return tmpDir + "UPLOAD/"; }

}  // namespace printerthread
