#pragma once
// An FTP session on libcurl as the fetch threads use it: connect and log
// in, ask a file's size, download a file, quit. One control connection is
// kept open between the calls; data goes over passive connections in binary
// mode.
//
// Every wait is bounded: the opening of the connection by the connect limit,
// each reply of the server by the reply limit, a transfer that stops moving
// by the stall limit. Stop, from any thread, ends the running call at once
// (its sockets are shut down under it) and fails every later call, so a
// stalled server never holds up the end of the program.
#include <cstdint>
#include <memory>
#include <mutex>
#include <set>
#include <string>

#include "app/fetch/FetchSettings.h"
#include "platform/Result.h"

namespace app {

class FtpClient {
 public:
  FtpClient(FtpAccount account, FtpLimits limits);
  ~FtpClient();
  FtpClient(const FtpClient&) = delete;
  FtpClient& operator=(const FtpClient&) = delete;

  // Opens the control connection and logs in. Fails while a connection is
  // open already.
  platform::Status Connect();
  bool Connected() const { return connected_; }
  // The size of `remotePath` ("/Tarvik23/INFO.UPD") when the server answers
  // the size request with 213, -1 when it answers otherwise (no such file);
  // a failure when no answer came.
  platform::Result<std::int64_t> Size(const std::string& remotePath);
  // Downloads `remotePath` into `localPath`, replacing it; the byte count.
  // The local file may hold part of the data after a failure.
  platform::Result<std::int64_t> Get(const std::string& remotePath, const std::string& localPath);
  // Says goodbye and closes the connection; nothing to do when none is open.
  // The connection is closed also when the server refuses.
  platform::Status Quit();
  // Drops the connection without a word to the server.
  void Abort();

  // From any thread: ends the running call at once; every later call fails.
  void Stop();
  bool Stopped() const;

  // Curl's socket hooks (C callbacks reach the client through these).
  int OpenSocket(int family, int type, int protocol);
  void CloseSocket(int fd);

 private:
  struct Handle;
  platform::Status Perform(const std::string& remotePath, bool noBody, void* sink, bool quit, long connectMs);
  long DataConnectMs() const;
  // Runs the prepared transfer to its end; curl's result code.
  int Run();
  std::string Url(const std::string& remotePath) const;
  void ShutDownSockets();  // caller holds socketsMutex_
  void Reset();

  FtpAccount account_;
  FtpLimits limits_;
  // Replaced only under socketsMutex_, which Stop holds to wake it.
  std::unique_ptr<Handle> handle_;
  bool connected_ = false;

  mutable std::mutex socketsMutex_;
  std::set<int> sockets_;
  bool stopped_ = false;
};

}  // namespace app
