// The display unit's line files, byte for byte: every content, behaviour
// and pause against a file built here from the format's own rules (format
// strings with their placeholder bytes), and the worked examples.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/FileIO.h"
#include "printersettings/DisplayLineFile.h"
#include "support/FileBytes.h"
#include "support/TempDir.h"

using namespace printersettings;

namespace {

// One item: a printf format and the placeholder bytes it takes as %c.
struct Fmt {
  const char* format;
  std::vector<int> bytes;
};

std::string Format(const Fmt& f) {
  char text[64];
  const int a = f.bytes.size() > 0 ? f.bytes[0] : 0, b = f.bytes.size() > 1 ? f.bytes[1] : 0,
            c = f.bytes.size() > 2 ? f.bytes[2] : 0;
  const int n = std::snprintf(text, sizeof text, f.format, a, b, c);
  return std::string(text, static_cast<std::size_t>(n));
}

// Content codes 0 to 9.
const std::vector<std::vector<Fmt>> kSingles = {
    {{"CNT   %c", {0xFA}}},
    {{"S          %c:%c", {0xA2, 0xA9}}},
    {{"P          %c%c%c", {0xC2, 0x8D, 0xC5}}},
    {{"W       %c/h", {0xDD}}},
    {{"WT      %c/h", {0xD5}}},
    {{"V       %cmm/s", {0xE5}}},
    {{"T %c%c%c ", {0x82, 0x8D, 0x89}}, {"%c.%c.%c", {0x98, 0x95, 0x92}}},
    {{"S %c:%c ", {0xA2, 0xA9}}, {"%c.%c.%c", {0xB8, 0xB5, 0xB2}}},
    {{"S %c:%c  ", {0xA2, 0xA9}}, {"P %c%c%c", {0xC2, 0x8D, 0xC5}}},
    {{"%c/h%c/h", {0xDD, 0xD5}}},
};

// The cycle T, D, S, SD, P, W, WT, V.
const Fmt kWide[8] = {
    {"T %c%c%c ", {0x82, 0x8D, 0x89}}, {"%c.%c.%c", {0x98, 0x95, 0x92}},     {"S %c:%c ", {0xA2, 0xA9}},
    {"%c.%c.%c", {0xB8, 0xB5, 0xB2}},  {"P          %c%c%c", {0xC2, 0x8D, 0xC5}}, {"W       %c/h", {0xDD}},
    {"WT      %c/h", {0xD5}},          {"V       %cmm/s", {0xE5}},
};
const Fmt kNarrow[8] = {
    {"T %c%c%c ", {0x82, 0x8D, 0x89}}, {"%c.%c.%c   ", {0x98, 0x95, 0x92}}, {"S %c:%c ", {0xA2, 0xA9}},
    {"%c.%c.%c   ", {0xB8, 0xB5, 0xB2}}, {"P %c%c%c   ", {0xC2, 0x8D, 0xC5}}, {"W %c/h   ", {0xD8}},
    {"WT %c/h   ", {0xD0}},            {"V %cmm/s   ", {0xE0}},
};
// Codes 10 to 14 start at T, S, P, W, V.
const int kStart[5] = {0, 2, 4, 5, 7};

const int kBehaviours[] = {1, 2, 3, 4, 11, 12, 13, 14, 21, 22, 23, 24, 31};

bool Narrow(int behaviour) { return behaviour < 20; }

std::string ExpectedTemplate(int content, int behaviour) {
  if (content <= 9) {
    std::string t;
    for (const Fmt& f : kSingles[static_cast<std::size_t>(content)]) t += Format(f);
    return t;
  }
  std::string t;
  for (int i = 0; i < 8; ++i) {
    const int item = (kStart[content - 10] + i) % 8;
    Fmt f = Narrow(behaviour) ? kNarrow[item] : kWide[item];
    if (i == 0 && Narrow(behaviour)) {
      if (content == 12) f = {"P %c%c%c         ", {0xC2, 0x8D, 0xC5}};
      if (content == 13) f = {"W       %c/h   ", {0xDD}};
      if (content == 14) f = {"V       %cmm/s   ", {0xE5}};
    }
    t += Format(f);
  }
  return t;
}

std::string Expected(int content, int behaviour, int pause, const std::string& templ) {
  std::string file(352, '\0');
  file[0] = static_cast<char>(content & 0xFF);
  file[1] = static_cast<char>((content >> 8) & 0xFF);
  file[2] = 1;
  file[3] = static_cast<char>(behaviour);
  file[4] = static_cast<char>(pause);
  file.replace(5, 2, "AM");
  file.replace(15, 2, "PM");
  file.replace(25, 6, ": : : ");
  file.replace(31, templ.size(), templ);
  return file;
}

std::string Bytes(const DisplayLineFile& f) { return std::string(f.begin(), f.end()); }

}  // namespace

