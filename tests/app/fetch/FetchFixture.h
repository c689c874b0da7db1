#pragma once
// The fetch tests' loopback FTP server and settings that point at it.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <thread>

#include "app/fetch/FetchSettings.h"
#include "app/fetch/HostProbe.h"
#include "support/FileBytes.h"
#include "support/LoopbackFtpServer.h"
#include "support/TempDir.h"

namespace fetchtest {

// One server per test program, started on first use.
inline testsupport::LoopbackFtpServer& Server() {
  static testsupport::LoopbackFtpServer server;
  return server;
}

// A description that announces a release newer than the running one.
inline const std::string kNewer = "1\r\n20250301\r\n0800\r\nTarvik23Setup.run\r\n";

// Short limits, so the tests of stalled servers take about a second.
inline app::FetchSettings SettingsFor(const std::string& user, unsigned port = 0) {
  app::FetchSettings s;
  s.host = "127.0.0.1";
  s.port = port ? port : Server().Port();
  s.updateUser = user;
  s.newsUser = user;
  s.makerWebHost = "maker.test";
  s.publicWebHost = "public.test";
  s.limits.connectMs = 1000;
  s.limits.replySeconds = 1;
  s.limits.stallSeconds = 1;
  s.cycleIntervalMs = 60000;
  return s;
}

// Name lookups from a table instead of the system's resolver.
inline app::HostResolver Resolver(std::map<std::string, std::string> table) {
  return [table](const std::string& host) {
    auto it = table.find(host);
    return it == table.end() ? std::string() : it->second;
  };
}
inline app::HostResolver Online() { return Resolver({{"maker.test", "127.0.0.1"}, {"public.test", "127.0.0.2"}}); }

inline bool Exists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}

inline long long MillisecondsOf(const std::function<void()>& step) {
  const auto start = std::chrono::steady_clock::now();
  step();
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
}

// Polls `done` for up to `ms`.
inline bool WaitUntil(const std::function<bool()>& done, int ms = 5000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

}  // namespace fetchtest
