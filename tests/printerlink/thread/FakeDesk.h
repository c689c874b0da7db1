#pragma once
// The print data's side of the transfer without windows: print texts as
// plain texts, a printer file set made of them, and archives of a simple
// form of our own that keep their file's name, time and bytes (so an
// archive changes with its file's time, as a ZIP archive does).
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "printerlink/thread/PrintDataDesk.h"

namespace threadtest {

class FakeDesk final : public printerthread::PrintDataDesk {
 public:
  // The open data.
  std::string Title = "Eier";
  std::vector<std::string> Texts;  // the print-text files' contents; Count is their number
  std::set<int> DatedTexts;        // 1-based: these get D2.pam and D2.r23
  int OperatingMode = 0;
  bool Protected = false;
  int BuildResult = 1;             // what the file set's build reports
  std::set<std::string> LeaveOut;  // set files not written, "002/BS.u23"
  int PackResult = 0;
  std::string Caption = "Printer";

  // What was asked.
  std::vector<std::string> calls;  // "block", "unblock", "facts", "write", "pack", "close", "title", "unpack", "load"
  std::vector<std::string> titles;
  std::string loadedFrom;
  std::vector<std::string> loadedTexts;  // the print texts the load found
  printerthread::GroupLoadEnd loadEnd = printerthread::GroupLoadEnd::Loaded;
  // Runs inside the load, once per print text, after the step.
  std::function<void()> onLoadStep;

  void BlockInput(bool on) override;
  std::string PrinterCaption() override;
  printerthread::OpenDataFacts Facts() override;
  int WriteDownloadFiles(int count, const std::string& tmpDir) override;
  int PackArchive(const std::string& file, const std::string& archive) override;
  void CloseOpenData() override;
  void ShowTitle(const std::string& title) override;
  int UnpackArchive(const std::string& archive, const std::string& folder) override;
  printerthread::GroupLoadEnd LoadGroup(const std::string& groupFile, const std::function<void()>& step) override;

  int Calls(const std::string& what) const;
};

// An archive of the fake desk's form holding one file.
std::string FakeArchive(const std::string& name, const std::string& bytes, long long time = 0);
// A group file's first lines: version, protection, count.
std::string GroupHeader(unsigned version, int protection, int count);

}  // namespace threadtest
