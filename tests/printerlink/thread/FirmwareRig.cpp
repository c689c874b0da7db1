#include "FirmwareRig.h"

#include <random>

#include "printerlink/PortState.h"

namespace threadtest {

void RecordingInstaller::ShowFirmwareProgress(int position, int maximum) {
  if (!results.empty()) ++progressAfterResult;
  positions.push_back(position);
  maxima.push_back(maximum);
  if (position >= 1000 && position < 5196) {
    ++progressWhileWriting;
    if (printerlink::ComTryLock()) {
      ++lockFreeWhileWriting;
      printerlink::ComUnlock();
    }
  }
}

void RecordingInstaller::ShowFirmwareResult(int result) {
  results.push_back(result);
  portClosedAtResult = printerlink::ComPortHandle == printerlink::kNoPort;
}

FirmwareRig::FirmwareRig(printeremu::EmulatorOptions options) : ThreadRig(options) { env.services = &services; }

bool FirmwareRig::ConnectedAndPolling() {
  const auto before = printer ? printer->Commands().size() : 0;
  return Until([&] { return Connected() && printer->Commands().size() > before + 2; });
}

bool FirmwareRig::Install(const std::vector<std::uint8_t>& image, int cliWord) {
  if (!thread) Start();
  if (printer && !printer->Unplugged() && !ConnectedAndPolling()) return false;
  printerthread::FirmwareInstallRequest request;
  request.Title = " Steuerung - FirmwareInstaller";
  request.CliWord = cliWord;
  request.Image = std::make_shared<const std::vector<std::uint8_t>>(image);
  request.View = &installer;
  requests.FirmwareInstall.Raise(request);
  return Until([&] { return !installer.results.empty(); }, 60000);
}

std::vector<std::uint8_t> FirmwareImage(std::size_t dataBlocks, unsigned seed) {
  std::vector<std::uint8_t> image(printerthread::kFirmwareImageSize, 0xFF);
  std::mt19937 random(seed);
  for (std::size_t b = 0; b < dataBlocks; ++b) {
    if (b % 7 == 3) continue;  // an all-0xFF block amid the data
    for (std::size_t i = 0; i < 256; ++i) image[b * 256 + i] = static_cast<std::uint8_t>(random());
  }
  return image;
}

}  // namespace threadtest
