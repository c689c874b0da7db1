// What each setting form has of its own: alignment widths and choices,
// the pause rows, the print-mode rows, experts and presets, the start
// mode's interface choices and pictures, the selection rows and their
// repeat, the shift rows, the clock source and the factor; and the look of
// their rows (what cannot be chosen, the step buttons' frame).
#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>

#include "FormFixture.h"
#include "platform/qt/NamedColours.h"
#include "printerlink/thread/DisplayRules.h"
#include "printersettings/ui/TFormPrinterGeraetAusrichtung.h"
#include "printersettings/ui/TFormPrinterGeraetDPI.h"
#include "printersettings/ui/TFormPrinterGeraetSleep.h"
#include "printersettings/ui/TFormPrinterGeschwindigkeitFaktor.h"
#include "printersettings/ui/TFormPrinterGeschwindigkeitTaktquelle.h"
#include "printersettings/ui/TFormPrinterStartInterface.h"
#include "printersettings/ui/TFormPrinterStartModus.h"
#include "printersettings/ui/TFormPrinterFernsteuerung.h"
#include "printersettings/ui/TFormPrinterStartVerschieben.h"
#include "support/FakeTime.h"
#include "support/qt/Mouse.h"
#include "support/qt/Screenshot.h"

using namespace settingstest;
using platform::OwnEnabled;
using printerthread::kOfferedColour;
using printerthread::kWithheldColour;

namespace {

const QString kMinus = QStringLiteral("-") + QString(20, QLatin1Char(' '));
const QString kPlus = QString(20, QLatin1Char(' ')) + QStringLiteral("+");

class Forms : public FormFixture {
 protected:
  // Opens `form` afresh from the Printer fields.
  static void Open(QWidget* form) {
    form->hide();
    form->show();
  }
};

}  // namespace

TEST_F(Forms, AlignmentIsAsWideAsItsPositionsAndOldFirmwareHasOne) {
  TFormPrinterGeraetAusrichtung f(nullptr, board.Alignment);
  mirror.CliWord = 8;
  mirror.MachineType = 0;
  mirror.HeadMode = 0;
  mirror.Orientation = {3, 0, 0};
  Refresh();
  Open(&f);
  EXPECT_EQ(f.width(), 201);
  EXPECT_FALSE(OwnEnabled(f.SpeedButtonUpModus));
  EXPECT_FALSE(OwnEnabled(f.OffsetRows[0].up));
  EXPECT_EQ(f.OrientationPanels[0][3]->Color(), kOfferedColour);
  // Machine 0 offers the one-way orientations only.
  EXPECT_TRUE(OwnEnabled(f.OrientationButtons[0][0]));
  EXPECT_FALSE(OwnEnabled(f.OrientationButtons[0][2]));

  mirror.CliWord = 12;
  mirror.MachineType = 2;
  mirror.HeadMode = 2;
  mirror.HeadOffset = {0, 500, 7};
  mirror.Orientation = {0, 2, 5};  // 0 is not offered on machine 2, but stays lit
  Refresh();
  Open(&f);
  EXPECT_EQ(f.width(), 609);
  EXPECT_EQ(f.PanelModus->width(), 592);
  EXPECT_EQ(f.PanelOK->x(), 212);
  EXPECT_EQ(f.PanelAbbrechen->x(), 308);
  EXPECT_EQ(f.SpeedButtonUpModus->Caption(), QString());
  EXPECT_EQ(f.SpeedButtonDownModus->Caption(), QStringLiteral("<") + QString(20, QLatin1Char(' ')));
  EXPECT_EQ(f.LabelModus->text(), QStringLiteral("3"));
  EXPECT_EQ(f.OrientationPanels[0][0]->Color(), kOfferedColour);
  EXPECT_FALSE(OwnEnabled(f.OrientationButtons[1][0]));
  EXPECT_TRUE(OwnEnabled(f.OrientationButtons[1][5]));
  EXPECT_EQ(f.OffsetRows[1].up->Caption(), QString());
  f.OffsetRows[1].up->click();  // at the limit: stays
  EXPECT_EQ(f.EditHeadOffset[1], 500);
  EXPECT_EQ(f.OffsetRows[1].value->text(), QStringLiteral("500 mm"));
  f.SpeedButtonDownModus->click();
  EXPECT_EQ(f.width(), 405);
  EXPECT_EQ(f.PanelOK->x(), 110);
  f.RaiseRequest();
  const auto r = board.Alignment.Take();
  EXPECT_EQ(r->EditHeadMode, 1);
  EXPECT_EQ(r->EditOrientation, (std::array<int, 3>{0, 2, 5}));
  EXPECT_EQ(r->EditHeadOffset, (std::array<int, 3>{0, 500, 7}));
}

