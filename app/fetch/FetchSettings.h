#pragma once
// Where the update and news fetch look and how long they wait: the maker's
// FTP server, its two accounts and the hosts of the internet probe. The
// program uses the constants below; tests hand in their own loopback server
// and shorter limits.
#include <string>

namespace app {

// The maker's FTP server and the folder below its root that holds the
// update description, the installers and the news file.
inline constexpr const char* kFetchServerHost = "ftp.osmek-ag.ch";
inline constexpr unsigned kFetchServerPort = 21;
inline constexpr const char* kFetchServerFolder = "Tarvik23";
// Each fetch logs in with an account of its own; neither has a password.
inline constexpr const char* kUpdateAccount = "tarvik23-update";
inline constexpr const char* kNewsAccount = "tarvik23-news";
// The internet probe: the maker's web host, else a public host that always
// resolves.
inline constexpr const char* kMakerWebHost = "www.osmek-ag.ch";
inline constexpr const char* kPublicWebHost = "www.example.com";

// Time limits of an FTP session.
struct FtpLimits {
  long connectMs = 1000;    // opening the connection, greeting and login
  long replySeconds = 10;   // any one reply of the server
  long stallSeconds = 15;   // a transfer that moves no byte for this long
};

struct FtpAccount {
  std::string host;
  unsigned port = 21;
  std::string user;
  std::string password;  // empty for both of the program's accounts
};

struct FetchSettings {
  std::string host = kFetchServerHost;
  unsigned port = kFetchServerPort;
  std::string folder = kFetchServerFolder;
  std::string updateUser = kUpdateAccount;
  std::string newsUser = kNewsAccount;
  std::string makerWebHost = kMakerWebHost;
  std::string publicWebHost = kPublicWebHost;
  FtpLimits limits;
  // Pause between two fetch cycles, from the end of one to the start of the
  // next.
  unsigned cycleIntervalMs = 60000;

  FtpAccount UpdateAccount() const { return {host, port, updateUser, {}}; }
  FtpAccount NewsAccount() const { return {host, port, newsUser, {}}; }
};

}  // namespace app
