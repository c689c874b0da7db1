#include "editor/ui/PositionFontPane.h"

#include <algorithm>

#include "editor/FixAlignment.h"
#include "editor/ProportionalSize.h"
#include "rendering/StepValue.h"
#include "editor/ui/TFrameBearbeiten.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/LanguageTexts.h"
#include "platform/qt/TextCodec.h"

using editor::ui::AddPaneRow;
using editor::ui::AddStepControl;
using editor::ui::AddToggleControl;

namespace {

// Left and right, down and up triangles where the form has Webdings signs.
const QString kLeft = QStringLiteral("\u25C4");
const QString kRight = QStringLiteral("\u25BA");
const QString kDown = QStringLiteral("\u25BC");
const QString kUp = QStringLiteral("\u25B2");

}  // namespace

PositionFontPane::PositionFontPane(TFrameBearbeiten* editor, QWidget* parent, const QString& name)
    : QWidget(parent), editor_(editor) {
  setObjectName(name);
  setFont(platform::VerdanaPx(11));
  resize(928, 225);

  PanelPosition = AddPaneRow(this, QStringLiteral("PanelPosition"), QStringLiteral("LabelPositionTitel"),
                             QStringLiteral("Position"), &LabelPositionTitel);
  PanelAusrichtenShow = editor::ui::AddPaneBand(PanelPosition, QStringLiteral("PanelAusrichtenShow"));
  align_ = AddToggleControl(PanelPosition, QStringLiteral("PanelAusrichten"), QStringLiteral("Ausrichten"));
  x_.Control = AddStepControl(PanelPosition, QStringLiteral("PanelPositionX"), QStringLiteral("Horizontal"), kLeft, kRight);
  y_.Control = AddStepControl(PanelPosition, QStringLiteral("PanelPositionY"), QStringLiteral("Vertikal"), kDown, kUp);

  PanelSchrift = AddPaneRow(this, QStringLiteral("PanelSchrift"), QStringLiteral("LabelSchriftTitel"),
                            QStringLiteral("Schrift"), &LabelSchriftTitel);
  PanelSchriftProportionalShow = editor::ui::AddPaneBand(PanelSchrift, QStringLiteral("PanelSchriftProportionalShow"));
  proportional_ = AddToggleControl(PanelSchrift, QStringLiteral("PanelSchriftProportional"), QStringLiteral("Proportional"));
  const QString minus = QStringLiteral("-"), plus = QStringLiteral("+");
  width_.Control = AddStepControl(PanelSchrift, QStringLiteral("PanelSchriftBreite"), QStringLiteral("Breite"), minus, plus);
  height_.Control = AddStepControl(PanelSchrift, QStringLiteral("PanelSchriftHoehe"), QStringLiteral("H\u00f6he"), minus, plus);
  spacing_.Control = AddStepControl(PanelSchrift, QStringLiteral("PanelSchriftAbstand"), QStringLiteral("Abstand"), minus, plus);
  fontKind_ = AddToggleControl(PanelSchrift, QStringLiteral("PanelSchriftArt"), QStringLiteral("Art"));

  PanelAusrichten = align_.Panel;
  LabelAusrichtenTitel = align_.Title;
  LabelAusrichten = align_.Value;
  SpeedButtonAusrichten = align_.Button;
  PanelPositionX = x_.Control.Panel;
  LabelPositionXTitel = x_.Control.Title;
  LabelPositionX = x_.Control.Value;
  SpeedButtonPositionXDown = x_.Control.Down;
  SpeedButtonPositionXUp = x_.Control.Up;
  PanelPositionY = y_.Control.Panel;
  LabelPositionYTitel = y_.Control.Title;
  LabelPositionY = y_.Control.Value;
  SpeedButtonPositionYDown = y_.Control.Down;
  SpeedButtonPositionYUp = y_.Control.Up;
  PanelSchriftProportional = proportional_.Panel;
  LabelSchriftProportionalTitel = proportional_.Title;
  LabelSchriftProportional = proportional_.Value;
  SpeedButtonSchriftProportional = proportional_.Button;
  PanelSchriftBreite = width_.Control.Panel;
  LabelSchriftBreiteTitel = width_.Control.Title;
  LabelSchriftBreite = width_.Control.Value;
  SpeedButtonSchriftBreiteDown = width_.Control.Down;
  SpeedButtonSchriftBreiteUp = width_.Control.Up;
  PanelSchriftHoehe = height_.Control.Panel;
  LabelSchriftHoeheTitel = height_.Control.Title;
  LabelSchriftHoehe = height_.Control.Value;
  SpeedButtonSchriftHoeheDown = height_.Control.Down;
  SpeedButtonSchriftHoeheUp = height_.Control.Up;
  PanelSchriftAbstand = spacing_.Control.Panel;
  LabelSchriftAbstandTitel = spacing_.Control.Title;
  LabelSchriftAbstand = spacing_.Control.Value;
  SpeedButtonSchriftAbstandDown = spacing_.Control.Down;
  SpeedButtonSchriftAbstandUp = spacing_.Control.Up;
  PanelSchriftArt = fontKind_.Panel;
  LabelSchriftArtTitel = fontKind_.Title;
  LabelSchriftArt = fontKind_.Value;
  SpeedButtonSchriftArt = fontKind_.Button;

  auto timer = [this](const char* name) { return editor::ui::AddRepeatTimer(this, name); };
  TimerHorizontal = timer("TimerHorizontal");
  TimerVertikal = timer("TimerVertikal");
  TimerBreite = timer("TimerBreite");
  TimerHoehe = timer("TimerHoehe");
  TimerAbstand = timer("TimerAbstand");

  x_.Timer = TimerHorizontal;
  x_.RepeatMs = editor::kPositionRepeatMs;
  x_.Update = [this] { UpdatePositionX(); };
  x_.Axis = 1;
  y_.Timer = TimerVertikal;
  y_.RepeatMs = editor::kPositionRepeatMs;
  y_.Update = [this] { UpdatePositionY(); };
  y_.Axis = 2;
  width_.Timer = TimerBreite;
  width_.RepeatMs = editor::kFontRepeatMs;
  width_.Update = [this] { UpdateFontWidth(); };
  height_.Timer = TimerHoehe;
  height_.RepeatMs = editor::kFontRepeatMs;
  height_.Update = [this] { UpdateFontHeight(); };
  spacing_.Timer = TimerAbstand;
  spacing_.RepeatMs = editor::kFontRepeatMs;
  spacing_.Update = [this] { UpdateSpacing(); };

  using P = PositionFontPane;
  auto h = [this](void (P::*f)(QObject*)) { return Handler([this, f](QObject* s) { (this->*f)(s); }); };
  Wire(x_, h(&P::SpeedButtonPositionXDownClick), h(&P::SpeedButtonPositionXUpClick),
       h(&P::SpeedButtonPositionXDownMouseDown), h(&P::SpeedButtonPositionXUpMouseDown),
       h(&P::SpeedButtonPositionXDownMouseUp), h(&P::SpeedButtonPositionXUpMouseUp), [this] { TimerHorizontalTimer(); });
  Wire(y_, h(&P::SpeedButtonPositionYDownClick), h(&P::SpeedButtonPositionYUpClick),
       h(&P::SpeedButtonPositionYDownMouseDown), h(&P::SpeedButtonPositionYUpMouseDown),
       h(&P::SpeedButtonPositionYDownMouseUp), h(&P::SpeedButtonPositionYUpMouseUp), [this] { TimerVertikalTimer(); });
  Wire(width_, h(&P::SpeedButtonSchriftBreiteDownClick), h(&P::SpeedButtonSchriftBreiteUpClick),
       h(&P::SpeedButtonSchriftBreiteDownMouseDown), h(&P::SpeedButtonSchriftBreiteUpMouseDown),
       h(&P::SpeedButtonSchriftBreiteDownMouseUp), h(&P::SpeedButtonSchriftBreiteUpMouseUp), [this] { TimerBreiteTimer(); });
  Wire(height_, h(&P::SpeedButtonSchriftHoeheDownClick), h(&P::SpeedButtonSchriftHoeheUpClick),
       h(&P::SpeedButtonSchriftHoeheDownMouseDown), h(&P::SpeedButtonSchriftHoeheUpMouseDown),
       h(&P::SpeedButtonSchriftHoeheDownMouseUp), h(&P::SpeedButtonSchriftHoeheUpMouseUp), [this] { TimerHoeheTimer(); });
  Wire(spacing_, h(&P::SpeedButtonSchriftAbstandDownClick), h(&P::SpeedButtonSchriftAbstandUpClick),
       h(&P::SpeedButtonSchriftAbstandDownMouseDown), h(&P::SpeedButtonSchriftAbstandUpMouseDown),
       h(&P::SpeedButtonSchriftAbstandDownMouseUp), h(&P::SpeedButtonSchriftAbstandUpMouseUp),
       [this] { TimerAbstandTimer(); });
  connect(SpeedButtonAusrichten, &QAbstractButton::clicked, this, [this] { SpeedButtonAusrichtenClick(SpeedButtonAusrichten); });
  connect(SpeedButtonSchriftProportional, &QAbstractButton::clicked, this,
          [this] { SpeedButtonSchriftProportionalClick(SpeedButtonSchriftProportional); });
  connect(SpeedButtonSchriftArt, &QAbstractButton::clicked, this, [this] { SpeedButtonSchriftArtClick(SpeedButtonSchriftArt); });

  // The pane as created: Frei, "Aus", width 7, height 12, "Arial".
  LabelAusrichten->setText(AlignTexts[0]);
  LabelSchriftProportional->setText(ProportionalTexts[0]);
  LabelPositionX->setText(QStringLiteral("0"));
  LabelPositionY->setText(QStringLiteral("0"));
  LabelSchriftBreite->Tag = 7;
  LabelSchriftBreite->setText(QStringLiteral("7"));
  LabelSchriftHoehe->Tag = 12;
  LabelSchriftHoehe->setText(QStringLiteral("12"));
  LabelSchriftAbstand->setText(QStringLiteral("0"));
  LabelSchriftArt->setText(QStringLiteral("Arial"));

  platform::RegisterTexts(this, "AlignTexts", AlignTexts);
  platform::RegisterTexts(this, "ProportionalTexts", ProportionalTexts);
  hide();
}

