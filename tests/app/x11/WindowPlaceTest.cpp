// Window23.ini keeps the main window's outer place and size, frame included;
// under a window manager the next start brings back the same, and a window
// as large as the screen stays whole on it.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>

#include "../AppFixture.h"
#include "app/Konfig.h"
#include "app/TForm_Main.h"
#include "platform/LineFile.h"
#include "support/FileBytes.h"

namespace {

class WindowPlace : public apptest::AppFixture {
 protected:
  void WritePlace(int left, int top, int width, int height) {
    WriteFile(ConfigFile("Window23.ini"),
              platform::JoinLines({"V04.00", "0", std::to_string(left), std::to_string(top), std::to_string(width),
                                   std::to_string(height), "0", "0", "0", "0", "0", "0", "0", "0", "0", "2"}));
  }
  // The window manager answers moves and resizes a little later.
  static QRect SettledFrame() {
    QRect last = Form_Main->frameGeometry();
    QElapsedTimer t;
    t.start();
    for (int still = 0; still < 10 && t.elapsed() < 5000;) {
      QCoreApplication::processEvents();
      QThread::msleep(20);
      const QRect now = Form_Main->frameGeometry();
      still = now == last ? still + 1 : 0;
      last = now;
    }
    return last;
  }
  std::vector<std::string> StoredPlace() {
    EXPECT_EQ(app::WriteWindowConfig(), 0);
    const auto lines = platform::SplitLines(testsupport::FileBytes(ConfigFile("Window23.ini")));
    return {lines.begin() + 2, lines.begin() + 6};
  }
};

}  // namespace

TEST_F(WindowPlace, ComesBackWhereItWasAtEveryStart) {
  WritePlace(193, 163, 894, 698);
  for (int start = 0; start < 3; ++start) {
    ASSERT_EQ(app::ReadWindowConfig(), 0);
    const QRect frame = SettledFrame();
    EXPECT_NE(frame, Form_Main->geometry()) << "no window frame";
    EXPECT_EQ(frame, QRect(193, 163, 894, 698)) << "start " << start;
    EXPECT_EQ(StoredPlace(), (std::vector<std::string>{"193", "163", "894", "698"})) << "start " << start;
  }
}

TEST_F(WindowPlace, AScreenSizedWindowStaysWholeOnTheScreen) {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  WritePlace(screen.left(), screen.top(), screen.width(), screen.height());
  ASSERT_EQ(app::ReadWindowConfig(), 0);
  const QRect frame = SettledFrame();
  EXPECT_TRUE(screen.contains(frame)) << frame.x() << "," << frame.y() << " " << frame.width() << "x"
                                      << frame.height();
  // The date button at the bottom of the side bar can be reached.
  const QRect date(Form_Main->PanelTimeDate->mapToGlobal(QPoint(0, 0)), Form_Main->PanelTimeDate->size());
  EXPECT_TRUE(screen.contains(date));
}
