// Payload rate of the checksummed file transfers through the link and the
// printer emulator paced at the line's 115200 baud. Each byte travels as two
// characters of ten bits, so the protocol cannot move more than 5760 bytes
// per second; the figures are fractions of that limit.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "bench/support/Measure.h"
#include "bench/support/PacedPrinter.h"
#include "printerlink/SerialLink.h"

namespace {

constexpr double kLimit = 115200.0 / 10 / 2;  // bytes per second
constexpr std::size_t kFileBytes = 100000;

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

}  // namespace

int main() {
  using namespace printerlink;
  bench::PacedPrinter paced;
  if (!paced.Open()) return 1;
  printeremu::PrinterEmulator& printer = paced.Printer();

  std::string bytes(kFileBytes, '\0');
  std::mt19937 random(5);
  for (auto& b : bytes) b = static_cast<char>(random());
  const std::string local = "/tmp/bench_link_" + std::to_string(::getpid());
  std::ofstream(local, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));

  // Turns of a download and an upload; the medians are reported.
  constexpr int kTurns = 3;
  std::vector<double> downTimes, upTimes;
  bool downOk = true, upOk = true;
  double downBest = 0, upBest = 0;
  for (int turn = 0; turn < kTurns; ++turn) {
    printer.ClearTranscript();
    auto start = std::chrono::steady_clock::now();
    int down = DownloadToPrinter(local, "PC\\BENCH.BIN", 5000);
    downTimes.push_back(Seconds(std::chrono::steady_clock::now() - start));
    downOk = downOk && down == 0 && printer.File("PC\\BENCH.BIN") == bytes;
    downBest = kFileBytes / (bench::LineCharacters(printer) / (2 * kLimit));
    printer.ClearTranscript();

    std::remove((local + ".back").c_str());
    start = std::chrono::steady_clock::now();
    int up = UploadFromPrinter(local + ".back", "PC\\BENCH.BIN", 5000);
    upTimes.push_back(Seconds(std::chrono::steady_clock::now() - start));
    std::ifstream back(local + ".back", std::ios::binary);
    std::string fetched((std::istreambuf_iterator<char>(back)), std::istreambuf_iterator<char>());
    upOk = upOk && up == 0 && fetched == bytes;
    upBest = kFileBytes / (bench::LineCharacters(printer) / (2 * kLimit));
  }
  std::remove(local.c_str());
  std::remove((local + ".back").c_str());
  (void)ComPortClose(&ComPortHandle);
  const double downSeconds = bench::Median(downTimes), upSeconds = bench::Median(upTimes);

  double downRate = kFileBytes / downSeconds, upRate = kFileBytes / upSeconds;
  double both = 2 * kFileBytes / (downSeconds + upSeconds);
  std::printf("link transfers of %zu bytes at 115200 baud (limit %.0f bytes/s), medians of %d turns\n", kFileBytes,
              kLimit, kTurns);
  std::printf("ours: the link, 115200 8N1 with XON/XOFF; peer: the printer emulator on a pseudo-terminal,\n");
  std::printf("paced to 115200 baud (ten bits a character). The line sets the pace; the machine's load\n");
  std::printf("moves the figures only by the pauses it adds (%s).\n", bench::MachineLoad().c_str());
  // The commands and replies between the blocks cost line time too: "best"
  // is what the exchange would reach with no pause between characters.
  std::printf("  download: %6.0f bytes/s  %5.1f %% of the limit (best for its characters %5.1f %%)%s\n", downRate,
              100 * downRate / kLimit, 100 * downBest / kLimit, downOk ? "" : "  FAILED");
  std::printf("  upload:   %6.0f bytes/s  %5.1f %% of the limit (best for its characters %5.1f %%)%s\n", upRate,
              100 * upRate / kLimit, 100 * upBest / kLimit, upOk ? "" : "  FAILED");
  std::printf("  both:     %6.0f bytes/s  %5.1f %% of the limit\n", both, 100 * both / kLimit);
  return downOk && upOk ? 0 : 1;
}
