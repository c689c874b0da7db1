// The controller forms: clock, print counter and pulse timing, fed by the
// display steps from a mirror.
#include <gtest/gtest.h>

#include <QImage>

#include "FormFixture.h"
#include "platform/qt/Colour.h"
#include "platform/qt/NamedColours.h"
#include "printerlink/thread/DisplayRules.h"
#include "printerlink/thread/PrinterWindowState.h"
#include "printersettings/ui/TFormPrinterSteuerungCounter.h"
#include "printersettings/ui/TFormPrinterSteuerungPulsdauer.h"
#include "printersettings/ui/TFormPrinterSteuerungUhr.h"
#include "support/qt/Mouse.h"

using namespace settingstest;
using printerthread::kOfferedColour;
using printerthread::kWithheldColour;

namespace {

class ControllerForms : public FormFixture {
 protected:
  void TearDown() override {
    uhr.reset();
    counter.reset();
    puls.reset();
    FormFixture::TearDown();
  }
  std::unique_ptr<TFormPrinterSteuerungUhr> uhr = std::make_unique<TFormPrinterSteuerungUhr>(nullptr, board.Clock);
  std::unique_ptr<TFormPrinterSteuerungCounter> counter =
      std::make_unique<TFormPrinterSteuerungCounter>(nullptr, board.Counter);
  std::unique_ptr<TFormPrinterSteuerungPulsdauer> puls =
      std::make_unique<TFormPrinterSteuerungPulsdauer>(nullptr, board.PulseDuration);
};

QString Row(const TFormPrinterSteuerungPulsdauer& f, int row) { return f.Values[static_cast<std::size_t>(row)]->text(); }

}  // namespace

TEST_F(ControllerForms, TheClockCanOnlyBeSetFromThePc) {
  mirror.ClockText = "13.12.2026   09:07:05";
  mirror.PcClockText = "13.12.2026   09:07:09";
  Refresh();
  uhr->show();
  EXPECT_EQ(uhr->Label0->text(), QStringLiteral("13.12.2026   09:07:05"));
  EXPECT_EQ(uhr->Label1->text(), QStringLiteral("13.12.2026   09:07:09"));
  EXPECT_EQ(uhr->EditClockChoice, 0);
  EXPECT_EQ(uhr->Panel0->Color(), kOfferedColour);
  EXPECT_FALSE(platform::OwnEnabled(uhr->SpeedButtonOK));
  Key(uhr.get(), Qt::Key_Return);  // "Steuerung" cannot be confirmed
  EXPECT_TRUE(uhr->isVisible());
  uhr->SpeedButton1->click();
  EXPECT_EQ(uhr->Panel1->Color(), kOfferedColour);
  EXPECT_TRUE(platform::OwnEnabled(uhr->SpeedButtonOK));
  mode = 0;  // the user may choose but not confirm
  uhr->UpdateView();
  EXPECT_FALSE(platform::OwnEnabled(uhr->SpeedButtonOK));
  // Shown again: back at "Steuerung".
  uhr->hide();
  uhr->show();
  EXPECT_EQ(uhr->EditClockChoice, 0);
  Reset();
  EXPECT_EQ(uhr->Label0->text(), QStringLiteral("?"));
}

TEST_F(ControllerForms, CounterIncrementAndReset) {
  mirror.CounterIncrement = 1;
  mirror.CounterText = "4711";
  Refresh();
  EXPECT_FALSE(printerthread::PrinterWindows().CounterFormVisible);
  counter->show();
  EXPECT_TRUE(printerthread::PrinterWindows().CounterFormVisible);
  EXPECT_EQ(counter->LabelStand->text(), QStringLiteral("4711"));
  EXPECT_EQ(counter->LabelInkrement->text(), QStringLiteral("1"));
  EXPECT_EQ(counter->SpeedButtonDownInkrement->Caption(), QString());
  counter->SpeedButtonDownInkrement->click();
  EXPECT_EQ(counter->EditIncrement, 1);
  counter->SpeedButtonUpInkrement->click();
  counter->SpeedButtonUpInkrement->click();
  // A change chosen and not sent: the count in parentheses, also as the
  // printer thread writes it.
  EXPECT_EQ(counter->LabelStand->text(), QStringLiteral("(4711)"));
  mirror.CounterText = "4712";
  Refresh();
  EXPECT_EQ(counter->LabelStand->text(), QStringLiteral("(4712)"));
  counter->SpeedButtonReset->click();
  EXPECT_EQ(counter->PanelReset->Color(), kOfferedColour);
  counter->RaiseRequest();
  auto r = board.Counter.Take();
  ASSERT_TRUE(r);
  EXPECT_EQ(r->EditIncrement, 3);
  EXPECT_EQ(r->EditCounterReset, 1);
  counter->SpeedButtonReset->click();  // twice: off again
  EXPECT_EQ(counter->EditCounterReset, 0);
  EXPECT_EQ(counter->PanelReset->Color(), kWithheldColour);
  counter->EditIncrement = 77;
  counter->UpdateView();
  EXPECT_EQ(counter->EditIncrement, 50);
  EXPECT_EQ(counter->SpeedButtonUpInkrement->Caption(), QString());
  counter->hide();
  EXPECT_FALSE(printerthread::PrinterWindows().CounterFormVisible);
  EXPECT_EQ(counter->LabelStand->text(), QStringLiteral("(4712)"));
  Refresh();
  EXPECT_EQ(counter->LabelStand->text(), QStringLiteral("4712"));
}

