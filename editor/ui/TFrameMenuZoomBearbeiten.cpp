#include "editor/ui/TFrameMenuZoomBearbeiten.h"

#include "editor/ui/PaneLook.h"
#include "editor/ui/StepControl.h"
#include "editor/ui/TFrameBearbeiten.h"
#include "editor/ui/TFrameBearbeitenVorschau.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/NamedColours.h"
#include "printdata/PrintField.h"

TFrameMenuZoomBearbeiten::TFrameMenuZoomBearbeiten(QWidget* owner) : QWidget(owner) {
  setObjectName(QStringLiteral("FrameMenuZoomBearbeiten"));
  setFont(platform::VerdanaPx(11));
  PanelMain = new platform::Panel(this);
  PanelMain->setObjectName(QStringLiteral("PanelMain"));
  PanelMain->SetColor(platform::colours::kSilver);
  PanelMain->setGeometry(0, 0, 192, 64);
  zoom_ = editor::ui::AddStepControl(PanelMain, QStringLiteral("PanelZoom"), QStringLiteral("Zoom"), QStringLiteral("-"),
                                     QStringLiteral("+"));
  zoom_.Panel->SetColor(editor::ui::kEntryNormal);
  zoom_.Place(QRect(8, 8, 176, 48));
  PanelZoom = zoom_.Panel;
  LabelZoomTitel = zoom_.Title;
  LabelZoom = zoom_.Value;
  SpeedButtonZoomDown = zoom_.Down;
  SpeedButtonZoomUp = zoom_.Up;
  LabelZoom->Tag = 4;
  LabelZoom->setText(QStringLiteral("4x"));
  connect(SpeedButtonZoomDown, &QAbstractButton::clicked, this, [this] { SpeedButtonZoomDownClick(SpeedButtonZoomDown); });
  connect(SpeedButtonZoomUp, &QAbstractButton::clicked, this, [this] { SpeedButtonZoomUpClick(SpeedButtonZoomUp); });
  resize(192, 64);
  hide();
}

void TFrameMenuZoomBearbeiten::mousePressEvent(QMouseEvent*) { PanelMainClick(PanelMain); }

void TFrameMenuZoomBearbeiten::PanelMainClick(QObject*) {
  if (editor_ && editor_->Host()) editor_->Host()->CloseMenusAndRefresh();
}

void TFrameMenuZoomBearbeiten::SpeedButtonZoomDownClick(QObject* sender) {
  platform::RepaintSender(sender);
  LabelZoom->Tag = LabelZoom->Tag - 1;
  ApplyZoom();
}

void TFrameMenuZoomBearbeiten::SpeedButtonZoomUpClick(QObject* sender) {
  platform::RepaintSender(sender);
  LabelZoom->Tag = LabelZoom->Tag + 1;
  ApplyZoom();
}

void TFrameMenuZoomBearbeiten::ApplyZoom() {
  const int zoom = zoom_.ClampAndShowAs({1, 5}, [](std::int32_t v) { return QStringLiteral("%1x").arg(v); });
  if (!editor_) return;
  editor_->LabelZoom->setText(LabelZoom->text());
  TFrameBearbeitenVorschau* preview = editor_->FrameBearbeitenVorschau;
  preview->ZoomBackground(preview->ImageHintergrund, zoom);
  for (editor::ui::ImageControl* image : preview->ImageGross) preview->ZoomLayerImage(image, zoom);
  preview->ZoomGrid(preview->ImageRaster, zoom);
  editor_->PanelVorschau->resize(editor_->PanelVorschau->width(), printdata::kPrintFieldRows * zoom + 33);
  editor_->LayoutPage();
  if (editor_->Host()) editor_->Host()->CloseMenusAndRefresh();
}
