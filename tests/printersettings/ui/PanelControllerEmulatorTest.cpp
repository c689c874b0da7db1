// The operator panel and controller forms against the printer emulator on a
// pseudo-terminal, through the printer thread: each form, opened by a click
// on its tile of the settings view, shows the printer's values, and its OK
// brings exactly its command lines to the printer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <chrono>
#include <functional>
#include <thread>

#include "FormFixture.h"
#include "PrinterEmulator.h"
#include "platform/PortRegistry.h"
#include "printerlink/thread/CaptionTable.h"
#include "printerlink/thread/DisplayRegistry.h"
#include "printerlink/thread/DisplayRules.h"
#include "printerlink/thread/Recorders.h"
#include "printerlink/thread/Thread_Printer.h"
#include "printersettings/DisplayLineFile.h"
#include "printersettings/ui/PrinterWindowHooks.h"
#include "printersettings/ui/TFormPrinterBedienteilOption.h"
#include "printersettings/ui/TFormPrinterBedienteilProgramme.h"
#include "printersettings/ui/TFormPrinterBedienteilTyp.h"
#include "printersettings/ui/TFormPrinterSteuerungCounter.h"
#include "printersettings/ui/TFormPrinterSteuerungPulsdauer.h"
#include "printersettings/ui/TFormPrinterSteuerungUhr.h"
#include "printersettings/ui/TFramePrinter.h"
#include "support/FakeTime.h"
#include "support/TempDir.h"
#include "support/qt/Modal.h"
#include "support/qt/Mouse.h"

using Lines = std::vector<std::string>;
using printersettings::ui::SettingForm;

namespace {

constexpr unsigned kPort = 40;

// The PC's clock for the clock writer: the last second of 2026.
std::tm NewYearsEve() {
  std::tm t{};
  t.tm_mday = 31;
  t.tm_mon = 11;
  t.tm_year = 126;
  t.tm_hour = 23;
  t.tm_min = 59;
  t.tm_sec = 59;
  return t;
}

bool PumpUntil(const std::function<bool()>& done, int ms = 20000) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (!done()) {
    if (std::chrono::steady_clock::now() > until) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 5);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

// A command line as far as it matters here: a file transfer by its word
// and file, everything else whole.
std::string Shape(const std::string& line) {
  if (line.rfind("DOWNLOADS ", 0) != 0 && line.rfind("CRC ", 0) != 0) return line;
  const std::size_t nameEnd = line.find(' ', line.find(' ') + 1);
  return line.substr(0, nameEnd);
}

class PanelControllerEmulator : public settingstest::FormFixture {
 protected:
  void SetUp() override {
    FormFixture::SetUp();
    mode = 2;  // "Techniker": the pulse form too may be confirmed
    // A machine of type 0: the option unit and the programs are offered.
    printer.SetSetting("MASCHINE", "0");
    auto started = printer.Start();
    ASSERT_TRUE(started.ok()) << started.error();
    registry = platform::FixedPortRegistry({{kPort, printer.DevicePath(), platform::kPortKindUsb}});
    platform::SetPortRegistry(&registry);
    printerthread::PrinterDisplays().Add(&display);
    option->TmpDir = tmp.path() + "/";
    auto& w = printersettings::ui::OtherPrinterWindows();
    w.BedienteilTyp = typ.get();
    w.BedienteilOption = option.get();
    w.BedienteilProgramme = programs.get();
    w.SteuerungUhr = uhr.get();
    w.SteuerungCounter = counter.get();
    w.SteuerungPulsdauer = puls.get();
    view.ApplyWindowHooks();
    view.show();
    printerthread::ThreadEnvironment env;
    env.messenger = &messenger;
    env.requests = &board;
    env.captions = &captions;
    env.tmpDir = tmp.path() + "/";
    env.localNow = NewYearsEve;
    thread = std::make_unique<Thread_Printer>(env);
    thread->Start();
    ASSERT_TRUE(PumpUntil([this] { return display.refreshes > 0; })) << "no printer found";
  }
  void TearDown() override {
    thread.reset();
    printersettings::ui::OtherPrinterWindows() = {};
    printerthread::PrinterDisplays().Remove(&display);
    platform::SetPortRegistry(nullptr);
    printer.Stop();
    FormFixture::TearDown();
  }

  // Clicks `tile` of the view, runs `choose` in the form it opens and
  // presses OK; the command lines of the sequence that follows, from
  // "ENABLE 0" to its end.
  Lines RunAndSend(const TFramePrinter::Tile& tile, SettingForm& form, const std::function<void()>& choose,
                   const std::string& end) {
    const std::size_t mark = printer.Commands().size();
    bool opened = false;
    testsupport::WhenModalIs(&form, [&] {
      opened = true;
      choose();
      form.SpeedButtonOK->click();
    });
    EXPECT_TRUE(tile.button->isVisible());
    testsupport::Click(tile.button);
    EXPECT_TRUE(opened);
    Lines sent;
    EXPECT_TRUE(PumpUntil([&] {
      const Lines all = printer.Commands();
      sent.clear();
      bool in = false;
      for (std::size_t i = mark; i < all.size(); ++i) {
        in = in || all[i] == "ENABLE 0";
        if (!in) continue;
        sent.push_back(Shape(all[i]));
        if (all[i] == end) return true;
      }
      return false;
    })) << "no " << end;
    // Served: the board is empty and the printer's values come back.
    EXPECT_TRUE(PumpUntil([&] { return !form.RequestPending() && messenger.Closes() > closes; }));
    closes = messenger.Closes();
    return sent;
  }

