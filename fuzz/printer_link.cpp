// Libraries: printerlink platform
// What the printer sends back, on any bytes, over a fake line: the first
// byte picks the exchange (a command's reply, an upload "UPLOADS", a
// checksummed fetch "CRC" + upload, a download "DOWNLOADS"), the rest is
// what arrives, then silence. Every exchange ends with a result; an upload
// that fails leaves the local file as it was.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "fuzz/support/Scratch.h"
#include "fuzz/support/ScriptedLine.h"
#include "platform/Clock.h"
#include "printerlink/CommandExchange.h"
#include "printerlink/Download.h"
#include "printerlink/PortHandles.h"
#include "printerlink/PortState.h"
#include "printerlink/SyncFiles.h"
#include "printerlink/Upload.h"

namespace {

// The link's own pauses (after a failed download) pass at once.
class NoWaiting : public platform::TimeSource {
 public:
  std::uint32_t TickCount() override { return now_; }
  void Sleep(std::uint32_t ms) override { now_ += ms; }

 private:
  std::uint32_t now_ = 0;
};

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  static NoWaiting time;
  platform::SetTimeSource(&time);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace printerlink;
  if (size == 0) return 0;
  const std::uint8_t pick = data[0];
  const int handle = AttachPort(std::make_unique<fuzzsupport::ScriptedLine>(data + 1, size - 1));
  ComPortHandle = handle;
  UploadBlockSize = kUploadBlockStart;
  const std::string dir = fuzzsupport::ScratchDir();
  const std::string local = dir + "/local.bin";
  fuzzsupport::WriteBytes(local, "before", 6);

  switch (pick % 4) {
    case 0: {
      std::string reply;
      const int r = ComSendCommand(handle, "STATUS", reply, 100, 64);
      if (r != 0 && r != -2) std::abort();
      if (reply.size() >= 64) std::abort();
      break;
    }
    case 1: {
      const int r = UploadFromPrinter(local, "PC\\GP.g23", 100);
      if (r != kUploadDone && Read(local) != "before") std::abort();
      break;
    }
    case 2: {
      const int r = SyncFromPrinter(local, "PC\\GP.g23", false);
      if (r != 0 && Read(local) != "before") std::abort();
      break;
    }
    default: {
      (void)DownloadToPrinter(local, "PC\\GP.g23", 100);
      break;
    }
  }
  ComPortHandle = kNoPort;
  DetachPort(handle);
  return 0;
}