void PositionFontPane::Wire(Stepper& s, Handler downClick, Handler upClick, Handler downPress, Handler upPress,
                            Handler downRelease, Handler upRelease, std::function<void()> tick) {
  QAbstractButton* down = s.Control.Down;
  QAbstractButton* up = s.Control.Up;
  connect(down, &QAbstractButton::pressed, this, [down, downPress] { downPress(down); });
  connect(up, &QAbstractButton::pressed, this, [up, upPress] { upPress(up); });
  connect(down, &QAbstractButton::released, this, [down, downRelease] { downRelease(down); });
  connect(up, &QAbstractButton::released, this, [up, upRelease] { upRelease(up); });
  connect(down, &QAbstractButton::clicked, this, [down, downClick] { downClick(down); });
  connect(up, &QAbstractButton::clicked, this, [up, upClick] { upClick(up); });
  connect(s.Timer, &QTimer::timeout, this, std::move(tick));
}

bool PositionFontPane::Loading() const { return editor_->Loading != 0; }

void PositionFontPane::HideMenus() const {
  if (editor_->Host()) editor_->Host()->HideMenuFrames();
}

// --- The step family ------------------------------------------------------

void PositionFontPane::PressStep(Stepper& s, int direction) {
  // While Fix is on the position buttons walk anchors and do not repeat.
  if (s.Axis != 0 && LabelAusrichten->Tag == 1) return;
  s.Timer->Press(direction);
  s.Update();
}