TEST_F(ControllerForms, PulseLimitsAndRowsByFirmware) {
  // 0x480: the rows are there but pinned, the pulse runs 1 to 40.
  mirror.CliWord = 0x480;
  mirror.Pulse = 45;
  mirror.PulsePause = 18;
  mirror.PrePulse = 6;
  mirror.RefreshPulse = 60;
  mirror.InkQuantity = 1;
  Refresh();
  puls->show();
  EXPECT_EQ(Row(*puls, 0), QStringLiteral("4.0 µs"));
  EXPECT_EQ(Row(*puls, 1), QStringLiteral("0.0 µs"));
  EXPECT_EQ(Row(*puls, 2), QStringLiteral("0.0 µs"));
  EXPECT_EQ(Row(*puls, 3), QStringLiteral("6.0 µs"));
  EXPECT_EQ(Row(*puls, 4), QStringLiteral("1x"));
  for (int row = 1; row < 5; ++row) EXPECT_TRUE(puls->Panels[static_cast<std::size_t>(row)]->isEnabled()) << row;
  EXPECT_EQ(puls->DownButtons[1]->Caption(), QString());
  EXPECT_EQ(puls->UpButtons[1]->Caption(), QString());
  // Only preset 1 (13 / 0 / 0 / 0 / 0) can match.
  puls->PresetButtons[2]->click();
  EXPECT_EQ(puls->EditPulse, 13);
  EXPECT_EQ(puls->PresetPanels[0]->Color(), kOfferedColour);
  EXPECT_EQ(puls->PresetPanels[2]->Color(), platform::colours::kLightGrey);

  // No printer: the classic limits, only "Puls" and preset 1.
  puls->hide();
  Reset();
  puls->show();
  EXPECT_EQ(Row(*puls, 0), QStringLiteral("1.0 µs"));
  for (int row = 1; row < 5; ++row) EXPECT_FALSE(puls->Panels[static_cast<std::size_t>(row)]->isEnabled()) << row;
  EXPECT_TRUE(puls->PresetPanels[0]->isEnabled());
  for (int p = 1; p < 4; ++p) EXPECT_FALSE(puls->PresetPanels[static_cast<std::size_t>(p)]->isEnabled()) << p;
}

TEST_F(ControllerForms, PulsePresetsAndValues) {
  mirror.CliWord = 0x400;
  mirror.Pulse = 5;  // shown and sent as 1.0 us
  mirror.PulsePause = mirror.PrePulse = mirror.RefreshPulse = mirror.InkQuantity = 0;
  Refresh();
  puls->show();
  EXPECT_EQ(puls->EditPulse, 10);
  EXPECT_EQ(puls->DownButtons[0]->Caption(), QString());
  EXPECT_EQ(puls->UpButtons[0]->Caption(), QString(20, QLatin1Char(' ')) + QStringLiteral("+"));
  EXPECT_EQ(puls->UpButtons[4]->Caption(), QString(20, QLatin1Char(' ')) + QStringLiteral(">"));
  puls->PresetButtons[2]->click();  // "Konfiguration 3"
  EXPECT_EQ(Row(*puls, 0), QStringLiteral("2.5 µs"));
  EXPECT_EQ(Row(*puls, 1), QStringLiteral("1.8 µs"));
  EXPECT_EQ(Row(*puls, 2), QStringLiteral("0.6 µs"));
  EXPECT_EQ(Row(*puls, 3), QStringLiteral("0.6 µs"));
  EXPECT_EQ(Row(*puls, 4), QStringLiteral("1x"));
  EXPECT_EQ(puls->PresetPanels[2]->Color(), kOfferedColour);
  EXPECT_EQ(puls->PresetCaptions[3]->text(), QStringLiteral("2x 06/18/25/06"));
  // By hand to 25 / 18 / 6 / 0 / 0: "Konfiguration 2" lights.
  for (int i = 0; i < 6; ++i) puls->DownButtons[3]->click();
  EXPECT_EQ(puls->PresetPanels[1]->Color(), kOfferedColour);
  EXPECT_EQ(puls->PresetPanels[2]->Color(), platform::colours::kLightGrey);
  puls->RaiseRequest();
  auto r = board.PulseDuration.Take();
  ASSERT_TRUE(r);
  EXPECT_EQ(r->EditPulse, 25);
  EXPECT_EQ(r->EditPulsePause, 18);
  EXPECT_EQ(r->EditPrePulse, 6);
  EXPECT_EQ(r->EditRefresh, 0);
  EXPECT_EQ(r->EditInkQuantity, 0);
}

