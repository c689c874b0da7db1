#pragma once
// FTP peers on loopback for the fetch tests.
//
// LoopbackFtpServer runs tests/support/ftp_fixture.py (Debian's
// python3-pyftpdlib) on 127.0.0.1 over a folder of its own; the account
// name chooses how the server behaves (see the script). SilentServer
// accepts connections and never says a word: a stalled server.
#include <string>

#include "support/TempDir.h"

namespace testsupport {

class LoopbackFtpServer {
 public:
  LoopbackFtpServer();  // throws when the server cannot be started
  ~LoopbackFtpServer();
  LoopbackFtpServer(const LoopbackFtpServer&) = delete;
  LoopbackFtpServer& operator=(const LoopbackFtpServer&) = delete;

  unsigned Port() const { return port_; }
  // The folder the server serves as its root.
  const std::string& Root() const { return root_.path(); }
  // Writes `bytes` to `path` below the root ("Tarvik23/INFO.UPD"), creating
  // folders; Remove deletes it.
  void Put(const std::string& path, const std::string& bytes) const;
  void Remove(const std::string& path) const;

 private:
  TempDir root_;
  int pid_ = -1;
  int stdinFd_ = -1;
  unsigned port_ = 0;
};

class SilentServer {
 public:
  SilentServer();
  ~SilentServer();
  SilentServer(const SilentServer&) = delete;
  SilentServer& operator=(const SilentServer&) = delete;
  unsigned Port() const { return port_; }

 private:
  int fd_ = -1;
  unsigned port_ = 0;
};

}  // namespace testsupport
