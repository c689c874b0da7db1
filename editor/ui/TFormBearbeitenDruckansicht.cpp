#include "editor/ui/TFormBearbeitenDruckansicht.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <algorithm>

#include "editor/ui/PaneLook.h"
#include "editor/ui/TFrameBearbeiten.h"
#include "editor/ui/TFrameBearbeitenParameter.h"
#include "editor/ui/TFrameBearbeitenVorschau.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/Hardcopy.h"
#include "platform/qt/NamedColours.h"
#include "printdata/PrintField.h"

namespace {
constexpr int kMargin = 8;
}

TFormBearbeitenDruckansicht::TFormBearbeitenDruckansicht(TFrameBearbeiten* editor)
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      editor_(editor) {
  setObjectName(QStringLiteral("FormBearbeitenDruckansicht"));
  setWindowTitle(QStringLiteral(" Vorschau"));
  setFont(platform::VerdanaPx(11));
  platform::SetWindowColour(this, editor::ui::kPageColour);
  setMinimumSize(200, 50);
  resize(745, 108);
  PanelMain = new platform::Panel(this);
  PanelMain->setObjectName(QStringLiteral("PanelMain"));
  PanelMain->SetColor(editor::ui::kGreyPage);
  ImageDruckansicht = new editor::ui::ImageControl(PanelMain);
  ImageDruckansicht->setObjectName(QStringLiteral("ImageDruckansicht"));
  ImageDruckansicht->setCursor(Qt::PointingHandCursor);
  ImageDruckansicht->OnMouseDown = [this](QMouseEvent*) { close(); };
}

void TFormBearbeitenDruckansicht::DrawPrintView() {
  const printdata::PrintText& work = editor_->WorkText;
  layout_ = editor::LayoutPrintStrip(work.Parameters.X1);
  const TFrameBearbeitenVorschau* preview = editor_->FrameBearbeitenVorschau;
  const platform::Bitmap* layers[printdata::kLayerCount];
  for (int n = 0; n < printdata::kLayerCount; ++n) layers[n] = &preview->Images.Layers[static_cast<std::size_t>(n)];
  ImageTmp = editor::ComposePrintImage(layers, printdata::kLayerCount, static_cast<int>(layout_.Print),
                                       printdata::kPrintFieldRows);
  ShowStrip();
}

void TFormBearbeitenDruckansicht::ShowStrip() {
  const QRect area = PanelMain->rect();
  if (area.width() <= 0 || area.height() <= 0 || layout_.Width <= 0) {
    ImageDruckansicht->Picture().Resize(0, 0);
    ImageDruckansicht->PictureChanged();
    return;
  }
  const editor::FittedSize size = editor::FitInto(layout_.Width, printdata::kPrintFieldRows, area.width(), area.height());
  ImageDruckansicht->Picture() = editor::RenderPrintStrip(layout_, ImageTmp, size.Width, size.Height);
  ImageDruckansicht->setGeometry((area.width() - size.Width) / 2, (area.height() - size.Height) / 2, size.Width,
                                 size.Height);
  ImageDruckansicht->PictureChanged();
}

void TFormBearbeitenDruckansicht::resizeEvent(QResizeEvent*) {
  PanelMain->setGeometry(rect().adjusted(kMargin, kMargin, -kMargin, -kMargin));
  ShowStrip();
}

void TFormBearbeitenDruckansicht::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FormShow();
}

void TFormBearbeitenDruckansicht::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  FormClose();
}

void TFormBearbeitenDruckansicht::FormShow() {
  platform::Panel* top = editor_->PanelTop;
  resize(std::max(top->width(), 200), std::max(top->height() + editor_->PanelVorschau->height(), 50));
  QPoint at = top->mapToGlobal(QPoint(0, 0));
  if (const QScreen* screen = QGuiApplication::screenAt(at) ? QGuiApplication::screenAt(at) : QGuiApplication::primaryScreen()) {
    const QRect desk = screen->availableGeometry();
    at.setX(std::max(at.x(), desk.left()));
    at.setY(std::max(at.y(), desk.top()));
  }
  move(at);
  editor_->PanelDruckansicht->SetColor(editor::ui::kEntryChosen);
  editor_->SpeedButtonDruckansicht->SetFontColor(editor::ui::kWhite);
  editor_->SpeedButtonDruckansicht->SetBold(true);
  editor_->FrameBearbeitenParameter->ShowLegend(true);
  DrawPrintView();
}

void TFormBearbeitenDruckansicht::FormClose() {
  editor_->PanelDruckansicht->SetColor(editor::ui::kEntryNormal);
  editor_->SpeedButtonDruckansicht->SetFontColor(editor::ui::kNavy);
  editor_->SpeedButtonDruckansicht->SetBold(false);
  editor_->FrameBearbeitenParameter->ShowLegend(false);
}

void TFormBearbeitenDruckansicht::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
  if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) && modifiers == Qt::NoModifier) {
    close();
  } else if (key == Qt::Key_P && modifiers == Qt::ControlModifier) {
    platform::PrintHardcopy(this);
  } else if (key == Qt::Key_F1 && modifiers == Qt::NoModifier) {
    if (editor_->Host()) editor_->Host()->ShowUserGuide();
  }
}

void TFormBearbeitenDruckansicht::keyPressEvent(QKeyEvent* event) {
  FormKeyDown(event->key(), event->modifiers() & ~Qt::KeypadModifier);
}
