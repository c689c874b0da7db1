#include "FormFixture.h"

#include <QApplication>

#include "platform/qt/Hardcopy.h"
#include "platform/qt/UserGuide.h"
#include "printerlink/thread/CaptionTable.h"
#include "printerlink/thread/DisplayRegistry.h"
#include "printerlink/thread/PrinterWindowState.h"

namespace settingstest {

using printersettings::ui::FormServices;

void FormFixture::SetUp() {
  auto& s = FormServices();
  s = printersettings::ui::SettingFormServices::Defaults();
  s.OperatingMode = [this] { return mode; };
  s.ShowNotice = [this](const QString& title, const QString& text, std::uint32_t colour) {
    notices.push_back({title, text, colour});
  };
  s.MainWindowFrame = [this] { return mainFrame; };
  platform::SetUserGuideAction([this] { ++guides; });
  platform::SetHardcopyAction([this](QWidget* w) { hardcopies.push_back(w); });
}

void FormFixture::TearDown() {
  platform::SetUserGuideAction({});
  platform::SetHardcopyAction({});
  FormServices() = printersettings::ui::SettingFormServices::Defaults();
  printerthread::PrinterCaptionTable().Set({});
}

void FormFixture::Refresh() {
  printerthread::PrinterCaptions captions;
  const printerthread::DisplayView view{mirror, captions, board,
                                        printerthread::PrinterWindows()};
  printerthread::PrinterDisplays().ForEach([&](printerthread::PrinterDisplay& d) { d.RefreshDisplay(view); });
}

void FormFixture::Reset() {
  mirror = printerthread::PrinterMirror{};
  printerthread::PrinterCaptions captions;
  const printerthread::DisplayView view{mirror, captions, board,
                                        printerthread::PrinterWindows()};
  printerthread::PrinterDisplays().ForEach([&](printerthread::PrinterDisplay& d) { d.ResetDisplay(view); });
}

void FormFixture::Key(QWidget* w, int key, Qt::KeyboardModifiers modifiers) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers);
  QApplication::sendEvent(w, &press);
}

}  // namespace settingstest
