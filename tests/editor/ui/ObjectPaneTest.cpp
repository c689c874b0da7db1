// The text, date and time panes: step controls with their repeat, Fix
// alignment, proportional sizing, the font chooser, and the date and time
// rows.
#include "EditorFixture.h"
#include "editor/ui/TFrameBearbeitenDatum.h"
#include "editor/ui/TFrameBearbeitenText.h"
#include "editor/ui/TFrameBearbeitenZeit.h"

using namespace editortest;

namespace {

printdata::PrintText OfKind(std::uint8_t kind) {
  printdata::PrintText t;
  t.Layers[0].Kind = kind;
  return t;
}

}  // namespace

class ObjectPane : public EditorFixture {
 protected:
  TFrameBearbeitenText* OpenText(printdata::PrintText t = OfKind(printdata::kKindText)) {
    Open(&t, 0);
    return editor->FrameBearbeitenText;
  }
};

TEST_F(ObjectPane, TypingStoresTheTextAndDrawsItRed) {
  TFrameBearbeitenText* pane = OpenText();
  pane->EditEingabe->setText(QStringLiteral("Gr\u00fcn"));
  EXPECT_EQ(Layer(0).Text, "Gr\xFCn");
  EXPECT_TRUE(LayerHas(0, 255));
  // While the editor loads, the pane shows but does not store.
  editor->Loading = 1;
  pane->EditEingabe->setText(QStringLiteral("X"));
  pane->LabelSchriftHoehe->Tag = 900;
  pane->UpdateFontHeight();
  editor->Loading = 0;
  EXPECT_EQ(Layer(0).Text, "Gr\xFCn");
  EXPECT_EQ(pane->LabelSchriftHoehe->text(), QStringLiteral("500"));
  EXPECT_EQ(Layer(0).Height, 12);
  // The input takes 100 characters.
  pane->EditEingabe->setText(QString(120, QLatin1Char('A')));
  EXPECT_EQ(Layer(0).Text.size(), 100u);
}

TEST_F(ObjectPane, AClickStepsOnceAndALimitShowsAnEmptyButton) {
  printdata::PrintText t = OfKind(printdata::kKindText);
  t.Layers[0].PosX = -599;
  TFrameBearbeitenText* pane = OpenText(t);
  pane->SpeedButtonAusrichtenClick(nullptr);  // Frei
  pane->SpeedButtonPositionXDown->click();
  EXPECT_EQ(Layer(0).PosX, -600);
  EXPECT_EQ(pane->SpeedButtonPositionXDown->Caption(), QString());
  EXPECT_FALSE(pane->SpeedButtonPositionXUp->Caption().trimmed().isEmpty());
  EXPECT_FALSE(pane->TimerHorizontal->isActive());  // the release stopped it
  pane->SpeedButtonPositionXDown->click();
  EXPECT_EQ(Layer(0).PosX, -600);
  pane->SpeedButtonSchriftAbstandDown->click();
  pane->SpeedButtonSchriftAbstandDown->click();
  EXPECT_EQ(Layer(0).Spacing, -1);
}

