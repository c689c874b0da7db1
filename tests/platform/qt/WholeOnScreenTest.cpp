// A window that grows while shown goes back whole onto the usable part of
// its screen.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "platform/qt/WholeOnScreen.h"

TEST(WholeOnScreen, MovesAFrameNoFurtherThanItNeeds) {
  const QRect small(0, 0, 1024, 768);
  const QRect large(0, 0, 1280, 1024);
  const QRect belowPanel(0, 30, 1280, 994);  // a panel along the top
  const struct {
    QRect frame, area;
    QPoint whole;
  } cases[] = {
      {{412, 300, 201, 330}, small, {412, 300}},    // inside: stays
      {{412, 300, 789, 330}, small, {235, 300}},    // grown past the right edge
      {{540, 300, 981, 330}, large, {299, 300}},
      {{540, 300, 981, 330}, small, {43, 300}},
      {{-20, -5, 300, 200}, small, {0, 0}},         // beyond the left and top edges
      {{100, 600, 300, 400}, small, {100, 368}},    // grown past the bottom edge
      {{100, 10, 300, 200}, belowPanel, {100, 30}},
      {{500, 100, 1100, 900}, small, {0, 0}},       // larger than the area: its left and top edge
  };
  for (const auto& c : cases)
    EXPECT_EQ(platform::WholeOnArea(c.frame, c.area), c.whole)
        << c.frame.x() << "," << c.frame.y() << " " << c.frame.width() << "x" << c.frame.height();
}

TEST(WholeOnScreen, AShownWindowThatGrowsPastTheEdgeComesBack) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  QWidget window;
  platform::KeepWholeOnScreen(&window);
  window.setGeometry(area.right() - 250, area.top() + 50, 200, 100);
  window.show();
  const int top = window.frameGeometry().top();
  window.setFixedSize(400, 120);
  QCoreApplication::sendPostedEvents();
  EXPECT_TRUE(area.contains(window.frameGeometry()));
  EXPECT_EQ(window.frameGeometry().right(), area.right());
  EXPECT_EQ(window.frameGeometry().top(), top);
}

TEST(WholeOnScreen, AHiddenWindowIsLeftWhereItIs) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  QWidget window;
  platform::KeepWholeOnScreen(&window);
  window.move(area.right() - 50, area.top());
  window.resize(400, 120);
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(window.pos(), QPoint(area.right() - 50, area.top()));
}
