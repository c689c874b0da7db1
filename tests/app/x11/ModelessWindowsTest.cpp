// The printer's modeless windows (remote control, diagnosis, console) under
// a window manager: Window23.ini keeps the place of their frames and the
// next start brings the frames back there, and they stay above the main
// window while they are shown, a click into the main window included.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <string>
#include <vector>

#include "../AppFixture.h"
#include "Xcb.h"
#include "app/Konfig.h"
#include "app/links/PrinterServiceWindows.h"
#include "app/TForm_Main.h"
#include "platform/LineFile.h"
#include "platform/qt/FramePlace.h"
#include "platform/qt/ShowPainted.h"
#include "printersettings/ui/TFormPrinterCLI.h"
#include "printersettings/ui/TFormPrinterFernsteuerung.h"
#include "printersettings/ui/TFormPrinterSteuerungDiagnose.h"
#include "support/FileBytes.h"

namespace {

using printersettings::ui::PrinterWindow;

// Once the window manager has framed the shown window where it belongs, on
// the screen and in the toolkit's view, from which the place is stored.
bool FramedAt(QWidget* w, const QPoint& frame) {
  return apptest::PumpUntil(
      [&] {
        return x11test::FrameOnScreen(w).topLeft() == frame && x11test::ClientOnScreen(w) != frame &&
               platform::FrameGeometry(w).topLeft() == frame;
      },
      5);
}

std::string Where(QWidget* w) {
  const QRect f = x11test::FrameOnScreen(w);
  const QPoint stored = platform::FrameGeometry(w).topLeft();
  return "frame " + std::to_string(f.x()) + "," + std::to_string(f.y()) + ", stored as " + std::to_string(stored.x()) +
         "," + std::to_string(stored.y());
}

class ModelessWindows : public apptest::AppFixture {
 protected:
  // A start of the program as far as these windows go: made anew (never
  // shown yet), then placed by the window configuration.
  void Start() {
    delete FormPrinterFernsteuerung;
    delete FormPrinterSteuerungDiagnose;
    new TFormPrinterFernsteuerung(nullptr);
    new TFormPrinterSteuerungDiagnose(nullptr);
    app::ConnectPrinterServiceWindows();
    ASSERT_EQ(app::ReadWindowConfig(), 0);
  }
  // Lines 7 to 12 of Window23.ini: the remote control's and the diagnosis
  // window's visibility, left and top.
  std::vector<std::string> StoredPlaces() {
    EXPECT_EQ(app::WriteWindowConfig(), 0);
    const auto lines = platform::SplitLines(testsupport::FileBytes(ConfigFile("Window23.ini")));
    if (lines.size() < 12) return {};
    return {lines.begin() + 6, lines.begin() + 12};
  }
  // Where each window stands from the bottom of the window manager's stack.
  static std::size_t StackLevel(QWidget* w) {
    const std::vector<std::uint32_t> stack =
        x11test::Property(x11test::Root(), "_NET_CLIENT_LIST_STACKING", XCB_ATOM_WINDOW);
    return static_cast<std::size_t>(std::find(stack.begin(), stack.end(), w->winId()) - stack.begin());
  }
};

}  // namespace

TEST_F(ModelessWindows, ComeBackWhereTheirFramesWereAtEveryStart) {
  WriteFile(ConfigFile("Window23.ini"), platform::JoinLines({"V04.00", "0", "100", "50", "800", "600", "1", "300",
                                                             "280", "1", "160", "120", "0", "0", "0", "2"}));
  const std::vector<std::string> stored = {"1", "300", "280", "1", "160", "120"};
  for (int start = 0; start < 3; ++start) {
    Start();
    EXPECT_TRUE(FramedAt(FormPrinterFernsteuerung, QPoint(300, 280)))
        << "start " << start << ": " << Where(FormPrinterFernsteuerung);
    EXPECT_TRUE(FramedAt(FormPrinterSteuerungDiagnose, QPoint(160, 120)))
        << "start " << start << ": " << Where(FormPrinterSteuerungDiagnose);
    EXPECT_EQ(StoredPlaces(), stored) << "start " << start;
  }
  x11test::ScreenShot("modeless-windows-restored");
  // Closed and shown again in the same run: the same place.
  FormPrinterFernsteuerung->close();
  FormPrinterFernsteuerung->show();
  EXPECT_TRUE(FramedAt(FormPrinterFernsteuerung, QPoint(300, 280))) << Where(FormPrinterFernsteuerung);
  FormPrinterFernsteuerung->close();
  FormPrinterSteuerungDiagnose->close();
}

TEST_F(ModelessWindows, StayAboveTheMainWindowWhenItIsClicked) {
  Form_Main->show();
  platform::WaitUntilExposed(Form_Main);
  for (PrinterWindow* w : std::vector<PrinterWindow*>{FormPrinterFernsteuerung, FormPrinterSteuerungDiagnose,
                                                       FormPrinterCLI}) {
    const std::string name = w->objectName().toStdString();
    w->show();
    platform::WaitUntilExposed(w);
    EXPECT_EQ(x11test::Property(w, "WM_TRANSIENT_FOR", XCB_ATOM_WINDOW),
              std::vector<std::uint32_t>{static_cast<std::uint32_t>(Form_Main->winId())})
        << name;
    // The window is active, then the operator clicks into the main window.
    x11test::Activate(w);
    ASSERT_TRUE(apptest::PumpUntil([w] { return QApplication::activeWindow() == w; }, 5)) << name;
    x11test::Activate(Form_Main);
    ASSERT_TRUE(apptest::PumpUntil([] { return QApplication::activeWindow() == Form_Main; }, 5)) << name;
    EXPECT_GT(StackLevel(w), StackLevel(Form_Main)) << name;
    EXPECT_TRUE(w->isVisible()) << name;
    x11test::ScreenShot("above-main-" + name);
    w->close();
  }
}
