#include "editor/ui/TFrameBearbeitenGrafik.h"

#include <QResizeEvent>
#include <algorithm>
#include <new>

#include "editor/GraphicBitmap.h"
#include "editor/GraphicPicture.h"
#include "editor/GraphicSize.h"
#include "editor/FixAlignment.h"
#include "rendering/StepValue.h"
#include "editor/ui/PaneLook.h"
#include "editor/ui/TForm_Paint.h"
#include "filedialog/ui/TForm_FileDialog.h"
#include "platform/Beep.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/LanguageTexts.h"

using editor::ui::AddPaneBand;
using editor::ui::AddPaneRow;
using editor::ui::AddStepControl;
using editor::ui::AddToggleControl;
using editor::ui::TagTimer;

namespace {

constexpr editor::StepRange kSizeRange{editor::kGraphicMinSize, editor::kGraphicMaxSize};
// The position buttons' triangles sit after or before 15 blanks, the size
// buttons' "-" and "+" after or before the usual 20.
constexpr int kTrianglePadding = 15;

}  // namespace

TFrameBearbeitenGrafik::TFrameBearbeitenGrafik(editor::ui::GraphicPaneEditor* editor, QWidget* parent)
    : QWidget(parent), editor_(editor) {
  setObjectName(QStringLiteral("FrameBearbeitenGrafik"));
  setFont(platform::VerdanaPx(11));
  AlignTexts = {QStringLiteral("Frei"), QStringLiteral("Fix")};
  ProportionalTexts = {QStringLiteral("Aus"), QStringLiteral("Ein")};
  platform::RegisterTexts(this, "AlignTexts", AlignTexts);
  platform::RegisterTexts(this, "ProportionalTexts", ProportionalTexts);
  BuildForm();
  Wire();

  LabelAusrichten->setText(AlignTexts[0]);
  LabelGrafikProportional->setText(ProportionalTexts[0]);
  align_.ShowOn(false);
  proportional_.ShowOn(false);
  LabelGrafikBreite->Tag = 50;
  LabelGrafikHoehe->Tag = 25;
  x_.ClampAndShow(editor::kPositionXRange);
  y_.ClampAndShow(editor::kPositionYRange);
  width_.ClampAndShow(kSizeRange);
  height_.ClampAndShow(kSizeRange);

  Services.ChooseFile = [this](const QString& title, std::uint8_t mode) -> std::optional<std::string> {
    if (!Form_FileDialog) return std::nullopt;
    return editor::ui::ChooseGraphicFile(*Form_FileDialog, Folders, title, mode);
  };
  Services.Paint = [](const platform::Bitmap& picture) {
    PaintOutcome outcome;
    if (!Form_Paint) return outcome;
    outcome.Result = Form_Paint->SetBitmap(picture);
    if (outcome.Result != 0) return outcome;
    outcome.Result = Form_Paint->ShowModal();
    if (outcome.Result == 1) outcome.Picture = Form_Paint->Picture();
    return outcome;
  };
  resize(928, 3 * editor::ui::kRowHeight);
  hide();
}