void PositionFontPane::ReleaseStep(Stepper& s) { s.Timer->Release(); }

void PositionFontPane::TickStep(Stepper& s) {
  const int direction = s.Timer->Tick(s.RepeatMs);
  platform::Label* value = s.Control.Value;
  value->Tag = editor::Stepped(value->Tag, static_cast<std::int64_t>(direction) * s.Step);
  if (!s.TickUpdatesOnlyWhenShown || !isHidden()) s.Update();
}

void PositionFontPane::ClickStep(Stepper& s, int direction, QObject* sender) {
  platform::Label* value = s.Control.Value;
  if (s.Axis != 0 && LabelAusrichten->Tag == 1) {
    const int layer = editor_->CurrentLayer;
    if (layer < 0 || layer >= printdata::kLayerCount) return;
    platform::RepaintSender(sender);
    HideMenus();
    std::int64_t next;
    if (s.Axis == 1) {
      const std::int64_t objectWidth =
          editor_->MeasureText(static_cast<unsigned>(layer), AlignedText(), LabelSchriftAbstand->Tag);
      next = editor::NextAnchorX(value->Tag, direction > 0,
                                 editor::HorizontalAnchorsFor(editor_->PrintFieldDots(), objectWidth));
    } else {
      next = editor::NextAnchorY(value->Tag, direction > 0, editor::VerticalAnchorsFor(LabelSchriftHoehe->Tag));
    }
    value->Tag = editor::Stepped(next, 0);
    s.Update();
    return;
  }
  platform::RepaintSender(sender);
  HideMenus();
  value->Tag = editor::Stepped(value->Tag, static_cast<std::int64_t>(direction) * s.Step);
  s.Update();
}