TEST_F(Forms, PauseStepsAndItsReverseRows) {
  TFormPrinterGeraetSleep f(nullptr, board.Sleep);
  // No printer: off, reverse rows withheld, power 510 shown as 50 %.
  Open(&f);
  EXPECT_EQ(f.Row0.value->text(), QStringLiteral("Aus"));
  EXPECT_EQ(f.Row1.panel->Color(), kWithheldColour);
  EXPECT_FALSE(f.Row1.up->isVisibleTo(&f));
  EXPECT_EQ(f.EditReversePower, 510);
  EXPECT_EQ(f.Row2.value->text(), QStringLiteral("Aus"));

  mirror.MachineType = 2;
  mirror.WaitTime = 0;
  mirror.ReverseTime = 0;
  mirror.ReversePower = 1000;
  Refresh();
  Open(&f);
  f.Row0.up->click();
  EXPECT_EQ(f.Row0.value->text(), QStringLiteral("Aus+"));
  f.Row0.up->click();
  EXPECT_EQ(f.Row0.value->text(), QStringLiteral("30 s"));
  // Wait on: the time row is offered, the power row not while the time is 0.
  EXPECT_EQ(f.Row1.panel->Color(), kOfferedColour);
  EXPECT_EQ(f.Row2.panel->Color(), kWithheldColour);
  f.Row1.up->click();
  EXPECT_EQ(f.Row1.value->text(), QStringLiteral("700 ms"));
  EXPECT_EQ(f.Row2.panel->Color(), kOfferedColour);
  EXPECT_EQ(f.Row2.value->text(), QStringLiteral("99 %"));
  f.Row2.down->click();
  EXPECT_EQ(f.EditReversePower, 960);
  f.Row2.up->click();
  EXPECT_EQ(f.EditReversePower, 1000);
  f.Row0.down->click();
  EXPECT_EQ(f.EditWaitTime, 1);

  // The hatchery machines have no reverse drive.
  mirror.MachineType = 4;
  mirror.WaitTime = 600;
  mirror.ReverseTime = 700;
  Refresh();
  Open(&f);
  EXPECT_EQ(f.Row1.panel->Color(), kWithheldColour);
  EXPECT_EQ(f.Row1.value->text(), QStringLiteral("Aus"));
  EXPECT_EQ(f.Row2.value->text(), QStringLiteral("Aus"));
}

TEST_F(Forms, PrintModeRowsStepCoarselyOrOneByOneForExperts) {
  TFormPrinterGeraetDPI f(nullptr, board.PrintModes);
  mode = 1;
  Open(&f);
  // No printer: one mode, the first entry; the others empty and grey.
  EXPECT_EQ(f.RowAnzahl.value->text(), QStringLiteral("1"));
  EXPECT_EQ(f.Rows[0].title->text(), QStringLiteral("0 %"));
  EXPECT_EQ(f.Rows[0].value->text(), QStringLiteral("  0x0 dpi"));
  EXPECT_EQ(f.Rows[1].panel->Color(), kWithheldColour);
  EXPECT_EQ(f.Rows[1].value->text(), QString());
  EXPECT_FALSE(f.PanelRechts->isVisibleTo(&f));
  // Technicians only step one by one.
  EXPECT_FALSE(OwnEnabled(f.SpeedButtonExpertenModus));
  testsupport::Click(f.SpeedButtonExpertenModus);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].text, QStringLiteral("Kann von Benutzer und Administrator nicht ausgeführt werden!"));
  EXPECT_TRUE(OwnEnabled(f.SpeedButtonOK));

  std::vector<int> seen;
  for (int i = 0; i < 5; ++i) {
    f.Rows[0].up->click();
    seen.push_back(f.EditModeIndex[0]);
  }
  EXPECT_EQ(seen, (std::vector<int>{1, 4, 8, 11, 11}));
  EXPECT_FALSE(OwnEnabled(f.Rows[0].up));
  EXPECT_EQ(f.EditModeCode[0], 0x2D);

  mode = 2;
  mirror.ModeCount = 3;
  mirror.ModeIndex = {0, 4, 11, 8, 0, 0, 0, 0};
  Refresh();
  f.SetExpertPanel(1);
  Open(&f);
  EXPECT_TRUE(f.PanelRechts->isVisibleTo(&f));
  EXPECT_EQ(f.Rows[2].value->text(), QStringLiteral("300x300 dpi   [AB][AB]"));
  // Rows beyond the count keep their old index: no preset lights.
  for (const auto& p : f.Presets) EXPECT_NE(p.panel->Color(), kOfferedColour);
  f.Presets[2].button->click();
  EXPECT_EQ(f.Presets[2].panel->Color(), kOfferedColour);
  EXPECT_EQ(f.EditModeIndex, (std::array<int, 8>{0, 4, 11, 0, 0, 0, 0, 0}));
  f.SpeedButtonExpertenModus->click();
  EXPECT_EQ(f.ExpertMode, 1);
  f.Rows[1].up->click();
  EXPECT_EQ(f.EditModeIndex[1], 5);
  EXPECT_EQ(f.Rows[1].value->text(), QStringLiteral("300x150 dpi   [A][A]"));
  EXPECT_EQ(f.EditModeCode[1], 0x05);
  EXPECT_NE(f.Presets[2].panel->Color(), kOfferedColour);
  f.RaiseRequest();
  const auto r = board.PrintModes.Take();
  EXPECT_EQ(r->EditModeCount, 3);
  EXPECT_EQ(r->EditModeCode, (std::array<int, 8>{0x00, 0x05, 0x2D, 0, 0, 0, 0, 0}));
  // Every opening starts with single steps off; the tile hides the panel.
  f.PrepareForTile();
  Open(&f);
  EXPECT_EQ(f.ExpertMode, 0);
  EXPECT_FALSE(f.PanelRechts->isVisibleTo(&f));
  EXPECT_EQ(f.Rows[2].value->text(), QStringLiteral("300x300 dpi"));
}

