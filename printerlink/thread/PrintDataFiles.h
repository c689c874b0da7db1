#pragma once
// The names of the print data on the printer and of its local copies. The
// printer keeps the group files and one archive per print text in PC\, and
// the printer file set of print text NNN in a folder NNN\ of its own.
// Printer names are protocol strings with "\"; local paths use "/".
#include <string>
#include <vector>

namespace printerthread {

inline constexpr const char* kPrinterGroupFile = "PC\\GP.g23";
inline constexpr const char* kPrinterTitleFile = "PC\\GP.n23";
// The question whose reply is the text of the printer's group file.
inline constexpr const char* kTypeGroupFile = "TYPE PC\\GP.g23";

// The printer holds print texts 1 to 99.
inline constexpr int kMaxPrinterTexts = 99;

// "001" to "099".
std::string Number3(int number);
// "PC\NNN.z23": the archive of print text `number` (1 to 99).
std::string PrinterArchiveName(int number);

// One file of a print text's printer file set, in the order it is sent.
struct PrintTextFile {
  std::string local;    // in the print text's folder, "BS.r23"
  std::string printer;  // "NNN\BS.r23"
  bool required;        // the set always holds it; the D and T files only for dynamic layers
};
// The 23 files of print text `number`: BS.r23, BS.u23, DT.pam, then D0 to
// D4 and T0 to T4, each .pam then .r23.
std::vector<PrintTextFile> PrintTextFiles(int number);

// Local folders below the program's temporary folder (`tmpDir` ends in "/").
std::string DownloadDir(const std::string& tmpDir);       // the printer file set, "DOWNLOAD/"
std::string DownloadGroupDir(const std::string& tmpDir);  // the group's copy, "DOWNLOAD_GP/"
std::string UploadDir(const std::string& tmpDir);         // what comes from the printer, "UPLOAD/"

}  // namespace printerthread