void TFrameBearbeitenGrafik::BuildForm() {
  PanelPosition = AddPaneRow(this, QStringLiteral("PanelPosition"), QStringLiteral("LabelPositionTitel"),
                             QStringLiteral("Position"), &LabelPositionTitel);
  PanelAusrichtenShow = AddPaneBand(PanelPosition, QStringLiteral("PanelAusrichtenShow"));
  align_ = AddToggleControl(PanelPosition, QStringLiteral("PanelAusrichten"), QStringLiteral("Ausrichten"));
  x_ = AddStepControl(PanelPosition, QStringLiteral("PanelPositionX"), QStringLiteral("Horizontal"),
                      QStringLiteral("\u25C4"), QStringLiteral("\u25BA"));
  y_ = AddStepControl(PanelPosition, QStringLiteral("PanelPositionY"), QStringLiteral("Vertikal"),
                      QStringLiteral("\u25BC"), QStringLiteral("\u25B2"));
  x_.Padding = y_.Padding = kTrianglePadding;

  PanelGrafik = AddPaneRow(this, QStringLiteral("PanelGrafik"), QStringLiteral("LabelGrafikTitel"),
                           QStringLiteral("Gr\u00f6sse"), &LabelGrafikTitel);
  PanelGrafikProportionalShow = AddPaneBand(PanelGrafik, QStringLiteral("PanelGrafikProportionalShow"));
  proportional_ =
      AddToggleControl(PanelGrafik, QStringLiteral("PanelGrafikProportional"), QStringLiteral("Proportional"));
  width_ = AddStepControl(PanelGrafik, QStringLiteral("PanelGrafikBreite"), QStringLiteral("Breite"),
                          QStringLiteral("-"), QStringLiteral("+"));
  height_ = AddStepControl(PanelGrafik, QStringLiteral("PanelGrafikHoehe"), QStringLiteral("H\u00f6he"),
                           QStringLiteral("-"), QStringLiteral("+"));

  PanelWerkzeug = AddPaneRow(this, QStringLiteral("PanelWerkzeug"), QStringLiteral("LabelWerkzeugTitel"),
                             QStringLiteral("Grafik"), &LabelWerkzeugTitel);
  auto tool = [this](int column, const char* panelName, const char* buttonName, const QString& caption,
                     platform::Panel*& panel, platform::SpeedButton*& button) {
    platform::AddButtonPanel(PanelWerkzeug, editor::ui::PaneControlRect(column, 176), caption, panel, button);
    panel->setObjectName(QString::fromLatin1(panelName));
    button->setObjectName(QString::fromLatin1(buttonName));
    button->setFont(platform::VerdanaPx(12, true));
  };
  tool(0, "PanelWerkzeugRuskavel", "SpeedButtonWerkzeugRuskavel", QStringLiteral("Bearbeiten"), PanelWerkzeugRuskavel,
       SpeedButtonWerkzeugRuskavel);
  tool(1, "PanelWerkzeugImportieren", "SpeedButtonWerkzeugImportieren", QStringLiteral("Importieren"),
       PanelWerkzeugImportieren, SpeedButtonWerkzeugImportieren);
  tool(2, "PanelWerkzeugExportieren", "SpeedButtonWerkzeugExportieren", QStringLiteral("Exportieren"),
       PanelWerkzeugExportieren, SpeedButtonWerkzeugExportieren);

  PanelAusrichten = align_.Panel;
  SpeedButtonAusrichten = align_.Button;
  LabelAusrichtenTitel = align_.Title;
  LabelAusrichten = align_.Value;
  PanelPositionX = x_.Panel;
  LabelPositionXTitel = x_.Title;
  LabelPositionX = x_.Value;
  SpeedButtonPositionXDown = x_.Down;
  SpeedButtonPositionXUp = x_.Up;
  PanelPositionY = y_.Panel;
  LabelPositionYTitel = y_.Title;
  LabelPositionY = y_.Value;
  SpeedButtonPositionYDown = y_.Down;
  SpeedButtonPositionYUp = y_.Up;
  PanelGrafikProportional = proportional_.Panel;
  SpeedButtonGrafikProportional = proportional_.Button;
  LabelGrafikProportionalTitel = proportional_.Title;
  LabelGrafikProportional = proportional_.Value;
  PanelGrafikBreite = width_.Panel;
  LabelGrafikBreiteTitel = width_.Title;
  LabelGrafikBreite = width_.Value;
  SpeedButtonGrafikBreiteDown = width_.Down;
  SpeedButtonGrafikBreiteUp = width_.Up;
  PanelGrafikHoehe = height_.Panel;
  LabelGrafikHoeheTitel = height_.Title;
  LabelGrafikHoehe = height_.Value;
  SpeedButtonGrafikHoeheDown = height_.Down;
  SpeedButtonGrafikHoeheUp = height_.Up;

  auto timer = [this](const char* name) { return editor::ui::AddRepeatTimer(this, name); };
  TimerHorizontal = timer("TimerHorizontal");
  TimerVertikal = timer("TimerVertikal");
  TimerBreite = timer("TimerBreite");
  TimerHoehe = timer("TimerHoehe");
}

