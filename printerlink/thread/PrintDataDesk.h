#pragma once
// The print data's side of the transfer to and from the printer: what the
// two sequences need of the open data, the data view, the printer file set
// and the archive service. The program implements it over its windows;
// every call runs in the GUI thread (the sequences reach it through
// PrinterSession::Synchronize), while the files travel over the line from
// the printer thread. Texts are Windows-1252 bytes; paths are local.
#include <functional>
#include <string>

namespace printerthread {

// The open data as a download starts.
struct OpenDataFacts {
  int Count = 0;               // print texts in use; 0 when nothing is open
  int OperatingMode = -1;      // 0 user to 3; -1 unknown (binds like any mode but 0)
  bool Protected = false;      // the open group protects its layers, parameters or notes
  std::string PrinterCaption;  // the main window's printer button, which titles the boxes
};

// How loading the fetched group ended.
enum class GroupLoadEnd {
  Loaded,      // every print text read; the data is open, changed and without a path
  Incomplete,  // open, but some print texts could not be read
  Failed,      // the group file could not be read; the data is closed
};

class PrintDataDesk {
 public:
  virtual ~PrintDataDesk() = default;

  // From the start of a sequence to its end the user's input waits, so
  // nothing changes the open data under it (the message window and modal
  // boxes still take theirs).
  virtual void BlockInput(bool on) = 0;
  virtual std::string PrinterCaption() = 0;
  virtual OpenDataFacts Facts() = 0;

  // The download's files below the temporary folder `tmpDir` (ending in
  // "/"): the printer file set of the first `count` print texts in
  // DOWNLOAD/ (DownloadDir), and the group with its print-text files as
  // DOWNLOAD_GP/GP.g23 (DownloadGroupDir, emptied first). Returns the file
  // set's result: 1 built, negative when it failed (the group is written in
  // either case).
  virtual int WriteDownloadFiles(int count, const std::string& tmpDir) = 0;
  // Packs one file into a new archive without a password, through the
  // archive service; its result (0 done).
  virtual int PackArchive(const std::string& file, const std::string& archive) = 0;

  // The upload: closes the open data, as the close menu's "Ja" does.
  virtual void CloseOpenData() = 0;
  // The data view's title.
  virtual void ShowTitle(const std::string& title) = 0;
  // Unpacks an archive fetched from the printer into `folder` (with the
  // archive password, never outside the folder); the service's result.
  virtual int UnpackArchive(const std::string& archive, const std::string& folder) = 0;
  // Opens `groupFile` and its print-text files as new data: the title shown,
  // no path, marked changed. `step` runs once per print text loaded.
  virtual GroupLoadEnd LoadGroup(const std::string& groupFile, const std::function<void()>& step) = 0;
};

}  // namespace printerthread
