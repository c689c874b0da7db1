// Error messages built from native codes, and the option objects.
#include <gtest/gtest.h>

#include "zip/ZipArchiver.h"
#include "zip/ZipErrors.h"
#include "zip/ZipOptions.h"

using namespace zip;

TEST(ZipErrors, MessagesFromNativeCodes) {
  struct Case {
    int code;
    std::vector<FormatArg> args;
    std::string component;
    std::string message;
    int index;
  } cases[] = {
      {13, {}, "ZipArchiver", "ZipArchiver: Archive is not open - Native error: 00013", 7},
      {58, {}, "", "Hashed list of file names is invalid - Native error: 00058", 34},
      {12, {std::string("/a/b.zip")}, "ZipArchiver", "ZipArchiver: File \"/a/b.zip\" not found - Native error: 00012", 6},
      {100, {}, "", "Unknown error - Native error: 00100", 0},
      {34, {std::int64_t{10}, std::int64_t{7}}, "", "Invalid compressed size, rfs.size = 10, count = 7 - Native error: 00034", 17},
      {67, {}, "", "Invalid password. Cannot decompress encrypted file. - Native error: 00067", 40},
  };
  for (const auto& c : cases) {
    EZipException e = c.args.empty() ? EZipException(c.code, c.component) : EZipException(c.code, c.args, c.component);
    EXPECT_EQ(std::string(e.what()), c.message);
    EXPECT_EQ(e.MessageIndex, c.index);
    EXPECT_EQ(e.NativeCode, c.code);
  }
  // Placeholders stay when no arguments are given.
  EXPECT_EQ(std::string(EZipException(43).what()),
            "Cannot compress file '%s'. Zip64 mode is not enabled - Native error: 00043");
  for (int code = 0; code < kZipNativeCodeCount; ++code) EXPECT_EQ(ZipNativeToErrorCode[code][0], code);
}

TEST(ZipOptions, VolumeSizesAndNumbers) {
  TZipSpanningOptions s;
  s.SetCustomVolumeSize(1000);
  EXPECT_EQ(s.GetCustomVolumeSize(), 65536);
  s.SetCustomVolumeSize(70000);
  EXPECT_EQ(s.GetCustomVolumeSize(), 70000);
  TZipVolumeNumberInfo first, other;
  EXPECT_FALSE(first.GetFirstVolume());
  EXPECT_FALSE(first.GetLastVolume());
  first.SetFirstVolume(true);
  EXPECT_TRUE(first.GetFirstVolume());
  other.SetVolumeNumber(3);
  s.VolumeSize = vs100MB;
  EXPECT_EQ(s.GetVolumeSize(first), 104857600);
  s.FirstVolumeSize = 1000000;
  EXPECT_EQ(s.GetVolumeSize(first), 1000000);
  EXPECT_EQ(s.GetVolumeSize(other), 104857600);
  TZipVolumeNumberInfo last;
  last.NumberKind = TZipVolumeNumberInfo::Last;
  EXPECT_TRUE(last.GetLastVolume());
}

TEST(ZipOptions, LevelAndModeSetEachOther) {
  TZipArchiver z;
  z.SetCompressionMode(5);
  EXPECT_EQ(z.GetCompressionLevel(), clNormal);
  z.SetCompressionLevel(clNormal);
  EXPECT_EQ(z.GetCompressionMode(), 6);
  z.SetCompressionLevel(clMax);
  EXPECT_EQ(z.GetCompressionMode(), 9);
  z.SetCompressionLevel(clNone);
  EXPECT_EQ(z.GetCompressionMode(), 0);
  try {
    z.SetCompressionMode(10);
    FAIL();
  } catch (const EZipException& e) {
    EXPECT_EQ(e.NativeCode, 5);
  }
  EXPECT_EQ(BlockSizeOfMode(2), 0x80000u);
  EXPECT_EQ(BlockSizeOfMode(9), 0x180000u);
  EXPECT_EQ(BlockSizeOfMode(5), 0x100000u);
  TZipOptions a, b;
  a.ShareMode = smShareExclusive;
  a.Recurse = false;
  b.Assign(a);
  EXPECT_EQ(b.ShareMode, smShareExclusive);
  EXPECT_FALSE(b.Recurse);
}