TEST_F(ObjectPane, HoldingAButtonRepeatsAfterHalfASecond) {
  TFrameBearbeitenText* pane = OpenText();
  pane->SpeedButtonAusrichtenClick(nullptr);  // Frei
  pane->SpeedButtonPositionYUpMouseDown(pane->SpeedButtonPositionYUp);
  EXPECT_TRUE(pane->TimerVertikal->isActive());
  EXPECT_EQ(pane->TimerVertikal->interval(), 500);
  EXPECT_EQ(Layer(0).PosY, 0);  // the press alone changes nothing
  for (int i = 0; i < 60; ++i) pane->TimerVertikalTimer();
  EXPECT_EQ(pane->TimerVertikal->interval(), 25);
  EXPECT_EQ(Layer(0).PosY, 50);
  EXPECT_EQ(pane->SpeedButtonPositionYUp->Caption(), QString());
  pane->SpeedButtonPositionYUpMouseUp(pane->SpeedButtonPositionYUp);
  EXPECT_FALSE(pane->TimerVertikal->isActive());
  EXPECT_EQ(pane->TimerVertikal->interval(), 500);
  pane->SpeedButtonPositionYUpClick(pane->SpeedButtonPositionYUp);  // the release's click
  EXPECT_EQ(Layer(0).PosY, 50);

  pane->SpeedButtonSchriftHoeheDownMouseDown(nullptr);
  pane->TimerHoeheTimer();
  EXPECT_EQ(pane->TimerHoehe->interval(), 125);
  EXPECT_EQ(Layer(0).Height, 11);
  for (int i = 0; i < 20; ++i) pane->TimerHoeheTimer();
  EXPECT_EQ(Layer(0).Height, 1);
  pane->SpeedButtonSchriftHoeheDownMouseUp(nullptr);
}

TEST_F(ObjectPane, WhileFixIsOnPositionButtonsWalkAnchorsAndDoNotRepeat) {
  TFrameBearbeitenText* pane = OpenText();
  ASSERT_EQ(pane->LabelAusrichten->Tag, 1);  // every fill switches Fix on
  EXPECT_EQ(pane->LabelAusrichten->text(), QStringLiteral("Fix"));
  EXPECT_FALSE(pane->PanelAusrichtenShow->isHidden());
  pane->SpeedButtonPositionXUpMouseDown(nullptr);
  EXPECT_FALSE(pane->TimerHorizontal->isActive());
  // Print field 30 mm: 180 dots; the text "ABC" in the layer's font.
  const int w = editor->MeasureText(0, "ABC", 0);
  ASSERT_GT(w, 0);
  pane->SpeedButtonPositionXUpClick(nullptr);
  EXPECT_EQ(Layer(0).PosX, 90 - w / 2);
  pane->SpeedButtonPositionXUpClick(nullptr);
  EXPECT_EQ(Layer(0).PosX, 180 - w);
  pane->SpeedButtonPositionXDownClick(nullptr);
  pane->SpeedButtonPositionXDownClick(nullptr);
  EXPECT_EQ(Layer(0).PosX, 0);
  // Height 12: middle -6, bottom -13.
  pane->SpeedButtonPositionYDownClick(nullptr);
  EXPECT_EQ(Layer(0).PosY, -6);
  pane->SpeedButtonPositionYDownClick(nullptr);
  EXPECT_EQ(Layer(0).PosY, -13);
  pane->SpeedButtonPositionYDownClick(nullptr);
  EXPECT_EQ(Layer(0).PosY, -13);
  pane->SpeedButtonPositionYUpClick(nullptr);
  pane->SpeedButtonPositionYUpClick(nullptr);
  EXPECT_EQ(Layer(0).PosY, 0);
  pane->SpeedButtonAusrichtenClick(nullptr);
  EXPECT_EQ(pane->LabelAusrichten->text(), QStringLiteral("Frei"));
  EXPECT_TRUE(pane->PanelAusrichtenShow->isHidden());
}