void PositionFontPane::StepChoice(editor::ui::StepControl& c, int direction, QObject* sender,
                                  const std::function<void()>& update) {
  platform::RepaintSender(sender);
  HideMenus();
  c.Value->Tag = editor::Stepped(c.Value->Tag, direction);
  update();
}

void PositionFontPane::SpeedButtonPositionXDownClick(QObject* s) { ClickStep(x_, -1, s); }
void PositionFontPane::SpeedButtonPositionXUpClick(QObject* s) { ClickStep(x_, 1, s); }
void PositionFontPane::SpeedButtonPositionXDownMouseDown(QObject*) { PressStep(x_, -1); }
void PositionFontPane::SpeedButtonPositionXUpMouseDown(QObject*) { PressStep(x_, 1); }
void PositionFontPane::SpeedButtonPositionXDownMouseUp(QObject*) { ReleaseStep(x_); }
void PositionFontPane::SpeedButtonPositionXUpMouseUp(QObject*) { ReleaseStep(x_); }
void PositionFontPane::TimerHorizontalTimer() { TickStep(x_); }
void PositionFontPane::SpeedButtonPositionYDownClick(QObject* s) { ClickStep(y_, -1, s); }
void PositionFontPane::SpeedButtonPositionYUpClick(QObject* s) { ClickStep(y_, 1, s); }
void PositionFontPane::SpeedButtonPositionYDownMouseDown(QObject*) { PressStep(y_, -1); }
void PositionFontPane::SpeedButtonPositionYUpMouseDown(QObject*) { PressStep(y_, 1); }
void PositionFontPane::SpeedButtonPositionYDownMouseUp(QObject*) { ReleaseStep(y_); }
void PositionFontPane::SpeedButtonPositionYUpMouseUp(QObject*) { ReleaseStep(y_); }
void PositionFontPane::TimerVertikalTimer() { TickStep(y_); }
void PositionFontPane::SpeedButtonSchriftBreiteDownClick(QObject* s) { ClickStep(width_, -1, s); }
void PositionFontPane::SpeedButtonSchriftBreiteUpClick(QObject* s) { ClickStep(width_, 1, s); }
void PositionFontPane::SpeedButtonSchriftBreiteDownMouseDown(QObject*) { PressStep(width_, -1); }
void PositionFontPane::SpeedButtonSchriftBreiteUpMouseDown(QObject*) { PressStep(width_, 1); }
void PositionFontPane::SpeedButtonSchriftBreiteDownMouseUp(QObject*) { ReleaseStep(width_); }
void PositionFontPane::SpeedButtonSchriftBreiteUpMouseUp(QObject*) { ReleaseStep(width_); }
void PositionFontPane::TimerBreiteTimer() { TickStep(width_); }
void PositionFontPane::SpeedButtonSchriftHoeheDownClick(QObject* s) { ClickStep(height_, -1, s); }
void PositionFontPane::SpeedButtonSchriftHoeheUpClick(QObject* s) { ClickStep(height_, 1, s); }
void PositionFontPane::SpeedButtonSchriftHoeheDownMouseDown(QObject*) { PressStep(height_, -1); }
void PositionFontPane::SpeedButtonSchriftHoeheUpMouseDown(QObject*) { PressStep(height_, 1); }
void PositionFontPane::SpeedButtonSchriftHoeheDownMouseUp(QObject*) { ReleaseStep(height_); }
void PositionFontPane::SpeedButtonSchriftHoeheUpMouseUp(QObject*) { ReleaseStep(height_); }
void PositionFontPane::TimerHoeheTimer() { TickStep(height_); }
void PositionFontPane::SpeedButtonSchriftAbstandDownClick(QObject* s) { ClickStep(spacing_, -1, s); }
void PositionFontPane::SpeedButtonSchriftAbstandUpClick(QObject* s) { ClickStep(spacing_, 1, s); }
void PositionFontPane::SpeedButtonSchriftAbstandDownMouseDown(QObject*) { PressStep(spacing_, -1); }
void PositionFontPane::SpeedButtonSchriftAbstandUpMouseDown(QObject*) { PressStep(spacing_, 1); }
void PositionFontPane::SpeedButtonSchriftAbstandDownMouseUp(QObject*) { ReleaseStep(spacing_); }
void PositionFontPane::SpeedButtonSchriftAbstandUpMouseUp(QObject*) { ReleaseStep(spacing_); }
void PositionFontPane::TimerAbstandTimer() { TickStep(spacing_); }

