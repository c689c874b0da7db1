#include "editor/ui/TFrameBearbeitenDatum.h"

#include "rendering/DateCode.h"
#include "rendering/FormatLookup.h"
#include "editor/ui/PaneLook.h"
#include "editor/ui/TFrameBearbeiten.h"
#include "platform/qt/LanguageTexts.h"
#include "platform/qt/TextCodec.h"

namespace {
constexpr editor::StepRange kChangeRange{0, 11};
}

TFrameBearbeitenDatum::TFrameBearbeitenDatum(TFrameBearbeiten* editor, QWidget* parent)
    : PositionFontPane(editor, parent, QStringLiteral("FrameBearbeitenDatum")),
      ChangeTexts{QStringLiteral("T\u00e4glich"), QStringLiteral("Montag/Donnerstag"), QStringLiteral("Dienstag/Freitag"),
                  QStringLiteral("Mittwoch/Samstag"), QStringLiteral("Montag"), QStringLiteral("Dienstag"),
                  QStringLiteral("Mittwoch"), QStringLiteral("Donnerstag"), QStringLiteral("Freitag"),
                  QStringLiteral("Samstag"), QStringLiteral("Sonntag"), QStringLiteral("Nie")} {
  PanelDatum = editor::ui::AddPaneRow(this, QStringLiteral("PanelDatum"), QStringLiteral("LabelDatumTitel"),
                                      QStringLiteral("Datum"), &LabelDatumTitel);
  offset_.Control = editor::ui::AddStepControl(PanelDatum, QStringLiteral("PanelDatumOffset"), QStringLiteral("Offset"),
                                               QStringLiteral("-"), QStringLiteral("+"));
  change_ = editor::ui::AddStepControl(PanelDatum, QStringLiteral("PanelDatumWechsel"), QStringLiteral("Wechsel"),
                                       QStringLiteral("<"), QStringLiteral(">"));
  format_ = editor::ui::AddStepControl(PanelDatum, QStringLiteral("PanelDatumFormat"), QStringLiteral("Format"),
                                       QStringLiteral("<"), QStringLiteral(">"));
  PanelDatumOffset = offset_.Control.Panel;
  LabelDatumOffsetTitel = offset_.Control.Title;
  LabelDatumOffset = offset_.Control.Value;
  SpeedButtonDatumOffsetDown = offset_.Control.Down;
  SpeedButtonDatumOffsetUp = offset_.Control.Up;
  PanelDatumWechsel = change_.Panel;
  LabelDatumWechselTitel = change_.Title;
  LabelDatumWechsel = change_.Value;
  SpeedButtonDatumWechselDown = change_.Down;
  SpeedButtonDatumWechselUp = change_.Up;
  PanelDatumFormat = format_.Panel;
  LabelDatumFormatTitel = format_.Title;
  LabelDatumFormat = format_.Value;
  SpeedButtonDatumFormatDown = format_.Down;
  SpeedButtonDatumFormatUp = format_.Up;

  TimerOffset = editor::ui::AddRepeatTimer(this, "TimerOffset");
  offset_.Timer = TimerOffset;
  offset_.RepeatMs = editor::kOffsetRepeatMs;
  offset_.Update = [this] { UpdateDayOffset(); };
  offset_.TickUpdatesOnlyWhenShown = true;
  using D = TFrameBearbeitenDatum;
  auto h = [this](void (D::*f)(QObject*)) { return Handler([this, f](QObject* s) { (this->*f)(s); }); };
  Wire(offset_, h(&D::SpeedButtonDatumOffsetDownClick), h(&D::SpeedButtonDatumOffsetUpClick),
       h(&D::SpeedButtonDatumOffsetDownMouseDown), h(&D::SpeedButtonDatumOffsetUpMouseDown),
       h(&D::SpeedButtonDatumOffsetDownMouseUp), h(&D::SpeedButtonDatumOffsetUpMouseUp), [this] { TimerOffsetTimer(); });
  connect(SpeedButtonDatumWechselDown, &QAbstractButton::clicked, this,
          [this] { SpeedButtonDatumWechselDownClick(SpeedButtonDatumWechselDown); });
  connect(SpeedButtonDatumWechselUp, &QAbstractButton::clicked, this,
          [this] { SpeedButtonDatumWechselUpClick(SpeedButtonDatumWechselUp); });
  connect(SpeedButtonDatumFormatDown, &QAbstractButton::clicked, this,
          [this] { SpeedButtonDatumFormatDownClick(SpeedButtonDatumFormatDown); });
  connect(SpeedButtonDatumFormatUp, &QAbstractButton::clicked, this,
          [this] { SpeedButtonDatumFormatUpClick(SpeedButtonDatumFormatUp); });

  LastFormatIndex = BuildDateFormats();
  LabelDatumFormat->Tag = 0;
  LabelDatumFormat->setText(platform::ToQt(DateFormatTable[0].Name));
  LabelDatumWechsel->setText(ChangeTexts[0]);
  LabelDatumOffset->setText(QStringLiteral("0"));
  platform::RegisterTexts(this, "ChangeTexts", ChangeTexts);
}

