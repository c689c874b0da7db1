// The preview's grid picture.
#include <gtest/gtest.h>

#include <vector>

#include "editor/GridImage.h"

using namespace editor;

namespace {

std::vector<int> LinesAcross(const platform::Bitmap& b, int row) {
  std::vector<int> xs;
  for (int x = 0; x < b.Width(); ++x)
    if (b.Pixel(x, row) == kGridLineColour) xs.push_back(x);
  return xs;
}

std::vector<int> LinesAlong(const platform::Bitmap& b, int column) {
  std::vector<int> ys;
  for (int y = 0; y < b.Height(); ++y)
    if (b.Pixel(column, y) == kGridLineColour) ys.push_back(y);
  return ys;
}

}  // namespace

TEST(GridImage, PixelGridFramesEveryDotFromZoomTwo) {
  platform::Bitmap grid;
  EXPECT_EQ(DrawGrid(grid, 1, kGridPixel, 30), kGridPixel);
  EXPECT_EQ(grid.Width(), 31);
  EXPECT_TRUE(LinesAcross(grid, 1).empty());  // zoom 1 draws nothing
  DrawGrid(grid, 2, kGridPixel, 30);
  EXPECT_EQ(grid.Width(), 61);
  EXPECT_EQ(grid.Height(), 51);
  EXPECT_EQ(LinesAcross(grid, 1).size(), 31u);  // x = 0, 2, ..., 60
  EXPECT_EQ(LinesAlong(grid, 1).size(), 26u);   // y = 0, 2, ..., 50
  EXPECT_EQ(grid.Pixel(1, 1), platform::kWhite);
}

TEST(GridImage, MillimetreGridAtZoomThree) {
  platform::Bitmap grid;
  DrawGrid(grid, 3, kGridMillimetre, 180);
  EXPECT_EQ(grid.Width(), 541);
  EXPECT_EQ(grid.Height(), 76);
  const std::vector<int> xs = LinesAcross(grid, 1);
  ASSERT_EQ(xs.size(), 31u);
  EXPECT_EQ(xs.front(), 0);
  EXPECT_EQ(xs[1], 18);
  EXPECT_EQ(xs.back(), 540);
  EXPECT_EQ(LinesAlong(grid, 1), (std::vector<int>{0, 18, 36, 54, 72}));
}

TEST(GridImage, AreasHalveAcrossAndThirdAlong) {
  platform::Bitmap grid;
  EXPECT_EQ(DrawGrid(grid, 4, kGridAreas, 600), kGridAreas);
  EXPECT_EQ(grid.Width(), 2401);
  EXPECT_EQ(grid.Height(), 101);
  EXPECT_EQ(LinesAlong(grid, 5), std::vector<int>{50});
  EXPECT_EQ(LinesAcross(grid, 5), (std::vector<int>{800, 1600}));
  // Lines drawn towards the far edge stop one pixel before it.
  EXPECT_EQ(grid.Pixel(2399, 50), kGridLineColour);
  EXPECT_EQ(grid.Pixel(2400, 50), platform::kWhite);
  EXPECT_EQ(grid.Pixel(800, 100), platform::kWhite);
}

TEST(GridImage, ZoomAndWidthAreClampedAndUnknownModesDrawNothing) {
  platform::Bitmap grid;
  EXPECT_EQ(DrawGrid(grid, 0, 7, 3), kGridNone);
  EXPECT_EQ(grid.Width(), 1 * 6 + 1);
  EXPECT_TRUE(LinesAcross(grid, 0).empty());
  DrawGrid(grid, 9, kGridNone, 1000);
  EXPECT_EQ(grid.Width(), 5 * 600 + 1);
  EXPECT_EQ(grid.Height(), 5 * 25 + 1);
  // Unsigned arguments: a negative zoom or width counts as too large.
  DrawGrid(grid, -1, kGridNone, -1);
  EXPECT_EQ(grid.Width(), 5 * 600 + 1);
}