TEST_F(ObjectPane, ProportionalSizingKeepsTheRatioRecordedWhenSwitchedOn) {
  TFrameBearbeitenText* pane = OpenText();
  ASSERT_EQ(pane->LabelSchriftProportional->Tag, 1);
  EXPECT_EQ(pane->ProportionalWidth, 7);
  EXPECT_EQ(pane->ProportionalHeight, 12);
  pane->SpeedButtonSchriftBreiteUpClick(nullptr);
  EXPECT_EQ(Layer(0).Width, 8);
  EXPECT_EQ(Layer(0).Height, 13);
  pane->LabelSchriftBreite->Tag = 14;
  pane->UpdateFontWidth();
  EXPECT_EQ(Layer(0).Height, 24);
  pane->LabelSchriftBreite->Tag = 1;
  pane->UpdateFontWidth();
  EXPECT_EQ(Layer(0).Height, 1);
  // A press without a step leaves the other value alone.
  pane->LabelSchriftHoehe->Tag = 13;
  pane->UpdateFontHeight();
  pane->SpeedButtonSchriftBreiteUpMouseDown(nullptr);
  pane->SpeedButtonSchriftBreiteUpMouseUp(nullptr);
  EXPECT_EQ(Layer(0).Height, 13);

  printdata::PrintText t = OfKind(printdata::kKindText);
  t.Layers[0].Height = 500;
  pane = OpenText(t);
  pane->SpeedButtonSchriftBreiteUpClick(nullptr);
  EXPECT_EQ(Layer(0).Height, 500);  // 571 clamped
}

TEST_F(ObjectPane, AFontSizeOfZeroFromAFileDividesNothingByZero) {
  printdata::PrintText t = OfKind(printdata::kKindText);
  t.Layers[0].Width = 0;
  t.Layers[0].Height = -3;
  TFrameBearbeitenText* pane = OpenText(t);
  EXPECT_EQ(pane->LabelSchriftBreite->text(), QStringLiteral("0"));  // shown as read
  EXPECT_EQ(pane->ProportionalWidth, 1);
  EXPECT_EQ(pane->ProportionalHeight, 1);
  pane->SpeedButtonSchriftHoeheUpClick(nullptr);
  EXPECT_EQ(Layer(0).Height, 1);
  EXPECT_EQ(Layer(0).Width, 1);
  pane->SpeedButtonSchriftBreiteUpClick(nullptr);
  EXPECT_EQ(Layer(0).Width, 2);
  EXPECT_EQ(Layer(0).Height, 2);
}

TEST_F(ObjectPane, TheFontChooserIsAskedAndOnlyOkTakesItsChoice) {
  TFrameBearbeitenText* pane = OpenText();
  pane->EditEingabe->setText(QStringLiteral("Probe"));
  fonts.Answer = 2;
  fonts.Width = 30;
  pane->SpeedButtonSchriftArtClick(nullptr);
  EXPECT_EQ(fonts.Shows, 1);
  EXPECT_EQ(fonts.ShownHeight, 12);
  EXPECT_EQ(fonts.ShownWidth, 7);
  EXPECT_EQ(fonts.ShownText, "Probe");
  EXPECT_EQ(Layer(0).Width, 7);
  fonts.Answer = 1;
  fonts.Name = "DejaVu Serif";
  fonts.Style = printdata::kFontBold;
  pane->SpeedButtonSchriftArtClick(nullptr);
  EXPECT_EQ(pane->LabelSchriftArt->text(), QStringLiteral("DejaVu Serif"));
  EXPECT_EQ(Layer(0).FontName, "DejaVu Serif");
  EXPECT_EQ(Layer(0).FontStyle, printdata::kFontBold);
  EXPECT_EQ(Layer(0).Width, 30);
  EXPECT_EQ(Layer(0).Height, 12);  // the height stays, unclamped and unrelated
  // Filling a pane hands the layer's font to the chooser.
  printdata::PrintText t = OfKind(printdata::kKindDate);
  t.Layers[0].FontName = "DejaVu Sans Mono";
  t.Layers[0].FontStyle = printdata::kFontItalic;
  Open(&t, 0);
  EXPECT_EQ(fonts.Name, "DejaVu Sans Mono");
  EXPECT_EQ(fonts.Style, printdata::kFontItalic);
}