TEST_F(Forms, StartModeOffersInterfaceModesOnlyWhereTheFirmwareHasThem) {
  TFormPrinterStartModus f(nullptr, board.StartMode);
  mirror.CliWord = 0x800;
  mirror.MachineType = 2;
  mirror.StartMode = 5;
  mirror.InterfaceMode = 1;
  mirror.SignalLines = 2;
  Refresh();
  Open(&f);
  EXPECT_FALSE(OwnEnabled(f.SpeedButton6));
  EXPECT_EQ(f.Panel6->Color(), kOfferedColour);  // still lit
  EXPECT_EQ(f.PanelHilfe->Picture(0), "ImageSPWP3");
  EXPECT_EQ(f.PanelHilfe->Picture(1), "ImageSU141");
  // Without the filter bit (0x20) and outside 3..9 the filter row is hidden.
  EXPECT_FALSE(f.SpeedButtonUp3->isVisibleTo(&f));

  mirror.CliWord = 5;  // filters, no interface modes
  mirror.MachineType = 0;
  mirror.StartMode = 0;  // no panel
  Refresh();
  Open(&f);
  EXPECT_TRUE(f.SpeedButtonUp3->isVisibleTo(&f));
  EXPECT_FALSE(OwnEnabled(f.SpeedButton4));
  EXPECT_EQ(f.PanelHilfe->Picture(0), "ImageNO");
  EXPECT_TRUE(OwnEnabled(f.SpeedButtonOK));  // the printer's 0 stays as it is
  f.SpeedButtonUp3->click();
  f.RaiseRequest();
  const auto r = board.StartMode.Take();
  EXPECT_EQ(r->EditStartMode, 0);
  EXPECT_EQ(r->EditFilter, 1);

  mirror.CliWord = 0x820;
  Refresh();
  Open(&f);
  EXPECT_TRUE(OwnEnabled(f.SpeedButton4));
  f.SpeedButton2->click();
  EXPECT_EQ(f.PanelHilfe->Picture(0), "ImageSN");
  EXPECT_EQ(f.PanelHilfe->Picture(1), "ImageMU");
}

