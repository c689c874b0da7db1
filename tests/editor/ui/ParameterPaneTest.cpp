// The parameters pane: ranges, rows, totals, the auto-repeat and the
// protection of the parameters.
#include "EditorFixture.h"
#include "rendering/ParameterValues.h"
#include "editor/ui/TFrameBearbeitenParameter.h"
#include "editor/ui/TFrameBearbeitenVorschau.h"

using namespace editortest;
using editor::kX2;

class ParameterPane : public EditorFixture {
 protected:
  TFrameBearbeitenParameter* OpenParameters(const printdata::PrintText& t = {}) {
    Open(&t, 5);
    return editor->FrameBearbeitenParameter;
  }
  const printdata::ParameterSetX& X1() const { return editor->WorkText.Parameters.X1; }
};

TEST_F(ParameterPane, CountsDecideTheRowsAndHeights) {
  TFrameBearbeitenParameter* p = OpenParameters();
  EXPECT_EQ(p->PanelParameter->height(), 131);
  EXPECT_TRUE(p->Values[editor::kAbstand].Panel->isHidden());
  EXPECT_TRUE(p->Values[editor::kAnzahl2].Panel->isHidden());
  p->Up(p->Values[editor::kAnzahl].Up);
  EXPECT_EQ(p->PanelParameter->height(), 187);
  EXPECT_FALSE(p->Values[editor::kAbstand].Panel->isHidden());
  EXPECT_FALSE(p->Values[editor::kAnzahl2].Panel->isHidden());
  EXPECT_TRUE(p->Values[editor::kAbstand2].Panel->isHidden());
  p->Up(p->Values[editor::kAnzahl2].Up);
  EXPECT_EQ(p->PanelParameter->height(), 243);
  p->Down(p->Values[editor::kAnzahl].Down);
  EXPECT_EQ(p->PanelParameter->height(), 131);
  EXPECT_EQ(X1().Anzahl2, 2);  // hidden, kept, and counted in the total
  EXPECT_EQ(p->LabelParameterTitel->text(), QStringLiteral("Parameter  -  Gesamtl\u00e4nge 80.0 mm"));
}

TEST_F(ParameterPane, PrintLengthLimitsAndThePrintField) {
  printdata::PrintText t;
  t.Parameters.X1.Drucklaenge = 10;
  TFrameBearbeitenParameter* p = OpenParameters(t);
  EXPECT_EQ(p->Values[editor::kDrucklaenge].Down->Caption(), QString());
  p->Down(p->Values[editor::kDrucklaenge].Down);
  EXPECT_EQ(X1().Drucklaenge, 10);
  EXPECT_EQ(editor->FrameBearbeitenVorschau->Images.Field.Width(), 6);
  p->LabelDrucklaenge->Tag = 99;
  p->Up(p->Values[editor::kDrucklaenge].Up);
  EXPECT_EQ(X1().Drucklaenge, 1000);
  EXPECT_EQ(p->Values[editor::kDrucklaenge].Up->Caption(), QString());
  EXPECT_EQ(p->LabelDrucklaenge->text(), QStringLiteral("100 mm"));
  EXPECT_EQ(editor->FrameBearbeitenVorschau->Images.Field.Width(), 600);
  EXPECT_EQ(editor->FrameBearbeitenVorschau->Images.Layers[4].Width(), 600);
  // The wide group rows show plain signs.
  EXPECT_EQ(p->Values[editor::kAnzahl2].Up->Caption(), QStringLiteral("+"));
  p->Lage(p->SpeedButtonLage);
  EXPECT_EQ(X1().Lage, 180);
  EXPECT_EQ(p->LabelLage->text(), QStringLiteral("180 \u00b0"));
  p->Lage(p->SpeedButtonLage);
  EXPECT_EQ(X1().Lage, 0);
}

TEST_F(ParameterPane, AHeldDistanceRunsInTenthsAndRefreshesAtWholeMillimetres) {
  printdata::PrintText t;
  t.Parameters.X1.Anzahl = 2;
  TFrameBearbeitenParameter* p = OpenParameters(t);
  QObject* plus = p->Values[editor::kAbstand].Up;
  p->FastStart(plus);
  EXPECT_TRUE(p->TimerFast->isActive());
  EXPECT_EQ(p->TimerFast->interval(), 500);
  for (int i = 0; i < 9; ++i) p->TimerFastTimer();
  EXPECT_EQ(p->TimerFast->interval(), 10);
  EXPECT_EQ(p->LabelAbstand->Tag, 109);
  EXPECT_EQ(p->LabelAbstand->text(), QStringLiteral("10.0 mm"));  // not refreshed yet
  EXPECT_EQ(X1().Abstand, 100);
  p->TimerFastTimer();
  EXPECT_EQ(p->LabelAbstand->text(), QStringLiteral("11.0 mm"));
  EXPECT_EQ(X1().Abstand, 110);
  p->TimerFastTimer();
  p->TimerFastTimer();
  p->TimerFastTimer();
  // Released away from the button: no click follows, the value is stored.
  p->FastEnd(plus);
  EXPECT_FALSE(p->TimerFast->isActive());
  EXPECT_EQ(p->TimerFast->interval(), 500);
  EXPECT_EQ(p->RepeatButton, nullptr);
  EXPECT_EQ(X1().Abstand, 113);
  EXPECT_EQ(p->LabelAbstand->text(), QStringLiteral("11.3 mm"));
  // Released over it: the click adds its own step.
  p->FastStart(plus);
  p->TimerFastTimer();
  p->FastEnd(plus);
  p->Up(plus);
  EXPECT_EQ(X1().Abstand, 115);
  EXPECT_EQ(p->LabelAbstand->text(), QStringLiteral("11.5 mm"));
}

