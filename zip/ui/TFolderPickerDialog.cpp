#include "zip/ui/TFolderPickerDialog.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/qt/DialogFlags.h"
#include "platform/qt/FixedMessageBox.h"
#include "zip/ui/PickerCaptions.h"
#include "zip/ui/ShortenedPath.h"

namespace {

constexpr int kRestart = 3;

bool German(const QString& key) { return key.endsWith(QLatin1String("07")); }

// The new-folder button's place at the screen's resolution: left margin,
// distance of its top from the bottom edge, height, and the width factor.
struct ButtonPlace {
  int left, bottom, height;
  double widthFactor;
};
ButtonPlace PlaceFor(int dpi, int captionHeight) {
  switch (dpi) {
    case 72:
    case 96: return {12, 36, 23, 1.0};
    case 120: return {15, 45, 28, 1.25};
    case 144: return {17, 56, 35, 1.5};
    case 192: return {20, 66, 41, 2.0};
    default: {
      const int height = 23 * dpi / 96;
      return {12 * dpi / 96, captionHeight + 17, height, dpi / 96.0};
    }
  }
}

std::string ToPath(const QString& s) { return QFile::encodeName(s).toStdString(); }
QString FromPath(const std::string& s) { return QFile::decodeName(QByteArray::fromStdString(s)); }

bool IsSingleFolderName(const QString& name) {
  return !name.trimmed().isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
         !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

}  // namespace

TFolderPickerDialog::TFolderPickerDialog(QObject* owner) : QObject(owner) {
  labelCaptions_ = zipui::DefaultLabelCaptions();
  newFolderCaptions_ = zipui::DefaultNewFolderCaptions();
  SetLocaleKey(zipui::LocaleKeyOf(QLocale::system()));
  AskFolderName = [](QWidget* browser, const QString& title) -> std::optional<QString> {
    bool ok = false;
    const QString name = QInputDialog::getText(browser, title, QString(), QLineEdit::Normal, QString(), &ok,
                                               platform::FixedDialogFlags());
    if (!ok) return std::nullopt;
    return name;
  };
}

TFolderPickerDialog::~TFolderPickerDialog() = default;

void TFolderPickerDialog::SetLocaleKey(const QString& key) {
  localeKey_ = key;
  labelCaption_ = zipui::ChooseCaption(labelCaptions_, localeKey_);
  newFolderCaption_ = zipui::ChooseCaption(newFolderCaptions_, localeKey_);
  if (newFolder_) newFolder_->setText(newFolderCaption_);
}

void TFolderPickerDialog::SetLabelCaptions(const QStringList& captions) {
  if (captions == labelCaptions_) return;
  labelCaptions_ = captions;
  SetLocaleKey(localeKey_);
}

void TFolderPickerDialog::SetNewFolderCaptions(const QStringList& captions) {
  if (captions == newFolderCaptions_) return;
  newFolderCaptions_ = captions;
  SetLocaleKey(localeKey_);
}

void TFolderPickerDialog::SetNewFolderVisible(bool visible) {
  newFolderVisible_ = visible;
  if (newFolder_) newFolder_->setVisible(visible);
}

void TFolderPickerDialog::SetNewFolderEnabled(bool enabled) {
  newFolderEnabled_ = enabled;
  UpdateNewFolderButton();
}

void TFolderPickerDialog::UpdateNewFolderButton() {
  if (newFolder_) newFolder_->setEnabled(newFolderEnabled_ && validPath_);
}

std::string TFolderPickerDialog::RootFolderPath() const {
  if (!RootPath.empty()) return RootPath;
  QString path;
  switch (RootFolder) {
    case foDesktop:
    case foDesktopFolder: path = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation); break;
    case foPersonal: path = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); break;
    case foPrograms:
    case foStartMenu: path = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation); break;
    case foFonts: path = QStandardPaths::writableLocation(QStandardPaths::FontsLocation); break;
    case foRecycleBin:
      path = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Trash/files");
      break;
    case foStartup:
      path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/autostart");
      break;
    default: break;
  }
  if (path.isEmpty() || !QDir(path).exists()) return "/";
  return ToPath(path);
}

QString TFolderPickerDialog::StatusText(const std::string& folder) const {
  return zipui::ShortenedPath(FromPath(folder), 50);
}

