#include <gtest/gtest.h>

#include <filesystem>
#include <mutex>
#include <stdexcept>
#include <string>

#include "FetchFixture.h"
#include "app/fetch/NewsFetch.h"
#include "platform/FileIO.h"

namespace {

using fetchtest::Exists;
using testsupport::FileBytes;
using fetchtest::Server;

class NewsFetchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Server().Remove("Tarvik23");
    dir_ = local_.path() + "/BROWSER/";
    std::filesystem::create_directories(dir_);
  }
  testsupport::TempDir local_;
  std::string dir_;
  std::recursive_mutex lock_;
};

// Every status a news cycle can end with, each from a fixture that makes it.
TEST_F(NewsFetchTest, EveryStatus) {
  const std::string news = "https://www.osmek-ag.ch/news\r\n\xe4";
  struct Case {
    const char* what;
    std::string user;
    app::HostResolver resolve;
    std::string serverFile;  // "-" = none
    int status;
  };
  const app::HostResolver offline = fetchtest::Resolver({});
  const app::HostResolver publicOnly = fetchtest::Resolver({{"public.test", "127.0.0.2"}});
  const app::HostResolver throwing = [](const std::string&) -> std::string { throw std::runtime_error("resolver"); };
  const Case cases[] = {
      {"fetched", "news", fetchtest::Online(), news, app::kNewsFetched},
      {"no internet", "news", offline, news, app::kNewsNoInternet},
      {"only the public host", "news", publicOnly, news, app::kNewsNoMakerHost},
      {"login refused", "stranger", fetchtest::Online(), news, app::kNewsConnectFailed},
      {"size request unanswered", "dropsize", fetchtest::Online(), news, app::kNewsSizeFailed},
      {"no news file", "news", fetchtest::Online(), "-", app::kNewsNoFile},
      {"empty news file", "news", fetchtest::Online(), "", app::kNewsNoFile},
      {"download refused", "failretr", fetchtest::Online(), news, app::kNewsFetchFailed},
      {"download cut short", "shortretr", fetchtest::Online(), news, app::kNewsFetchFailed},
      {"size and bytes differ", "wrongsize", fetchtest::Online(), news, app::kNewsFetchFailed},
      {"quit refused", "badquit", fetchtest::Online(), news, app::kNewsQuitFailed},
      {"anything else", "news", throwing, news, app::kNewsOtherFailure},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Server().Remove("Tarvik23");
    if (c.serverFile != "-") Server().Put("Tarvik23/URL.BRW", c.serverFile);
    ASSERT_TRUE(platform::WriteFileDirect(dir_ + "URL.BRW", "previous"));
    app::NewsFetcher f(dir_, fetchtest::SettingsFor(c.user), lock_, c.resolve);
    EXPECT_EQ(f.RunCycle(), c.status);
    EXPECT_FALSE(f.Connected());
    // A cycle that fails before the download leaves the previous copy.
    const bool downloaded = c.status == app::kNewsFetched || c.status == app::kNewsQuitFailed;
    EXPECT_EQ(FileBytes(dir_ + "URL.BRW"), downloaded ? news : "previous");
    EXPECT_FALSE(Exists(dir_ + "URL.BRWTMP"));
  }
}

// A failure that the probe can explain is reported as what the probe finds.
TEST_F(NewsFetchTest, ProbeDecidesAfterAFailure) {
  Server().Put("Tarvik23/URL.BRW", "n");
  int lookups = 0;
  // The maker's host resolves for the first probe only.
  app::HostResolver fading = [&lookups](const std::string& host) -> std::string {
    ++lookups;
    if (host == "maker.test" && lookups == 1) return "127.0.0.1";
    return host == "public.test" ? "127.0.0.2" : "";
  };
  app::NewsFetcher f(dir_, fetchtest::SettingsFor("stranger"), lock_, fading);
  EXPECT_EQ(f.RunCycle(), app::kNewsNoMakerHost);
}

TEST_F(NewsFetchTest, WithoutInternetNoConnectionIsTried) {
  // A failed connection would be followed by a second probe; there is only
  // the first.
  int lookups = 0;
  app::HostResolver offline = [&lookups](const std::string&) {
    ++lookups;
    return std::string();
  };
  app::NewsFetcher f(dir_, fetchtest::SettingsFor("news"), lock_, offline);
  EXPECT_EQ(f.RunCycle(), app::kNewsNoInternet);
  EXPECT_EQ(lookups, 2);
}

TEST(HostProbe, ResolvesNamesAndNumbers) {
  EXPECT_EQ(app::ResolveHost("127.0.0.1"), "127.0.0.1");
  EXPECT_EQ(app::ResolveHost("localhost").rfind("127.", 0), 0u);
  EXPECT_EQ(app::ResolveHost(""), "");
  EXPECT_EQ(app::ResolveHost(std::string(250, 'a')), "") << "longer than 249 characters";
  EXPECT_EQ(app::ResolveHost("::1"), "") << "no IPv4 address";
  std::atomic<bool> running{false};
  EXPECT_EQ(app::ResolveHost("127.0.0.1", &running), "127.0.0.1") << "through the stoppable lookup";
  EXPECT_EQ(app::ProbeInternet(fetchtest::Online(), "maker.test", "public.test"), 2);
  EXPECT_EQ(app::ProbeInternet(fetchtest::Resolver({{"public.test", "1.2.3.4"}}), "maker.test", "public.test"), 1);
  EXPECT_EQ(app::ProbeInternet(fetchtest::Resolver({}), "maker.test", "public.test"), 0);
}

}  // namespace
