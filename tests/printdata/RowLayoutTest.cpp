#include <gtest/gtest.h>

#include <memory>

#include "printdata/RowLayout.h"

using namespace printdata;

namespace {

constexpr std::array<bool, 3> kNoColumns = {false, false, false};
constexpr std::array<bool, 3> kAllColumns = {true, true, true};

std::unique_ptr<PrintGroup> Group() { return std::make_unique<PrintGroup>(); }

}  // namespace

TEST(RowLayout, ImagesAndNumbersAtZoomTwoWithoutColumns) {
  const auto g = Group();
  const RowPlaces p = LayOutRows(*g, 3, 2, kNoColumns);
  EXPECT_EQ(p[0].ImageTop, 3);
  EXPECT_EQ(p[1].ImageTop, 69);
  EXPECT_EQ(p[2].ImageTop, 135);
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(p[i].Shown);
    EXPECT_EQ(p[i].NumberTop, p[i].ImageTop + 18);
    EXPECT_EQ(p[i].ImageHeight, 50);
  }
  EXPECT_FALSE(p[3].Shown);
  // A hidden row takes no image height, only its gap.
  EXPECT_EQ(p[3].ImageTop, 201);
  EXPECT_EQ(p[4].ImageTop, 217);
}

TEST(RowLayout, AllColumnsAtZoomTwo) {
  const auto g = Group();
  const RowPlaces p = LayOutRows(*g, 99, 2, kAllColumns);
  EXPECT_EQ(p[0].ColumnTop[kColumnLayers], 61);
  EXPECT_EQ(p[0].ColumnTop[kColumnParameters], 149);
  EXPECT_EQ(p[0].ColumnTop[kColumnNotes], 213);
  for (int i = 1; i < 99; ++i) EXPECT_EQ(p[i].ImageTop - p[i - 1].ImageTop, 258) << i;
  // Only the notes column: 8 + 32 after the image.
  const RowPlaces q = LayOutRows(*g, 99, 2, {false, false, true});
  EXPECT_EQ(q[0].ColumnTop[kColumnNotes], 61);
  EXPECT_EQ(q[1].ImageTop, 3 + 50 + 40 + 16);
}

TEST(RowLayout, PictureSizeFollowsThePrintLength) {
  auto g = Group();
  g->Texts[0].Parameters.X1.Drucklaenge = 305;
  const RowPlaces p = LayOutRows(*g, 1, 3, kNoColumns);
  EXPECT_EQ(p[0].BitmapWidth, 180);
  EXPECT_EQ(p[0].ImageWidth, 540);
  EXPECT_EQ(p[0].ImageHeight, 75);
}

TEST(RowLayout, PrintLengthsFromFilesAreKeptWithinOneToOneHundredMillimetres) {
  const struct {
    std::int32_t tenths;
    int mm;
  } cases[] = {{0, 1},      {9, 1},      {10, 1},     {-50, 1},         {INT32_MIN, 1}, {1000, 100},
               {1009, 100}, {1010, 100}, {5000, 100}, {INT32_MAX, 100}, {555, 55}};
  auto g = Group();
  for (const auto& c : cases) {
    EXPECT_EQ(LayoutMillimetres(c.tenths), c.mm) << c.tenths;
    g->Texts[7].Parameters.X1.Drucklaenge = c.tenths;
    const RowPlaces p = LayOutRows(*g, 8, 5, kNoColumns);
    EXPECT_EQ(p[7].BitmapWidth, c.mm * 6) << c.tenths;
    EXPECT_EQ(p[7].ImageWidth, c.mm * 30) << c.tenths;
    // The layout only reads the value.
    EXPECT_EQ(g->Texts[7].Parameters.X1.Drucklaenge, c.tenths);
  }
}

TEST(RowLayout, ZoomOutsideOneToFiveIsKeptWithin) {
  const auto g = Group();
  EXPECT_EQ(LayOutRows(*g, 1, 9, kNoColumns)[0].ImageHeight, 125);
  EXPECT_EQ(LayOutRows(*g, 1, -3, kNoColumns)[0].ImageHeight, 25);
}
