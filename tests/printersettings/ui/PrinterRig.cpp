#include "PrinterRig.h"

#include "printerlink/thread/CaptionTable.h"
#include "printerlink/thread/DisplayRegistry.h"
#include "printerlink/thread/PrinterWindowState.h"
#include "printerlink/thread/RequestBoard.h"
#include "printersettings/ui/PrinterSettingForms.h"
#include "printersettings/ui/SettingForm.h"
#include "support/qt/Modal.h"
#include "support/qt/Mouse.h"

namespace settingstest {

void WithPrinter::SetUp() {
  FormFixture::SetUp();
  printersettings::ui::CreateSettingForms();
  view = std::make_unique<TFramePrinter>(nullptr);
  view->resize(788, 669);
  view->show();
}

void WithPrinter::TearDown() {
  Disconnect();
  view.reset();
  printersettings::ui::DeleteSettingForms();
  FormFixture::TearDown();
}

void WithPrinter::Disconnect() {
  if (!rig) return;
  rig->Stop();
  printerthread::PrinterDisplays().Remove(&rig->display);
  rig.reset();
}

void WithPrinter::Connect(const std::function<void(printeremu::PrinterEmulator&)>& prepare,
                          printeremu::EmulatorOptions options) {
  Start(prepare, options);
  ASSERT_TRUE(NextRefresh());
}

void WithPrinter::Start(const std::function<void(printeremu::PrinterEmulator&)>& prepare,
                        printeremu::EmulatorOptions options) {
  Disconnect();
  rig = std::make_unique<threadtest::ThreadRig>(options);
  if (prepare) prepare(*rig->printer);
  StartThread();
}

void WithPrinter::Simulate() {
  Disconnect();
  rig = std::make_unique<threadtest::ThreadRig>(printeremu::EmulatorOptions{}, false);
  rig->simulation = true;
  StartThread();
  ASSERT_TRUE(NextRefresh());
}

void WithPrinter::StartThread() {
  rig->env.requests = &printerthread::PrinterRequests();
  rig->env.captions = &printerthread::PrinterCaptionTable();
  rig->env.windows = &printerthread::PrinterWindows();
  rig->env.displays = &printerthread::PrinterDisplays();
  printerthread::PrinterDisplays().Add(&rig->display);
  if (environment) environment(rig->env);
  rig->Start();
}

bool WithPrinter::NextRefresh(int ms) {
  const int seen = rig->display.refreshes;
  return threadtest::ThreadRig::Until([&] { return rig->display.refreshes > seen; }, ms);
}

std::vector<std::string> WithPrinter::NextSequence(std::size_t& from, int ms) {
  std::vector<std::string> sequence;
  threadtest::ThreadRig::Until(
      [&] {
        const std::vector<std::string> commands = rig->CommandsFrom(from);
        auto begin = std::find(commands.begin(), commands.end(), "ENABLE 0");
        auto save = std::find(begin, commands.end(), "KONFIG.SAVE");
        if (save == commands.end() || save + 1 == commands.end()) return false;
        sequence.assign(begin, save + 2);
        from += static_cast<std::size_t>(save + 2 - commands.begin());
        return true;
      },
      ms);
  return sequence;
}

void WithPrinter::Confirm(const TFramePrinter::Tile& tile, QWidget* form, const std::function<void()>& step) {
  auto* setting = static_cast<printersettings::ui::SettingForm*>(form);
  testsupport::WhenModalIs(form, [setting, step] {
    step();
    testsupport::Click(setting->SpeedButtonOK);
  });
  testsupport::Click(tile.button);
}

std::vector<std::string> Bracket(const std::vector<std::string>& commands, const std::string& end) {
  std::vector<std::string> lines{"ENABLE 0", "STATUS 30 ZAMFI", "STATUS"};
  lines.insert(lines.end(), commands.begin(), commands.end());
  lines.push_back("KONFIG.SAVE");
  lines.push_back(end);
  return lines;
}

}  // namespace settingstest
