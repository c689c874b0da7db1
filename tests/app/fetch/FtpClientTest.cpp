#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "FetchFixture.h"
#include "app/fetch/FtpClient.h"

namespace {

using fetchtest::MillisecondsOf;
using fetchtest::Server;

app::FtpClient ClientFor(const std::string& user, unsigned port = 0, long connectMs = 1000) {
  app::FetchSettings s = fetchtest::SettingsFor(user, port);
  s.limits.connectMs = connectMs;
  return app::FtpClient(s.UpdateAccount(), s.limits);
}

std::string Bytes(std::size_t n) {
  std::string b(n, '\0');
  for (std::size_t i = 0; i < n; ++i) b[i] = static_cast<char>((i * 131 + 7) & 0xFF);
  return b;
}

TEST(FtpClient, SessionOfSizeAndDownloadsOnOneConnection) {
  const std::string payload = Bytes(300000);
  Server().Put("Tarvik23/Setup.run", payload);
  Server().Put("Tarvik23/Mit Blank #1.txt", "x");
  testsupport::TempDir local;
  app::FtpClient c = ClientFor("update");
  ASSERT_TRUE(c.Connect());
  EXPECT_TRUE(c.Connected());
  EXPECT_FALSE(c.Connect()) << "a second connect while one is open";

  auto size = c.Size("/Tarvik23/Setup.run");
  ASSERT_TRUE(size) << size.error();
  EXPECT_EQ(*size, 300000);
  auto missing = c.Size("/Tarvik23/NOPE.UPD");
  ASSERT_TRUE(missing) << "no such file is an answer, not a failure";
  EXPECT_EQ(*missing, -1);
  auto odd = c.Size("/Tarvik23/Mit Blank #1.txt");
  ASSERT_TRUE(odd) << odd.error();
  EXPECT_EQ(*odd, 1);

  auto got = c.Get("/Tarvik23/Setup.run", local / "copy");
  ASSERT_TRUE(got) << got.error();
  EXPECT_EQ(*got, 300000);
  EXPECT_EQ(testsupport::FileBytes(local / "copy"), payload);
  EXPECT_TRUE(c.Connected());

  EXPECT_TRUE(c.Quit());
  EXPECT_FALSE(c.Connected());
  EXPECT_TRUE(c.Quit()) << "nothing to quit";
}

TEST(FtpClient, FailuresOfTheServer) {
  Server().Put("Tarvik23/Setup.run", Bytes(1000));
  testsupport::TempDir local;
  {
    app::FtpClient c = ClientFor("stranger");
    EXPECT_FALSE(c.Connect()) << "login refused";
    EXPECT_FALSE(c.Connected());
  }
  {
    app::FtpClient c = ClientFor("dropsize");
    ASSERT_TRUE(c.Connect());
    EXPECT_FALSE(c.Size("/Tarvik23/Setup.run")) << "connection dropped instead of an answer";
    EXPECT_FALSE(c.Connected());
  }
  {
    app::FtpClient c = ClientFor("failretr");
    ASSERT_TRUE(c.Connect());
    EXPECT_FALSE(c.Get("/Tarvik23/Setup.run", local / "x"));
  }
  {
    app::FtpClient c = ClientFor("badquit");
    ASSERT_TRUE(c.Connect());
    EXPECT_FALSE(c.Quit());
    EXPECT_FALSE(c.Connected()) << "the connection goes all the same";
  }
  {
    app::FtpClient c = ClientFor("update");
    EXPECT_FALSE(c.Get("/Tarvik23/Setup.run", local / "no-such-folder/x")) << "local file cannot be written";
  }
}

TEST(FtpClient, EveryWaitIsBounded) {
  Server().Put("Tarvik23/Setup.run", Bytes(100000));
  testsupport::TempDir local;
  // A server that accepts and never greets: the connect limit.
  testsupport::SilentServer silent;
  app::FtpClient quiet = ClientFor("update", silent.Port(), 300);
  EXPECT_LT(MillisecondsOf([&] { EXPECT_FALSE(quiet.Connect()); }), 10000);
  // No answer to a size request: the reply limit (one second here).
  app::FtpClient noReply = ClientFor("stallsize");
  ASSERT_TRUE(noReply.Connect());
  EXPECT_LT(MillisecondsOf([&] { EXPECT_FALSE(noReply.Size("/Tarvik23/Setup.run")); }), 10000);
  // A download that stops moving: the stall limit (one second here).
  app::FtpClient stalled = ClientFor("stallretr");
  ASSERT_TRUE(stalled.Connect());
  EXPECT_LT(MillisecondsOf([&] { EXPECT_FALSE(stalled.Get("/Tarvik23/Setup.run", local / "x")); }), 10000);
}

// Stop from another thread while a call waits on a server that says
// nothing: the call returns at once, and so does every later one.
TEST(FtpClient, StopEndsAWaitingCallAtOnce) {
  testsupport::SilentServer silent;
  Server().Put("Tarvik23/Setup.run", Bytes(100000));
  struct Case {
    const char* what;
    std::string user;
    unsigned port;
  };
  const Case cases[] = {{"greeting", "update", silent.Port()},
                        {"reply", "stallsize", 0},
                        {"transfer", "stallretr", 0}};
  testsupport::TempDir local;
  for (const Case& c : cases) {
    app::FetchSettings s = fetchtest::SettingsFor(c.user, c.port);
    s.limits = {60000, 60, 60};  // far beyond the test's patience
    app::FtpClient client(s.UpdateAccount(), s.limits);
    if (c.port == 0) {
      ASSERT_TRUE(client.Connect()) << c.what;
    }
    std::thread stopper([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
      client.Stop();
    });
    const long long ms = MillisecondsOf([&] {
      if (c.port != 0)
        EXPECT_FALSE(client.Connect()) << c.what;
      else if (c.user == "stallsize")
        EXPECT_FALSE(client.Size("/Tarvik23/Setup.run")) << c.what;
      else
        EXPECT_FALSE(client.Get("/Tarvik23/Setup.run", local / "x")) << c.what;
    });
    stopper.join();
    EXPECT_LT(ms, 5000) << c.what;  // the limits are a minute
    EXPECT_TRUE(client.Stopped());
    EXPECT_LT(MillisecondsOf([&] { EXPECT_FALSE(client.Connect()); }), 2000) << c.what;
  }
}

// The program's close stops a client (GUI thread) while its fetch thread
// drops the session after a failure (Abort, which makes a new one): Stop
// must never reach a session that is being replaced or freed. The thread
// sanitizer (make tsan) and the address sanitizer catch it here.
TEST(FtpClient, StopWhileTheSessionIsDroppedReachesOnlyALiveOne) {
  app::FtpClient client = ClientFor("update");
  std::atomic<bool> dropping{true};
  std::atomic<int> stops{0};
  std::thread closer([&] {
    while (dropping.load()) {
      client.Stop();
      ++stops;
    }
  });
  // The sessions are dropped while the closer is stopping, not before.
  while (stops.load() == 0) std::this_thread::yield();
  for (int i = 0; i < 200; ++i) client.Abort();
  dropping = false;
  closer.join();
  EXPECT_TRUE(client.Stopped());
  EXPECT_FALSE(client.Connect()) << "stopped for good";
}

}  // namespace
