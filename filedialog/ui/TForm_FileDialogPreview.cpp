// The thumbnail in the bottom bar and the large preview over the list.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QToolButton>

#include "filedialog/Extensions.h"
#include "filedialog/PreviewPicture.h"
#include "filedialog/ui/FileDialogLook.h"
#include "filedialog/ui/NameText.h"
#include "filedialog/ui/PreviewImage.h"
#include "filedialog/ui/PreviewLoader.h"
#include "filedialog/ui/TForm_FileDialog.h"
#include "filedialog/ui/VirtualListView.h"
#include "platform/PathText.h"
#include "platform/qt/Panel.h"

using namespace filedialog;
using filedialogui::FromQtName;
namespace look = filedialogui::look;

namespace {

// The picture fitted into the thumbnail's box, centred on white.
QPixmap Thumbnail(const QImage& picture) {
  QPixmap box(look::kThumbnail);
  box.fill(Qt::white);
  QPainter p(&box);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  QSize size = picture.size();
  size.scale(look::kThumbnail, Qt::KeepAspectRatio);
  p.drawImage(QRect(QPoint((box.width() - size.width()) / 2, (box.height() - size.height()) / 2), size), picture);
  return box;
}

}  // namespace

void TForm_FileDialog::ShowPreview() {
  const std::string field = FromQtName(Edit_FileName->text());
  const std::string ext = LowerExtensionOf(field);
  const std::string folder = Listing.FileSystemFolder();
  if (IsPictureExtension(ext) && !folder.empty() && !field.empty()) {
    const QImage picture = filedialogui::LoadPreviewImage(platform::JoinPath(folder, RealNameOfField()));
    if (!picture.isNull()) {
      Image_Vorschau->setPixmap(Thumbnail(picture));
      Image_VorschauGross->SetPicture(picture);
      CheckBox_Size->setText(QStringLiteral("%1x%2").arg(picture.width()).arg(picture.height()));
      thumbnailValid_ = true;
      if (!Panel_Vorschau->isVisible() && !Image_Vorschau->isVisible()) {
        SpeedButton_Vorschau->show();
        Image_Vorschau->show();
        Image_Vorschau->raise();
        repaint();
      }
      return;
    }
  }
  thumbnailValid_ = false;
  Image_Vorschau->hide();
  SpeedButton_Vorschau->hide();
}

void TForm_FileDialog::SpeedButton_VorschauClick() {
  SpeedButton_Vorschau->repaint();
  Panel_Oben->setEnabled(false);
  Image_Vorschau->hide();
  SpeedButton_Vorschau->hide();
  CheckBox_Size->setChecked(true);
  CheckBox_SizeClick();
  Panel_Vorschau->SetColor(State.mode == kModeSave ? look::kSaveGreen : look::kOpenGrey);
  Panel_Vorschau->show();
  Panel_Vorschau->raise();
  // The details style behind the panel: the arrow keys and the wheel step
  // through the folder's rows.
  lstvwVirtualList->SetViewStyle(VirtualListView::vsReport);
  lstvwVirtualList->setFocus();
  repaint();
}

void TForm_FileDialog::CheckBox_SizeClick() {
  Image_VorschauGross->SetStretch(!CheckBox_Size->isChecked());
  lstvwVirtualList->setFocus();
}

void TForm_FileDialog::Image_VorschauGrossMouseDown() { ClosePreviewPanel(); }

void TForm_FileDialog::ClosePreviewPanel() {
  if (Panel_Vorschau->isVisible()) {
    SetViewStyleOfPressedButton();
    Panel_Vorschau->hide();
    if (thumbnailValid_) {
      SpeedButton_Vorschau->show();
      Image_Vorschau->show();
      Image_Vorschau->raise();
    }
    Panel_Oben->setEnabled(true);
  }
  lstvwVirtualList->setFocus();
  repaint();
}
