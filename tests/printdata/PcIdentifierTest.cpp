#include <gtest/gtest.h>

#include "platform/FileIO.h"
#include "printdata/PcIdentifier.h"
#include "support/TempDir.h"

using namespace printdata;

TEST(PcIdentifier, ComplementedAndReordered) {
  const struct {
    std::uint32_t serial, id;
  } cases[] = {
      {0x12345678u, 0xCB87EDA9u}, {0x00000000u, 0xFFFFFFFFu},
      {0xFFFFFFFFu, 0x00000000u}, {0x000000FFu, 0xFF00FFFFu},  // the lowest byte moves to the third place
      {0xFF000000u, 0xFFFF00FFu},                              // the highest to the second
  };
  for (const auto& c : cases) EXPECT_EQ(PcIdentifierFromSerial(c.serial), c.id) << std::hex << c.serial;
}

TEST(PcIdentifier, MachineIdFileGivesItsFirstEightDigits) {
  testsupport::TempDir dir;
  const std::string file = dir.path() + "/machine-id";
  ASSERT_TRUE(platform::WriteFileAtomic(file, "12345678abcdef0123456789abcdef01\n"));
  EXPECT_EQ(MachineIdSerial(file), 0x12345678u);
  ASSERT_TRUE(platform::WriteFileAtomic(file, "00000000abcdef0123456789abcdef01\n"));
  EXPECT_EQ(MachineIdSerial(file), std::nullopt);
  ASSERT_TRUE(platform::WriteFileAtomic(file, "not hex at all\n"));
  EXPECT_EQ(MachineIdSerial(file), std::nullopt);
  ASSERT_TRUE(platform::WriteFileAtomic(file, "1234"));
  EXPECT_EQ(MachineIdSerial(file), std::nullopt);
  EXPECT_EQ(MachineIdSerial(dir.path() + "/missing"), std::nullopt);
}

TEST(PcIdentifier, ThisMachinesNumberComesFromItsSystemVolume) {
  const std::optional<std::uint32_t> serial = SystemVolumeSerial();
  EXPECT_EQ(PcIdentifier(), serial ? PcIdentifierFromSerial(*serial) : 0u);
  // Stable from one call to the next.
  EXPECT_EQ(PcIdentifier(), PcIdentifier());
}
