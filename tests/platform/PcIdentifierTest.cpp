#include <gtest/gtest.h>

#include "platform/FileIO.h"
#include "platform/PcIdentifier.h"
#include "support/TempDir.h"

namespace {

TEST(PcIdentifier, ScramblesTheComplementsBytes) {
  // ~0x12345678 = 0xEDCBA987: bytes 1, 3, 0, 2 from the lowest.
  const struct {
    std::uint32_t serial, id;
  } cases[] = {
      {0x12345678u, 0xCB87EDA9u}, {0xFFFFFFFFu, 0x00000000u}, {0x00000000u, 0xFFFFFFFFu},
      {0xFFFFFF00u, 0x00FF0000u},
      {0x000000FFu, 0xFF00FFFFu},  // the lowest byte moves to the third place
      {0xFF000000u, 0xFFFF00FFu},  // the highest to the second
  };
  for (const auto& c : cases) EXPECT_EQ(platform::ScrambleVolumeSerial(c.serial), c.id) << std::hex << c.serial;
}

TEST(PcIdentifier, FileSystemFirstThenMachineIdElseZero) {
  testsupport::TempDir dir;
  ASSERT_TRUE(platform::WriteFileDirect(dir / "machine-id", "a1b2c3d4e5f60718293a4b5c6d7e8f90\n"));
  const std::string missing = dir / "no-such-volume";
  EXPECT_EQ(platform::VolumeSerial(missing, dir / "machine-id"), 0xA1B2C3D4u);
  EXPECT_EQ(platform::PcIdentifier(missing, dir / "machine-id"), platform::ScrambleVolumeSerial(0xA1B2C3D4));
  // Ids that are none: not hex, too short, all zero.
  for (const char* bad : {"not hex\n", "1234", "00000000abcdef0123456789abcdef01\n"}) {
    ASSERT_TRUE(platform::WriteFileDirect(dir / "bad-id", bad));
    EXPECT_EQ(platform::VolumeSerial(missing, dir / "bad-id"), std::nullopt) << bad;
  }
  EXPECT_EQ(platform::PcIdentifier(missing, dir / "none"), 0u);
  // This machine has one or the other, and it does not change between calls.
  EXPECT_EQ(platform::PcIdentifier(), platform::PcIdentifier());
}

}  // namespace