void TFrameBearbeitenDatum::LayoutThirdRow(int cw) {
  PanelDatum->setGeometry(0, 2 * editor::ui::kRowHeight, width(), editor::ui::kRowHeight);
  const int top = editor::ui::kControlTop, h = editor::ui::kControlHeight;
  offset_.Control.Place(QRect(editor::ui::PaneColumnX(0, cw), top, cw, h));
  change_.Place(QRect(editor::ui::PaneColumnX(1, cw), top, cw, h));
  format_.Place(QRect(editor::ui::PaneColumnX(2, cw), top, 2 * cw + 8, h));
}

int TFrameBearbeitenDatum::FindDateFormat(const std::string& name) const {
  return editor::FindFormatByName(DateFormatTable, LastFormatIndex, name);
}

void TFrameBearbeitenDatum::ApplyDateFormat(int layer, int entry) {
  editor::ApplyDateFormat(editor_->WorkText, static_cast<unsigned>(layer), entry);
}

std::string TFrameBearbeitenDatum::RenderDateText(int layer) const {
  return editor::RenderDateText(editor_->WorkText, static_cast<unsigned>(layer));
}

std::string TFrameBearbeitenDatum::FormatDate(int layer) const {
  return editor::FormatDate(editor_->WorkText, static_cast<unsigned>(layer), editor::LocalNow());
}

std::string TFrameBearbeitenDatum::AlignedText() const { return FormatDate(editor_->CurrentLayer); }

void TFrameBearbeitenDatum::StoreLayer(int apply) {
  if (Loading()) return;
  const int n = editor_->CurrentLayer;
  if (n < 0 || n >= printdata::kLayerCount) return;
  printdata::LayerObject& layer = editor_->WorkText.Layers[static_cast<std::size_t>(n)];
  StorePositionAndFont(layer);
  layer.WeekdayMask = editor::DateChangeMask(LabelDatumWechsel->Tag);
  layer.DayOffset = LabelDatumOffset->Tag;
  layer.DateMode = 0;
  if (apply == 1) ApplyDateFormat(n, LabelDatumFormat->Tag);
  editor_->RenderLayer(static_cast<unsigned>(n), editor::ui::kLayerRed);
}

void TFrameBearbeitenDatum::UpdateDayOffset() {
  offset_.Control.ClampAndShow(editor::kDayOffsetRange);
  if (!isHidden()) StoreLayer(1);
}

void TFrameBearbeitenDatum::UpdateDateChange() {
  change_.ClampAndShowAs(kChangeRange, [this](std::int32_t v) { return ChangeTexts[static_cast<std::size_t>(v)]; });
  if (!isHidden()) StoreLayer(1);
}

void TFrameBearbeitenDatum::UpdateDateFormat() {
  format_.ClampAndShowAs({0, LastFormatIndex}, [this](std::int32_t v) {
    return platform::ToQt(DateFormatTable[static_cast<std::size_t>(v)].Name);
  });
  if (!isHidden()) StoreLayer(1);
}

void TFrameBearbeitenDatum::SpeedButtonDatumOffsetDownClick(QObject* s) { ClickStep(offset_, -1, s); }
void TFrameBearbeitenDatum::SpeedButtonDatumOffsetUpClick(QObject* s) { ClickStep(offset_, 1, s); }
void TFrameBearbeitenDatum::SpeedButtonDatumOffsetDownMouseDown(QObject*) { PressStep(offset_, -1); }
void TFrameBearbeitenDatum::SpeedButtonDatumOffsetUpMouseDown(QObject*) { PressStep(offset_, 1); }
void TFrameBearbeitenDatum::SpeedButtonDatumOffsetDownMouseUp(QObject*) { ReleaseStep(offset_); }
void TFrameBearbeitenDatum::SpeedButtonDatumOffsetUpMouseUp(QObject*) { ReleaseStep(offset_); }
void TFrameBearbeitenDatum::TimerOffsetTimer() { TickStep(offset_); }
void TFrameBearbeitenDatum::SpeedButtonDatumWechselDownClick(QObject* s) {
  StepChoice(change_, -1, s, [this] { UpdateDateChange(); });
}
void TFrameBearbeitenDatum::SpeedButtonDatumWechselUpClick(QObject* s) {
  StepChoice(change_, 1, s, [this] { UpdateDateChange(); });
}
void TFrameBearbeitenDatum::SpeedButtonDatumFormatDownClick(QObject* s) {
  StepChoice(format_, -1, s, [this] { UpdateDateFormat(); });
}
void TFrameBearbeitenDatum::SpeedButtonDatumFormatUpClick(QObject* s) {
  StepChoice(format_, 1, s, [this] { UpdateDateFormat(); });
}

void TFrameBearbeitenDatum::FillDate(int n) {
  printdata::LayerObject& layer = editor_->WorkText.Layers[static_cast<std::size_t>(n)];
  LabelDatumFormat->Tag = FindDateFormat(layer.DateFormat);
  LabelDatumFormat->setText(LabelDatumFormat->Tag == -1 ? QStringLiteral("?") : platform::ToQt(layer.DateFormat));
  LabelDatumOffset->Tag = layer.DayOffset;
  LabelDatumWechsel->Tag = editor::DateChangeIndex(layer.WeekdayMask);
  if (layer.WeekdayMask != 0) layer.DatePreview = RenderDateText(n);
  UpdateDayOffset();
  UpdateDateChange();
  UpdateDateFormat();
}
