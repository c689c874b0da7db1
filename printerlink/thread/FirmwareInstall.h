#pragma once
// The firmware installation, run in the printer thread for the installer's
// request: the printer to its firmware-loader level (70), its controller
// into the STM32 system boot loader ("RESET.BOOTLOADER"), the port to the
// boot loader's framing (115200 8E1), a check that the boot loader is the
// controller's, a mass erase, every 256-byte block of the 1 MiB image that
// is not all 0xFF written and read back, Go, and the port back to the
// command framing. From "RESET.BOOTLOADER" to the end it holds the port lock,
// so nothing else reaches the port (no poll, no remote command) while the
// boot loader listens; its progress is posted to the window meanwhile, never
// waited for. Every path ends with the result's box in the window
// (FirmwareInstallView::ShowFirmwareResult), which unlocks it; after a
// failure from the framing switch on the port is closed and the thread's
// connection handling takes over.
#include <cstddef>
#include <cstdint>

#include "printerlink/thread/FirmwareBoxes.h"
#include "printerlink/thread/FirmwareInstallView.h"
#include "printerlink/thread/PrinterSession.h"
#include "printerlink/thread/Requests.h"

namespace printerthread {

inline constexpr std::size_t kFirmwareImageSize = 0x100000;
inline constexpr int kFirmwareMaximum = 5296;
// The controller's boot loader answers Get ID with the STM32F40x's product.
inline constexpr std::uint16_t kControllerProductId = 0x413;

void InstallFirmware(PrinterSession& session, const FirmwareInstallRequest& request);

}  // namespace printerthread
