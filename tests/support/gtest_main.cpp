#include <gtest/gtest.h>

// The entry of the headless test programs: no windows, no Qt.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
