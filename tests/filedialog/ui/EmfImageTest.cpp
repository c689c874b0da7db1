#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include "filedialog/PictureFiles.h"
#include "filedialog/ui/EmfImage.h"

namespace {

struct Spot {
  int x, y;
  QRgb colour;
};

}  // namespace

// Inkscape's export of rectangles.svg: the frame is 5299 x 2699 hundredths
// of a millimetre (200 x 102 pixels), the red rectangle from (20,10) to
// (80,50), the blue one from (120,50) to (180,90), the rest white.
TEST(EmfImage, InkscapesFileIsDrawnAtItsSizeWithItsRectanglesInPlace) {
  const QImage picture = filedialogui::DrawEmf(fdtest::SampleFile("rectangles.emf"));
  ASSERT_FALSE(picture.isNull());
  ASSERT_EQ(picture.size(), QSize(200, 102));
  const QRgb red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255), white = qRgb(255, 255, 255);
  // A pixel inside each edge, and one outside it; the edges themselves may
  // be smoothed.
  const Spot spots[] = {{50, 30, red},    {22, 12, red},     {78, 48, red},    {17, 7, white},  {83, 53, white},
                        {150, 70, blue},  {122, 52, blue},   {178, 88, blue},  {117, 47, white}, {183, 93, white},
                        {100, 30, white}, {150, 30, white},  {50, 70, white},  {199, 101, white}};
  for (const Spot& s : spots)
    EXPECT_EQ(picture.pixel(s.x, s.y) | 0xFF000000u, s.colour) << s.x << "," << s.y;
}

TEST(EmfImage, DamagedFilesDrawNothing) {
  const std::string good = fdtest::SampleFile("rectangles.emf");
  for (const std::string& file : {std::string(), good.substr(0, 100), good.substr(0, good.size() - 1),
                                  std::string(2000, '\x01'), fdtest::SampleFile("rectangles.wmf")})
    EXPECT_TRUE(filedialogui::DrawEmf(file).isNull()) << file.size();
}
