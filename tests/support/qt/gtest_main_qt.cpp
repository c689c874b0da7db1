#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/qt/GuiThread.h"

// Windows need an application object; tests run on Qt's offscreen platform
// so they need no display.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  platform::InstallGuiThread();
  return RUN_ALL_TESTS();
}