void TFrameBearbeitenGrafik::Wire() {
  using G = TFrameBearbeitenGrafik;
  auto on = [this](QAbstractButton* b, void (G::*click)(QObject*), void (G::*down)(QObject*), void (G::*up)(QObject*)) {
    connect(b, &QAbstractButton::clicked, this, [this, b, click] { (this->*click)(b); });
    if (down) connect(b, &QAbstractButton::pressed, this, [this, b, down] { (this->*down)(b); });
    if (up) connect(b, &QAbstractButton::released, this, [this, b, up] { (this->*up)(b); });
  };
  on(SpeedButtonPositionXDown, &G::SpeedButtonPositionXDownClick, &G::SpeedButtonPositionXDownMouseDown,
     &G::SpeedButtonPositionXDownMouseUp);
  on(SpeedButtonPositionXUp, &G::SpeedButtonPositionXUpClick, &G::SpeedButtonPositionXUpMouseDown,
     &G::SpeedButtonPositionXUpMouseUp);
  on(SpeedButtonPositionYDown, &G::SpeedButtonPositionYDownClick, &G::SpeedButtonPositionYDownMouseDown,
     &G::SpeedButtonPositionYDownMouseUp);
  on(SpeedButtonPositionYUp, &G::SpeedButtonPositionYUpClick, &G::SpeedButtonPositionYUpMouseDown,
     &G::SpeedButtonPositionYUpMouseUp);
  on(SpeedButtonGrafikBreiteDown, &G::SpeedButtonGrafikBreiteDownClick, &G::SpeedButtonGrafikBreiteDownMouseDown,
     &G::SpeedButtonGrafikBreiteDownMouseUp);
  on(SpeedButtonGrafikBreiteUp, &G::SpeedButtonGrafikBreiteUpClick, &G::SpeedButtonGrafikBreiteUpMouseDown,
     &G::SpeedButtonGrafikBreiteUpMouseUp);
  on(SpeedButtonGrafikHoeheDown, &G::SpeedButtonGrafikHoeheDownClick, &G::SpeedButtonGrafikHoeheDownMouseDown,
     &G::SpeedButtonGrafikHoeheDownMouseUp);
  on(SpeedButtonGrafikHoeheUp, &G::SpeedButtonGrafikHoeheUpClick, &G::SpeedButtonGrafikHoeheUpMouseDown,
     &G::SpeedButtonGrafikHoeheUpMouseUp);
  on(SpeedButtonAusrichten, &G::SpeedButtonAusrichtenClick, nullptr, nullptr);
  on(SpeedButtonGrafikProportional, &G::SpeedButtonGrafikProportionalClick, nullptr, nullptr);
  on(SpeedButtonWerkzeugRuskavel, &G::SpeedButtonWerkzeugRuskavelClick, nullptr, nullptr);
  on(SpeedButtonWerkzeugImportieren, &G::SpeedButtonWerkzeugImportierenClick, nullptr, nullptr);
  on(SpeedButtonWerkzeugExportieren, &G::SpeedButtonWerkzeugExportierenClick, nullptr, nullptr);
  connect(TimerHorizontal, &QTimer::timeout, this, [this] { TimerHorizontalTimer(); });
  connect(TimerVertikal, &QTimer::timeout, this, [this] { TimerVertikalTimer(); });
  connect(TimerBreite, &QTimer::timeout, this, [this] { TimerBreiteTimer(); });
  connect(TimerHoehe, &QTimer::timeout, this, [this] { TimerHoeheTimer(); });
}

// The columns follow the pane's width as in the other object panes.
void TFrameBearbeitenGrafik::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int w = width();
  const int h = editor::ui::kRowHeight;
  PanelPosition->setGeometry(0, 0, w, h);
  PanelGrafik->setGeometry(0, h, w, h);
  PanelWerkzeug->setGeometry(0, 2 * h, w, h);
  const int cw = editor::ui::PaneColumnWidth(w);
  auto at = [cw](int column) { return editor::ui::PaneControlRect(column, cw); };
  PanelAusrichtenShow->setGeometry(editor::ui::PaneBandRect(cw));
  PanelGrafikProportionalShow->setGeometry(editor::ui::PaneBandRect(cw));
  align_.Place(at(0));
  x_.Place(at(1));
  y_.Place(at(2));
  proportional_.Place(at(0));
  width_.Place(at(1));
  height_.Place(at(2));
  PanelWerkzeugRuskavel->setGeometry(at(0));
  PanelWerkzeugImportieren->setGeometry(at(1));
  PanelWerkzeugExportieren->setGeometry(at(2));
}

