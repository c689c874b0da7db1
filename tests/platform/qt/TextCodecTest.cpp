#include <gtest/gtest.h>

#include "platform/qt/TextCodec.h"

using namespace platform;

TEST(TextCodec, EveryByteSurvivesTheRoundTripThroughQt) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(FromQt(ToQt(all)), all);
}

TEST(TextCodec, CharactersOutsideTheCodePageAreReplaced) {
  EXPECT_EQ(FromQt(QString::fromUtf8("Grüße Ω")), "Gr\xFC\xDF" "e ?");
}
