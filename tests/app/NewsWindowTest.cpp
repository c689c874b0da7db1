// The news window's browser control: its four handlers around a navigation,
// the application-wide message hook that hands Enter and '+' to the browser,
// what the hook costs every other event, and the window's least size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QUrl>
#include <memory>
#include <string>
#include <vector>

#include "AppFixture.h"
#include "app/fetch/ui/TCppWebBrowser.h"
#include "app/fetch/ui/TForm_Browser.h"

namespace {

using app::TCppWebBrowser;

class NewsWindow : public apptest::AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    first_ = temp_.path() + "/erste.html";
    second_ = temp_.path() + "/zweite.html";
    WriteFile(first_, "<p>Neuigkeiten</p><p><a href=\"zweite.html\">weiter</a></p>");
    WriteFile(second_, "<p>Zweite Seite</p>");
    Form_Browser->show();
  }
  void TearDown() override {
    Form_Browser->close();
    AppFixture::TearDown();
  }
  static TCppWebBrowser* Browser() { return Form_Browser->CppWebBrowser; }
  // Which of the wait panel and the browser lies on top.
  static QWidget* OnTop() {
    const QObjectList& children = Form_Browser->children();
    for (auto it = children.rbegin(); it != children.rend(); ++it)
      if (*it == Form_Browser->Panel_Wait || *it == Browser()) return static_cast<QWidget*>(*it);
    return nullptr;
  }
  static QUrl Url(const std::string& path) { return QUrl::fromLocalFile(QString::fromStdString(path)); }
  static bool Hook(QObject* receiver, QEvent::Type type, int key) {
    QKeyEvent event(type, key, Qt::NoModifier);
    return Form_Browser->AppMessage(receiver, &event);
  }

  std::string first_, second_;
};

struct Seen {
  const char* handler;
  bool busy;
  int readyState;
  QWidget* onTop;
};

}  // namespace

TEST_F(NewsWindow, TheWaitPanelCoversTheBrowserWhileAPageLoadsAndTheBrowserShowsItWhenLoaded) {
  // Shown, nothing loaded: the wait panel on top, and a "complete" from
  // nothing loaded does not uncover the browser.
  EXPECT_EQ(OnTop(), Form_Browser->Panel_Wait);
  EXPECT_EQ(Browser()->ReadyState(), TCppWebBrowser::Uninitialized);
  EXPECT_FALSE(Browser()->Busy());
  Form_Browser->CppWebBrowserNavigateComplete2();
  Form_Browser->CppWebBrowserDownloadComplete();
  EXPECT_EQ(OnTop(), Form_Browser->Panel_Wait);
  EXPECT_EQ(Form_Browser->Panel_Wait->geometry(), Form_Browser->rect());
  EXPECT_EQ(Browser()->geometry(), Form_Browser->rect());

  // Each handler as the browser runs it, and what it left behind.
  std::vector<Seen> seen;
  auto watch = [&](std::function<void()>& slot, const char* name) {
    slot = [&seen, name, handler = slot] {
      handler();
      seen.push_back({name, Browser()->Busy(), Browser()->ReadyState(), OnTop()});
    };
  };
  watch(Browser()->OnBeforeNavigate2, "BeforeNavigate2");
  watch(Browser()->OnDownloadBegin, "DownloadBegin");
  watch(Browser()->OnNavigateComplete2, "NavigateComplete2");
  watch(Browser()->OnDownloadComplete, "DownloadComplete");
  Browser()->setSource(Url(first_));

  const Seen expected[] = {{"BeforeNavigate2", true, 1, Form_Browser->Panel_Wait},
                           {"DownloadBegin", true, 1, Form_Browser->Panel_Wait},
                           {"NavigateComplete2", true, 3, Browser()},
                           {"DownloadComplete", false, 4, Browser()}};
  ASSERT_EQ(seen.size(), std::size(expected));
  for (std::size_t i = 0; i < seen.size(); ++i) {
    SCOPED_TRACE(expected[i].handler);
    EXPECT_STREQ(seen[i].handler, expected[i].handler);
    EXPECT_EQ(seen[i].busy, expected[i].busy);
    EXPECT_EQ(seen[i].readyState, expected[i].readyState);
    EXPECT_EQ(seen[i].onTop, expected[i].onTop);
  }
  EXPECT_EQ(Form_Browser->focusWidget(), Browser());
  EXPECT_TRUE(Browser()->toPlainText().contains(QStringLiteral("Neuigkeiten")));

  // A "begin" once the page is shown leaves it shown.
  Form_Browser->CppWebBrowserBeforeNavigate2();
  Form_Browser->CppWebBrowserDownloadBegin();
  EXPECT_EQ(OnTop(), Browser());
}