TEST_F(ObjectPane, DateRowAppliesTheFormatShownAgainOnEveryChange) {
  printdata::PrintText t = OfKind(printdata::kKindDate);
  t.Layers[0].DateFormat = "MO dd.mm.yyyy (EN)";
  t.Layers[0].DateCode = "\xB1 \xA2.\xC2.\xD3";
  t.Layers[0].WeekdayNames = {"mo", "tu", "we", "th", "fr", "sa", "su"};
  t.Layers[0].WeekdayMask = 3;  // no choice of the pane
  t.Layers[0].DateMode = 7;
  Open(&t, 0);
  TFrameBearbeitenDatum* pane = editor->FrameBearbeitenDatum;
  EXPECT_EQ(pane->LabelDatumFormat->Tag, 38);
  EXPECT_EQ(pane->LabelDatumFormat->text(), QStringLiteral("MO dd.mm.yyyy (EN)"));
  EXPECT_EQ(pane->LabelDatumWechsel->text(), QStringLiteral("T\u00e4glich"));
  EXPECT_EQ(Layer(0).WeekdayMask, 3);  // selecting stores nothing
  EXPECT_EQ(Layer(0).DatePreview, "tu 05.03.2024");
  pane->SpeedButtonDatumFormatUpClick(nullptr);
  EXPECT_EQ(pane->LabelDatumFormat->Tag, 38);
  EXPECT_EQ(pane->SpeedButtonDatumFormatUp->Caption(), QString());
  EXPECT_EQ(Layer(0).WeekdayNames[1], "TU");  // the table's names are back
  EXPECT_EQ(Layer(0).WeekdayMask, 127);
  EXPECT_EQ(Layer(0).DateMode, 0);
  EXPECT_EQ(Layer(0).DatePreview, "TU 05.03.2024");
  // "Montag" holds the date back to Monday.
  for (int i = 0; i < 4; ++i) pane->SpeedButtonDatumWechselUpClick(nullptr);
  EXPECT_EQ(pane->LabelDatumWechsel->text(), QStringLiteral("Montag"));
  EXPECT_EQ(Layer(0).WeekdayMask, 1);
  EXPECT_EQ(Layer(0).DatePreview, "MO 04.03.2024");
  // "Nie": a static date, its text computed once.
  for (int i = 0; i < 10; ++i) pane->SpeedButtonDatumWechselUpClick(nullptr);
  EXPECT_EQ(pane->LabelDatumWechsel->Tag, 11);
  EXPECT_EQ(Layer(0).WeekdayMask, 0);
  EXPECT_EQ(Layer(0).DatePreview, "TU 05.03.2024");
  // The offset re-applies the format too and moves the date.
  pane->SpeedButtonDatumOffsetUpClick(nullptr);
  EXPECT_EQ(Layer(0).DayOffset, 1);
  EXPECT_EQ(Layer(0).DatePreview, "WE 06.03.2024");
  pane->SpeedButtonDatumFormatDownClick(nullptr);
  EXPECT_EQ(Layer(0).DateFormat, "MON dd.mm.yyyy (EN)");
}

TEST_F(ObjectPane, AnUnknownDateFormatShowsTheFirstEntryAndKeepsTheLayers) {
  printdata::PrintText t = OfKind(printdata::kKindDate);
  t.Layers[0].DateFormat = "DD.MM.YYYY";
  t.Layers[0].DateCode = "\xA2/\xC2";
  Open(&t, 0);
  TFrameBearbeitenDatum* pane = editor->FrameBearbeitenDatum;
  EXPECT_EQ(pane->LabelDatumFormat->Tag, 0);
  EXPECT_EQ(pane->LabelDatumFormat->text(), QStringLiteral("dd.mm.yyyy"));
  EXPECT_EQ(Layer(0).DateFormat, "DD.MM.YYYY");
  EXPECT_EQ(Layer(0).DatePreview, "05/03");
  // A shared control stores position and font only.
  pane->SpeedButtonSchriftAbstandUpClick(nullptr);
  EXPECT_EQ(Layer(0).DateCode, "\xA2/\xC2");
  EXPECT_EQ(Layer(0).Spacing, 1);
}

