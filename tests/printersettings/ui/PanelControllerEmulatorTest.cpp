// The operator panel and controller forms against the printer emulator on a
// pseudo-terminal, through the printer thread: each form, opened by a click
// on its tile of the settings view, shows the printer's values, and its OK
// brings exactly its command lines to the printer.
#include <gtest/gtest.h>

#include <functional>

#include "PrinterRig.h"
#include "printersettings/DisplayLineFile.h"
#include "printersettings/ui/PanelControllerForms.h"
#include "printersettings/ui/TFormPrinterBedienteilOption.h"
#include "printersettings/ui/TFormPrinterBedienteilProgramme.h"
#include "printersettings/ui/TFormPrinterBedienteilTyp.h"
#include "printersettings/ui/TFormPrinterSteuerungCounter.h"
#include "printersettings/ui/TFormPrinterSteuerungPulsdauer.h"
#include "printersettings/ui/TFormPrinterSteuerungUhr.h"
#include "support/FakeTime.h"
#include "support/TempDir.h"
#include "support/qt/Mouse.h"

using namespace settingstest;
using Lines = std::vector<std::string>;
using testsupport::Click;

namespace {

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

// A file transfer by its word and file, any other line whole.
Lines Shapes(const Lines& lines) {
  Lines shapes;
  for (const std::string& line : lines) {
    const bool transfer = line.rfind("DOWNLOADS ", 0) == 0 || line.rfind("CRC ", 0) == 0;
    shapes.push_back(transfer ? line.substr(0, line.find(' ', line.find(' ') + 1)) : line);
  }
  return shapes;
}

class PanelControllerWithPrinter : public WithPrinter {
 protected:
  void SetUp() override {
    WithPrinter::SetUp();
    mode = 2;  // "Techniker": the pulse form too may be confirmed
    printersettings::ui::CreatePanelControllerForms(tmp.path() + "/");
    view->ApplyWindowHooks();
    environment = [this](printerthread::ThreadEnvironment& env) {
      env.tmpDir = tmp.path() + "/";
      env.localNow = NewYearsEve;
    };
    // A machine of type 0: the option unit and the programs are offered.
    Connect([](printeremu::PrinterEmulator& p) { p.SetSetting("MASCHINE", "0"); });
  }
  void TearDown() override {
    WithPrinter::TearDown();  // the thread first
    printersettings::ui::DeletePanelControllerForms();
  }

  // The Parts' waits (the bracket's pause, the restart) pass at once; the
  // line's own time limits are real.
  testsupport::ScopedFakeTime time;
  testsupport::TempDir tmp;
};

}  // namespace