// ---- Filling and storing ----------------------------------------------------

void TFrameBearbeitenGrafik::FillFromLayer(int layer) {
  const printdata::LayerObject* l = editor_->WorkLayer(layer);
  if (!l) return;
  // The numbers are shown as the layer holds them.
  x_.ShowUnclamped(l->PosX, editor::kPositionXRange);
  y_.ShowUnclamped(l->PosY, editor::kPositionYRange);
  LabelAusrichten->Tag = 0;
  SpeedButtonAusrichtenClick(SpeedButtonAusrichten);
  width_.ShowUnclamped(l->GraphicWidth, kSizeRange);
  height_.ShowUnclamped(l->GraphicHeight, kSizeRange);
  LabelGrafikProportional->Tag = 0;
  SpeedButtonGrafikProportionalClick(SpeedButtonGrafikProportional);
  LoadBitmap(layer);
}

void TFrameBearbeitenGrafik::SetPosition(long long x, long long y) {
  LabelPositionX->Tag = editor::Stepped(x, 0);
  LabelPositionY->Tag = editor::Stepped(y, 0);
  ApplyPositionX();
  ApplyPositionY();
}

void TFrameBearbeitenGrafik::StoreLayer() {
  if (editor_->Loading()) return;
  const int current = editor_->CurrentLayer();
  printdata::LayerObject* l = editor_->WorkLayer(current);
  if (!l) return;
  l->PosX = LabelPositionX->Tag;
  l->PosY = LabelPositionY->Tag;
  l->GraphicHeight = LabelGrafikHoehe->Tag;
  l->GraphicWidth = LabelGrafikBreite->Tag;
  editor_->RenderLayer(current, editor::ui::kLayerRed);
}

void TFrameBearbeitenGrafik::ShowPositionNumbers(bool shown) {
  LabelPositionX->setVisible(shown);
  LabelPositionY->setVisible(shown);
}

void TFrameBearbeitenGrafik::LoadBitmap(int layer) {
  if (layer < 0 || layer > 4) return;
  const printdata::LayerObject* l = editor_->WorkLayer(layer);
  if (!l) return;
  Image_Bearbeiten = editor::PixelsToBitmap(l->GraphicWidth, l->GraphicHeight, l->Pixels);
  Image_BearbeitenMonochrome = false;
  Image_Bearbeiten1 = Image_Bearbeiten;
}

void TFrameBearbeitenGrafik::StoreBitmap(int layer) {
  if (layer < 0 || layer > 4) return;
  printdata::LayerObject* l = editor_->WorkLayer(layer);
  if (!l) return;
  l->GraphicWidth = Image_Bearbeiten1.Width();
  l->GraphicHeight = Image_Bearbeiten1.Height();
  l->Pixels = editor::BitmapToPixels(Image_Bearbeiten1);
}

// ---- Position ------------------------------------------------------------------

void TFrameBearbeitenGrafik::ApplyPositionX() {
  x_.ClampAndShow(editor::kPositionXRange);
  StoreLayer();
}

void TFrameBearbeitenGrafik::ApplyPositionY() {
  y_.ClampAndShow(editor::kPositionYRange);
  StoreLayer();
}

void TFrameBearbeitenGrafik::StepX(bool up) {
  std::int64_t x = LabelPositionX->Tag;
  // The graphic is an object like any other: its fixed stops are the
  // anchors of the object panes, with its width and height in dots. A stop
  // may be negative (a graphic wider than the field or taller than 25 rows).
  if (FixedStops())
    x = editor::NextAnchorX(x, up, editor::HorizontalAnchorsFor(editor_->PrintFieldDots(), LabelGrafikBreite->Tag));
  else
    x += up ? 1 : -1;
  LabelPositionX->Tag = editor::Stepped(x, 0);
  ApplyPositionX();
}

