#include "editor/ui/TFrameBearbeitenZeit.h"

#include "rendering/FormatLookup.h"
#include "rendering/TimeCode.h"
#include "editor/ui/PaneLook.h"
#include "editor/ui/TFrameBearbeiten.h"
#include "platform/qt/LanguageTexts.h"
#include "platform/qt/TextCodec.h"

namespace {
constexpr editor::StepRange kChangeRange{0, 5};
}

TFrameBearbeitenZeit::TFrameBearbeitenZeit(TFrameBearbeiten* editor, QWidget* parent)
    : PositionFontPane(editor, parent, QStringLiteral("FrameBearbeitenZeit")),
      ChangeTexts{QStringLiteral("Forlaufend"), QStringLiteral("30 Sekunden"), QStringLiteral("10 Minuten"),
                  QStringLiteral("1 Stunde"),   QStringLiteral("12 Stunden"),  QStringLiteral("Nie")} {
  PanelZeit = editor::ui::AddPaneRow(this, QStringLiteral("PanelZeit"), QStringLiteral("LabelZeitTitel"),
                                     QStringLiteral("Zeit"), &LabelZeitTitel);
  offset_.Control = editor::ui::AddStepControl(PanelZeit, QStringLiteral("PanelZeitOffset"), QStringLiteral("Offset"),
                                               QStringLiteral("-"), QStringLiteral("+"));
  change_ = editor::ui::AddStepControl(PanelZeit, QStringLiteral("PanelZeitWechsel"), QStringLiteral("Wechsel"),
                                       QStringLiteral("<"), QStringLiteral(">"));
  format_ = editor::ui::AddStepControl(PanelZeit, QStringLiteral("PanelZeitFormat"), QStringLiteral("Format"),
                                       QStringLiteral("<"), QStringLiteral(">"));
  PanelZeitOffset = offset_.Control.Panel;
  LabelZeitOffsetTitel = offset_.Control.Title;
  LabelZeitOffset = offset_.Control.Value;
  SpeedButtonZeitOffsetDown = offset_.Control.Down;
  SpeedButtonZeitOffsetUp = offset_.Control.Up;
  PanelZeitWechsel = change_.Panel;
  LabelZeitWechselTitel = change_.Title;
  LabelZeitWechsel = change_.Value;
  SpeedButtonZeitWechselDown = change_.Down;
  SpeedButtonZeitWechselUp = change_.Up;
  PanelZeitFormat = format_.Panel;
  LabelZeitFormatTitel = format_.Title;
  LabelZeitFormat = format_.Value;
  SpeedButtonZeitFormatDown = format_.Down;
  SpeedButtonZeitFormatUp = format_.Up;

  TimerOffset = editor::ui::AddRepeatTimer(this, "TimerOffset");
  offset_.Timer = TimerOffset;
  offset_.Step = editor::kTimeOffsetStep;
  offset_.RepeatMs = editor::kOffsetRepeatMs;
  offset_.Update = [this] { UpdateTimeOffset(); };
  using Z = TFrameBearbeitenZeit;
  auto h = [this](void (Z::*f)(QObject*)) { return Handler([this, f](QObject* s) { (this->*f)(s); }); };
  Wire(offset_, h(&Z::SpeedButtonZeitOffsetDownClick), h(&Z::SpeedButtonZeitOffsetUpClick),
       h(&Z::SpeedButtonZeitOffsetDownMouseDown), h(&Z::SpeedButtonZeitOffsetUpMouseDown),
       h(&Z::SpeedButtonZeitOffsetDownMouseUp), h(&Z::SpeedButtonZeitOffsetUpMouseUp), [this] { TimerOffsetTimer(); });
  connect(SpeedButtonZeitWechselDown, &QAbstractButton::clicked, this,
          [this] { SpeedButtonZeitWechselDownClick(SpeedButtonZeitWechselDown); });
  connect(SpeedButtonZeitWechselUp, &QAbstractButton::clicked, this,
          [this] { SpeedButtonZeitWechselUpClick(SpeedButtonZeitWechselUp); });
  connect(SpeedButtonZeitFormatDown, &QAbstractButton::clicked, this,
          [this] { SpeedButtonZeitFormatDownClick(SpeedButtonZeitFormatDown); });
  connect(SpeedButtonZeitFormatUp, &QAbstractButton::clicked, this,
          [this] { SpeedButtonZeitFormatUpClick(SpeedButtonZeitFormatUp); });

  LastFormatIndex = BuildTimeFormats();
  LabelZeitFormat->Tag = 0;
  LabelZeitFormat->setText(platform::ToQt(TimeFormatTable[0].Name));
  // The form's own caption until the choice is first shown.
  LabelZeitWechsel->setText(QStringLiteral("Fortlaufend"));
  LabelZeitOffset->setText(QStringLiteral("0"));
  platform::RegisterTexts(this, "ChangeTexts", ChangeTexts);
}

void TFrameBearbeitenZeit::LayoutThirdRow(int cw) {
  PanelZeit->setGeometry(0, 2 * editor::ui::kRowHeight, width(), editor::ui::kRowHeight);
  const int top = editor::ui::kControlTop, h = editor::ui::kControlHeight;
  offset_.Control.Place(QRect(editor::ui::PaneColumnX(0, cw), top, cw, h));
  change_.Place(QRect(editor::ui::PaneColumnX(1, cw), top, cw, h));
  format_.Place(QRect(editor::ui::PaneColumnX(2, cw), top, 2 * cw + 8, h));
}