TEST_F(ControllerForms, PulseNeedsATechnician) {
  mirror.CliWord = 0x400;
  Refresh();
  for (int m : {0, 1}) {
    mode = m;
    puls->show();
    EXPECT_FALSE(platform::OwnEnabled(puls->SpeedButtonOK)) << m;
    testsupport::Click(puls->SpeedButtonOK);
    puls->hide();
  }
  ASSERT_EQ(notices.size(), 2u);
  EXPECT_EQ(notices[1].text, QStringLiteral("Kann von Benutzer und Administrator nicht ausgeführt werden!"));
  EXPECT_EQ(notices[1].title, QStringLiteral("OK"));
  mode = 2;
  puls->show();
  EXPECT_TRUE(platform::OwnEnabled(puls->SpeedButtonOK));
}

TEST_F(ControllerForms, TheExpertPanel) {
  puls->show();
  EXPECT_FALSE(puls->PanelKonfiguration->isVisible());
  EXPECT_EQ(puls->width(), 585);
  puls->SpeedButtonExperte->click();
  EXPECT_TRUE(puls->PanelKonfiguration->isVisible());
  EXPECT_EQ(puls->PanelExperte->Color(), kOfferedColour);
  EXPECT_EQ(puls->width(), 777);
  puls->hide();
  EXPECT_EQ(puls->SetExpertPanel(0), 0);
  puls->show();
  EXPECT_FALSE(puls->PanelKonfiguration->isVisible());
  EXPECT_EQ(puls->PanelExperte->Color(), kWithheldColour);
  puls->hide();
  EXPECT_EQ(puls->SetExpertPanel(1), 1);  // as the settings hard copy does
  puls->show();
  EXPECT_TRUE(puls->PanelKonfiguration->isVisible());
  // Centred at the width the expert panel gave it as it opened.
  const QRect f = puls->frameGeometry();
  EXPECT_EQ(f.left(), mainFrame.left() + mainFrame.width() / 2 - f.width() / 2);
  puls->hide();
  puls->PrepareForTile();  // the tile always opens it without
  EXPECT_EQ(puls->ExpertPanelVisible, 0);
}

TEST_F(ControllerForms, ThePulseDiagramIsDrawnToItsGeometry) {
  mirror.CliWord = 0x400;
  mirror.Pulse = 25;
  mirror.PulsePause = 18;
  mirror.PrePulse = 6;
  mirror.RefreshPulse = 6;
  mirror.InkQuantity = 0;
  Refresh();
  puls->show();
  const QImage pulse = puls->ImagePuls->pixmap().toImage();
  ASSERT_EQ(pulse.size(), QSize(569, 48));
  auto at = [](const QImage& image, int x, int y) { return platform::ToVclColor(image.pixelColor(x, y)); };
  const std::uint32_t white = 0xFFFFFF, black = 0, red = 0x0000FF, green = 0x008000, blue = 0xFF0000;
  // Low at 40, high at 8; 3 pixels per 0.1 us; a 3-pixel pen.
  EXPECT_EQ(at(pulse, 18, 40), black);  // 20 pixels of base line from x 8
  EXPECT_EQ(at(pulse, 18, 39), black);
  EXPECT_EQ(at(pulse, 18, 37), white);
  EXPECT_EQ(at(pulse, 28, 24), red);    // up at 28
  EXPECT_EQ(at(pulse, 37, 8), red);     // pre-pulse 6: 18 pixels high
  EXPECT_EQ(at(pulse, 37, 24), white);
  EXPECT_EQ(at(pulse, 46, 24), red);    // down at 46
  EXPECT_EQ(at(pulse, 73, 40), green);  // pause 18: 54 pixels low
  EXPECT_EQ(at(pulse, 73, 8), white);
  EXPECT_EQ(at(pulse, 100, 24), blue);  // up at 100
  EXPECT_EQ(at(pulse, 137, 8), blue);   // pulse 25: 75 pixels high
  EXPECT_EQ(at(pulse, 175, 24), blue);  // down at 175
  EXPECT_EQ(at(pulse, 195, 40), black); // 40 pixels of base line
  EXPECT_EQ(at(pulse, 220, 40), white);
  const QImage refresh = puls->ImageAuffrischen->pixmap().toImage();
  EXPECT_EQ(at(refresh, 37, 8), red);
  EXPECT_EQ(at(refresh, 46, 24), red);
  EXPECT_EQ(at(refresh, 66, 40), black);
  // A refresh of 0 leaves its picture white.
  puls->DownButtons[3]->click();
  puls->DownButtons[3]->click();
  puls->DownButtons[3]->click();
  puls->DownButtons[3]->click();
  puls->DownButtons[3]->click();
  puls->DownButtons[3]->click();
  const QImage none = puls->ImageAuffrischen->pixmap().toImage();
  for (int x = 0; x < 569; x += 7)
    for (int y = 0; y < 48; y += 3) ASSERT_EQ(at(none, x, y), white) << x << "," << y;
}