TEST_F(ParameterPane, AHeldDistanceNeverShowsBelowZero) {
  printdata::PrintText t;
  t.Parameters.X1.Anzahl = 2;
  t.Parameters.X1.Abstand = 3;
  TFrameBearbeitenParameter* p = OpenParameters(t);
  QObject* minus = p->Values[editor::kAbstand].Down;
  p->FastStart(minus);
  for (int i = 0; i < 25; ++i) p->TimerFastTimer();
  p->FastEnd(minus);
  EXPECT_EQ(X1().Abstand, 0);
  EXPECT_EQ(p->LabelAbstand->text(), QStringLiteral("0.0 mm"));
}

TEST_F(ParameterPane, HeldLengthsStepAMillimetreEvery100Milliseconds) {
  TFrameBearbeitenParameter* p = OpenParameters();
  QObject* plus = p->Values[editor::kVorlauf].Up;
  p->FastStart(plus);
  p->TimerFastTimer();
  p->TimerFastTimer();
  EXPECT_EQ(p->TimerFast->interval(), 100);
  EXPECT_EQ(X1().Vorlauf, 20);
  p->FastEnd(plus);
}

TEST_F(ParameterPane, ProtectedParametersInModeZeroRefuseStepsCopiesSwapsAndResets) {
  host.Mode = 0;
  data.ParametersLocked = true;
  printdata::PrintText t;
  t.Parameters.X2.Drucklaenge = 500;
  t.Parameters.Y.AnzahlZ = 3;
  TFrameBearbeitenParameter* p = OpenParameters(t);
  EXPECT_EQ(p->Values[editor::kVorlauf].Panel->Color(), 0xF0F0F0u);  // the locked look
  const printdata::PrintParameters before = editor->WorkText.Parameters;
  p->Up(p->Values[editor::kDrucklaenge].Up);
  p->Lage(p->SpeedButtonLage);
  p->FastStart(p->Values[editor::kVorlauf].Up);
  EXPECT_FALSE(p->TimerFast->isActive());
  p->SpeedButtonKopierenX1X2Click(p->SpeedButtonKopierenX1X2);
  p->SpeedButtonKopierenX2X1Click(p->SpeedButtonKopierenX2X1);
  p->SpeedButtonTauschenX1X2Click(p->SpeedButtonTauschenX1X2);
  p->SpeedButtonLoeschenX1Click(p->SpeedButtonLoeschenX1);
  p->SpeedButtonLoeschenX2Click(p->SpeedButtonLoeschenX2);
  p->SpeedButtonLoeschenZClick(p->SpeedButtonLoeschenZ);
  EXPECT_EQ(editor->WorkText.Parameters, before);
  EXPECT_EQ(host.Notices.size(), 8u);
  EXPECT_EQ(host.Notices[0], p->LabelParameterTitel->text());
  // The switch only shows more or less.
  p->SpeedButtonMoreLessClick(nullptr);
  EXPECT_FALSE(p->ExtendedView());
  EXPECT_EQ(host.Notices.size(), 8u);

  // In the higher modes the same data can be changed.
  host.Mode = 1;
  p = OpenParameters(t);
  EXPECT_EQ(p->Values[editor::kVorlauf].Panel->Color(), 13149858u);
  p->SpeedButtonKopierenX2X1Click(p->SpeedButtonKopierenX2X1);
  EXPECT_EQ(X1().Drucklaenge, 500);
  EXPECT_EQ(host.Notices.size(), 8u);
}

TEST_F(ParameterPane, ExtendedViewCopySwapAndReset) {
  printdata::PrintText t;
  t.Parameters.Y.AnzahlZ = 2;
  TFrameBearbeitenParameter* p = OpenParameters(t);
  EXPECT_TRUE(p->ExtendedView());
  EXPECT_FALSE(p->PanelParameterX2->isHidden());
  EXPECT_FALSE(p->PanelParameterZ->isHidden());
  EXPECT_EQ(p->PanelParameterZ->height(), 131);
  EXPECT_EQ(p->LabelParameterTitel->text(), QStringLiteral("Parameter X1  -  Gesamtl\u00e4nge 30.0 mm"));
  EXPECT_EQ(p->LabelParameterZTitel->text(), QStringLiteral("Parameter Y  -  Gesamtl\u00e4nge 0.0 mm"));
  p->Up(p->Values[editor::kDrucklaenge].Up);
  p->Up(p->Values[editor::kAnzahl].Up);
  p->SpeedButtonKopierenX1X2Click(nullptr);
  p->SpeedButtonTauschenX1X2Click(nullptr);
  EXPECT_EQ(editor->WorkText.Parameters.X1, editor->WorkText.Parameters.X2);
  EXPECT_EQ(editor->WorkText.Parameters.X2.Drucklaenge, 310);
  p->SpeedButtonLoeschenX2Click(nullptr);
  EXPECT_EQ(editor->WorkText.Parameters.X2, printdata::ParameterSetX{});
  p->SpeedButtonLoeschenZClick(nullptr);
  EXPECT_EQ(editor->WorkText.Parameters.Y, printdata::ParameterSetY{});
  p->SpeedButtonMoreLessClick(nullptr);
  EXPECT_FALSE(p->ExtendedView());
  EXPECT_TRUE(p->PanelParameterX2->isHidden());
  EXPECT_EQ(p->LabelParameterTitel->text(), QStringLiteral("Parameter  -  Gesamtl\u00e4nge 72.0 mm"));
}
