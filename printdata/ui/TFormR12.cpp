#include "printdata/ui/TFormR12.h"

#include <QKeyEvent>
#include <QPainter>

#include "filedialog/ui/TForm_FileDialog.h"
#include "platform/Beep.h"
#include "platform/qt/DialogFlags.h"
#include "platform/qt/DialogServices.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/KeyModifiers.h"
#include "platform/qt/LanguageTexts.h"
#include "platform/qt/NamedColours.h"
#include "printdata/RawBitmapFile.h"
#include "printdata/ui/ComputerPlaces.h"
#include "printdata/ui/DataSetHost.h"
#include "printdata/ui/TFrameDaten.h"
#include "printdata/ui/TFrameMenuOeffnen.h"

TFormR12* FormR12 = nullptr;

namespace {

using namespace platform::colours;

constexpr int kFieldHeight = 24;

// The load button carries no caption: it shows a play mark, as loads.
class LoadButton : public platform::SpeedButton {
 public:
  using SpeedButton::SpeedButton;

 protected:
  void paintEvent(QPaintEvent* event) override {
    SpeedButton::paintEvent(event);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(platform::VclColor(CaptionColour()));
    const QPointF c = QRectF(rect()).center() + (isDown() ? QPointF(1, 1) : QPointF());
    p.drawPolygon(QPolygonF({c + QPointF(-3, -5), c + QPointF(4, 0), c + QPointF(-3, 5)}));
  }
};

QImage PictureOf(const printdata::RawPicture& raw) {
  // One bit per pixel: index 0 white, 1 black. Made once at its full size
  // and white, then the dots are set.
  QImage image(raw.Columns, printdata::kRawPictureRows, QImage::Format_Mono);
  image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  image.fill(0);
  for (int x = 0; x < raw.Columns; ++x)
    for (int y = 0; y < printdata::kPrintFieldRows; ++y)
      if (raw.Dot(x, y)) image.setPixel(x, y, 1);
  return image;
}

}  // namespace

TFormR12::TFormR12(QWidget* owner) : QDialog(owner, platform::FixedDialogFlags(true)) {
  if (!FormR12) FormR12 = this;
  setObjectName(QStringLiteral("FormR12"));
  setWindowTitle(QStringLiteral(" R12"));
  setFont(platform::VerdanaPx(11));
  platform::SetWindowColour(this, kLightGrey);

  EditFileR12 = new QLineEdit(this);
  NAME_AFTER_MEMBER(EditFileR12);
  EditFileR12->setFrame(false);
  EditFileR12->setFont(platform::VerdanaPx(11));
  EditFileR12->setStyleSheet(QStringLiteral("QLineEdit { background: %1; color: %2; border: none; padding: 0 4px; }")
                                 .arg(platform::VclColor(kSilver).name(), platform::VclColor(kBlack).name()));
  PopupMenuLeer = new QMenu(this);
  NAME_AFTER_MEMBER(PopupMenuLeer);
  EditFileR12->setContextMenuPolicy(Qt::NoContextMenu);
  EditFileR12->installEventFilter(this);

  PanelLaden = new platform::Panel(this);
  NAME_AFTER_MEMBER(PanelLaden);
  PanelLaden->SetColor(kLightGrey);
  PanelLaden->SetBevels(platform::BevelKind::Raised, platform::BevelKind::None);
  SpeedButtonLaden = new LoadButton(PanelLaden);
  NAME_AFTER_MEMBER(SpeedButtonLaden);

  Image0 = new printdata::ui::DotPicture(this);
  NAME_AFTER_MEMBER(Image0);

  connect(SpeedButtonLaden, &QAbstractButton::clicked, this, [this] { SpeedButtonLadenClick(SpeedButtonLaden); });
  setMinimumSize(kMinClientSize);
  resize(kShowClientSize);
  ShowEmpty();
}

TFormR12::~TFormR12() {
  if (FormR12 == this) FormR12 = nullptr;
}

void TFormR12::Connect(TFrameDaten* view, DataSetHost* host) {
  view_ = view;
  host_ = host;
}

