// A setting form that widens while it is shown stays whole on the usable
// part of the screen: the operator-panel option form opens narrow, centred,
// and grows to the display unit's and the signal unit's panels as the
// operator picks them. CTest runs it on a 1280 x 1024 and on a 1024 x 768
// screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <string>
#include <vector>

#include "../AppFixture.h"
#include "Xcb.h"
#include "app/Konfig.h"
#include "app/TForm_Main.h"
#include "platform/LineFile.h"
#include "platform/qt/FramePlace.h"
#include "printersettings/ui/TFormPrinterBedienteilOption.h"

namespace {

std::string Text(const QRect& r) {
  return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
         std::to_string(r.height());
}

// Where the X server has `part` of the shown `form`.
QRect OnScreen(TFormPrinterBedienteilOption* form, QWidget* part) {
  return {x11test::ClientOnScreen(form) + part->mapTo(form, QPoint(0, 0)), part->size()};
}

class GrowingForm : public apptest::AppFixture {};

}  // namespace

TEST_F(GrowingForm, TheOptionFormStaysWholeOnTheScreenAsItWidens) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  // The main window in the middle of the screen.
  const QSize main(900, 700);
  const QPoint mainAt = area.center() - QPoint(main.width() / 2, main.height() / 2);
  WriteFile(ConfigFile("Window23.ini"),
            platform::JoinLines({"V04.00", "0", std::to_string(mainAt.x()), std::to_string(mainAt.y()),
                                 std::to_string(main.width()), std::to_string(main.height()), "0", "0", "0", "0", "0",
                                 "0", "0", "0", "0", "2"}));
  ASSERT_EQ(app::ReadWindowConfig(), 0);
  TFormPrinterBedienteilOption* form = FormPrinterBedienteilOption;
  ASSERT_TRUE(form);
  form->show();
  // Narrow (no unit known yet), centred on the main window, and framed by
  // the window manager before the operator picks a unit. The program learns
  // of the frame from the window manager's reports, after the server has
  // it; an operator's click comes long after those, so the test waits until
  // the program sees the frame that the server shows.
  ASSERT_EQ(form->width(), 201);
  ASSERT_TRUE(apptest::PumpUntil(
      [form] {
        const QRect frame = x11test::FrameOnScreen(form);
        return frame.width() > form->width() && frame.height() > form->height() &&
               platform::FrameGeometry(form) == frame;
      },
      5));
  const QRect opened = x11test::FrameOnScreen(form);
  ASSERT_GT(opened.left() + 789, area.right()) << "would not grow past the edge: " << Text(opened);

  // The display unit in mode 2, with its editable rows; then the signal unit.
  const struct {
    int width;
    std::vector<QWidget*> parts;
    const char* name;
  } steps[] = {
      {789,
       {form->DisplayRows[0].down, form->DisplayRows[0].up, form->DisplayRows[3].up, form->Row30.up, form->PanelOK,
        form->PanelAbbrechen},
       "option-form-display-unit"},
      {981, {form->StateColumns[4].lamp.up, form->StateColumns[4].alarm, form->PanelAbbrechen}, "option-form-signal-unit"},
  };
  form->SpeedButtonUp3->click();
  form->SpeedButtonUp3->click();
  form->SpeedButtonUp3->click();
  for (const auto& step : steps) {
    if (step.width == 981) form->SpeedButtonUp4->click();
    ASSERT_EQ(form->width(), step.width);
    // Settled: the program has read every report the server sent (a late
    // report of the growing resize can still move the form), and its frame
    // is the server's.
    auto whole = [&] {
      QGuiApplication::sync();
      const QRect frame = x11test::FrameOnScreen(form);
      if (frame.width() <= step.width || !area.contains(frame) || platform::FrameGeometry(form) != frame) return false;
      for (QWidget* part : step.parts)
        if (!area.contains(OnScreen(form, part))) return false;
      return true;
    };
    EXPECT_TRUE(apptest::PumpUntil(whole, 5))
        << step.name << ": " << Text(x11test::FrameOnScreen(form)) << " on " << Text(area);
    for (QWidget* part : step.parts)
      EXPECT_TRUE(area.contains(OnScreen(form, part)))
          << step.name << ": " << part->objectName().toStdString() << " at " << Text(OnScreen(form, part));
    x11test::ScreenShot(step.name);
  }
  form->hide();
}
