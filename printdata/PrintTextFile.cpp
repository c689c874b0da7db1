#include "printdata/PrintTextFile.h"

#include "platform/Beep.h"
#include "platform/LineFile.h"
#include "printdata/PrintTextFiling.h"
#include "printdata/PrintTextFormat.h"

namespace printdata {

platform::Status WritePrintTextFile(PrintText& text, const std::string& path) {
  auto lines = PrintTextToLines(text);
  if (!lines) return platform::Status::Fail(path + ": " + lines.error());
  return platform::WriteLines(path, *lines);
}

platform::Status ReadPrintTextFile(const std::string& path, PrintText& text) {
  auto lines = platform::ReadLines(path);
  if (!lines) return lines.status();
  platform::Status read = PrintTextFromLines(*lines, text);
  if (!read) return platform::Status::Fail(path + ": " + read.error());
  return read;
}

namespace {

platform::Status BeepOnFailure(platform::Status status) {
  if (!status) platform::Beep(platform::BeepKind::Error);
  return status;
}

}  // namespace

platform::Status PrintTextSave(PrintText& text, const std::string& path) {
  return BeepOnFailure(WritePrintTextFile(text, path));
}

platform::Status PrintTextLoad(const std::string& path, PrintText& text) {
  return BeepOnFailure(ReadPrintTextFile(path, text));
}

}  // namespace printdata
