// String list files: byte-order marks, round trips and the error paths.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "ZipTestUtil.h"
#include "support/TempDir.h"
#include "zip/CodePages.h"
#include "zip/FileSystem.h"
#include "zip/Streams.h"
#include "zip/UniStringList.h"

using namespace zip;

namespace {

std::vector<WideString> Items(const TUniStringList& list) { return {list.begin(), list.end()}; }

std::vector<WideString> LoadBytes(const std::string& bytes, bool withBOM = true) {
  TMemoryStream stream(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
  TUniStringList list;
  list.LoadFromStream_BOM(stream, withBOM);
  return Items(list);
}

}  // namespace

TEST(UniStringListFiles, ByteOrderMarksDecideTheCharacterSet) {
  using V = std::vector<WideString>;
  EXPECT_EQ(LoadBytes(std::string("\xFE\xFF\x00\x41", 4)), V{u"A"});
  EXPECT_EQ(LoadBytes(std::string("\xFF\xFE\x41\x00\x0D\x00\x0A\x00\xE4\x00", 10)), (V{u"A", u"\u00e4"}));
  EXPECT_EQ(LoadBytes("\xEF\xBB\xBF" "gr\xC3\xBC\xC3\x9F" "e\r\n\xE2\x82\xAC"), (V{u"gr\u00fc\u00dfe", u"\u20ac"}));
  EXPECT_EQ(LoadBytes("Gr\xFC\xDF" "e \x80"), V{u"Gr\u00fc\u00dfe \u20ac"});  // Windows-1252 without a mark
  EXPECT_EQ(LoadBytes(""), V{});
  EXPECT_EQ(LoadBytes("\xFF"), V{u"\u00ff"});
  EXPECT_EQ(LoadBytes(std::string("\xFF\xFE\x41", 3)), V{});  // an odd last byte is not read
  // Without the flag the bytes are UTF-16 little-endian as they stand.
  EXPECT_EQ(LoadBytes(std::string("\x41\x00\x42\x00", 4), false), V{u"AB"});
}

TEST(UniStringListFiles, BigEndianTextIsTurnedRoundBehindANulToo) {
  // FE FF, then 'A', NUL, 'B' big-endian.
  std::vector<WideString> items = LoadBytes(std::string("\xFE\xFF\x00\x41\x00\x00\x00\x42", 8));
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0], WideString(u"A\0B", 3));
}

TEST(UniStringListFiles, DetectionLeavesTheStreamBehindTheMarkOnly) {
  struct Case {
    std::string bytes;
    TUniStreamCharSet charSet;
    std::int64_t position;
  } cases[] = {
      {"\xFF\xFE" "x", csUnicode, 2}, {"\xFE\xFF", csUnicodeSwapped, 2}, {"\xEF\xBB\xBF", csUtf8, 3},
      {"\xEF\xBB", csAnsi, 0},        {"abc", csAnsi, 0},                 {"", csAnsi, 0},
  };
  for (const auto& c : cases) {
    TMemoryStream stream(std::vector<std::uint8_t>(c.bytes.begin(), c.bytes.end()));
    EXPECT_EQ(AutoDetectCharacterSet(stream), c.charSet) << c.bytes;
    EXPECT_EQ(stream.Position(), c.position) << c.bytes;
  }
}

TEST(UniStringListFiles, SaveAndLoadRoundTrip) {
  testsupport::TempDir dir;
  TUniStringList list{u"plain", u"", u"\u00e4\u20ac\u4e2d", u"\U0001F600", u" spaced "};
  list.SaveToFile(dir / "list.txt");
  const std::string bytes = ziptest::ReadFile(dir / "list.txt");
  EXPECT_EQ(bytes.substr(0, 4), std::string("\xFF\xFEp\x00", 4));
  EXPECT_EQ(bytes.size(), 2 + 2 * list.GetTextStr().size());

  TUniStringList back;
  back.LoadFromFile(dir / "list.txt");
  EXPECT_TRUE(back.Equals(list));
  EXPECT_EQ(back.LastFileCharSet, csUnicode);

  ziptest::WriteFile(dir / "ansi.txt", "eins\r\nzw\xF6lf\r\n");
  back.LoadFromFile(dir / "ansi.txt");
  EXPECT_EQ(Items(back), (std::vector<WideString>{u"eins", u"zw\u00f6lf"}));
  EXPECT_EQ(back.LastFileCharSet, csAnsi);
}

TEST(UniStringListFiles, ErrorsNameTheFullPathAndLoseNothing) {
  testsupport::TempDir dir;
  TUniStringList list{u"keep"};
  try {
    list.LoadFromFile(dir / "missing.txt");
    FAIL() << "no error";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(std::string(e.what()), "Datei " + dir.path() + "/missing.txt kann nicht geöffnet werden");
  }
  EXPECT_EQ(Items(list), std::vector<WideString>{u"keep"});

  try {
    list.SaveToFile(dir / "no/such/folder.txt");
    FAIL() << "no error";
  } catch (const EFCreateError& e) {
    EXPECT_EQ(std::string(e.what()), "Datei " + dir.path() + "/no/such/folder.txt kann nicht erstellt werden");
  }

  // A file that cannot be replaced stays as it was.
  ziptest::WriteFile(dir / "old.txt", "old");
  // (A folder without write permission; the super-user writes anyway, so
  // the case is only checked where the folder really refuses.)
  ASSERT_EQ(::chmod(dir.path().c_str(), 0500), 0);
  const bool refuses = ::access(dir.path().c_str(), W_OK) != 0;
  if (refuses) {
    EXPECT_THROW(list.SaveToFile(dir / "old.txt"), EFCreateError);
    EXPECT_EQ(ziptest::ReadFile(dir / "old.txt"), "old");
  }
  ::chmod(dir.path().c_str(), 0700);
}
