#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FileIO.h"
#include "platform/LineFile.h"
#include "support/TempDir.h"

using namespace platform;
using Lines = std::vector<std::string>;

TEST(LineFile, SplitsOnEveryKindOfLineEnd) {
  struct Case { std::string text; Lines lines; } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\nb", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\r\n\r\n", {"a", ""}},
      {"\r\n", {""}},
      {"a\n\rb", {"a", "", "b"}},  // LF CR is two line ends
      {"x\r\r\ny", {"x", "", "y"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitLines(c.text), c.lines) << c.text;
}

TEST(LineFile, WritesCrLfAfterEveryLineAndReadsItBack) {
  testsupport::TempDir dir;
  Lines lines = {"V04.00", "", "\xE4\xF6\xFC", "last"};
  ASSERT_TRUE(WriteLines(dir / "a.ini", lines));
  auto raw = ReadWholeFile(dir / "a.ini");
  ASSERT_TRUE(raw);
  EXPECT_EQ(*raw, "V04.00\r\n\r\n\xE4\xF6\xFC\r\nlast\r\n");
  auto back = ReadLines(dir / "a.ini");
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, lines);
}

TEST(FileIO, AtomicWriteReplacesWholeAndLeavesNoTemporaryFile) {
  testsupport::TempDir dir;
  ASSERT_TRUE(WriteFileAtomic(dir / "f", "old content that is longer"));
  ASSERT_TRUE(WriteFileAtomic(dir / "f", "new"));
  EXPECT_EQ(*ReadWholeFile(dir / "f"), "new");
  int files = 0;
  for (auto& e : std::filesystem::directory_iterator(dir.path())) (void)e, ++files;
  EXPECT_EQ(files, 1);
}

TEST(FileIO, FailuresAreReportedAndKeepTheOldFile) {
  testsupport::TempDir dir;
  EXPECT_FALSE(ReadWholeFile(dir / "missing"));
  Status s = WriteFileAtomic(dir / "no/such/folder/f", "x");
  EXPECT_FALSE(s);
  EXPECT_NE(s.error().find("no/such/folder"), std::string::npos);
}
