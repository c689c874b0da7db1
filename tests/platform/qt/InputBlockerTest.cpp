#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "platform/qt/InputBlocker.h"

namespace {

// Counts the input it gets.
class Target : public QWidget {
 public:
  int keys = 0, presses = 0, wheels = 0;

 protected:
  void keyPressEvent(QKeyEvent*) override { ++keys; }
  void mousePressEvent(QMouseEvent*) override { ++presses; }
  void wheelEvent(QWheelEvent*) override { ++wheels; }
};

void Input(QWidget* to) {
  QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
  QApplication::sendEvent(to, &key);
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(to, &press);
  QWheelEvent wheel(QPointF(1, 1), QPointF(1, 1), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(to, &wheel);
}

}  // namespace

TEST(InputBlocker, HoldsInputToEveryWindowButTheExemptOne) {
  Target window, message;
  auto* child = new Target;
  child->setParent(&window);
  {
    platform::InputBlocker block(&message);
    Input(&window);
    Input(child);
    Input(&message);
    EXPECT_EQ(window.keys + window.presses + window.wheels, 0);
    EXPECT_EQ(child->keys + child->presses + child->wheels, 0);
    EXPECT_EQ(message.keys, 1);
    EXPECT_EQ(message.presses, 1);
  }
  Input(child);
  EXPECT_EQ(child->keys, 1);
  EXPECT_EQ(child->presses, 1);
  EXPECT_EQ(child->wheels, 1);
}

TEST(InputBlocker, AWindowMarkedToKeepItsInputKeepsIt) {
  Target window, remote;
  platform::KeepInput(&remote);
  auto* button = new Target;
  button->setParent(&remote);
  platform::InputBlocker block;
  Input(&window);
  Input(button);
  EXPECT_EQ(window.keys + window.presses, 0);
  EXPECT_EQ(button->keys, 1);
  EXPECT_EQ(button->presses, 1);
}

TEST(InputBlocker, AModalDialogOpenedMeanwhileIsAnswered) {
  Target window;
  platform::InputBlocker block;
  QDialog dialog;
  int result = -1;
  QTimer::singleShot(0, [&] {
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &esc);
  });
  result = dialog.exec();
  EXPECT_EQ(result, QDialog::Rejected);
  Input(&window);
  EXPECT_EQ(window.keys, 0);
}

namespace {

// An application-wide key preview, as the main window has, whose key
// starts work behind a busy message: it makes a blocker while the key is
// being delivered and keeps it until later.
class Preview : public QObject {
 public:
  int seen = 0;
  std::unique_ptr<platform::InputBlocker> busy;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    ++seen;
    if (!busy) busy = std::make_unique<platform::InputBlocker>();
    return false;
  }
};

}  // namespace

// Qt walks the application's filters by position while it delivers an
// event; a blocker made during the delivery must not put the preview before
// it a second time in the way of the same key.
TEST(InputBlocker, ABlockerMadeWhileAKeyIsDeliveredLetsNoFilterSeeItTwice) {
  Target window;
  Preview preview;
  qApp->installEventFilter(&preview);
  platform::InstallInputGate();
  QKeyEvent key(QEvent::KeyPress, Qt::Key_O, Qt::ControlModifier);
  QApplication::sendEvent(&window, &key);
  EXPECT_EQ(preview.seen, 1);
  // The key that started the work was delivered before the blocker came.
  EXPECT_EQ(window.keys, 1);
  // Held while the work goes on.
  QApplication::sendEvent(&window, &key);
  EXPECT_EQ(window.keys, 1);
  preview.busy.reset();
  QApplication::sendEvent(&window, &key);
  EXPECT_EQ(window.keys, 2);
  qApp->removeEventFilter(&preview);
}
