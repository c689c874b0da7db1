// Saving 99 print texts to the printer: the printer thread's download
// sequence (printer file set, group copy, one archive per print text, every
// file behind its checksum question) to the printer emulator paced at the
// line's 115200 baud. The ceiling is the protocol's: every data byte travels
// as two characters of ten bits, 5760 bytes per second, so the bytes sent
// cannot go faster than bytes / 5760 s; the commands, checksums and replies
// around them cost line time on top. The figures are that ceiling's time,
// and the time of every character that crossed the line, as fractions of
// the time measured.
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/support/BenchGroup.h"
#include "bench/support/Measure.h"
#include "bench/support/PacedPrinter.h"
#include "app/archive/TForm_ZipUnzip.h"
#include "rendering/PreviewImages.h"
#include "editor/WorkCopyRenderer.h"
#include "platform/Clock.h"
#include "printdata/DownloadSet.h"
#include "printdata/GroupFile.h"
#include "printerlink/SerialLink.h"
#include "printerlink/thread/GroupDownload.h"
#include "printerlink/thread/PortCommandLink.h"
#include "printerlink/thread/PrintDataFiles.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kCharactersPerSecond = 115200.0 / 10;
constexpr double kBytesPerSecond = kCharactersPerSecond / 2;

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// The real clock, keeping count of the sequence's own pauses (the busy
// box's second), which are no transfer time.
class CountingTime final : public platform::TimeSource {
 public:
  std::uint32_t TickCount() override { return platform::SystemTime().TickCount(); }
  void Sleep(std::uint32_t ms) override {
    platform::SystemTime().Sleep(ms);
    slept += ms;
  }
  std::uint64_t slept = 0;
};

// The program's side of the download without its windows: the same file
// set, group copy and archive service.
class BenchDesk final : public printerthread::PrintDataDesk {
 public:
  BenchDesk(printdata::PrintGroup& group, TForm_ZipUnzip& zip, std::string tmpDir)
      : group_(group), zip_(zip), tmpDir_(std::move(tmpDir)) {}

  void BlockInput(bool) override {}
  std::string PrinterCaption() override { return "Printer"; }
  printerthread::OpenDataFacts Facts() override { return {printdata::kMaxPrintTexts, 0, false, "Printer"}; }
  int WriteDownloadFiles(int count, const std::string& tmpDir) override {
    const Timed timed(building);
    const int result = printdata::BuildDownloadSet(group_, count, "Eier", tmpDir, renderer_);
    const std::string groupDir = printerthread::DownloadGroupDir(tmpDir);
    std::filesystem::remove_all(groupDir);
    printdata::PrintGroup copy = group_;
    (void)printdata::GroupSave(copy, count, groupDir + "GP.g23");
    return result;
  }
  int PackArchive(const std::string& file, const std::string& archive) override {
    const Timed timed(building);
    (void)zip_.SetArchiveTempDir(tmpDir_ + "Zxx");
    return zip_.ZipToArchive(file, archive, "", "", 0);
  }
  void CloseOpenData() override {}
  void ShowTitle(const std::string&) override {}
  int UnpackArchive(const std::string&, const std::string&) override { return -1; }
  printerthread::GroupLoadEnd LoadGroup(const std::string&, const std::function<void()>&) override {
    return printerthread::GroupLoadEnd::Failed;
  }

  // Time spent building the file set, the group copy and the archives.
  double building = 0;

 private:
  struct Timed {
    explicit Timed(double& total) : total_(total), start_(Clock::now()) {}
    ~Timed() { total_ += Seconds(Clock::now() - start_); }
    double& total_;
    Clock::time_point start_;
  };

  printdata::PrintGroup& group_;
  TForm_ZipUnzip& zip_;
  std::string tmpDir_;
  printdata::PrintText work_;
  editor::PreviewImages images_;
  editor::WorkCopyRenderer renderer_{work_, images_};
};

struct Line {
  std::size_t characters = 0;  // both ways: commands with CR, replies with STX and ETX, data
  std::size_t dataBytes = 0;   // the files' bytes sent
  std::size_t files = 0;
  std::size_t questions = 0;  // "CRC" checksum questions
};