void TFrameBearbeitenGrafik::StepY(bool up) {
  std::int64_t y = LabelPositionY->Tag;
  if (FixedStops())
    y = editor::NextAnchorY(y, up, editor::VerticalAnchorsFor(LabelGrafikHoehe->Tag));
  else
    y += up ? 1 : -1;
  LabelPositionY->Tag = editor::Stepped(y, 0);
  ApplyPositionY();
}

// ---- Size ------------------------------------------------------------------------

void TFrameBearbeitenGrafik::ApplyWidth() {
  width_.ClampAndShow(kSizeRange);
  if (Proportional()) {
    LabelGrafikHoehe->Tag = editor::ProportionalSide(LabelGrafikBreite->Tag, RefWidth, RefHeight);
    height_.ClampAndShow(kSizeRange);
  }
  Rescale();
}

void TFrameBearbeitenGrafik::ApplyHeight() {
  height_.ClampAndShow(kSizeRange);
  if (Proportional()) {
    LabelGrafikBreite->Tag = editor::ProportionalSide(LabelGrafikHoehe->Tag, RefHeight, RefWidth);
    width_.ClampAndShow(kSizeRange);
  }
  Rescale();
}

void TFrameBearbeitenGrafik::ShowSize(int width, int height) {
  LabelGrafikBreite->Tag = width;
  LabelGrafikHoehe->Tag = height;
  width_.ClampAndShow(kSizeRange);
  height_.ClampAndShow(kSizeRange);
}

// The scaled bitmap is drawn anew from the unscaled one, so repeated size
// steps lose no detail; then the layer takes it.
void TFrameBearbeitenGrafik::Rescale() {
  try {
    Image_Bearbeiten1 = editor::StretchBitmap(Image_Bearbeiten, LabelGrafikBreite->Tag, LabelGrafikHoehe->Tag,
                                              Image_BearbeitenMonochrome);
  } catch (const std::bad_alloc&) {
    // The layer keeps its size and pixels; the numbers follow the bitmap.
    platform::Beep(platform::BeepKind::Error);
    ShowSize(Image_Bearbeiten1.Width(), Image_Bearbeiten1.Height());
    return;
  }
  StoreBitmap(editor_->EditorView());
  StoreLayer();
}

// ---- Step buttons ---------------------------------------------------------------

void TFrameBearbeitenGrafik::HideMenus() { editor_->HideMenuFrames(); }

void TFrameBearbeitenGrafik::StartRepeat(TagTimer* timer, int direction, bool position,
                                         void (TFrameBearbeitenGrafik::*apply)()) {
  // Fixed stops do not repeat: holding a position button moves one stop.
  if (position && FixedStops()) return;
  timer->Press(direction);
  (this->*apply)();
}

void TFrameBearbeitenGrafik::StopRepeat(TagTimer* timer) { timer->Release(); }

void TFrameBearbeitenGrafik::Tick(TagTimer* timer, platform::Label* value, void (TFrameBearbeitenGrafik::*apply)()) {
  value->Tag = editor::Stepped(value->Tag, timer->Tick(editor::kGraphicRepeatMs));
  (this->*apply)();
}

void TFrameBearbeitenGrafik::SpeedButtonPositionXDownClick(QObject* sender) {
  platform::RepaintSender(sender);
  HideMenus();
  StepX(false);
}
void TFrameBearbeitenGrafik::SpeedButtonPositionXUpClick(QObject* sender) {
  platform::RepaintSender(sender);
  HideMenus();
  StepX(true);
}
void TFrameBearbeitenGrafik::SpeedButtonPositionXDownMouseDown(QObject*) {
  StartRepeat(TimerHorizontal, -1, true, &TFrameBearbeitenGrafik::ApplyPositionX);
}
void TFrameBearbeitenGrafik::SpeedButtonPositionXUpMouseDown(QObject*) {
  StartRepeat(TimerHorizontal, 1, true, &TFrameBearbeitenGrafik::ApplyPositionX);
}
void TFrameBearbeitenGrafik::SpeedButtonPositionXDownMouseUp(QObject*) { StopRepeat(TimerHorizontal); }
void TFrameBearbeitenGrafik::SpeedButtonPositionXUpMouseUp(QObject*) { StopRepeat(TimerHorizontal); }