int TFrameBearbeitenZeit::FindTimeFormat(const std::string& name) const {
  return editor::FindFormatByName(TimeFormatTable, LastFormatIndex, name);
}

void TFrameBearbeitenZeit::ApplyTimeFormat(int layer, int entry) {
  editor::ApplyTimeFormat(editor_->WorkText, static_cast<unsigned>(layer), entry);
}

std::string TFrameBearbeitenZeit::RenderTimeText(int layer) const {
  return editor::RenderTimeText(editor_->WorkText, static_cast<unsigned>(layer));
}

std::string TFrameBearbeitenZeit::FormatTime(int layer) const {
  return editor::FormatTime(editor_->WorkText, static_cast<unsigned>(layer), editor::LocalNow());
}

std::string TFrameBearbeitenZeit::AlignedText() const { return FormatTime(editor_->CurrentLayer); }

void TFrameBearbeitenZeit::StoreLayer(int apply) {
  if (Loading()) return;
  const int n = editor_->CurrentLayer;
  if (n < 0 || n >= printdata::kLayerCount) return;
  printdata::LayerObject& layer = editor_->WorkText.Layers[static_cast<std::size_t>(n)];
  StorePositionAndFont(layer);
  layer.Interval = editor::TimeChangeInterval(LabelZeitWechsel->Tag);
  layer.TimeOffset = LabelZeitOffset->Tag;
  if (apply == 1) ApplyTimeFormat(n, LabelZeitFormat->Tag);
  editor_->RenderLayer(static_cast<unsigned>(n), editor::ui::kLayerRed);
}

void TFrameBearbeitenZeit::UpdateTimeOffset() {
  offset_.Control.ClampAndShowAs(editor::kTimeOffsetRange,
                                 [](std::int32_t v) { return QString::fromStdString(editor::TimeOffsetText(v)); });
  if (!isHidden()) StoreLayer(1);
}

void TFrameBearbeitenZeit::UpdateTimeChange() {
  change_.ClampAndShowAs(kChangeRange, [this](std::int32_t v) { return ChangeTexts[static_cast<std::size_t>(v)]; });
  if (!isHidden()) StoreLayer(1);
}

void TFrameBearbeitenZeit::UpdateTimeFormat() {
  format_.ClampAndShowAs({0, LastFormatIndex}, [this](std::int32_t v) {
    return platform::ToQt(TimeFormatTable[static_cast<std::size_t>(v)].Name);
  });
  if (!isHidden()) StoreLayer(1);
}

void TFrameBearbeitenZeit::SpeedButtonZeitOffsetDownClick(QObject* s) { ClickStep(offset_, -1, s); }
void TFrameBearbeitenZeit::SpeedButtonZeitOffsetUpClick(QObject* s) { ClickStep(offset_, 1, s); }
void TFrameBearbeitenZeit::SpeedButtonZeitOffsetDownMouseDown(QObject*) { PressStep(offset_, -1); }
void TFrameBearbeitenZeit::SpeedButtonZeitOffsetUpMouseDown(QObject*) { PressStep(offset_, 1); }
void TFrameBearbeitenZeit::SpeedButtonZeitOffsetDownMouseUp(QObject*) { ReleaseStep(offset_); }
void TFrameBearbeitenZeit::SpeedButtonZeitOffsetUpMouseUp(QObject*) { ReleaseStep(offset_); }
void TFrameBearbeitenZeit::TimerOffsetTimer() { TickStep(offset_); }
void TFrameBearbeitenZeit::SpeedButtonZeitWechselDownClick(QObject* s) {
  StepChoice(change_, -1, s, [this] { UpdateTimeChange(); });
}
void TFrameBearbeitenZeit::SpeedButtonZeitWechselUpClick(QObject* s) {
  StepChoice(change_, 1, s, [this] { UpdateTimeChange(); });
}
void TFrameBearbeitenZeit::SpeedButtonZeitFormatDownClick(QObject* s) {
  StepChoice(format_, -1, s, [this] { UpdateTimeFormat(); });
}
void TFrameBearbeitenZeit::SpeedButtonZeitFormatUpClick(QObject* s) {
  StepChoice(format_, 1, s, [this] { UpdateTimeFormat(); });
}

void TFrameBearbeitenZeit::FillTime(int n) {
  printdata::LayerObject& layer = editor_->WorkText.Layers[static_cast<std::size_t>(n)];
  LabelZeitFormat->Tag = FindTimeFormat(layer.TimeFormat);
  LabelZeitFormat->setText(LabelZeitFormat->Tag == -1 ? QStringLiteral("?") : platform::ToQt(layer.TimeFormat));
  LabelZeitOffset->Tag = layer.TimeOffset;
  LabelZeitWechsel->Tag = editor::TimeChangeIndex(layer.Interval);
  if (layer.Interval != printdata::kStaticTimeInterval) layer.TimePreview = RenderTimeText(n);
  UpdateTimeOffset();
  UpdateTimeChange();
  UpdateTimeFormat();
}
