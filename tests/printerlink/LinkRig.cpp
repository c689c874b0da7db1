#include "LinkRig.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <random>

#include "platform/FileIO.h"
#include "printerlink/SerialLink.h"

namespace linktest {

LinkRig::LinkRig(printeremu::EmulatorOptions options, bool openPort)
    : printer(options) {
  auto started = printer.Start();
  EXPECT_TRUE(started.ok()) << started.error();
  registry_ = platform::FixedPortRegistry({{kRigPort, printer.DevicePath(), platform::kPortKindUsb}});
  platform::SetPortRegistry(&registry_);
  printerlink::UploadBlockSize = printerlink::kUploadBlockStart;
  if (!openPort) return;
  printerlink::ComPortHandle = printerlink::ComPortOpen(kRigPort);
  EXPECT_GE(printerlink::ComPortHandle, 0);
  EXPECT_EQ(printerlink::ComPortSetup(printerlink::ComPortHandle, printerlink::kLinkBaud, false), 0);
}

LinkRig::~LinkRig() {
  (void)printerlink::ComPortClose(&printerlink::ComPortHandle);
  platform::SetPortRegistry(nullptr);
  printerlink::UploadBlockSize = printerlink::kUploadBlockStart;
  printer.Stop();
}

std::vector<std::string> LinkRig::CommandsStartingWith(const std::string& keyword) const {
  std::vector<std::string> lines;
  for (const auto& line : printer.Commands())
    if (line.compare(0, keyword.size(), keyword) == 0) lines.push_back(line);
  return lines;
}

std::vector<std::string> LinkRig::Entries(printeremu::EntryKind kind) const {
  std::vector<std::string> texts;
  for (const auto& e : printer.Transcript())
    if (e.kind == kind) texts.push_back(e.text);
  return texts;
}

std::string Ask(const std::string& command) {
  std::string reply;
  EXPECT_EQ(printerlink::ComSendCommand(printerlink::ComPortHandle, command, reply, 1000), 0) << command;
  return reply;
}

void WriteFile(const std::string& path, const std::string& bytes) {
  auto written = platform::WriteFileAtomic(path, bytes);
  EXPECT_TRUE(written) << written.error();
}

bool FileExists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

std::string TestBytes(std::size_t count, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(count, '\0');
  for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<char>(i < 256 ? i : random() & 0xFF);
  return bytes;
}

}  // namespace linktest