Line LineOf(const printeremu::PrinterEmulator& printer) {
  Line line;
  for (const auto& e : printer.Transcript()) {
    line.characters += bench::LineCharacters(e);
    if (e.kind == printeremu::EntryKind::Command) {
      if (e.text.rfind("CRC ", 0) == 0) ++line.questions;
      if (e.text.rfind("DOWNLOADS ", 0) == 0 && e.text.find(" 0 ", 10) == e.text.find(' ', 10)) ++line.files;
    }
    if (e.kind == printeremu::EntryKind::Data) line.dataBytes += e.text.size() / 2;
  }
  return line;
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  char pattern[] = "/tmp/bench_transfer_XXXXXX";
  if (!::mkdtemp(pattern)) return 1;
  const std::string tmp = std::string(pattern) + "/";

  bench::PacedPrinter paced;
  if (!paced.Open()) return 1;
  printeremu::PrinterEmulator& printer = paced.Printer();
  CountingTime time;
  platform::SetTimeSource(&time);

  auto group = bench::MakeGroup();
  TForm_ZipUnzip zip(nullptr, tmp + "ZipWork");
  BenchDesk desk(*group, zip, tmp);
  printerthread::PortCommandLink link;
  printerthread::PrinterSession session(link, nullptr, [] { return false; });

  // One download of the open data, the sequence's own pauses left out; the
  // line's figures from the emulator's transcript.
  struct Run {
    bool ok = false;
    double seconds = 0, building = 0;
    Line line;
  };
  auto download = [&] {
    printer.ClearTranscript();
    time.slept = 0;
    desk.building = 0;
    printerthread::GroupDownload sequence(session, desk, tmp);
    const auto start = Clock::now();
    sequence.DownloadGroup({"Daten speichern"});
    Run r;
    r.seconds = Seconds(Clock::now() - start) - static_cast<double>(time.slept) / 1000;
    r.building = desk.building;
    r.line = LineOf(printer);
    r.ok = sequence.DownloadDone == sequence.DownloadTotal && printer.Setting("DT") == "1 99";
    return r;
  };
  auto report = [&](const char* what, const Run& r) {
    const double ceiling = static_cast<double>(r.line.dataBytes) / kBytesPerSecond;
    const double characters = static_cast<double>(r.line.characters) / kCharactersPerSecond;
    std::printf("%s: %zu files, %zu bytes, %zu checksum questions in %.2f s (the sequence's pauses left out)%s\n", what,
                r.line.files, r.line.dataBytes, r.line.questions, r.seconds, r.ok ? "" : "  FAILED");
    std::printf("  of which building the file set, the group copy and the archives: %.2f s\n", r.building);
    if (r.line.dataBytes > 0)
      std::printf("  the bytes sent at the protocol's ceiling (%.0f bytes/s): %.2f s, ratio %.2f\n", kBytesPerSecond,
                  ceiling, ceiling / r.seconds);
    std::printf("  every character on the line (commands, replies, data) at %.0f/s: %.2f s, ratio %.2f\n",
                kCharactersPerSecond, characters, characters / r.seconds);
  };
  constexpr int kAgain = 5;
  std::printf("99 print texts to the printer at 115200 baud\n");
  std::printf("ours: the printer thread's download sequence on the link, 115200 8N1 with XON/XOFF; peer: the\n");
  std::printf("printer emulator on a pseudo-terminal, paced to 115200 baud. The first download is one run:\n");
  std::printf("the line sets its pace, the machine's load moves it only by the pauses it adds. The unchanged\n");
  std::printf("one is the median of %d runs and depends on the load (%s).\n", kAgain,
              bench::MachineLoad().c_str());
  const Run first = download();
  report("first download", first);
  std::vector<Run> again;
  for (int i = 0; i < kAgain; ++i) again.push_back(download());
  std::sort(again.begin(), again.end(), [](const Run& a, const Run& b) { return a.seconds < b.seconds; });
  bool againOk = true;
  for (const Run& r : again) againOk = againOk && r.ok;
  Run median = again[again.size() / 2];
  median.ok = againOk;
  report("again, nothing changed (median)", median);

  platform::SetTimeSource(nullptr);
  (void)printerlink::ComPortClose(&printerlink::ComPortHandle);
  printer.Stop();
  std::filesystem::remove_all(pattern);
  return first.ok && againOk ? 0 : 1;
}
