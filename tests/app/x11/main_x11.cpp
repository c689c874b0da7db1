// Runs its tests under a real X server with a window manager: Xvfb and
// openbox, started here for the program's own run, so that windows get the
// frames that the offscreen platform leaves out.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QThread>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/qt/GuiThread.h"
#include "platform/qt/ShowPainted.h"

namespace {

pid_t Start(const std::vector<std::string>& command, int keepFd = -1) {
  const pid_t pid = fork();
  if (pid != 0) return pid;
  // The server and the window manager end with this program even when it
  // dies without stopping them (a sanitizer's abort), so that they neither
  // linger nor hold CTest's output open.
  prctl(PR_SET_PDEATHSIG, SIGTERM);
  for (int fd = 3; fd < 256; ++fd)
    if (fd != keepFd) close(fd);
  std::vector<char*> argv;
  for (const std::string& a : command) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  execvp(argv[0], argv.data());
  _exit(127);
}

void Stop(pid_t pid) {
  if (pid <= 0) return;
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
}

// The display number that Xvfb writes once it accepts connections. The
// screen is 1280 x 1024 unless TARVIK_X11_SCREEN names another size
// ("1024x768"), for the tests that run at more than one.
std::string StartServer(pid_t& server) {
  int fds[2];
  if (pipe(fds) != 0) return {};
  const char* size = std::getenv("TARVIK_X11_SCREEN");
  const std::string screen = std::string(size && *size ? size : "1280x1024") + "x24";
  server = Start({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", screen, "-nolisten", "tcp"}, fds[1]);
  close(fds[1]);
  std::string number;
  pollfd p{fds[0], POLLIN, 0};
  char c;
  while (poll(&p, 1, 10000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n') number += c;
  close(fds[0]);
  return number;
}

// True once a window manager puts a frame around a new window.
bool WindowManagerRuns() {
  for (int attempt = 0; attempt < 100; ++attempt) {
    QWidget probe;
    probe.resize(50, 50);
    probe.show();
    platform::WaitUntilExposed(&probe);
    if (probe.frameGeometry() != probe.geometry()) return true;
    QThread::msleep(100);
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  pid_t server = -1;
  const std::string display = StartServer(server);
  if (display.empty()) {
    std::fprintf(stderr, "Xvfb did not start: run scripts/install-deps.sh\n");
    Stop(server);
    return 1;
  }
  setenv("DISPLAY", (":" + display).c_str(), 1);
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  const pid_t manager = Start({"openbox", "--sm-disable"});
  int result = 1;
  {
    QApplication app(argc, argv);
    platform::InstallGuiThread();
    if (WindowManagerRuns())
      result = RUN_ALL_TESTS();
    else
      std::fprintf(stderr, "openbox did not start: run scripts/install-deps.sh\n");
  }
  Stop(manager);
  Stop(server);
  return result;
}