TEST(DisplayLineFile, EveryContentBehaviourAndPause) {
  for (int content = 0; content <= 14; ++content)
    for (int behaviour : kBehaviours)
      for (int pause = 0; pause <= 100; ++pause) {
        const std::string expected = Expected(content, behaviour, pause, ExpectedTemplate(content, behaviour));
        ASSERT_EQ(Bytes(BuildDisplayLineFile(content, behaviour, pause)), expected)
            << "content " << content << " behaviour " << behaviour << " pause " << pause;
      }
}

TEST(DisplayLineFile, TheLengthsOfTheTurningLines) {
  const std::size_t scrolling[5] = {63, 63, 69, 69, 69};
  for (int content = 10; content <= 14; ++content) {
    EXPECT_EQ(ExpectedTemplate(content, 1).size(), scrolling[content - 10]) << content;
    EXPECT_EQ(ExpectedTemplate(content, 31).size(), 71u) << content;
  }
  // Code 11 is S SD P W WT V T D, code 14 V T D S SD P W WT.
  EXPECT_EQ(ExpectedTemplate(11, 31).substr(0, 2), "S ");
  EXPECT_EQ(ExpectedTemplate(14, 31).substr(0, 2), "V ");
  EXPECT_EQ(ExpectedTemplate(14, 31).substr(60, 2), "WT");
}

TEST(DisplayLineFile, WorkedExamples) {
  std::string f = Bytes(BuildDisplayLineFile(0, 31, 5));
  EXPECT_EQ(f.substr(0, 5), std::string("\x00\x00\x01\x1F\x05", 5));
  EXPECT_EQ(f.substr(31, 7), "CNT   \xFA");
  EXPECT_EQ(f.substr(38), std::string(352 - 38, '\0'));

  for (int behaviour : kBehaviours)
    EXPECT_EQ(Bytes(BuildDisplayLineFile(9, behaviour, 0)).substr(31, 7), std::string("\xDD/h\xD5/h\0", 7));

  f = Bytes(BuildDisplayLineFile(10, 2, 0));
  EXPECT_EQ(f.substr(31 + 63 - 10, 11), std::string("V \xE0mm/s   \0", 11));
  f = Bytes(BuildDisplayLineFile(10, 22, 0));
  EXPECT_EQ(f.substr(31 + 71 - 13, 14), std::string("V       \xE5mm/s\0", 14));

  EXPECT_EQ(BuildDisplayLineFile(3, 1, 100)[4], 0x64);

  // The two lines differ only in the content code and the template.
  const DisplayLineFile line1 = BuildDisplayLineFile(6, 13, 42), line2 = BuildDisplayLineFile(12, 13, 42);
  EXPECT_EQ(Bytes(line1).substr(2, 29), Bytes(line2).substr(2, 29));
  EXPECT_EQ(line2[0], 12);
}

TEST(DisplayLineFile, UnknownCodesWriteNoTemplate) {
  const std::string none(352 - 31, '\0');
  for (int content : {-1, 15, 99})
    EXPECT_EQ(Bytes(BuildDisplayLineFile(content, 31, 0)).substr(31), none) << content;
  for (int behaviour : {-1, 0, 5, 10, 15, 20, 25, 30, 32, 287})
    EXPECT_EQ(Bytes(BuildDisplayLineFile(0, behaviour, 0)).substr(31), none) << behaviour;
  // The header keeps the low bytes as they are.
  const DisplayLineFile f = BuildDisplayLineFile(0x1234, 0x11F, 0x164);
  EXPECT_EQ(f[0], 0x34);
  EXPECT_EQ(f[1], 0x12);
  EXPECT_EQ(f[3], 0x1F);
  EXPECT_EQ(f[4], 0x64);
}

TEST(DisplayLineFile, BothFilesAreWrittenIntoTheFolder) {
  testsupport::TempDir dir;
  const std::string folder = dir.path() + "/";
  ASSERT_TRUE(platform::WriteFileAtomic(folder + "D0216F1.SYS", "stale"));
  ASSERT_TRUE(WriteDisplayLineFiles(folder, 6, 11, 23, 7));
  EXPECT_EQ(testsupport::FileBytes(folder + "D0216F0.SYS"), Bytes(BuildDisplayLineFile(6, 23, 7)));
  EXPECT_EQ(testsupport::FileBytes(folder + "D0216F1.SYS"), Bytes(BuildDisplayLineFile(11, 23, 7)));
}

TEST(DisplayLineFile, AFileThatCannotBeWrittenLeavesNoStaleOne) {
  testsupport::TempDir dir;
  const std::string folder = dir.path() + "/";
  ASSERT_TRUE(WriteDisplayLineFiles(folder, 0, 0, 31, 0));
  // Line 2's name is taken by a folder: the call fails, and line 1's old
  // file is gone too, so the printer cannot get half old, half new lines.
  std::filesystem::remove(folder + "D0216F1.SYS");
  std::filesystem::create_directory(folder + "D0216F1.SYS");
  EXPECT_FALSE(WriteDisplayLineFiles(folder, 6, 6, 31, 0));
  EXPECT_FALSE(platform::IsFile(folder + "D0216F0.SYS"));

  EXPECT_FALSE(WriteDisplayLineFiles(dir / "missing/", 6, 6, 31, 0));
}
