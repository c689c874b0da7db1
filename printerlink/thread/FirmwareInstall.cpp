#include "printerlink/thread/FirmwareInstall.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <memory>
#include <vector>

#include "printerlink/BootLoaderFrames.h"
#include "printerlink/PortControl.h"
#include "printerlink/PortState.h"
#include "printerlink/thread/PrinterMirror.h"

namespace printerthread {
namespace {

using namespace printerlink;

constexpr std::uint32_t kBootMs = 1000;
constexpr std::uint32_t kEraseMs = 40000;
constexpr int kSyncAttempts = 7;
constexpr std::uint32_t kSyncPauseMs = 500;
constexpr std::uint32_t kAfterSyncMs = 1000;
constexpr std::uint32_t kLevelMs = 5000;
constexpr std::size_t kBlocks = kFirmwareImageSize / kBootBlockSize;

// Progress posted to the window, at most one step queued at a time (the
// latest position wins), and none shown once the result's box has begun.
class ProgressReport {
 public:
  ProgressReport(PrinterSession& session, FirmwareInstallView* view)
      : session_(session), view_(view), shared_(std::make_shared<Shared>()) {}

  void Set(int position) {
    shared_->position.store(position);
    if (!view_ || shared_->queued.exchange(true)) return;
    session_.Post([shared = shared_, view = view_] {
      shared->queued.store(false);
      if (!shared->finished.load()) view->ShowFirmwareProgress(shared->position.load(), kFirmwareMaximum);
    });
  }
  void Finish() { shared_->finished.store(true); }

 private:
  struct Shared {
    std::atomic<int> position{0};
    std::atomic<bool> queued{false};
    std::atomic<bool> finished{false};
  };
  PrinterSession& session_;
  FirmwareInstallView* view_;
  std::shared_ptr<Shared> shared_;
};

bool AllErased(const std::uint8_t* block) {
  return std::all_of(block, block + kBootBlockSize, [](std::uint8_t b) { return b == 0xFF; });
}

// The port is left to the thread's connection handling.
int CloseWith(int result) {
  (void)ComPortClose(&ComPortHandle);
  return result;
}

// The boot loader serves what the installation uses, and the controller is
// the one the images are built for.
bool ControllerFits(int handle) {
  std::uint8_t version = 0;
  std::vector<std::uint8_t> commands;
  if (BootGetCommands(handle, &version, commands, kBootMs) != 0) return false;
  for (std::uint8_t needed : {0x11, 0x21, 0x31, 0x44})
    if (std::find(commands.begin(), commands.end(), needed) == commands.end()) return false;
  std::uint16_t id = 0;
  return BootGetId(handle, &id, kBootMs) == 0 && id == kControllerProductId;
}

// Writes the image through the boot loader; the caller holds the port lock.
int WriteThroughBootLoader(PrinterSession& session, const std::vector<std::uint8_t>& image,
                           ProgressReport& progress) {
  const int handle = ComPortHandle;
  if (ComPortSetup(handle, kLinkBaud, true) != 0) return CloseWith(kFirmwareFailed);
  progress.Set(800);
  bool synced = false;
  for (int attempt = 0; attempt < kSyncAttempts && !synced && !session.Terminated(); ++attempt) {
    session.Sleep(kSyncPauseMs);
    const int r = BootSync(handle, kBootMs);
    synced = r == 0;
    if (r == kBootLineLost) break;  // a line that is gone does not come back by asking again
  }
  if (!synced) return CloseWith(kFirmwareFailed);
  session.Sleep(kAfterSyncMs);
  if (!ControllerFits(handle)) {
    // Nothing erased yet: the printer's own firmware starts again.
    (void)BootGo(handle, kBootMs);
    return CloseWith(kFirmwareFailed);
  }
  progress.Set(900);
  if (BootEraseAll(handle, kEraseMs) != 0) return CloseWith(kFirmwareControllerDefect);
  std::array<std::uint8_t, kBootBlockSize> back{};
  for (std::size_t b = 0; b < kBlocks; ++b) {
    progress.Set(1000 + static_cast<int>(b));
    if (session.Terminated()) return CloseWith(kFirmwareControllerDefect);
    const std::uint8_t* block = image.data() + b * kBootBlockSize;
    // The mass erase has left such a block 0xFF already.
    if (AllErased(block)) continue;
    const auto address = static_cast<std::uint32_t>(kBootFlashBase + b * kBootBlockSize);
    if (BootWriteBlock(handle, address, block, kBootMs) != 0) return CloseWith(kFirmwareControllerDefect);
    // A block that does not read back as written would start as broken
    // firmware: better reported now than found at the next start.
    if (BootReadBlock(handle, address, back.data(), kBootMs) != 0 ||
        !std::equal(back.begin(), back.end(), block))
      return CloseWith(kFirmwareControllerDefect);
  }
  progress.Set(5196);
  if (BootGo(handle, kBootMs) != 0) return CloseWith(kFirmwareRestart);
  progress.Set(5296);
  if (ComPortSetup(handle, kLinkBaud, false) != 0) (void)ComPortClose(&ComPortHandle);
  return kFirmwareInstalled;
}

int RunInstallation(PrinterSession& session, const FirmwareInstallRequest& request, ProgressReport& progress) {
  progress.Set(200);
  if (!HasCliBit(request.CliWord, kCliFirmwareInstall)) return kFirmwareUnsupported;
  // The window sends only a whole image; anything else is not sent at all.
  if (!request.Image || request.Image->size() != kFirmwareImageSize) return kFirmwareFailed;
  session.BoxTitle = request.Title;
  progress.Set(300);
  if (session.SendChecked("ENABLE 0", kCommandMs) != 1) return kFirmwareFailed;
  progress.Set(400);
  if (session.SendChecked("STATUS 70 ZAMFI", kCommandMs) != 1) return kFirmwareFailed;
  progress.Set(500);
  if (session.WaitForLevel(70, kLevelMs) != 1) return kFirmwareFailed;
  progress.Set(600);
  if (session.SendChecked("RESET.BOOTLOADER", kCommandMs) != 1) return kFirmwareFailed;
  // A failing command shows its box, which must not happen under the lock,
  // so the lock is taken once the boot loader runs. A line another thread
  // might slip in meanwhile reaches a boot loader that heeds nothing before
  // its synchronisation byte, and every frame purges the port first.
  ComLockGuard lock;
  progress.Set(700);
  return WriteThroughBootLoader(session, *request.Image, progress);
}

}  // namespace

void InstallFirmware(PrinterSession& session, const FirmwareInstallRequest& request) {
  ProgressReport progress(session, request.View);
  int result = kFirmwareFailed;
  try {
    result = RunInstallation(session, request, progress);
  } catch (...) {
    // Whatever went wrong, the window gets its box and is usable again.
  }
  progress.Finish();
  if (request.View) session.Synchronize([&] { request.View->ShowFirmwareResult(result); });
}

}  // namespace printerthread
