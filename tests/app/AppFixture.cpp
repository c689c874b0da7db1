#include "AppFixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <filesystem>

#include "app/TFormBedienungsmodus.h"
#include "app/TFormEinstellenPC.h"
#include "app/TFormHerstellen.h"
#include "app/TFormMessage.h"
#include "app/TFormSprache.h"
#include "app/TForm_Main.h"
#include "platform/FileIO.h"
#include "platform/qt/SystemMessageBox.h"
#include "printdata/ui/TFormOeffnen.h"
#include "printdata/ui/TFormSpeichern.h"

namespace apptest {

void AppFixture::SetUp() {
  std::filesystem::create_directories(StartDir());
  platform::SetBeepSink([this](platform::BeepKind k) { beeps_.push_back(k); });
  platform::SetSystemBoxSink(
      [this](const QString& title, const QString& text, platform::SystemBoxIcon) { boxes_.push_back({title, text}); });
  app::StartupEnvironment env;
  env.startDir = StartDir();
  env.lockDir = temp_.path();
  new TForm_Main(nullptr, env);
  new TFormBedienungsmodus(nullptr);
  new TFormEinstellenPC(nullptr);
  new TFormMessage(nullptr);
  new TFormSprache(nullptr);
  new TFormHerstellen(nullptr);
  new TFormOeffnen(nullptr);
  new TFormSpeichern(nullptr);
}

void AppFixture::TearDown() {
  delete FormSpeichern;
  delete FormOeffnen;
  delete FormHerstellen;
  delete Form_Main;
  delete FormSprache;
  delete FormMessage;
  delete FormEinstellenPC;
  delete FormBedienungsmodus;
  platform::SetSystemBoxSink(nullptr);
  platform::SetBeepSink(nullptr);
}

std::string AppFixture::ConfigFile(const char* name) const { return Form_Main->ConfigDir + name; }

void AppFixture::WriteFile(const std::string& path, const std::string& bytes) const {
  ASSERT_TRUE(platform::WriteFileAtomic(path, bytes));
}

void WhenModal(std::function<void()> step) {
  QTimer::singleShot(0, [step = std::move(step)] {
    // The modal loop has started once a modal widget is active.
    if (QApplication::activeModalWidget())
      step();
    else
      WhenModal(step);
  });
}

void PressKey(QWidget* to, int key, Qt::KeyboardModifiers mods) {
  QKeyEvent press(QEvent::KeyPress, key, mods);
  QApplication::sendEvent(to, &press);
}

}  // namespace apptest
