// Reading raw bitmaps back into pictures, as the viewer shows them.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FileIO.h"
#include "printdata/RawBitmapFile.h"
#include "support/TempDir.h"

using namespace printdata;

namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s += static_cast<char>(v);
  return s;
}

// The rows of column x with a dot, as a mask over all 26 picture rows.
std::uint32_t Column(const RawPicture& p, int x) {
  std::uint32_t rows = 0;
  for (int y = 0; y < kRawPictureRows; ++y)
    if (p.Dot(x, y)) rows |= 1u << y;
  return rows;
}

}  // namespace

TEST(RawBitmapFile, ColumnsAndRows) {
  const struct {
    const char* what;
    std::string bytes;
    int columns;
    std::vector<std::uint32_t> rows;
  } cases[] = {
      {"empty", "", 0, {}},
      {"shorter than a column", Bytes({0xFF, 0xFF, 0xFF}), 0, {}},
      {"byte 1: rows 0 to 7", Bytes({0x81, 0, 0, 0}), 1, {0x81}},
      {"byte 2: rows 8 to 15", Bytes({0, 0x81, 0, 0}), 1, {0x8100}},
      {"byte 3: rows 16 to 23", Bytes({0, 0, 0x81, 0}), 1, {0x810000}},
      {"byte 4 bit 0: row 24", Bytes({0, 0, 0, 0x01}), 1, {0x1000000}},
      {"byte 4's other bits show nothing", Bytes({0, 0, 0, 0xFE}), 1, {0}},
      {"every bit: never row 25", Bytes({0xFF, 0xFF, 0xFF, 0xFF}), 1, {0x1FFFFFF}},
      {"a part column at the end is ignored", Bytes({1, 0, 0, 0, 2, 0, 0, 0, 0xFF, 0xFF, 0xFF}), 2, {1, 2}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    auto p = DecodeRawBitmap(c.bytes);
    ASSERT_TRUE(p.ok());
    ASSERT_EQ(p->Columns, c.columns);
    for (int x = 0; x < c.columns; ++x) EXPECT_EQ(Column(*p, x), c.rows[static_cast<std::size_t>(x)]) << x;
    EXPECT_FALSE(p->Dot(c.columns, 0));
    EXPECT_FALSE(p->Dot(-1, 0));
  }
}

TEST(RawBitmapFile, ReadsBackWhatTheWriterWrote) {
  // A diagonal and a full last row, through the writer of the printer file set.
  const int columns = 40;
  const std::string bytes = RawBitmapBytes(columns, [](int x, int y) { return x % 25 == y || y == 24; });
  ASSERT_EQ(bytes.size(), 160u);
  auto p = DecodeRawBitmap(bytes);
  ASSERT_TRUE(p.ok());
  ASSERT_EQ(p->Columns, columns);
  for (int x = 0; x < columns; ++x)
    for (int y = 0; y < kRawPictureRows; ++y) EXPECT_EQ(p->Dot(x, y), y < 25 && (x % 25 == y || y == 24)) << x << "," << y;
}

TEST(RawBitmapFile, FilesAboveTheBoundOrWithoutASizeAreRefused) {
  testsupport::TempDir dir;
  const std::string atBound = dir / "at.r23", above = dir / "above.r23", huge = dir / "huge.r23";
  for (const auto& [path, size] : {std::pair{atBound, kMaxRawBitmapBytes}, std::pair{above, kMaxRawBitmapBytes + 1},
                                   std::pair{huge, std::uint64_t{1} << 32}}) {
    ASSERT_TRUE(platform::WriteFileAtomic(path, ""));
    std::filesystem::resize_file(path, size);
  }
  auto p = ReadRawBitmap(atBound);
  ASSERT_TRUE(p.ok()) << p.error();
  EXPECT_EQ(p->Columns, 262144);
  EXPECT_FALSE(ReadRawBitmap(above).ok());
  EXPECT_FALSE(ReadRawBitmap(huge).ok());
  EXPECT_FALSE(ReadRawBitmap(dir.path()).ok());
  EXPECT_FALSE(ReadRawBitmap(dir / "missing.r23").ok());
  EXPECT_FALSE(DecodeRawBitmap(std::string(kMaxRawBitmapBytes + 4, '\0')).ok());
}