void TFrameBearbeitenGrafik::SpeedButtonPositionYDownClick(QObject* sender) {
  platform::RepaintSender(sender);
  HideMenus();
  StepY(false);
}
void TFrameBearbeitenGrafik::SpeedButtonPositionYUpClick(QObject* sender) {
  platform::RepaintSender(sender);
  HideMenus();
  StepY(true);
}
void TFrameBearbeitenGrafik::SpeedButtonPositionYDownMouseDown(QObject*) {
  StartRepeat(TimerVertikal, -1, true, &TFrameBearbeitenGrafik::ApplyPositionY);
}
void TFrameBearbeitenGrafik::SpeedButtonPositionYUpMouseDown(QObject*) {
  StartRepeat(TimerVertikal, 1, true, &TFrameBearbeitenGrafik::ApplyPositionY);
}
void TFrameBearbeitenGrafik::SpeedButtonPositionYDownMouseUp(QObject*) { StopRepeat(TimerVertikal); }
void TFrameBearbeitenGrafik::SpeedButtonPositionYUpMouseUp(QObject*) { StopRepeat(TimerVertikal); }

void TFrameBearbeitenGrafik::SpeedButtonGrafikBreiteDownClick(QObject* sender) {
  platform::RepaintSender(sender);
  HideMenus();
  LabelGrafikBreite->Tag = editor::Stepped(LabelGrafikBreite->Tag, -1);
  ApplyWidth();
}
void TFrameBearbeitenGrafik::SpeedButtonGrafikBreiteUpClick(QObject* sender) {
  platform::RepaintSender(sender);
  HideMenus();
  LabelGrafikBreite->Tag = editor::Stepped(LabelGrafikBreite->Tag, 1);
  ApplyWidth();
}
void TFrameBearbeitenGrafik::SpeedButtonGrafikBreiteDownMouseDown(QObject*) {
  StartRepeat(TimerBreite, -1, false, &TFrameBearbeitenGrafik::ApplyWidth);
}
void TFrameBearbeitenGrafik::SpeedButtonGrafikBreiteUpMouseDown(QObject*) {
  StartRepeat(TimerBreite, 1, false, &TFrameBearbeitenGrafik::ApplyWidth);
}
void TFrameBearbeitenGrafik::SpeedButtonGrafikBreiteDownMouseUp(QObject*) { StopRepeat(TimerBreite); }
void TFrameBearbeitenGrafik::SpeedButtonGrafikBreiteUpMouseUp(QObject*) { StopRepeat(TimerBreite); }

void TFrameBearbeitenGrafik::SpeedButtonGrafikHoeheDownClick(QObject* sender) {
  platform::RepaintSender(sender);
  HideMenus();
  LabelGrafikHoehe->Tag = editor::Stepped(LabelGrafikHoehe->Tag, -1);
  ApplyHeight();
}
void TFrameBearbeitenGrafik::SpeedButtonGrafikHoeheUpClick(QObject* sender) {
  platform::RepaintSender(sender);
  HideMenus();
  LabelGrafikHoehe->Tag = editor::Stepped(LabelGrafikHoehe->Tag, 1);
  ApplyHeight();
}
void TFrameBearbeitenGrafik::SpeedButtonGrafikHoeheDownMouseDown(QObject*) {
  StartRepeat(TimerHoehe, -1, false, &TFrameBearbeitenGrafik::ApplyHeight);
}
void TFrameBearbeitenGrafik::SpeedButtonGrafikHoeheUpMouseDown(QObject*) {
  StartRepeat(TimerHoehe, 1, false, &TFrameBearbeitenGrafik::ApplyHeight);
}
void TFrameBearbeitenGrafik::SpeedButtonGrafikHoeheDownMouseUp(QObject*) { StopRepeat(TimerHoehe); }
void TFrameBearbeitenGrafik::SpeedButtonGrafikHoeheUpMouseUp(QObject*) { StopRepeat(TimerHoehe); }