  static Lines Bracket(const Lines& commands, const Lines& end) {
    Lines lines{"ENABLE 0", "STATUS 30 ZAMFI", "STATUS"};
    lines.insert(lines.end(), commands.begin(), commands.end());
    lines.insert(lines.end(), end.begin(), end.end());
    return lines;
  }

  // The Parts' waits (the bracket's pause, the restart) pass at once; the
  // line's own time limits are real.
  testsupport::ScopedFakeTime time;
  testsupport::TempDir tmp;
  printeremu::PrinterEmulator printer;
  platform::FixedPortRegistry registry;
  threadtest::RecordingDisplay display;
  threadtest::RecordingMessenger messenger;
  printerthread::CaptionTable captions;
  int closes = 0;
  std::unique_ptr<TFormPrinterBedienteilTyp> typ = std::make_unique<TFormPrinterBedienteilTyp>(nullptr, board.PanelType);
  std::unique_ptr<TFormPrinterBedienteilOption> option =
      std::make_unique<TFormPrinterBedienteilOption>(nullptr, board.PanelOption);
  std::unique_ptr<TFormPrinterBedienteilProgramme> programs =
      std::make_unique<TFormPrinterBedienteilProgramme>(nullptr, board.Programs);
  std::unique_ptr<TFormPrinterSteuerungUhr> uhr = std::make_unique<TFormPrinterSteuerungUhr>(nullptr, board.Clock);
  std::unique_ptr<TFormPrinterSteuerungCounter> counter =
      std::make_unique<TFormPrinterSteuerungCounter>(nullptr, board.Counter);
  std::unique_ptr<TFormPrinterSteuerungPulsdauer> puls =
      std::make_unique<TFormPrinterSteuerungPulsdauer>(nullptr, board.PulseDuration);
  TFramePrinter view{nullptr};
  // Last: it stops before the forms it writes to go.
  std::unique_ptr<Thread_Printer> thread;
};

}  // namespace

