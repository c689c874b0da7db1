#include <gtest/gtest.h>

#include "platform/FileIO.h"
#include "platform/PcIdentifier.h"
#include "support/TempDir.h"

namespace {

TEST(PcIdentifier, ScramblesTheComplementsBytes) {
  // ~0x12345678 = 0xEDCBA987: bytes 1, 3, 0, 2 from the lowest.
  EXPECT_EQ(platform::ScrambleVolumeSerial(0x12345678), 0xCB87EDA9u);
  EXPECT_EQ(platform::ScrambleVolumeSerial(0xFFFFFFFF), 0u);
  EXPECT_EQ(platform::ScrambleVolumeSerial(0), 0xFFFFFFFFu);
  EXPECT_EQ(platform::ScrambleVolumeSerial(0xFFFFFF00), 0x00FF0000u);
}

TEST(PcIdentifier, FileSystemFirstThenMachineIdElseZero) {
  testsupport::TempDir dir;
  ASSERT_TRUE(platform::WriteFileDirect(dir / "machine-id", "a1b2c3d4e5f60718293a4b5c6d7e8f90\n"));
  const std::string missing = dir / "no-such-volume";
  EXPECT_EQ(platform::VolumeSerial(missing, dir / "machine-id"), 0xA1B2C3D4u);
  EXPECT_EQ(platform::PcIdentifier(missing, dir / "machine-id"), platform::ScrambleVolumeSerial(0xA1B2C3D4));
  ASSERT_TRUE(platform::WriteFileDirect(dir / "bad-id", "not hex\n"));
  EXPECT_EQ(platform::VolumeSerial(missing, dir / "bad-id"), std::nullopt);
  EXPECT_EQ(platform::PcIdentifier(missing, dir / "none"), 0u);
  // This machine has one or the other, and it does not change between calls.
  EXPECT_EQ(platform::PcIdentifier(), platform::PcIdentifier());
}

}  // namespace
