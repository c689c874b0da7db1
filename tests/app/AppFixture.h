#pragma once
// The program's windows built over a fresh folder tree, as start-up builds
// them, with a fake clock and with beeps and system boxes recorded.
#include <gtest/gtest.h>

#include <QEvent>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/fetch/FetchSettings.h"
#include "platform/Beep.h"
#include "platform/PortRegistry.h"
#include "support/FakeTime.h"
#include "support/TempDir.h"
#include "support/qt/Mouse.h"

class TForm_Main;
class TFrameDaten;

namespace apptest {

struct SystemBox {
  QString title, text;
};

class AppFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The start folder: <temp>/Tarvik23/bin, so the tree lies in <temp>/Tarvik23.
  std::string StartDir() const { return temp_.path() + "/Tarvik23/bin"; }
  std::string ConfigFile(const char* name) const;
  void WriteFile(const std::string& path, const std::string& bytes) const;

  // The main window's data page.
  static TFrameDaten& Daten();
  // Shows the data page's first `count` print texts, as the test filled them
  // in, as unchanged open data named `title`, the first one marked.
  static void ShowOpenData(int count, const QString& title = QStringLiteral("Eier"));
  // The data page shows its layer, parameter and note columns.
  static void ShowAllColumns();

  testsupport::TempDir temp_;
  testsupport::ScopedFakeTime time_;
  std::vector<platform::BeepKind> beeps_;
  std::vector<SystemBox> boxes_;
  platform::FixedPortRegistry noPorts_;

 private:
  QSet<QWidget*> windowsBefore_;
};

// Fetch settings that reach nothing: a closed loopback port, no host names.
// The program's windows run their fetch threads on these in the tests.
app::FetchSettings OfflineFetchSettings();

// Runs the event loop and the steps worker threads synchronise until
// `done` holds or `seconds` have passed; whether it holds.
bool PumpUntil(const std::function<bool()>& done, int seconds);

// Runs `step` once the next modal dialog has started its own event loop.
void WhenModal(std::function<void()> step);

// Sends a key press straight to `to`.
void PressKey(QWidget* to, int key, Qt::KeyboardModifiers mods = Qt::NoModifier);

// Clicks and double clicks in the middle of a widget, as the window system
// delivers them.
using testsupport::Click;
using testsupport::DoubleClick;

// Counts the events of one type a widget receives (its paints, its
// showings); `after`, when given, runs from the event loop after each with
// the count so far (to answer a modal window shown once too often).
class EventCounter : public QObject {
 public:
  EventCounter(QWidget* w, QEvent::Type type, std::function<void(int)> after = {})
      : type_(type), after_(std::move(after)) {
    w->installEventFilter(this);
  }
  int count = 0;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() != type_) return false;
    ++count;
    if (after_) QTimer::singleShot(0, this, [this, n = count] { after_(n); });
    return false;
  }

 private:
  QEvent::Type type_;
  std::function<void(int)> after_;
};

// With TARVIK_SCREENSHOT_DIR set, saves `window` as the screen shows it
// (as Qt draws it where no screen can be read) to <dir>/<name>.png.
void Screenshot(QWidget* window, const char* name);

}  // namespace apptest