// --- Update functions -----------------------------------------------------

void PositionFontPane::UpdatePositionX() {
  x_.Control.ClampAndShow(editor::kPositionXRange);
  StorePane();
}

void PositionFontPane::UpdatePositionY() {
  y_.Control.ClampAndShow(editor::kPositionYRange);
  StorePane();
}

void PositionFontPane::UpdateFontWidth() {
  // A width that differs from the one shown is a change; a press without a
  // step leaves the height alone.
  const int shown = editor::ClampStep(LabelSchriftBreite->Tag, editor::kFontWidthRange).Value;
  const bool changed = LabelSchriftBreite->text() != QString::number(shown);
  const int width = width_.Control.ClampAndShow(editor::kFontWidthRange);
  if (LabelSchriftProportional->Tag == 1 && changed) {
    LabelSchriftHoehe->Tag =
        editor::ClampStep(editor::ProportionalValue(width, ProportionalWidth, ProportionalHeight), editor::kFontHeightRange).Value;
    height_.Control.ClampAndShow(editor::kFontHeightRange);
  }
  StorePane();
}

void PositionFontPane::UpdateFontHeight() {
  const int shown = editor::ClampStep(LabelSchriftHoehe->Tag, editor::kFontHeightRange).Value;
  const bool changed = LabelSchriftHoehe->text() != QString::number(shown);
  const int height = height_.Control.ClampAndShow(editor::kFontHeightRange);
  if (LabelSchriftProportional->Tag == 1 && changed) {
    LabelSchriftBreite->Tag =
        editor::ClampStep(editor::ProportionalValue(height, ProportionalHeight, ProportionalWidth), editor::kFontWidthRange).Value;
    width_.Control.ClampAndShow(editor::kFontWidthRange);
  }
  StorePane();
}

void PositionFontPane::UpdateSpacing() {
  spacing_.Control.ClampAndShow(editor::kSpacingRange);
  StorePane();
}

// --- Toggles and font -----------------------------------------------------

void PositionFontPane::SpeedButtonAusrichtenClick(QObject* sender) {
  platform::RepaintSender(sender);
  align_.Toggle(AlignTexts, PanelAusrichtenShow);
}