TEST_F(ObjectPane, DateOffsetRepeatsEvery25Milliseconds) {
  printdata::PrintText t = OfKind(printdata::kKindDate);
  t.Layers[0].DayOffset = 798;
  Open(&t, 0);
  TFrameBearbeitenDatum* pane = editor->FrameBearbeitenDatum;
  pane->SpeedButtonDatumOffsetUpMouseDown(nullptr);
  for (int i = 0; i < 5; ++i) pane->TimerOffsetTimer();
  EXPECT_EQ(pane->TimerOffset->interval(), 25);
  EXPECT_EQ(Layer(0).DayOffset, 800);
  EXPECT_EQ(pane->SpeedButtonDatumOffsetUp->Caption(), QString());
  pane->SpeedButtonDatumOffsetUpMouseUp(nullptr);
}

TEST_F(ObjectPane, TimeRowShowsOffsetsInMinutesAndStoresItsChoices) {
  Open(nullptr, 0);
  editor->LabelObjektTyp->Tag = printdata::kKindTime;
  editor->ShowObjectFrame();
  TFrameBearbeitenZeit* pane = editor->FrameBearbeitenZeit;
  EXPECT_FALSE(pane->isHidden());
  EXPECT_EQ(Layer(0).TimePreview, "13:05:09");
  struct Case {
    int offset;
    const char* shown;
  } cases[] = {{0, "0"},         {60, "1"},      {3540, "59"},  {3600, "01:00"}, {86340, "23:59"},
               {86399, "23:59"}, {-60, "-1"},    {-5400, "-01:30"}, {-30, "-0"}, {90000, "23:59"}};
  for (const Case& c : cases) {
    pane->LabelZeitOffset->Tag = c.offset;
    pane->UpdateTimeOffset();
    EXPECT_EQ(pane->LabelZeitOffset->text(), QString::fromLatin1(c.shown)) << c.offset;
  }
  EXPECT_EQ(Layer(0).TimeOffset, 86399);
  pane->LabelZeitOffset->Tag = 0;
  pane->UpdateTimeOffset();
  pane->SpeedButtonZeitOffsetUpMouseDown(nullptr);
  pane->TimerOffsetTimer();
  pane->TimerOffsetTimer();
  pane->SpeedButtonZeitOffsetUpMouseUp(nullptr);
  EXPECT_EQ(Layer(0).TimeOffset, 120);
  EXPECT_EQ(Layer(0).TimePreview, "13:07:09");
  // "Nie" stores -1 and fixes the text; the format's step comes with it.
  for (int i = 0; i < 5; ++i) pane->SpeedButtonZeitWechselUpClick(nullptr);
  EXPECT_EQ(Layer(0).Interval, -1);
  for (int i = 0; i < 12; ++i) pane->SpeedButtonZeitFormatUpClick(nullptr);
  EXPECT_EQ(pane->LabelZeitFormat->Tag, 11);
  EXPECT_EQ(Layer(0).TimeFormat, "MORGEN/NACHMITTAG");
  EXPECT_EQ(Layer(0).TimeStep, 3600);
  EXPECT_EQ(Layer(0).TimePreview, "NACHMITTAG");
  EXPECT_EQ(pane->FindTimeFormat("MORGEN/NACHMITTAG"), 11);
}

TEST_F(ObjectPane, ATimeLayerWithAnOddIntervalShowsContinuousAndStoresZero) {
  printdata::PrintText t = OfKind(printdata::kKindTime);
  t.Layers[0].Interval = 45;
  Open(&t, 0);
  TFrameBearbeitenZeit* pane = editor->FrameBearbeitenZeit;
  EXPECT_EQ(pane->LabelZeitWechsel->text(), QStringLiteral("Forlaufend"));
  EXPECT_EQ(Layer(0).Interval, 45);
  pane->SpeedButtonZeitOffsetDownClick(nullptr);
  EXPECT_EQ(Layer(0).Interval, 0);
  EXPECT_EQ(Layer(0).TimeOffset, -60);
}
