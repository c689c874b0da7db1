#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <mutex>
#include <string>

#include "FetchFixture.h"
#include "app/fetch/Thread_Browser.h"
#include "app/fetch/Thread_Update.h"
#include "platform/FileIO.h"

namespace {

using fetchtest::Exists;
using fetchtest::kNewer;
using fetchtest::MillisecondsOf;
using fetchtest::Server;
using fetchtest::WaitUntil;


class FetchThreadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Server().Remove("Tarvik23");
    updateDir_ = local_.path() + "/UPDATE/";
    browserDir_ = local_.path() + "/BROWSER/";
    std::filesystem::create_directories(updateDir_);
    std::filesystem::create_directories(browserDir_);
  }

  app::Thread_Update::Hooks UpdateHooks() {
    app::Thread_Update::Hooks h;
    h.setReady = [this] { ready_.store(1); };
    h.clearReady = [this] { ready_.store(0); };
    h.deletePath = [](const std::string&) { return 1; };
    return h;
  }

  testsupport::TempDir local_;
  std::string updateDir_, browserDir_;
  std::atomic<int> ready_{-1};
  std::recursive_mutex lock_;
};

TEST_F(FetchThreadTest, UpdateThreadFetchesAtOnceAndReportsReady) {
  Server().Put("Tarvik23/INFO.UPD", kNewer);
  Server().Put("Tarvik23/Tarvik23Setup.run", "installer");
  app::Thread_Update t(updateDir_, fetchtest::SettingsFor("update"), UpdateHooks());
  EXPECT_EQ(ready_.load(), -1) << "nothing before the thread starts";
  t.Start();
  ASSERT_TRUE(WaitUntil([&] { return t.CyclesDone() == 1; }));
  EXPECT_EQ(t.LastStep(), app::UpdateStep::Fetched);
  EXPECT_EQ(ready_.load(), 1);
  // Waiting for the next cycle, a minute away: the stop ends the wait.
  EXPECT_LT(MillisecondsOf([&] {
              t.Stop();
              t.WaitFor();
            }),
            5000);  // its wait is a minute
  EXPECT_TRUE(t.Finished());
}

TEST_F(FetchThreadTest, UpdateThreadEndsWhenItsDescriptionCannotBeRead) {
  std::filesystem::create_directories(updateDir_ + "INFO.UPD");
  app::Thread_Update t(updateDir_, fetchtest::SettingsFor("update"), UpdateHooks());
  t.Start();
  ASSERT_TRUE(WaitUntil([&] { return t.Finished(); }));
  EXPECT_EQ(ready_.load(), -1) << "the button keeps its last state";
}

// A server that accepts and then says nothing, or stops in the middle of a
// reply or a transfer, does not hold up the end of the program: the stop
// ends the thread at once, whatever its limits.
TEST_F(FetchThreadTest, StalledServerDoesNotDelayTheEnd) {
  testsupport::SilentServer silent;
  Server().Put("Tarvik23/INFO.UPD", kNewer);
  Server().Put("Tarvik23/Tarvik23Setup.run", std::string(100000, 'x'));
  Server().Put("Tarvik23/URL.BRW", std::string(100000, 'n'));
  struct Case {
    const char* what;
    std::string user;
    unsigned port;
  };
  const Case cases[] = {{"silent", "update", silent.Port()}, {"no reply", "stallsize", 0}, {"stalled", "stallretr", 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    app::FetchSettings s = fetchtest::SettingsFor(c.user, c.port);
    s.limits = {60000, 60, 60};
    {
      app::Thread_Update t(updateDir_, s, UpdateHooks());
      t.Start();
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
      EXPECT_EQ(t.CyclesDone(), 0) << "still waiting on the server";
      EXPECT_LT(MillisecondsOf([&] {
                  t.Stop();
                  t.WaitFor();
                }),
                5000);  // its wait is a minute
    }
    {
      app::Thread_Browser t(browserDir_, s, lock_, fetchtest::Online());
      t.Start();
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
      EXPECT_EQ(t.CyclesDone(), 0) << "still waiting on the server";
      EXPECT_LT(MillisecondsOf([&] {
                  t.Stop();
                  t.WaitFor();
                }),
                5000);  // its wait is a minute
      EXPECT_EQ(t.Status(), app::kNewsEnded);
    }
  }
}

TEST_F(FetchThreadTest, NewsThreadKeepsUrlBrwOnlyWhileItRuns) {
  ASSERT_TRUE(platform::WriteFileDirect(browserDir_ + "URL.BRW", "left from an earlier run"));
  {
    // No internet: the leftover goes before the first cycle all the same.
    app::Thread_Browser t(browserDir_, fetchtest::SettingsFor("news"), lock_, fetchtest::Resolver({}));
    EXPECT_EQ(t.Status(), app::kNewsNone);
    t.Start();
    ASSERT_TRUE(WaitUntil([&] { return t.CyclesDone() == 1; }));
    EXPECT_EQ(t.Status(), app::kNewsNoInternet);
    EXPECT_FALSE(Exists(browserDir_ + "URL.BRW"));
  }
  Server().Put("Tarvik23/URL.BRW", "news");
  app::Thread_Browser t(browserDir_, fetchtest::SettingsFor("news"), lock_, fetchtest::Online());
  EXPECT_EQ(t.RemoteUrlPath(), "/Tarvik23/URL.BRW");
  t.Start();
  ASSERT_TRUE(WaitUntil([&] { return t.CyclesDone() == 1; }));
  EXPECT_EQ(t.Status(), app::kNewsFetched);
  EXPECT_EQ(testsupport::FileBytes(browserDir_ + "URL.BRW"), "news");
  t.Stop();
  t.WaitFor();
  EXPECT_EQ(t.Status(), app::kNewsEnded);
  EXPECT_FALSE(Exists(browserDir_ + "URL.BRW"));
}

}  // namespace