void TFolderPickerDialog::BuildBrowser(QDialog* browser) {
  browser->setObjectName(QStringLiteral("FolderPicker"));
  browser->setWindowTitle(German(localeKey_) ? QStringLiteral("Ordner suchen") : QStringLiteral("Browse For Folder"));
  const ButtonPlace place = PlaceFor(browser->logicalDpiX(), browser->fontMetrics().height());
  auto* column = new QVBoxLayout(browser);
  column->setContentsMargins(place.left, 10, place.left, std::max(4, place.bottom - place.height));

  auto* title = new QLabel(labelCaption_, browser);
  title->setObjectName(QStringLiteral("LabelTitle"));
  title->setWordWrap(true);
  title->setVisible(!labelCaption_.isEmpty());
  column->addWidget(title);

  status_ = new QLabel(browser);
  status_->setObjectName(QStringLiteral("LabelStatus"));
  status_->setVisible((Flags & ShowPath) != 0);
  column->addWidget(status_);

  model_ = new QFileSystemModel(browser);
  model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  model_->setReadOnly(true);
  const QString root = FromPath(RootFolderPath());
  model_->setRootPath(root);
  tree_ = new QTreeView(browser);
  tree_->setObjectName(QStringLiteral("TreeFolders"));
  tree_->setModel(model_);
  for (int c = 1; c < model_->columnCount(); ++c) tree_->hideColumn(c);
  tree_->header()->hide();
  if (root != QLatin1String("/")) tree_->setRootIndex(model_->index(root));
  column->addWidget(tree_, 1);

  auto* row = new QHBoxLayout;
  newFolder_ = new QPushButton(newFolderCaption_, browser);
  newFolder_->setObjectName(QStringLiteral("ButtonNewFolder"));
  newFolder_->setFixedSize(static_cast<int>(newFolderWidth_ * place.widthFactor), place.height);
  newFolder_->setAutoDefault(false);
  newFolder_->setVisible(newFolderVisible_);
  row->addWidget(newFolder_);
  row->addStretch(1);
  ok_ = new QPushButton(QStringLiteral("OK"), browser);
  ok_->setObjectName(QStringLiteral("ButtonOK"));
  ok_->setDefault(true);
  auto* cancel = new QPushButton(German(localeKey_) ? QStringLiteral("Abbrechen") : QStringLiteral("Cancel"), browser);
  cancel->setObjectName(QStringLiteral("ButtonCancel"));
  for (QPushButton* b : {ok_, cancel}) {
    b->setFixedSize(static_cast<int>(75 * place.widthFactor), place.height);
    row->addWidget(b);
  }
  column->addLayout(row);
  // Wide enough for a status line of 50 characters.
  const int statusWidth = browser->fontMetrics().horizontalAdvance(QString(50, QLatin1Char('n'))) + 2 * place.left;
  browser->resize(std::max(static_cast<int>(320 * place.widthFactor), statusWidth),
                  static_cast<int>(400 * place.widthFactor));
  browser->setMinimumSize(browser->size());

  QObject::connect(ok_, &QPushButton::clicked, browser, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, browser, &QDialog::reject);
  QObject::connect(newFolder_, &QPushButton::clicked, this, [this] { NewFolderClicked(); });
  // The selection, not the current item: the tree moves its current item
  // to the first row by itself when it gets the focus, which is no choice
  // of the user's.
  QObject::connect(tree_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { SelectionChanged(); });
}

bool TFolderPickerDialog::Execute() {
  QWidget* owner = ParentWindow;
  if (!owner) owner = qobject_cast<QWidget*>(parent());
  if (!owner) owner = QApplication::activeWindow();
  bool chosen = false;
  do {
    restart_ = false;
    selected_ = Folder;
    validPath_ = true;
    QDialog browser(owner);
    browser_ = &browser;
    BuildBrowser(&browser);
    if (QScreen* screen = owner ? owner->screen() : QApplication::primaryScreen()) {
      const QRect area = screen->availableGeometry();
      browser.move(area.center() - QPoint(browser.width() / 2, browser.height() / 2));
    }
    // Nothing preselected: the root is the selection.
    SelectionChanged();
    if (!Folder.empty()) SetSelectionPath(&browser, Folder);
    if (OnInitialized) OnInitialized(this, &browser);
    const int result = browser.exec();
    chosen = result == QDialog::Accepted && !selected_.empty();
    browser_ = nullptr;
    tree_ = nullptr;
    model_ = nullptr;
    status_ = nullptr;
    newFolder_ = nullptr;
    ok_ = nullptr;
    if (restart_) Folder = selected_;
  } while (restart_);
  if (chosen) Folder = selected_;
  return chosen;
}

void TFolderPickerDialog::SetSelectionPath(QDialog* browser, const std::string& path) {
  if (browser != browser_ || !tree_) return;
  const QModelIndex index = model_->index(FromPath(path));
  if (!index.isValid()) return;
  tree_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  tree_->scrollTo(index);
}

void TFolderPickerDialog::EnableOK(QDialog* browser, bool enable) {
  if (browser == browser_ && ok_) ok_->setEnabled(enable);
}

void TFolderPickerDialog::SelectionChanged() {
  if (!tree_) return;
  const QModelIndexList chosen = tree_->selectionModel()->selectedIndexes();
  selected_ = chosen.isEmpty() ? RootFolderPath() : ToPath(model_->filePath(chosen.first()));
  if (Flags & ShowPath) status_->setText(StatusText(selected_));
  validPath_ = !selected_.empty();
  EnableOK(browser_, (Flags & OnlyFileSystem) ? validPath_ : true);
  UpdateNewFolderButton();
  if (OnSelectionChanged) OnSelectionChanged(this, browser_, selected_);
}

void TFolderPickerDialog::NewFolderClicked() {
  if (!browser_ || !AskFolderName) return;
  const std::optional<QString> name = AskFolderName(browser_, newFolderCaption_);
  if (!name || name->isEmpty()) return;
  if (!IsSingleFolderName(*name)) {
    platform::FixedMessageBox(browser_, QMessageBox::Warning, newFolderCaption_,
                              German(localeKey_) ? QStringLiteral("\"%1\" ist kein gültiger Ordnername.").arg(*name)
                                            : QStringLiteral("\"%1\" is not a valid folder name.").arg(*name));
    return;
  }
  QString folder = FromPath(selected_);
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  folder += *name;
  if (!QDir().mkpath(folder)) {
    platform::FixedMessageBox(browser_, QMessageBox::Warning, newFolderCaption_, folder);
    return;
  }
  // The browser opens again on the new folder.
  selected_ = ToPath(folder);
  restart_ = true;
  browser_->done(kRestart);
}
