// The firmware installation against stm32flash, both writing the same
// image into the printer emulator's STM32 boot loader, paced at 115200 baud
// with the boot loader's 8E1 (eleven bits a character). Ours is the whole
// sequence the operator waits for: "ENABLE 0", "STATUS 70 ZAMFI", the level,
// "RESET.BOOTLOADER", the pauses around the synchronisation, Get, Get ID,
// the mass erase, every block that holds data written and read back, Go.
// The peer, stm32flash, starts with the printer already in its boot loader
// and writes, verifies (-v) and starts (-g) the image.
//
// By default one short turn: a 1 MiB image with data in its first 64 KiB
// only, the rest 0xFF; stm32flash is given just those 64 KiB and writes them
// onto an erased flash, so both sides write and read back the same 64 KiB
// (about half a minute in all). With BENCH_FULL=1 the 1 MiB image both ways:
// a dense image has data in every block, a sparse one only in its first
// 64 KiB (ours skips the blocks of 0xFF, stm32flash writes them); three
// turns, and a dense turn of each side takes about four minutes.
//
//   bench_firmware [turns]     (default 1, with BENCH_FULL=1 3)
#include <unistd.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "bench/support/Measure.h"
#include "bench/support/PacedPrinter.h"
#include "printerlink/SerialLink.h"
#include "printerlink/thread/FirmwareInstall.h"
#include "printerlink/thread/PortCommandLink.h"

namespace {

using namespace printerlink;

constexpr std::size_t kImage = printerthread::kFirmwareImageSize;

class ResultOnly final : public printerthread::FirmwareInstallView {
 public:
  void ShowFirmwareProgress(int, int) override {}
  void ShowFirmwareResult(int r) override { result = r; }
  int result = 1;
};

std::vector<std::uint8_t> Image(std::size_t dataBytes, unsigned seed) {
  std::vector<std::uint8_t> image(kImage, 0xFF);
  std::mt19937 random(seed);
  for (std::size_t i = 0; i < dataBytes; ++i) image[i] = static_cast<std::uint8_t>(random());
  return image;
}

bool Reopen() {
  if (ComPortHandle != kNoPort) return true;
  ComPortHandle = ComPortOpen(1);
  return ComPortHandle != kNoPort && ComPortSetup(ComPortHandle, kLinkBaud, false) == 0;
}

std::string Ask(const std::string& command) {
  std::string reply;
  return ComSendCommand(ComPortHandle, command, reply, 1000) == 0 ? reply : "(failed)";
}

struct Figures {
  double ours = 0, peer = 0;
  bool oursOk = true, peerOk = true;
};

// stm32flash writes the first `peerBytes` of the image; when that is not
// all of it, onto an erased flash, whose rest then holds the image's 0xFF.
Figures Compare(bench::PacedPrinter& paced, const std::vector<std::uint8_t>& image, std::size_t peerBytes,
                int turns) {
  printeremu::PrinterEmulator& printer = paced.Printer();
  const std::string file = "/tmp/bench_firmware_" + std::to_string(::getpid()) + ".bin";
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(peerBytes));
  // A pseudo-terminal refuses stm32flash's parity set-up, so it is told
  // 8n1; the emulator paces its boot loader at eleven bits a character for
  // both sides alike.
  const std::string command = "stm32flash -b 115200 -m 8n1 -w " + file + " -v -g 0x0 " + printer.DevicePath() +
                              " >/dev/null 2>&1";
  printerthread::PortCommandLink link;
  printerthread::PrinterSession session(link, nullptr, [] { return false; });
  auto shared = std::make_shared<const std::vector<std::uint8_t>>(image);
  Figures f;
  const std::vector<double> medians = bench::MedianOfTurns(
      turns,
      {{[&] {
          f.oursOk = Reopen() && f.oursOk;
          printer.SetFlash(std::vector<std::uint8_t>(kImage, 0));
        },
        [&] {
          ResultOnly view;
          printerthread::FirmwareInstallRequest request{" Steuerung - FirmwareInstaller", 8058, shared, &view};
          printerthread::InstallFirmware(session, request);
          f.oursOk = f.oursOk && view.result == 0 && printer.Flash() == image;
        }},
       {[&] {
          f.peerOk = Reopen() && f.peerOk;
          printer.SetFlash(std::vector<std::uint8_t>(kImage, peerBytes < kImage ? 0xFF : 0));
          // The printer into its boot loader; stm32flash takes the line.
          f.peerOk = f.peerOk && Ask("STATUS 70 ZAMFI").empty() && Ask("RESET.BOOTLOADER").empty();
          (void)ComPortClose(&ComPortHandle);
          printeremu::PrinterEmulator::WaitUntil([&] { return printer.InBootLoader(); });
        },
        [&] {
          const int status = std::system(command.c_str());
          f.peerOk = f.peerOk && WIFEXITED(status) && WEXITSTATUS(status) == 0 && printer.Flash() == image;
        }}});
  std::remove(file.c_str());
  f.ours = medians[0];
  f.peer = medians[1];
  return f;
}

bool Full() {
  const char* full = std::getenv("BENCH_FULL");
  return full && std::string(full) == "1";
}

}  // namespace

int main(int argc, char** argv) {
  const bool full = Full();
  const int turns = argc > 1 ? std::max(1, std::atoi(argv[1])) : (full ? 3 : 1);
  bench::PacedPrinter paced;
  if (!paced.Open()) return 1;
  if (std::system("stm32flash -h >/dev/null 2>&1") == -1) return 1;

  std::printf("firmware installation of a 1 MiB image at 115200 baud 8E1, %s%d turn%s each (%s)\n",
              turns > 1 ? "medians of " : "", turns, turns > 1 ? "s" : "", bench::MachineLoad().c_str());
  std::printf("ours: InstallFirmware, the whole sequence (printer commands, 500 ms before each synchronisation,\n");
  std::printf("      1000 ms after it, Get, Get ID, mass erase, 256-byte blocks written and read back, Go);\n");
  std::printf("peer: stm32flash 0.7 -b 115200 -m 8n1 -w image -v -g 0x0, the printer already in its boot loader\n");
  std::printf("      (a pseudo-terminal refuses its parity set-up; ours sets 8E1 on it);\n");
  std::printf("both on the printer emulator's boot loader, paced at 115200 baud, 11 bits a character either way.\n");
  struct Case {
    const char* name;
    std::size_t dataBytes, peerBytes;
  };
  std::vector<Case> cases;
  if (full) {
    cases = {{"dense ", kImage, kImage}, {"sparse", 0x10000, kImage}};
  } else {
    std::printf("short turn (BENCH_FULL=1 for the whole 1 MiB both ways): stm32flash writes only the 64 KiB of data,\n");
    std::printf("      onto an erased flash.\n");
    cases = {{"short ", 0x10000, 0x10000}};
  }
  bool ok = true;
  for (const Case& c : cases) {
    const Figures f = Compare(paced, Image(c.dataBytes, 11), c.peerBytes, turns);
    std::printf("  %s (%7zu data bytes): ours %7.1f s, stm32flash %7.1f s, ratio ours/peer %.2f%s%s\n", c.name,
                c.dataBytes, f.ours, f.peer, f.ours / f.peer, f.oursOk ? "" : "  OURS FAILED",
                f.peerOk ? "" : "  PEER FAILED");
    ok = ok && f.oursOk && f.peerOk;
  }
  (void)ComPortClose(&ComPortHandle);
  return ok ? 0 : 1;
}
