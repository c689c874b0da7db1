#include "editor/ui/TFrameBearbeitenVorschau.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

#include "editor/GridImage.h"
#include "editor/ui/PaneLook.h"
#include "editor/ui/PositionFontPane.h"
#include "editor/ui/TFrameBearbeiten.h"
#include "editor/ui/TFrameBearbeitenDatum.h"
#include "editor/ui/TFrameBearbeitenText.h"
#include "editor/ui/TFrameBearbeitenZeit.h"
#include "platform/qt/NamedColours.h"
#include "printdata/PrintField.h"

using editor::ui::ImageControl;

namespace {
constexpr int kImageTop = 8;
}

TFrameBearbeitenVorschau::TFrameBearbeitenVorschau(TFrameBearbeiten* editor, QWidget* parent)
    : QWidget(parent), editor_(editor) {
  setObjectName(QStringLiteral("FrameBearbeitenVorschau"));
  platform::SetWindowColour(this, editor::ui::kGreyPage);
  ScrollBox = new QScrollArea(this);
  ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
  ScrollBox->setFrameShape(QFrame::NoFrame);
  ScrollBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ScrollBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  ScrollBox->horizontalScrollBar()->setFixedHeight(16);
  ScrollBox->setWidgetResizable(false);
  platform::SetWindowColour(ScrollBox->viewport(), editor::ui::kGreyPage);
  content_ = new QWidget;
  platform::SetWindowColour(content_, editor::ui::kGreyPage);
  ScrollBox->setWidget(content_);

  auto image = [this](const char* name) {
    auto* i = new ImageControl(content_);
    i->setObjectName(QString::fromLatin1(name));
    return i;
  };
  ImageHintergrund = image("ImageHintergrund");
  ImageHintergrund->Bind(&Images.Field);
  ImageHintergrund->SetStretch(true);
  const char* names[5] = {"ImageGross0", "ImageGross1", "ImageGross2", "ImageGross3", "ImageGross4"};
  for (int n = 0; n < 5; ++n) {
    ImageGross[static_cast<std::size_t>(n)] = image(names[n]);
    ImageGross[static_cast<std::size_t>(n)]->Bind(&Images.Layers[static_cast<std::size_t>(n)]);
    ImageGross[static_cast<std::size_t>(n)]->SetStretch(true);
    ImageGross[static_cast<std::size_t>(n)]->SetTransparent(true);
  }
  ImageRaster = image("ImageRaster");
  ImageRaster->SetTransparent(true);
  ImageKlein = image("ImageKlein");
  ImageKlein->Bind(&Images.Scratch);
  ImageKlein->hide();
  ImageGrafik = image("ImageGrafik");
  ImageGrafik->hide();

  auto left = [](QMouseEvent* e) { return (e->buttons() & Qt::LeftButton) != 0; };
  auto at = [](QMouseEvent* e) { return e->position().toPoint(); };
  ImageRaster->OnMouseDown = [this, left, at](QMouseEvent* e) { ImageRasterMouseDown(left(e), at(e).x(), at(e).y()); };
  ImageRaster->OnMouseMove = [this, left, at](QMouseEvent* e) { ImageRasterMouseMove(left(e), at(e).x(), at(e).y()); };
  // The release's button state no longer holds the button released.
  ImageRaster->OnMouseUp = [this, left, at](QMouseEvent* e) { ImageRasterMouseUp(left(e), at(e).x(), at(e).y()); };
  ImageRaster->OnDblClick = [this] { ImageRasterDblClick(); };
  ScrollBox->setGeometry(rect());
}

void TFrameBearbeitenVorschau::resizeEvent(QResizeEvent*) { ScrollBox->setGeometry(rect()); }

void TFrameBearbeitenVorschau::InitPreview() {
  Images.Scratch.Resize(600, printdata::kPrintFieldRows);
  ImageKlein->PictureChanged();
  ImageGrafik->Picture().Resize(600, printdata::kPrintFieldRows);
  ImageHintergrund->move(0, kImageTop);
  for (ImageControl* i : ImageGross) i->move(0, kImageTop);
  ImageRaster->move(0, kImageTop);
  ResizeBackground(ImageHintergrund, 4, true, 600);
  for (ImageControl* i : ImageGross) ResizeLayerImage(i, 4, true, 600);
  DrawGrid(ImageRaster, 4, editor::kGridNone, 600);
  // A press on a layer image starts a drag as on the grid.
  for (ImageControl* i : ImageGross) i->OnMouseDown = ImageRaster->OnMouseDown;
}

void TFrameBearbeitenVorschau::Resize(ImageControl* image, std::int64_t zoomIn, bool visible, std::int64_t widthIn,
                                      bool transparent) {
  const int zoom = editor::ClampZoom(zoomIn);
  const int width = editor::ClampFieldWidth(widthIn);
  image->resize(zoom * width, zoom * printdata::kPrintFieldRows);
  image->Picture().Resize(width, printdata::kPrintFieldRows);
  image->SetTransparent(transparent);
  image->PictureChanged();
  image->setVisible(visible);
  FitContent();
}

