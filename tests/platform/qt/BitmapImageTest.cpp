// Pictures shown in Qt keep their colours: the colour numbers are blue,
// green, red from the high byte down, Qt's are the other way round.
#include <gtest/gtest.h>

#include "platform/Bitmap.h"
#include "platform/qt/BitmapImage.h"

TEST(BitmapImage, KeepsSizeAndColours) {
  platform::Bitmap picture(3, 2);
  picture.SetPixel(0, 0, 0x0000FF);  // red
  picture.SetPixel(1, 0, 0x123456);
  picture.SetPixel(2, 1, 0x000000);
  const QImage image = platform::BitmapImage(picture);
  ASSERT_EQ(image.size(), QSize(3, 2));
  EXPECT_EQ(image.pixel(0, 0), qRgb(0xFF, 0x00, 0x00));
  EXPECT_EQ(image.pixel(1, 0), qRgb(0x56, 0x34, 0x12));
  EXPECT_EQ(image.pixel(2, 1), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(0, 1), qRgb(0xFF, 0xFF, 0xFF));  // the bitmap starts white
}

TEST(BitmapImage, WhiteCanBeTheTransparentColour) {
  platform::Bitmap picture(2, 1);
  picture.SetPixel(0, 0, 0x123456);
  const QImage image = platform::BitmapImage(picture, true);
  EXPECT_TRUE(image.hasAlphaChannel());
  EXPECT_EQ(image.pixel(0, 0), qRgba(0x56, 0x34, 0x12, 255));
  EXPECT_EQ(qAlpha(image.pixel(1, 0)), 0);
  EXPECT_FALSE(platform::BitmapImage(picture).hasAlphaChannel());
}