void TFormR12::resizeEvent(QResizeEvent*) {
  const int w = width(), h = height();
  EditFileR12->setGeometry(0, 0, w - kFieldHeight, kFieldHeight);
  PanelLaden->setGeometry(w - kFieldHeight, 0, kFieldHeight, kFieldHeight);
  Image0->setGeometry(0, kFieldHeight, w, std::max(0, h - kFieldHeight));
}

void TFormR12::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TFormR12::FormShow() {
  // The window system keeps a window at its smallest size at least: the
  // first showing's narrower width becomes that at once.
  resize(kShowClientSize);
  const QRect main = host_ ? host_->MainWindowFrame() : QRect();
  if (main.isValid()) move(main.left() + main.width() / 2 - frameGeometry().width() / 2, main.top());
}

void TFormR12::ShowEmpty() { Image0->SetPicture(QImage()); }

bool TFormR12::LoadFile(const std::string& path) {
  ShowEmpty();
  auto raw = printdata::ReadRawBitmap(path);
  if (!raw) {
    platform::Beep(platform::BeepKind::Stop);
    return false;
  }
  Image0->SetPicture(PictureOf(*raw));
  return true;
}

void TFormR12::SpeedButtonLadenClick(QObject*) {
  SpeedButtonLaden->repaint();
  (void)LoadFile(EditFileR12->text().toStdString());
}

void TFormR12::EditFileR12DblClick(QObject*) {
  EditFileR12->repaint();
  if (view_ && view_->Host()) view_->Host()->HideMenuFrames();
  TForm_FileDialog* files = host_ ? host_->FileDialog() : nullptr;
  if (!files) return;
  const std::string tmp = host_->TmpDir();
  files->SetHomeEntry(0, QStringLiteral("Tarvik23"), tmp, tmp);
  files->SetHomeEntry(1, QStringLiteral("-"), "", "");
  files->SetBrowseEntry(0, QStringLiteral("Tarvik23"), tmp, tmp);
  files->SetBrowseEntry(1, QStringLiteral("-"), "", "");
  const DataPageMenus* menus = view_ ? &view_->Menus() : nullptr;
  const QString title = menus && menus->Oeffnen ? menus->Oeffnen->SpeedButtonOeffnen->Caption()
                                                : QStringLiteral("Öffnen");
  // The computer's places after the program's own, starting on its TMP.
  printdata::ui::SetUpComputerFileDialog(*files, title, "r23", 0, "", tmp + "R12", 2, 0);
  // The viewer stays on top of other windows: it steps aside while the file
  // dialog is shown, so that nothing covers the dialog.
  hide();
  const bool chosen = files->ShowModal() == 1;
  show();
  raise();
  activateWindow();
  if (!chosen) return;
  try {
    EditFileR12->setText(QString::fromStdString(files->GetFileName()));
    SpeedButtonLadenClick(SpeedButtonLaden);
  } catch (...) {
    ShowEmpty();
    platform::Beep(platform::BeepKind::Stop);
  }
}

bool TFormR12::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
  // Enter closes as Esc does: the viewer has no OK.
  platform::DialogKeyActions keys = HostDialogKeys(host_, this);
  keys.ok = [this] { close(); };
  keys.cancel = [this] { close(); };
  if (platform::HandleDialogKeys(key, modifiers, keys)) return true;
  if (key != Qt::Key_O || !platform::CtrlAlone(modifiers)) return false;
  SpeedButtonLadenClick(SpeedButtonLaden);
  return true;
}

void TFormR12::keyPressEvent(QKeyEvent* event) { (void)FormKeyDown(event->key(), event->modifiers()); }

bool TFormR12::eventFilter(QObject* watched, QEvent* event) {
  if (watched == EditFileR12) {
    // The window sees its keys before the field (which would take Enter and
    // Ctrl+O for itself).
    if (event->type() == QEvent::KeyPress) {
      auto* key = static_cast<QKeyEvent*>(event);
      if (FormKeyDown(key->key(), key->modifiers())) return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
      EditFileR12DblClick(EditFileR12);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}