TEST_F(NewsWindow, TheHookHandsEnterAndPlusMeantForTheBrowserToItWhileItIsNotBusy) {
  Browser()->setSource(Url(first_));
  QLineEdit elsewhere;
  const struct {
    const char* what;
    QObject* receiver;
    QEvent::Type type;
    int key;
    bool handled;
  } cases[] = {
      {"Enter down at the browser", Browser(), QEvent::KeyPress, Qt::Key_Return, true},
      {"keypad Enter up at the browser", Browser(), QEvent::KeyRelease, Qt::Key_Enter, true},
      {"'+' at the browser", Browser(), QEvent::KeyPress, Qt::Key_Plus, true},
      {"Enter at the browser's viewport", Browser()->viewport(), QEvent::KeyPress, Qt::Key_Return, true},
      {"another key at the browser", Browser(), QEvent::KeyPress, Qt::Key_A, false},
      {"Enter in another window", &elsewhere, QEvent::KeyPress, Qt::Key_Return, false},
      {"Enter to the news window itself", Form_Browser, QEvent::KeyPress, Qt::Key_Return, false},
  };
  for (const auto& c : cases) EXPECT_EQ(Hook(c.receiver, c.type, c.key), c.handled) << c.what;
  QMouseEvent click(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  EXPECT_FALSE(Form_Browser->AppMessage(Browser(), &click));

  // While a page loads the browser is busy and the hook leaves Enter alone.
  bool handledWhileBusy = true;
  Browser()->OnDownloadBegin = [&, begin = Browser()->OnDownloadBegin] {
    begin();
    handledWhileBusy = Hook(Browser(), QEvent::KeyPress, Qt::Key_Return);
  };
  Browser()->setSource(Url(first_));
  EXPECT_FALSE(handledWhileBusy);

  // Delivered for real: Enter on the chosen link reaches the browser through
  // the hook (its own filters never see the key) and follows the link; Enter
  // in another window arrives there as usual.
  QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
  QApplication::sendEvent(Browser(), &tab);
  ASSERT_TRUE(Browser()->textCursor().selectedText().contains(QStringLiteral("weiter")));
  apptest::EventCounter atBrowser(Browser(), QEvent::KeyPress);
  apptest::PressKey(Browser(), Qt::Key_Return);
  EXPECT_EQ(atBrowser.count, 0);
  EXPECT_EQ(Browser()->source(), Url(second_));
  EXPECT_TRUE(Browser()->toPlainText().contains(QStringLiteral("Zweite Seite")));
  apptest::EventCounter atLine(&elsewhere, QEvent::KeyPress);
  apptest::PressKey(&elsewhere, Qt::Key_Return);
  EXPECT_EQ(atLine.count, 1);
}

// The hook runs for every event the program delivers, so it may do no more
// than a fixed amount of work for each: one question to the browser and a
// few comparisons. Counted, not timed: every event the program delivers
// (counted by a second application-wide filter) costs exactly one Busy
// read, whatever its kind and receiver.
TEST_F(NewsWindow, TheHookAsksTheBrowserOnceForEveryEventAndNoMore) {
  struct EveryEvent : QObject {
    std::uint64_t count = 0;
    bool eventFilter(QObject*, QEvent*) override {
      ++count;
      return false;
    }
  } every;
  qApp->installEventFilter(&every);
  QObject plain;
  QLineEdit line;
  constexpr int kRounds = 500;
  const std::uint64_t before = Browser()->BusyReads();
  every.count = 0;
  for (int i = 0; i < kRounds; ++i) {
    QEvent user(QEvent::User);
    QCoreApplication::sendEvent(&plain, &user);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(&line, &enter);
    QKeyEvent plus(QEvent::KeyRelease, Qt::Key_Plus, Qt::NoModifier);
    QCoreApplication::sendEvent(&plain, &plus);
  }
  qApp->removeEventFilter(&every);
  EXPECT_GE(every.count, 3u * kRounds);
  EXPECT_EQ(Browser()->BusyReads() - before, every.count);
}

TEST_F(NewsWindow, ItsClientAreaNeverShrinksBelowTheLeastSize) {
  const struct {
    int width, height, expectedWidth, expectedHeight;
  } cases[] = {{100, 100, 852, 612}, {851, 700, 852, 700}, {900, 611, 900, 612}, {1000, 800, 1000, 800}};
  for (const auto& c : cases) {
    int w = c.width, h = c.height;
    EXPECT_TRUE(Form_Browser->FormCanResize(w, h));
    EXPECT_EQ(w, c.expectedWidth) << c.width;
    EXPECT_EQ(h, c.expectedHeight) << c.height;
  }
  Form_Browser->resize(300, 200);
  EXPECT_EQ(Form_Browser->size(), QSize(852, 612));
  EXPECT_EQ(Browser()->geometry(), Form_Browser->rect());
  // Maximised or minimised, the window manager decides.
  Form_Browser->setWindowState(Qt::WindowMaximized);
  int w = 100, h = 100;
  EXPECT_TRUE(Form_Browser->FormCanResize(w, h));
  EXPECT_EQ(QSize(w, h), QSize(100, 100));
  Form_Browser->setWindowState(Qt::WindowNoState);
}