TEST_F(PanelControllerWithPrinter, EachFormOpensWithThePrintersValuesAndSendsItsLines) {
  struct Case {
    const char* name;
    const TFramePrinter::Tile TFramePrinter::*tile;
    std::function<QWidget*()> form;
    std::function<void()> check;  // in the form as it opens: the printer's values
    std::function<void()> choose;
    Lines expected;
  };
  const Case cases[] = {
      {"panel type", &TFramePrinter::BedienteilTyp, [] { return FormPrinterBedienteilTyp; },
       [] {
         EXPECT_EQ(FormPrinterBedienteilTyp->EditPanelType, 1);  // "Schalter", shown though not to be chosen
         EXPECT_EQ(FormPrinterBedienteilTyp->Panel1->Color(), printerthread::kOfferedColour);
       },
       [] {
         Click(FormPrinterBedienteilTyp->SpeedButtonUp2);  // chooses the REDAdid
         Click(FormPrinterBedienteilTyp->SpeedButtonUp2);
       },
       Bracket({"MMI 2", "MMI.REDADID.MODUS 1"}, "RESET")},
      {"programs", &TFramePrinter::BedienteilProgramme, [] { return FormPrinterBedienteilProgramme; },
       [] {
         EXPECT_EQ(FormPrinterBedienteilProgramme->EditProgramMode, (std::array<int, 3>{0, 0, 0}));
         EXPECT_EQ(FormPrinterBedienteilProgramme->Programs[2].speed.value->text(), QStringLiteral("150 mm/s"));
       },
       [] {
         const auto& p = FormPrinterBedienteilProgramme->Programs;
         Click(p[0].mode.up);
         Click(p[0].text.up);
         Click(p[2].mode.up);
         Click(p[2].pause.up);
       },
       Bracket({"PROG 0 1 2 150 0", "PROG 1 0 1 150 0", "PROG 2 1 1 150 1"}, "STATUS 40 ZAMFI")},
      {"counter", &TFramePrinter::DruckersteuerungZaehler, [] { return FormPrinterSteuerungCounter; },
       [] { EXPECT_EQ(FormPrinterSteuerungCounter->LabelInkrement->text(), QStringLiteral("1")); },
       [] {
         Click(FormPrinterSteuerungCounter->SpeedButtonUpInkrement);
         Click(FormPrinterSteuerungCounter->SpeedButtonUpInkrement);
         Click(FormPrinterSteuerungCounter->SpeedButtonReset);
       },
       Bracket({"COUNTER 3 0 ZAMFI"}, "STATUS 40 ZAMFI")},
      {"pulse", &TFramePrinter::DruckersteuerungPulsdauer, [] { return FormPrinterSteuerungPulsdauer; },
       [] {
         EXPECT_EQ(FormPrinterSteuerungPulsdauer->Values[0]->text(), QStringLiteral("5.0 µs"));
         EXPECT_EQ(FormPrinterSteuerungPulsdauer->Values[3]->text(), QStringLiteral("0.5 µs"));
         EXPECT_FALSE(FormPrinterSteuerungPulsdauer->PanelKonfiguration->isVisible());
       },
       [] {
         Click(FormPrinterSteuerungPulsdauer->SpeedButtonExperte);
         Click(FormPrinterSteuerungPulsdauer->PresetButtons[1]);
       },
       Bracket({"HEAD.PULSDAUER 25 18 6", "HEAD.HEIZUNG 0", "HEAD.H600DPI 0"}, "STATUS 40 ZAMFI")},
  };
  std::size_t from = rig->printer->Commands().size();
  for (const Case& c : cases) {
    Confirm((*view).*c.tile, c.form(), [&] {
      c.check();
      c.choose();
    });
    EXPECT_EQ(NextSequence(from), c.expected) << c.name;
    ASSERT_TRUE(NextRefresh()) << c.name;
  }
  // The clock saves nothing: its sequence ends with the return to printing.
  Confirm(view->DruckersteuerungUhr, FormPrinterSteuerungUhr, [] {
    EXPECT_EQ(FormPrinterSteuerungUhr->Label0->text().size(), 21);  // date, three blanks, time
    Click(FormPrinterSteuerungUhr->SpeedButton1);
  });
  Lines clock;
  EXPECT_TRUE(threadtest::ThreadRig::Until([&] {
    const Lines commands = rig->CommandsFrom(from);
    auto begin = std::find(commands.begin(), commands.end(), "ENABLE 0");
    auto end = std::find(begin, commands.end(), "STATUS 40 ZAMFI");
    if (end == commands.end()) return false;
    clock.assign(begin, end + 1);
    return true;
  }));
  EXPECT_EQ(clock, (Lines{"ENABLE 0", "STATUS 30 ZAMFI", "STATUS", "RTC.TIME 23:59:59", "RTC.DATE 31.12.2026 Do",
                          "STATUS 40 ZAMFI"}));
  // The printer holds the new values, and the forms show them.
  EXPECT_EQ(rig->printer->Setting("MMI"), "2");
  EXPECT_EQ(rig->printer->Setting("PROG 2"), "1 1 150 1");
  EXPECT_EQ(rig->printer->Setting("HEAD.PULSDAUER"), "25 18 6");
  EXPECT_TRUE(threadtest::ThreadRig::Until([] {
    return FormPrinterSteuerungPulsdauer->PrinterPulse == 25 && FormPrinterBedienteilTyp->PrinterPanelMode == 1;
  }));
}