TEST_F(Forms, SelectionRowsInUseAndAHeldPrintTextAccelerates) {
  TFormPrinterStartInterface f(nullptr, board.InterfaceStart);
  mirror.InterfaceMode = 1;
  mirror.SignalLines = 2;
  mirror.StartMode = 5;
  mirror.SignalText = {0, 99, 60, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
  Refresh();
  Open(&f);
  EXPECT_EQ(f.RowModus.value->text(), QStringLiteral("Positiver Pegel"));
  EXPECT_EQ(f.RowAnzahl.value->text(), QStringLiteral("3"));
  EXPECT_EQ(f.Rows[7].panel->Color(), kOfferedColour);
  EXPECT_TRUE(f.Rows[7].panel->isEnabled());
  EXPECT_EQ(f.Rows[8].panel->Color(), kWithheldColour);
  EXPECT_FALSE(f.Rows[8].panel->isEnabled());
  EXPECT_EQ(f.Rows[0].value->text(), QStringLiteral("Aus"));
  EXPECT_EQ(f.Rows[0].down->Caption(), QString());
  EXPECT_FALSE(f.Rows[0].up->isVisibleTo(&f));
  EXPECT_EQ(f.Rows[1].up->Caption(), QString());
  EXPECT_EQ(f.Rows[2].value->text(), QStringLiteral("Drucktext 60"));
  EXPECT_EQ(f.PanelHilfe->Picture(0), "ImageSPWP3");

  // Holding "-" on 60: after 500 ms one step per 250 ms, 1 for nine ticks,
  // then 2, 4 and 8, down to 0.
  f.Rows[2].down->pressed();
  EXPECT_EQ(f.RepeatRow, 2);
  EXPECT_EQ(f.TimerDrucktext0->Interval(), 500);
  std::vector<int> values;
  for (int tick = 0; tick < 22; ++tick) {
    f.TimerDrucktext0Timer();
    values.push_back(f.EditSignalText[2]);
  }
  EXPECT_EQ(f.TimerDrucktext0->Interval(), 250);
  EXPECT_EQ(values, (std::vector<int>{59, 58, 57, 56, 55, 54, 53, 52, 51, 49, 47, 45, 43, 41, 39, 37, 35, 33, 31,
                                      27, 23, 19}));
  for (int tick = 0; tick < 10; ++tick) f.TimerDrucktext0Timer();
  EXPECT_EQ(f.EditSignalText[2], 0);
  f.Rows[2].down->released();
  EXPECT_FALSE(f.TimerDrucktext0->Active());
  // A tick without a row stops the timer.
  f.RepeatRow = -1;
  f.TimerDrucktext0->Start(+1);
  f.TimerDrucktext0Timer();
  EXPECT_FALSE(f.TimerDrucktext0->Active());
  EXPECT_EQ(f.TimerDrucktext0->Tag, 0);

  // Mode off: no rows in use, no pictures; all sixteen texts still go.
  f.RowModus.down->click();
  EXPECT_EQ(f.RowModus.value->text(), QStringLiteral("Aus"));
  EXPECT_EQ(f.Rows[0].panel->Color(), kWithheldColour);
  EXPECT_EQ(f.PanelHilfe->Picture(1), "ImageNO");
  f.RaiseRequest();
  const auto r = board.InterfaceStart.Take();
  EXPECT_EQ(r->EditInterfaceMode, 0);
  EXPECT_EQ(r->EditSignalText[15], 15);
}

TEST_F(Forms, AShiftRowIsChosenByItsFirstStepAndThenSteps) {
  TFormPrinterStartVerschieben f(nullptr, board.StartShift);
  mirror.MachineType = 0;
  mirror.StartShiftMode = 0;
  Refresh();
  Open(&f);
  EXPECT_EQ(f.Panel0->Color(), kOfferedColour);
  f.SpeedButtonUp1->pressed();  // the row is not chosen: no repeat
  EXPECT_FALSE(f.Timer1->Active());
  f.SpeedButtonUp1->click();
  EXPECT_EQ(f.EditShiftMode, 1);
  EXPECT_EQ(f.EditShiftDistance, 0);
  EXPECT_EQ(f.Panel1->Color(), kOfferedColour);
  f.SpeedButtonUp1->click();
  EXPECT_EQ(f.EditShiftDistance, 1);
  // Held from 1: 49 ticks of 1, then 4 a tick, stopping at 500.
  f.SpeedButtonUp1->pressed();
  ASSERT_TRUE(f.Timer1->Active());
  for (int tick = 0; tick < 49; ++tick) f.Timer1Timer();
  EXPECT_EQ(f.EditShiftDistance, 50);
  f.Timer1Timer();
  EXPECT_EQ(f.EditShiftDistance, 54);
  for (int tick = 0; tick < 200; ++tick) f.Timer1Timer();
  EXPECT_EQ(f.EditShiftDistance, 500);
  EXPECT_EQ(f.Label1->text(), QStringLiteral("500 mm"));
  f.SpeedButtonUp1->released();
  EXPECT_FALSE(f.Timer1->Active());
  // Machines 1 to 4 have a fixed shift.
  mirror.MachineType = 3;
  Refresh();
  EXPECT_FALSE(OwnEnabled(f.SpeedButton0));
  EXPECT_FALSE(OwnEnabled(f.SpeedButtonUp2));
}

TEST_F(Forms, TheClockSourceRowChoosesInternalFirst) {
  TFormPrinterGeschwindigkeitTaktquelle f(nullptr, board.ClockSource);
  Open(&f);  // no printer
  EXPECT_EQ(f.Row0.value->text(), QStringLiteral("1 mm/s"));
  EXPECT_EQ(f.PanelHilfe->Picture(0), "ImageNO");
  EXPECT_EQ(f.PanelHilfe->Picture(1), "ImageNO");
  mirror.ClockSource = 5;
  mirror.InternalSpeed = 990;
  Refresh();
  Open(&f);
  EXPECT_EQ(f.Panel5->Color(), kOfferedColour);
  EXPECT_EQ(f.PanelHilfe->Picture(0), "ImageTakt");
  EXPECT_EQ(f.PanelHilfe->Picture(1), "ImageSU101");
  EXPECT_FALSE(OwnEnabled(f.SpeedButton3));
  f.Row0.up->click();
  EXPECT_EQ(f.EditClockSource, 0);
  EXPECT_EQ(f.EditSpeed, 990);
  f.Row0.up->pressed();
  for (int tick = 0; tick < 30; ++tick) f.Timer0Timer();
  EXPECT_EQ(f.EditSpeed, 1000);
  EXPECT_EQ(f.Row0.up->Caption(), QString());
}

TEST_F(Forms, TheFactorShowsItsTargetSpeedAndResets) {
  testsupport::ScopedFakeTime time;
  TFormPrinterGeschwindigkeitFaktor f(nullptr, board.SpeedFactor);
  Open(&f);
  EXPECT_EQ(f.Row1.value->text(), QStringLiteral("1.000"));
  EXPECT_EQ(f.LabelDruckgeschwindigkeitSoll->text(), QStringLiteral("?"));
  mirror.ClockSource = 1;
  mirror.FactorMode = 1;
  mirror.Factor = 1500;
  mirror.ClockSpeed = 200;
  mirror.ClockSpeedText = "200 mm/s";
  Refresh();
  Open(&f);
  EXPECT_TRUE(printerthread::PrinterWindows().SpeedFactorFormVisible);
  EXPECT_EQ(f.LabelDruckgeschwindigkeitTaktquelle->text(), QStringLiteral("200 mm/s"));
  EXPECT_EQ(f.LabelDruckgeschwindigkeitSoll->text(), QStringLiteral("300 mm/s"));
  f.Row1.down->click();
  Refresh();
  EXPECT_EQ(f.LabelDruckgeschwindigkeitSoll->text(), QStringLiteral("299 mm/s"));
  f.SpeedButton0->click();
  EXPECT_EQ(f.LabelDruckgeschwindigkeitSoll->text(), QStringLiteral("200 mm/s"));
  f.SpeedButtonResetClick(f.SpeedButtonReset);
  EXPECT_EQ(f.EditFactorMode, 0);
  EXPECT_EQ(f.EditFactor, 1000);
  EXPECT_GE(time->TotalSlept(), 250u);
  EXPECT_EQ(f.PanelReset->Color(), kWithheldColour);
  // At 1 the "-" caption is empty and a click leaves 1.
  f.Row1.up->click();
  f.EditFactor = 1;
  f.UpdateView();
  EXPECT_EQ(f.Row1.down->Caption(), QString());
  f.Row1.down->click();
  EXPECT_EQ(f.EditFactor, 1);
  f.hide();
  EXPECT_FALSE(printerthread::PrinterWindows().SpeedFactorFormVisible);
}

// What cannot be chosen looks it, in one readable grey: the start mode's
// interface choices on machine type 2 (captions and buttons alike) and the
// unused rows of the selection ("-" and "+" as well as their lines).
TEST_F(Forms, ChoicesThatCannotBeTakenHaveTheOneReadableLookOfWhatCannotBeUsed) {
  using platform::colours::kDisabledText;
  using platform::colours::kNavy;
  auto textColour = [](const QLabel* l) {
    return platform::ToVclColor(l->palette().color(l->isEnabled() ? QPalette::Active : QPalette::Disabled,
                                                   QPalette::WindowText));
  };
  TFormPrinterStartModus start(nullptr, board.StartMode);
  TFormPrinterStartInterface selection(nullptr, board.InterfaceStart);
  mirror.CliWord = 0x800;
  mirror.MachineType = 2;
  mirror.StartMode = 5;
  mirror.InterfaceMode = 1;
  mirror.SignalLines = 2;
  Refresh();
  Open(&start);
  for (const QLabel* l : {start.Label4Titel, start.Label4, start.Label7Titel, start.Label7})
    EXPECT_EQ(textColour(l), kDisabledText) << l->objectName().toStdString();
  EXPECT_EQ(start.SpeedButton4->CaptionColour(), kDisabledText);
  EXPECT_EQ(start.SpeedButton1->CaptionColour(), kNavy);  // what can be chosen keeps its colour

  Open(&selection);
  const printersettings::ui::ValueRow& unused = selection.Rows[8];
  ASSERT_FALSE(unused.panel->isEnabled());
  EXPECT_EQ(textColour(unused.title), kDisabledText);
  EXPECT_EQ(textColour(unused.value), kDisabledText);
  EXPECT_EQ(unused.down->CaptionColour(), kDisabledText);
  EXPECT_EQ(unused.up->CaptionColour(), kDisabledText);
  const printersettings::ui::ValueRow& used = selection.Rows[7];
  EXPECT_EQ(textColour(used.value), kNavy);
  EXPECT_EQ(used.up->CaptionColour(), kNavy);
  testsupport::SaveScreenshot(&start, QStringLiteral("start-mode-interface-withheld"));
  testsupport::SaveScreenshot(&selection, QStringLiteral("selection-rows-unused"));
}

// A step button clicked with the mouse takes no focus, and the frame it
// shows while the pointer stays over it keeps to its sign: it never runs
// through the row's title or value ("1.0|02"), in the setting forms and in
// the remote control alike.
TEST_F(Forms, AClickedStepButtonDrawsNothingAcrossItsRowsLines) {
  testsupport::ScopedFakeTime time;
  TFormPrinterGeschwindigkeitFaktor factor(nullptr, board.SpeedFactor);
  mirror.FactorMode = 1;
  mirror.Factor = 1001;
  Refresh();
  Open(&factor);
  TFormPrinterFernsteuerung remote(nullptr, board);
  remote.show();
  remote.LabelDrucktextIst->setText(QStringLiteral("Drucktext 12"));
  struct Step {
    const char* name;
    platform::SpeedButton* button;
    std::vector<const QLabel*> lines;
  };
  const Step steps[] = {
      {"factor +", factor.Row1.up, {factor.Row1.title, factor.Row1.value}},
      {"factor -", factor.Row1.down, {factor.Row1.title, factor.Row1.value}},
      {"print text -", remote.SpeedButtonDownDrucktext, {remote.LabelDrucktextIstTitel, remote.LabelDrucktextIst}},
      {"print text +", remote.SpeedButtonUpDrucktext, {remote.LabelDrucktextIstTitel, remote.LabelDrucktextIst}},
  };
  for (const Step& s : steps) {
    QWidget* panel = s.button->parentWidget();
    panel->window()->activateWindow();
    testsupport::Click(s.button);
    // The pointer stays over the button after the click.
    const QPointF at(s.button->width() / 2.0, s.button->height() / 2.0);
    QEnterEvent enter(at, at, s.button->mapToGlobal(at));
    QApplication::sendEvent(s.button, &enter);
    EXPECT_FALSE(s.button->hasFocus()) << s.name;
    EXPECT_NE(QApplication::focusWidget(), s.button) << s.name;
    const QImage picture = panel->grab().toImage();
    const QRect frame = s.button->FrameRect().translated(s.button->pos());
    for (const QLabel* line : s.lines) {
      const QRect text = QFontMetrics(line->font())
                             .boundingRect(line->contentsRect(), static_cast<int>(line->alignment()), line->text())
                             .translated(line->pos());
      EXPECT_FALSE(frame.intersects(text)) << s.name << ": " << line->text().toStdString();
      // No pixel of the frame's white or grey edge inside the text.
      int edge = 0;
      for (int y = text.top(); y <= text.bottom(); ++y)
        for (int x = text.left(); x <= text.right(); ++x) {
          const QRgb c = picture.pixel(x, y) & 0xFFFFFF;
          if (c == 0xFFFFFF || c == 0x808080) ++edge;
        }
      EXPECT_EQ(edge, 0) << s.name << ": " << line->text().toStdString();
    }
    testsupport::SaveScreenshot(panel, QStringLiteral("step-frame-") + QString::fromLatin1(s.name).replace(' ', '-'));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(s.button, &leave);
  }
}