TEST_F(PanelControllerEmulator, EachFormOpensWithThePrintersValuesAndSendsItsLines) {
  struct Case {
    const char* name;
    const TFramePrinter::Tile& tile;
    SettingForm* form;
    std::function<void()> opened;  // checks of the values it opened with
    std::function<void()> choose;
    Lines commands;
    Lines end;
  };
  const Lines save{"KONFIG.SAVE"};
  const Case cases[] = {
      {"panel type", view.BedienteilTyp, typ.get(),
       [&] {
         EXPECT_EQ(typ->EditPanelType, 1);  // "Schalter", shown though not to be chosen
         EXPECT_EQ(typ->Panel1->Color(), printerthread::kOfferedColour);
       },
       [&] {
         typ->SpeedButtonUp2->click();
         typ->SpeedButtonUp2->click();
       },
       {"MMI 2", "MMI.REDADID.MODUS 1", "KONFIG.SAVE"}, {"RESET"}},
      {"programs", view.BedienteilProgramme, programs.get(),
       [&] {
         EXPECT_EQ(programs->EditProgramMode, (std::array<int, 3>{0, 0, 0}));
         EXPECT_EQ(programs->Programs[2].speed.value->text(), QStringLiteral("150 mm/s"));
       },
       [&] {
         programs->Programs[0].mode.up->click();
         programs->Programs[0].text.up->click();
         programs->Programs[2].mode.up->click();
         programs->Programs[2].pause.up->click();
       },
       {"PROG 0 1 2 150 0", "PROG 1 0 1 150 0", "PROG 2 1 1 150 1", "KONFIG.SAVE"}, {"STATUS 40 ZAMFI"}},
      {"clock", view.DruckersteuerungUhr, uhr.get(), [&] { EXPECT_EQ(uhr->Label0->text().size(), 21); },
       [&] { uhr->SpeedButton1->click(); }, {"RTC.TIME 23:59:59", "RTC.DATE 31.12.2026 Do"}, {"STATUS 40 ZAMFI"}},
      {"counter", view.DruckersteuerungZaehler, counter.get(), [&] { EXPECT_EQ(counter->LabelInkrement->text(), QStringLiteral("1")); },
       [&] {
         counter->SpeedButtonUpInkrement->click();
         counter->SpeedButtonUpInkrement->click();
         counter->SpeedButtonReset->click();
       },
       {"COUNTER 3 0 ZAMFI", "KONFIG.SAVE"}, {"STATUS 40 ZAMFI"}},
      {"pulse", view.DruckersteuerungPulsdauer, puls.get(),
       [&] {
         EXPECT_EQ(puls->Values[0]->text(), QStringLiteral("5.0 µs"));
         EXPECT_EQ(puls->Values[3]->text(), QStringLiteral("0.5 µs"));
       },
       [&] {
         puls->SpeedButtonExperte->click();
         puls->PresetButtons[1]->click();
       },
       {"HEAD.PULSDAUER 25 18 6", "HEAD.HEIZUNG 0", "HEAD.H600DPI 0", "KONFIG.SAVE"}, {"STATUS 40 ZAMFI"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Lines sent = RunAndSend(c.tile, *c.form, [&] {
      c.opened();
      c.choose();
    }, c.end.back());
    EXPECT_EQ(sent, Bracket(c.commands, c.end));
  }
  // The printer holds the new values, and the next refresh shows them.
  EXPECT_EQ(printer.Setting("MMI"), "2");
  EXPECT_EQ(printer.Setting("PROG 2"), "1 1 150 1");
  EXPECT_EQ(printer.Setting("COUNTER").value_or("").substr(0, 2), "3 ");
  EXPECT_EQ(printer.Setting("HEAD.PULSDAUER"), "25 18 6");
  EXPECT_TRUE(PumpUntil([&] { return puls->PrinterPulse == 25 && typ->PrinterPanelMode == 1; }));
}

TEST_F(PanelControllerEmulator, TheOptionUnitSendsOnlyChangedLineFiles) {
  const auto fileOf = [](int content, int behaviour, int pause) {
    const auto f = printersettings::BuildDisplayLineFile(content, behaviour, pause);
    return std::string(f.begin(), f.end());
  };
  EXPECT_TRUE(PumpUntil([&] { return option->PrinterOption == 3; }));
  const Lines signal{"OPTION.SIGNALUNIT.TYP 0", "OPTION.SIGNALUNIT.ALARM 0 0 0 0 0 0 0 0",
                     "OPTION.SIGNALUNIT.HORN 0 0 0 0 0 0 0 0", "OPTION.SIGNALUNIT.SIGNAL 0 0 0 0 0 0 0 0",
                     "KONFIG.SAVE"};
  // Mode 2, line 1 the time and date, behaviour 2 (scrolling left).
  Lines sent = RunAndSend(view.BedienteilOption, *option, [&] {
    EXPECT_EQ(option->EditOption, 3);
    EXPECT_EQ(option->Label3->text(), QStringLiteral("Modus 1"));
    option->SpeedButtonUp3->click();
    option->SpeedButtonUp3->click();
    for (int i = 0; i < 6; ++i) option->DisplayRows[2].up->click();
    option->DisplayRows[0].up->click();
  }, "RESET");
  Lines expected{"OPTION 3", "OPTION.D0216.BUTTON 0", "OPTION.D0216.MODUS 2",
                 "CRC SYSTEM\\D0216F0.SYS", "DOWNLOADS SYSTEM\\D0216F0.SYS", "DOWNLOADS SYSTEM\\D0216F0.SYS",
                 "CRC SYSTEM\\D0216F1.SYS", "DOWNLOADS SYSTEM\\D0216F1.SYS", "DOWNLOADS SYSTEM\\D0216F1.SYS"};
  expected.insert(expected.end(), signal.begin(), signal.end());
  EXPECT_EQ(sent, Bracket(expected, {"RESET"}));
  EXPECT_EQ(printer.File("SYSTEM\\D0216F0.SYS"), fileOf(6, 2, 0));
  EXPECT_EQ(printer.File("SYSTEM\\D0216F1.SYS"), fileOf(0, 2, 0));
  ASSERT_TRUE(PumpUntil([&] { return option->PrinterDisplayMode == 2; }));

  // Again unchanged: the checksums match, nothing is sent.
  sent = RunAndSend(view.BedienteilOption, *option, [] {}, "RESET");
  expected = {"OPTION 3", "OPTION.D0216.BUTTON 0", "OPTION.D0216.MODUS 2", "CRC SYSTEM\\D0216F0.SYS",
              "CRC SYSTEM\\D0216F1.SYS"};
  expected.insert(expected.end(), signal.begin(), signal.end());
  EXPECT_EQ(sent, Bracket(expected, {"RESET"}));

  // Only line 2 changed: only its file goes.
  sent = RunAndSend(view.BedienteilOption, *option, [&] { option->DisplayRows[3].up->click(); }, "RESET");
  expected = {"OPTION 3", "OPTION.D0216.BUTTON 0", "OPTION.D0216.MODUS 2", "CRC SYSTEM\\D0216F0.SYS",
              "CRC SYSTEM\\D0216F1.SYS", "DOWNLOADS SYSTEM\\D0216F1.SYS", "DOWNLOADS SYSTEM\\D0216F1.SYS"};
  expected.insert(expected.end(), signal.begin(), signal.end());
  EXPECT_EQ(sent, Bracket(expected, {"RESET"}));
  EXPECT_EQ(printer.File("SYSTEM\\D0216F1.SYS"), fileOf(1, 2, 0));
}
