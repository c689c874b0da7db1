#include <gtest/gtest.h>

#include <filesystem>

#include "LinkRig.h"
#include "platform/PortRegistry.h"
#include "printerlink/PortSearch.h"

using namespace platform;

TEST(PortRegistry, NumbersFollowFromTheDeviceName) {
  struct Case {
    const char* name;
    unsigned number;  // 0: not a port
    int kind;
  } cases[] = {
      {"ttyS0", 1, kPortKindRs232},       {"ttyS31", 32, kPortKindRs232},  {"ttyS32", 0, 0},
      {"ttyUSB0", 33, kPortKindUsb},      {"ttyUSB63", 96, kPortKindUsb},  {"ttyACM5", 102, kPortKindUsb},
      {"rfcomm0", 161, kPortKindBluetooth}, {"rfcomm63", 224, kPortKindBluetooth},
      {"tty0", 0, 0},  {"ttyUSB", 0, 0}, {"ttyUSB01", 0, 0}, {"ttyUSB1x", 0, 0}, {"pts", 0, 0},
  };
  for (const auto& c : cases) {
    auto slot = SlotForDevice(c.name);
    if (c.number == 0) {
      EXPECT_FALSE(slot) << c.name;
      continue;
    }
    ASSERT_TRUE(slot) << c.name;
    EXPECT_EQ(slot->number, c.number) << c.name;
    EXPECT_EQ(slot->kind, c.kind) << c.name;
  }
}

TEST(PortRegistry, ScanLeavesOutRs232PortsWithoutHardware) {
  testsupport::TempDir dev, sys;
  for (const char* name : {"ttyS0", "ttyS1", "ttyS2", "ttyUSB0", "ttyACM1", "rfcomm2", "tty5", "null"})
    linktest::WriteFile(dev / name, "");
  // ttyS0 has a UART, ttyS1 is a placeholder (type 0), ttyS2 has no sysfs entry.
  std::filesystem::create_directories(sys / "ttyS0");
  std::filesystem::create_directories(sys / "ttyS1");
  linktest::WriteFile(sys / "ttyS0/type", "4\n");
  linktest::WriteFile(sys / "ttyS1/type", "0\n");

  auto ports = ScanSerialDevices(dev.path(), sys.path());
  ASSERT_EQ(ports.size(), 4u);
  EXPECT_EQ(ports[0].number, 1u);
  EXPECT_EQ(ports[0].device, dev / "ttyS0");
  EXPECT_EQ(ports[1].number, 33u);
  EXPECT_EQ(ports[2].number, 98u);
  EXPECT_EQ(ports[3].number, 163u);
  EXPECT_EQ(ports[3].kind, kPortKindBluetooth);
}

class PortSearch : public ::testing::Test {
 protected:
  void Use(std::vector<PortEntry> ports) {
    registry_ = FixedPortRegistry(std::move(ports));
    SetPortRegistry(&registry_);
  }
  void TearDown() override { SetPortRegistry(nullptr); }
  FixedPortRegistry registry_;
};

TEST_F(PortSearch, WrapsAroundAndSkipsDisabledKinds) {
  Use({{1, "/dev/ttyS0", kPortKindRs232},
       {5, "/dev/ttyUSB0", kPortKindUsb},
       {9, "/dev/rfcomm0", kPortKindBluetooth},
       {12, "/dev/odd", kPortKindOther}});
  using printerlink::ComPortFind;
  EXPECT_EQ(ComPortFind(0, true, false), 1u);
  EXPECT_EQ(ComPortFind(256, true, false), 1u);  // COM1 follows COM256
  EXPECT_EQ(ComPortFind(1, true, false), 5u);
  EXPECT_EQ(ComPortFind(5, true, false), 1u);    // behind the last one found, round to the first
  EXPECT_EQ(ComPortFind(5, false, true), 9u);
  EXPECT_EQ(ComPortFind(9, false, true), 9u);    // the only Bluetooth port, found again after a full round
  EXPECT_EQ(ComPortFind(5, true, true), 9u);
  EXPECT_EQ(ComPortFind(3, false, false), 0u);
}

TEST_F(PortSearch, FindsNothingWithoutAPortOfAnEnabledKind) {
  Use({{12, "/dev/odd", kPortKindOther}, {40, "/dev/rfcomm0", kPortKindBluetooth}});
  EXPECT_EQ(printerlink::ComPortFind(0, true, false), 0u);
  EXPECT_EQ(printerlink::ComPortFind(5, true, true), 40u);
}

TEST_F(PortSearch, KindAndDescriptionOfEachPort) {
  Use({{5, "/dev/ttyUSB0", kPortKindUsb}, {256, "/dev/ttyX", kPortKindOther}});
  EXPECT_EQ(printerlink::ComPortKind(5), kPortKindUsb);
  EXPECT_EQ(printerlink::ComPortDescription(5), "/dev/ttyUSB0");
  EXPECT_EQ(printerlink::ComPortKind(256), kPortKindOther);
  for (unsigned n : {0u, 4u, 257u}) {
    EXPECT_EQ(printerlink::ComPortKind(n), kPortKindNone) << n;
    EXPECT_EQ(printerlink::ComPortDescription(n), "") << n;
  }
}
