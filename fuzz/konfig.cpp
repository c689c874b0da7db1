// Libraries: app
// The two configuration files on any bytes, read into the program's windows
// (on Qt's offscreen platform): the input is cut at the first zero byte into
// CONFIG/Tarvik23.ini and CONFIG/Window23.ini. Whatever they hold, the
// readers end with a result, the operating mode, the language and the zoom
// stay in range, and a window that is not maximised keeps its smallest size.
#include <stdlib.h>

#include <QApplication>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/Konfig.h"
#include "app/pc/TFormBedienungsmodus.h"
#include "app/pc/TFormEinstellenPC.h"
#include "app/TFormMessage.h"
#include "app/language/TFormSprache.h"
#include "app/TForm_Main.h"
#include "fuzz/support/Scratch.h"
#include "platform/Beep.h"
#include "platform/PortRegistry.h"
#include "platform/qt/GuiThread.h"
#include "platform/qt/SystemMessageBox.h"
#include "printdata/ui/TFrameMenuAnsicht.h"

// Fontconfig keeps what it loads for the process; that is no leak.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static int qtArgc = 1;
  static char* qtArgv[] = {(*argv)[0], nullptr};
  // Kept to the end of the process, as the program's windows are.
  new QApplication(qtArgc, qtArgv);
  platform::InstallGuiThread();
  // The printer thread searches no real serial port of this machine.
  static platform::FixedPortRegistry noPorts;
  platform::SetPortRegistry(&noPorts);
  platform::SetBeepSink([](platform::BeepKind) {});
  platform::SetSystemBoxSink([](const QString&, const QString&, platform::SystemBoxIcon) {});
  app::StartupEnvironment env;
  env.startDir = fuzzsupport::ScratchDir() + "/Tarvik23/bin";
  env.lockDir = fuzzsupport::ScratchDir();
  std::filesystem::create_directories(env.startDir);
  new TForm_Main(nullptr, env);
  new TFormBedienungsmodus(nullptr);
  new TFormEinstellenPC(nullptr);
  new TFormMessage(nullptr);
  new TFormSprache(nullptr);
  // The first show loads fonts and the like, once per process.
  Form_Main->show();
  Form_Main->showMaximized();
  QCoreApplication::processEvents();
  // The first show also started the printer thread (over no ports); the main
  // window stops it when it goes, which must happen before the process takes
  // down the statics the thread uses (all made by now).
  std::atexit([] { delete Form_Main; });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Every input starts as the program does: the main window hidden at its
  // start size.
  Form_Main->setWindowState(Qt::WindowNoState);
  Form_Main->hide();
  Form_Main->resize(892, 673);
  std::size_t cut = 0;
  while (cut < size && data[cut] != 0) ++cut;
  fuzzsupport::WriteBytes(Form_Main->ConfigDir + "Tarvik23.ini", data, cut);
  const std::size_t rest = cut < size ? cut + 1 : size;
  fuzzsupport::WriteBytes(Form_Main->ConfigDir + "Window23.ini", data + rest, size - rest);

  const int program = app::ReadProgramConfig();
  const int window = app::ReadWindowConfig();
  if ((program != 0 && program != -1) || (window != 0 && window != -1)) std::abort();
  if (FormBedienungsmodus->GetOperatingMode() > 3 || FormBedienungsmodus->GetStartupMode() > 3) std::abort();
  if (FormSprache->GetLanguage() < 0 || FormSprache->GetLanguage() > 4) std::abort();
  // A maximised window takes the screen, however small that is.
  if (!Form_Main->isMaximized() &&
      (Form_Main->width() < Form_Main->minimumWidth() || Form_Main->height() < Form_Main->minimumHeight()))
    std::abort();
  const int zoom = Form_Main->FrameMenuAnsicht->LabelZoom->Tag;
  if (zoom < 1 || zoom > 5) std::abort();
  QCoreApplication::processEvents();
  return 0;
}