void TFrameBearbeitenVorschau::ResizeBackground(ImageControl* image, std::int64_t zoom, bool visible, std::int64_t width) {
  Resize(image, zoom, visible, width, false);
}

void TFrameBearbeitenVorschau::ResizeLayerImage(ImageControl* image, std::int64_t zoom, bool visible, std::int64_t width) {
  Resize(image, zoom, visible, width, true);
}

void TFrameBearbeitenVorschau::ZoomBackground(ImageControl* image, std::int64_t zoomIn) {
  const int zoom = editor::ClampZoom(zoomIn);
  image->resize(zoom * image->Picture().Width(), zoom * printdata::kPrintFieldRows);
  FitContent();
}

void TFrameBearbeitenVorschau::ZoomLayerImage(ImageControl* image, std::int64_t zoom) { ZoomBackground(image, zoom); }

void TFrameBearbeitenVorschau::DrawGrid(ImageControl* image, std::int64_t zoom, int mode, std::int64_t width) {
  image->Tag = editor::DrawGrid(image->Picture(), zoom, mode, width);
  image->resize(image->Picture().Width(), image->Picture().Height());
  image->PictureChanged();
  image->show();
  FitContent();
}

void TFrameBearbeitenVorschau::RedrawGrid(ImageControl* image, int mode) {
  const int z = std::max(1, (image->Picture().Height() - 1) / printdata::kPrintFieldRows);
  DrawGrid(image, z, mode, (image->Picture().Width() - 1) / z);
}

void TFrameBearbeitenVorschau::ZoomGrid(ImageControl* image, std::int64_t zoom) {
  const int z = std::max(1, (image->Picture().Height() - 1) / printdata::kPrintFieldRows);
  DrawGrid(image, zoom, image->Tag, (image->Picture().Width() - 1) / z);
}

void TFrameBearbeitenVorschau::BringToFront(int layer) {
  if (layer >= 0 && layer < 5) ImageGross[static_cast<std::size_t>(layer)]->raise();
  ImageRaster->raise();
}

void TFrameBearbeitenVorschau::LayerChanged(int layer) {
  if (layer >= 0 && layer < 5) ImageGross[static_cast<std::size_t>(layer)]->PictureChanged();
}

void TFrameBearbeitenVorschau::FitContent() {
  int w = 0, h = 0;
  for (QWidget* i : std::initializer_list<QWidget*>{ImageHintergrund, ImageRaster}) {
    w = std::max(w, i->x() + i->width());
    h = std::max(h, i->y() + i->height());
  }
  content_->resize(w, h);
}

// --- Dragging -------------------------------------------------------------

void TFrameBearbeitenVorschau::ImageRasterMouseDown(bool leftHeld, int x, int y) {
  if (!leftHeld) return;
  const int v = editor_->EditorView();
  if (v < 0 || v > 4) return;
  DragMouseX = x;
  DragMouseY = y;
  const int kind = editor_->WorkText.Layers[static_cast<std::size_t>(v)].Kind;
  if (PositionFontPane* pane = editor_->ObjectPane(kind)) {
    DragObjectX = pane->LabelPositionX->Tag;
    DragObjectY = pane->LabelPositionY->Tag;
  } else if (kind == printdata::kKindGraphic && editor_->GraphicPane()) {
    DragObjectX = editor_->GraphicPane()->PositionX();
    DragObjectY = editor_->GraphicPane()->PositionY();
  }
}

void TFrameBearbeitenVorschau::ImageRasterMouseMove(bool leftHeld, int x, int y) {
  if (!leftHeld) return;
  const int v = editor_->EditorView();
  if (v < 0 || v > 4) return;
  const auto target = editor::DragTarget({DragMouseX, DragMouseY, DragObjectX, DragObjectY}, x, y, editor_->EditorZoom());
  if (!target) return;
  const int kind = editor_->WorkText.Layers[static_cast<std::size_t>(v)].Kind;
  if (PositionFontPane* pane = editor_->ObjectPane(kind)) {
    editor_->Loading = 1;
    pane->LabelPositionX->Tag = editor::Stepped(target->X, 0);
    pane->UpdatePositionX();
    pane->LabelPositionY->Tag = editor::Stepped(target->Y, 0);
    pane->UpdatePositionY();
    editor_->Loading = 0;
    pane->StorePane();
  } else if (kind == printdata::kKindGraphic && editor_->GraphicPane()) {
    editor_->Loading = 1;
    editor_->GraphicPane()->SetPosition(target->X, target->Y);
    editor_->Loading = 0;
    editor_->GraphicPane()->StoreLayer();
  }
}

void TFrameBearbeitenVorschau::ImageRasterMouseUp(bool leftHeld, int x, int y) { ImageRasterMouseMove(leftHeld, x, y); }

// As a click on "Ansicht": the view menu opens, or closes when it is open.
void TFrameBearbeitenVorschau::ImageRasterDblClick() { editor_->SpeedButtonAnsichtClick(nullptr); }