void TFrameBearbeitenGrafik::TimerHorizontalTimer() {
  Tick(TimerHorizontal, LabelPositionX, &TFrameBearbeitenGrafik::ApplyPositionX);
}
void TFrameBearbeitenGrafik::TimerVertikalTimer() {
  Tick(TimerVertikal, LabelPositionY, &TFrameBearbeitenGrafik::ApplyPositionY);
}
void TFrameBearbeitenGrafik::TimerBreiteTimer() { Tick(TimerBreite, LabelGrafikBreite, &TFrameBearbeitenGrafik::ApplyWidth); }
void TFrameBearbeitenGrafik::TimerHoeheTimer() { Tick(TimerHoehe, LabelGrafikHoehe, &TFrameBearbeitenGrafik::ApplyHeight); }

// ---- Toggles ------------------------------------------------------------------------

void TFrameBearbeitenGrafik::SpeedButtonAusrichtenClick(QObject* sender) {
  platform::RepaintSender(sender);
  align_.Toggle(AlignTexts, PanelAusrichtenShow);
}

void TFrameBearbeitenGrafik::SpeedButtonGrafikProportionalClick(QObject* sender) {
  platform::RepaintSender(sender);
  if (proportional_.Toggle(ProportionalTexts, PanelGrafikProportionalShow)) {
    RefWidth = LabelGrafikBreite->Tag;
    RefHeight = LabelGrafikHoehe->Tag;
  }
}

// ---- Tools -------------------------------------------------------------------------------

QString TFrameBearbeitenGrafik::ToolDialogTitle(const platform::SpeedButton* button) const {
  return QStringLiteral("%1 - %2").arg(LabelWerkzeugTitel->text(), button->Caption());
}

void TFrameBearbeitenGrafik::SpeedButtonWerkzeugRuskavelClick(QObject* sender) {
  platform::RepaintSender(sender);
  HideMenus();
  if (!Services.Paint) return;
  PaintOutcome outcome = Services.Paint(Image_Bearbeiten1);
  if (outcome.Result < 0) {
    platform::Beep(platform::BeepKind::Error);
    return;
  }
  if (outcome.Result != 1 || outcome.Picture.Width() <= 0 || outcome.Picture.Height() <= 0) return;
  // Painting fixes the present size: the painted bitmap becomes the
  // unscaled one as well.
  Image_Bearbeiten = std::move(outcome.Picture);
  Image_BearbeitenMonochrome = false;
  Image_Bearbeiten1 = Image_Bearbeiten;
  ShowSize(Image_Bearbeiten1.Width(), Image_Bearbeiten1.Height());
  StoreBitmap(editor_->EditorView());
  StoreLayer();
}

void TFrameBearbeitenGrafik::SpeedButtonWerkzeugImportierenClick(QObject* sender) {
  platform::RepaintSender(sender);
  HideMenus();
  if (!Services.ChooseFile) return;
  const std::optional<std::string> file = Services.ChooseFile(ToolDialogTitle(SpeedButtonWerkzeugImportieren), 0);
  if (!file) return;
  platform::Result<editor::GraphicPicture> read = editor::ReadGraphicPicture(*file);
  if (!read) {
    // A file that cannot be read changes nothing.
    platform::Beep(platform::BeepKind::Error);
    return;
  }
  // A picture larger than a graphic can be is taken in at the largest size
  // with its sides' ratio; the unscaled bitmap keeps all of it.
  const editor::GraphicSize size = editor::FitGraphicSize(read->Picture.Width(), read->Picture.Height());
  Image_Bearbeiten = std::move(read->Picture);
  Image_BearbeitenMonochrome = read->Monochrome;
  Image_Bearbeiten1 = editor::StretchBitmap(Image_Bearbeiten, size.Width, size.Height, Image_BearbeitenMonochrome);
  ShowSize(size.Width, size.Height);
  StoreBitmap(editor_->EditorView());
  StoreLayer();
  LabelGrafikProportional->Tag = 0;
  SpeedButtonGrafikProportionalClick(SpeedButtonGrafikProportional);
}

void TFrameBearbeitenGrafik::SpeedButtonWerkzeugExportierenClick(QObject* sender) {
  platform::RepaintSender(sender);
  HideMenus();
  if (!Services.ChooseFile) return;
  const std::optional<std::string> file = Services.ChooseFile(ToolDialogTitle(SpeedButtonWerkzeugExportieren), 1);
  if (!file) return;
  if (!editor::WriteGraphicPicture(*file, Image_Bearbeiten)) platform::Beep(platform::BeepKind::Error);
}
