#include "support/LoopbackFtpServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

extern char** environ;

namespace testsupport {

namespace {

// Debian's interpreter, which has python3-pyftpdlib; a python3 earlier on
// the PATH (a virtual environment) may not.
constexpr const char* kPython = "/usr/bin/python3";

std::string ReadLine(int fd) {
  std::string line;
  char c = 0;
  while (::read(fd, &c, 1) == 1 && c != '\n') line += c;
  return line;
}

}  // namespace

LoopbackFtpServer::LoopbackFtpServer() {
  int in[2], out[2];
  if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in[0], 0);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  const std::string script = TARVIK_FTP_FIXTURE;
  const std::string root = root_.path();
  char* argv[] = {const_cast<char*>(kPython), const_cast<char*>(script.c_str()), const_cast<char*>(root.c_str()),
                  nullptr};
  pid_t pid = -1;
  const int rc = posix_spawn(&pid, kPython, &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(in[0]);
  ::close(out[1]);
  if (rc != 0) {
    ::close(in[1]);
    ::close(out[0]);
    throw std::runtime_error("cannot start the FTP fixture");
  }
  pid_ = pid;
  stdinFd_ = in[1];
  const std::string first = ReadLine(out[0]);
  ::close(out[0]);
  if (first.rfind("PORT ", 0) != 0) {
    throw std::runtime_error("the FTP fixture did not start (is python3-pyftpdlib installed?)");
  }
  port_ = static_cast<unsigned>(std::stoul(first.substr(5)));
}

LoopbackFtpServer::~LoopbackFtpServer() {
  // The server ends when its input closes.
  if (stdinFd_ >= 0) ::close(stdinFd_);
  if (pid_ > 0) {
    int status = 0;
    for (int i = 0; i < 100; ++i) {
      if (::waitpid(pid_, &status, WNOHANG) == pid_) return;
      ::usleep(10000);
    }
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, &status, 0);
  }
}

void LoopbackFtpServer::Put(const std::string& path, const std::string& bytes) const {
  const std::filesystem::path full = std::filesystem::path(root_.path()) / path;
  std::filesystem::create_directories(full.parent_path());
  std::ofstream(full, std::ios::binary | std::ios::trunc) << bytes;
}

void LoopbackFtpServer::Remove(const std::string& path) const {
  std::error_code ec;
  std::filesystem::remove_all(std::filesystem::path(root_.path()) / path, ec);
}

SilentServer::SilentServer() {
  fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t len = sizeof a;
  if (fd_ < 0 || ::bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || ::listen(fd_, 16) != 0 ||
      ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len) != 0)
    throw std::runtime_error("cannot open a silent server");
  // Connections complete in the kernel's backlog; nobody ever accepts or
  // answers them.
  port_ = ntohs(a.sin_port);
}

SilentServer::~SilentServer() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace testsupport