void PositionFontPane::SpeedButtonSchriftProportionalClick(QObject* sender) {
  platform::RepaintSender(sender);
  if (proportional_.Toggle(ProportionalTexts, PanelSchriftProportionalShow)) {
    // Recorded within the controls' range: a layer from a file may carry a
    // width or height of 0, which would be divided by.
    ProportionalWidth = editor::ClampStep(LabelSchriftBreite->Tag, editor::kFontWidthRange).Value;
    ProportionalHeight = editor::ClampStep(LabelSchriftHoehe->Tag, editor::kFontHeightRange).Value;
  }
}

void PositionFontPane::SpeedButtonSchriftArtClick(QObject* sender) {
  platform::RepaintSender(sender);
  HideMenus();
  editor::ui::EditorFontChooser& chooser = editor_->FontChooser();
  chooser.SetSizeAndWidth(LabelSchriftHoehe->Tag, LabelSchriftBreite->Tag, AlignedText());
  if (chooser.ShowModal() == 1) TakeFontChoice();
}

void PositionFontPane::TakeFontChoice() {
  editor::ui::EditorFontChooser& chooser = editor_->FontChooser();
  LabelSchriftArt->setText(platform::ToQt(chooser.PreviewFontName()));
  LabelSchriftBreite->Tag = chooser.ResultWidth();
  LabelSchriftBreite->setText(QString::number(LabelSchriftBreite->Tag));
  StorePane();
}

// --- Fill and store -------------------------------------------------------

void PositionFontPane::FillPositionAndFont(const printdata::LayerObject& layer) {
  x_.Control.ShowUnclamped(layer.PosX, editor::kPositionXRange);
  y_.Control.ShowUnclamped(layer.PosY, editor::kPositionYRange);
  LabelAusrichten->Tag = 0;
  SpeedButtonAusrichtenClick(nullptr);
  width_.Control.ShowUnclamped(layer.Width, editor::kFontWidthRange);
  height_.Control.ShowUnclamped(layer.Height, editor::kFontHeightRange);
  LabelSchriftArt->setText(platform::ToQt(layer.FontName));
  spacing_.Control.ShowUnclamped(layer.Spacing, editor::kSpacingRange);
  editor_->FontChooser().SetNameAndStyle(layer.FontName, layer.FontStyle);
  LabelSchriftProportional->Tag = 0;
  SpeedButtonSchriftProportionalClick(nullptr);
}

void PositionFontPane::StorePositionAndFont(printdata::LayerObject& layer) const {
  const editor::ui::EditorFontChooser& chooser = editor_->FontChooser();
  layer.FontName = chooser.PreviewFontName();
  layer.FontStyle = chooser.PreviewFontStyle();
  layer.Spacing = LabelSchriftAbstand->Tag;
  layer.Height = LabelSchriftHoehe->Tag;
  layer.Width = LabelSchriftBreite->Tag;
  layer.PosX = LabelPositionX->Tag;
  layer.PosY = LabelPositionY->Tag;
}

void PositionFontPane::ShowPositionNumbers(bool shown) {
  LabelPositionX->setVisible(shown);
  LabelPositionY->setVisible(shown);
}

// --- Layout ---------------------------------------------------------------

void PositionFontPane::LayoutSharedRows(int cw) {
  const int w = width();
  PanelPosition->setGeometry(0, 0, w, editor::ui::kRowHeight);
  PanelSchrift->setGeometry(0, editor::ui::kRowHeight, w, editor::ui::kRowHeight);
  auto at = [cw](int column) { return editor::ui::PaneControlRect(column, cw); };
  const QRect band = editor::ui::PaneBandRect(cw);
  PanelAusrichtenShow->setGeometry(band);
  PanelSchriftProportionalShow->setGeometry(band);
  align_.Place(at(0));
  x_.Control.Place(at(1));
  y_.Control.Place(at(2));
  proportional_.Place(at(0));
  width_.Control.Place(at(1));
  height_.Control.Place(at(2));
  spacing_.Control.Place(at(3));
  fontKind_.Place(at(4));
}

void PositionFontPane::resizeEvent(QResizeEvent*) {
  const int cw = editor::ui::PaneColumnWidth(width());
  LayoutSharedRows(cw);
  LayoutThirdRow(cw);
}
