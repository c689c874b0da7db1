#include "TransferRig.h"

#include <gtest/gtest.h>

#include "printerlink/PortControl.h"
#include "printerlink/PortState.h"
#include "printerlink/Upload.h"

namespace threadtest {
namespace {

constexpr unsigned kTransferPort = 41;

}  // namespace

TransferRig::TransferRig(printeremu::EmulatorOptions options) : printer(options) {
  auto started = printer.Start();
  EXPECT_TRUE(started.ok()) << started.error();
  registry = platform::FixedPortRegistry({{kTransferPort, printer.DevicePath(), platform::kPortKindUsb}});
  platform::SetPortRegistry(&registry);
  printerlink::UploadBlockSize = printerlink::kUploadBlockStart;
  printerlink::ComPortHandle = printerlink::ComPortOpen(kTransferPort);
  EXPECT_GE(printerlink::ComPortHandle, 0);
  EXPECT_EQ(printerlink::ComPortSetup(printerlink::ComPortHandle, printerlink::kLinkBaud, false), 0);
  session = std::make_unique<printerthread::PrinterSession>(link, &messenger, [] { return false; });
}

TransferRig::~TransferRig() {
  session.reset();
  (void)printerlink::ComPortClose(&printerlink::ComPortHandle);
  platform::SetPortRegistry(nullptr);
  printerlink::UploadBlockSize = printerlink::kUploadBlockStart;
  printer.Stop();
}

printerthread::GroupDownload TransferRig::Download() {
  printerthread::GroupDownload download(*session, desk, Tmp());
  download.DownloadGroup({"Daten speichern"});
  return download;
}

printerthread::GroupUpload TransferRig::Upload() {
  printerthread::GroupUpload upload(*session, desk, Tmp());
  upload.UploadGroup({"Daten \366ffnen"});
  return upload;
}

std::string TransferRig::PrinterFile(const std::string& name) const { return printer.File(name).value_or(""); }

std::vector<std::string> TransferRig::Commands() const { return printer.Commands(); }

std::vector<std::string> TransferRig::FilesSent() const {
  std::vector<std::string> files;
  for (const std::string& c : printer.Commands()) {
    if (c.compare(0, 10, "DOWNLOADS ") != 0) continue;
    // "DOWNLOADS <name> <offset> ...": a file begins with its block at offset 0.
    const std::size_t nameEnd = c.find(' ', 10);
    if (c.compare(nameEnd + 1, 2, "0 ") == 0) files.push_back(c.substr(10, nameEnd - 10));
  }
  return files;
}

void TransferRig::Clear() {
  printer.ClearTranscript();
  messenger.Clear();
  desk.calls.clear();
}

}  // namespace threadtest