TEST_F(PanelControllerWithPrinter, TheOptionUnitSendsOnlyChangedLineFiles) {
  const auto fileOf = [](int content, int behaviour, int pause) {
    const auto f = printersettings::BuildDisplayLineFile(content, behaviour, pause);
    return std::string(f.begin(), f.end());
  };
  TFormPrinterBedienteilOption* option = FormPrinterBedienteilOption;
  const Lines signal{"OPTION.SIGNALUNIT.TYP 0", "OPTION.SIGNALUNIT.ALARM 0 0 0 0 0 0 0 0",
                     "OPTION.SIGNALUNIT.HORN 0 0 0 0 0 0 0 0", "OPTION.SIGNALUNIT.SIGNAL 0 0 0 0 0 0 0 0"};
  auto withSignal = [&](Lines lines) {
    lines.insert(lines.end(), signal.begin(), signal.end());
    return Bracket(lines, "RESET");
  };
  std::size_t from = rig->printer->Commands().size();
  // Mode 2, line 1 the time and date, behaviour 2 (scrolling left).
  Confirm(view->BedienteilOption, option, [option] {
    EXPECT_EQ(option->EditOption, 3);
    EXPECT_EQ(option->Label3->text(), QStringLiteral("Modus 1"));
    Click(option->SpeedButtonUp3);
    Click(option->SpeedButtonUp3);
    for (int i = 0; i < 6; ++i) Click(option->DisplayRows[2].up);
    Click(option->DisplayRows[0].up);
  });
  EXPECT_EQ(Shapes(NextSequence(from)),
            withSignal({"OPTION 3", "OPTION.D0216.BUTTON 0", "OPTION.D0216.MODUS 2", "CRC SYSTEM\\D0216F0.SYS",
                        "DOWNLOADS SYSTEM\\D0216F0.SYS", "DOWNLOADS SYSTEM\\D0216F0.SYS", "CRC SYSTEM\\D0216F1.SYS",
                        "DOWNLOADS SYSTEM\\D0216F1.SYS", "DOWNLOADS SYSTEM\\D0216F1.SYS"}));
  EXPECT_EQ(rig->printer->File("SYSTEM\\D0216F0.SYS"), fileOf(6, 2, 0));
  EXPECT_EQ(rig->printer->File("SYSTEM\\D0216F1.SYS"), fileOf(0, 2, 0));
  ASSERT_TRUE(threadtest::ThreadRig::Until([option] { return option->PrinterDisplayMode == 2; }));

  // Again unchanged: the checksums match, nothing is sent.
  Confirm(view->BedienteilOption, option, [] {});
  EXPECT_EQ(Shapes(NextSequence(from)), withSignal({"OPTION 3", "OPTION.D0216.BUTTON 0", "OPTION.D0216.MODUS 2",
                                                     "CRC SYSTEM\\D0216F0.SYS", "CRC SYSTEM\\D0216F1.SYS"}));

  // Only line 2 changed: only its file goes.
  Confirm(view->BedienteilOption, option, [option] { Click(option->DisplayRows[3].up); });
  EXPECT_EQ(Shapes(NextSequence(from)),
            withSignal({"OPTION 3", "OPTION.D0216.BUTTON 0", "OPTION.D0216.MODUS 2", "CRC SYSTEM\\D0216F0.SYS",
                        "CRC SYSTEM\\D0216F1.SYS", "DOWNLOADS SYSTEM\\D0216F1.SYS", "DOWNLOADS SYSTEM\\D0216F1.SYS"}));
  EXPECT_EQ(rig->printer->File("SYSTEM\\D0216F1.SYS"), fileOf(1, 2, 0));
}
