#include "filedialog/ui/TForm_FileDialog.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QToolButton>
#include <QWheelEvent>
#include <algorithm>
#include <filesystem>

#include "filedialog/Extensions.h"
#include "filedialog/ui/FileDialogLook.h"
#include "filedialog/ui/NameText.h"
#include "filedialog/ui/PreviewImage.h"
#include "filedialog/ui/ShellListModel.h"
#include "filedialog/ui/ToolGlyphs.h"
#include "filedialog/ui/VirtualListView.h"
#include "platform/PathText.h"
#include "platform/qt/Colour.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/Hardcopy.h"
#include "platform/qt/LanguageTexts.h"
#include "platform/qt/NamedColours.h"
#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"

using namespace filedialog;
using filedialogui::FromQtName;
using filedialogui::Glyph;
using filedialogui::GlyphIcon;
using filedialogui::MenuText;
using filedialogui::ToQtName;
namespace look = filedialogui::look;

TForm_FileDialog* Form_FileDialog = nullptr;

namespace {

// The place saved by the work-area toggle, shared by the process.
QRect savedPlace;

}  // namespace

TForm_FileDialog::TForm_FileDialog(QWidget* owner, ShellEnvironment environment)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      Shell(std::move(environment)),
      Listing(Shell) {
  Form_FileDialog = this;
  setObjectName(QStringLiteral("Form_FileDialog"));
  setModal(true);
  setFont(platform::VerdanaPx(11));
  platform::SetWindowColour(this, look::kFace);
  DialogTexts = {QStringLiteral("Öffnen"),       QStringLiteral("Speichern"),    QStringLiteral("Abbrechen"),
                 QStringLiteral("Neuer Ordner"), QStringLiteral("Ordnername:"),  QStringLiteral("Neuer Ordner"),
                 QStringLiteral("Umbenennen"),   QStringLiteral("Neuer Name:")};
  ColumnCaptions = {QStringLiteral("Name"), QStringLiteral("Grösse"), QStringLiteral("Typ"),
                    QStringLiteral("Geändert am"), QStringLiteral("Attribute")};
  // The language loader replaces the texts (the columns through the list's
  // model).
  platform::RegisterTexts(this, "DialogTexts", DialogTexts);
  BuildControls();
  setMinimumSize(look::kMinClient);
  resize(look::kMinClient);
  // The computer until a caller opens a place, in the list style.
  (void)OpenFolderOrReport(Listing.CurrentIdList());
  SpeedButton_List->setChecked(true);
  lstvwVirtualList->SetViewStyle(VirtualListView::vsList);
  lstvwVirtualList->setFocus();
}

TForm_FileDialog::~TForm_FileDialog() {
  if (Form_FileDialog == this) Form_FileDialog = nullptr;
}

void TForm_FileDialog::BuildControls() {
  auto panel = [](QWidget* parent, const char* name) {
    auto* p = new platform::Panel(parent);
    p->setObjectName(QLatin1String(name));
    p->SetColor(look::kFace);
    return p;
  };
  Panel_Oben = panel(this, "Panel_Oben");
  Panel_Oben->SetBottomLine(true);
  auto tool = [this](const char* name, Glyph glyph, const char* hint) {
    auto* b = new QToolButton(Panel_Oben);
    b->setObjectName(QLatin1String(name));
    b->setIcon(GlyphIcon(glyph));
    b->setIconSize(QSize(24, 24));
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setToolTip(QString::fromUtf8(hint));
    b->resize(look::kToolButton, look::kToolButton);
    return b;
  };
  SpeedButton_Back = tool("SpeedButton_Back", Glyph::Back, "Zurück");
  SpeedButton_Home = tool("SpeedButton_Home", Glyph::Home, "Home");
  SpeedButton_Browse = tool("SpeedButton_Browse", Glyph::Browse, "Suchen");
  SpeedButton_Refresh = tool("SpeedButton_Refresh", Glyph::Refresh, "Aktualisieren");
  SpeedButton_Icons = tool("SpeedButton_Icons", Glyph::Icons, "Symbole");
  SpeedButton_List = tool("SpeedButton_List", Glyph::List, "Liste");
  SpeedButton_Report = tool("SpeedButton_Report", Glyph::Report, "Details");
  SpeedButton_Delete = tool("SpeedButton_Delete", Glyph::Delete, "Löschen");
  SpeedButton_Cut = tool("SpeedButton_Cut", Glyph::Cut, "Ausschneiden");
  SpeedButton_Copy = tool("SpeedButton_Copy", Glyph::Copy, "Kopieren");
  SpeedButton_Insert = tool("SpeedButton_Insert", Glyph::Insert, "Einfügen");
  SpeedButton_Rename = tool("SpeedButton_Rename", Glyph::Rename, "Umbenennen");
  SpeedButton_MakeDir = tool("SpeedButton_MakeDir", Glyph::NewFolder, "Neuer Ordner");
  ViewButtons = new QButtonGroup(this);
  ViewButtons->setExclusive(true);
  for (QToolButton* b : {SpeedButton_Icons, SpeedButton_List, SpeedButton_Report}) {
    b->setCheckable(true);
    ViewButtons->addButton(b);
  }

  Panel_Mitte = panel(this, "Panel_Mitte");
  Edit_Pfad = new QLineEdit(Panel_Mitte);
  Edit_Pfad->setObjectName(QStringLiteral("Edit_Pfad"));
  Edit_Pfad->setReadOnly(true);
  Edit_Pfad->setFocusPolicy(Qt::ClickFocus);
  platform::SetBaseColour(Edit_Pfad, look::kCream);
  ListModel = new ShellListModel(Listing, ColumnCaptions, this);
  lstvwVirtualList = new VirtualListView(Panel_Mitte, ListModel);
  lstvwVirtualList->setObjectName(QStringLiteral("lstvwVirtualList"));
  lstvwVirtualList->SetColor(look::kCream);
  Label_FileName = new QLabel(QStringLiteral("Dateiname:"), Panel_Mitte);
  Label_FileName->setObjectName(QStringLiteral("Label_FileName"));
  Edit_FileName = new QLineEdit(Panel_Mitte);
  Edit_FileName->setObjectName(QStringLiteral("Edit_FileName"));
  platform::SetBaseColour(Edit_FileName, look::kOpenGrey);
  Edit_FileName->setReadOnly(true);

  Panel_Vorschau = panel(Panel_Mitte, "Panel_Vorschau");
  Panel_Vorschau->hide();
  CheckBox_Size = new QCheckBox(Panel_Vorschau);
  CheckBox_Size->setObjectName(QStringLiteral("CheckBox_Size"));
  CheckBox_Size->setFocusPolicy(Qt::NoFocus);
  Image_VorschauGross = new PreviewImage(Panel_Vorschau);
  Image_VorschauGross->setObjectName(QStringLiteral("Image_VorschauGross"));

  Panel_Unten = panel(this, "Panel_Unten");
  Panel_Unten->SetTopLine(true);
  platform::AddButtonPanel(Panel_Unten, QRect(0, 5, look::kBottomButtonWidth, look::kBottomButtonHeight), DialogTexts[0],
                           Panel_OK, SpeedButton_OK);
  Panel_OK->setObjectName(QStringLiteral("Panel_OK"));
  SpeedButton_OK->setObjectName(QStringLiteral("SpeedButton_OK"));
  platform::AddButtonPanel(Panel_Unten, QRect(0, 5, look::kBottomButtonWidth, look::kBottomButtonHeight), DialogTexts[2],
                           Panel_Abbrechen, SpeedButton_Abbrechen);
  Panel_Abbrechen->setObjectName(QStringLiteral("Panel_Abbrechen"));
  SpeedButton_Abbrechen->setObjectName(QStringLiteral("SpeedButton_Abbrechen"));
  SpeedButton_Vorschau = new QToolButton(Panel_Unten);
  SpeedButton_Vorschau->setObjectName(QStringLiteral("SpeedButton_Vorschau"));
  SpeedButton_Vorschau->setAutoRaise(true);
  SpeedButton_Vorschau->setFocusPolicy(Qt::NoFocus);
  SpeedButton_Vorschau->hide();
  Image_Vorschau = new QLabel(Panel_Unten);
  Image_Vorschau->setObjectName(QStringLiteral("Image_Vorschau"));
  Image_Vorschau->setAlignment(Qt::AlignCenter);
  Image_Vorschau->setAttribute(Qt::WA_TransparentForMouseEvents);
  Image_Vorschau->hide();
  Image_Grip = new QLabel(Panel_Unten);
  Image_Grip->setObjectName(QStringLiteral("Image_Grip"));
  Image_Grip->setPixmap(GlyphIcon(Glyph::Grip).pixmap(16, 16));
  Image_Grip->setAttribute(Qt::WA_TransparentForMouseEvents);
  Panel_Unten->installEventFilter(this);

  PopupMenu_Home = new QMenu(this);
  PopupMenu_Home->setObjectName(QStringLiteral("PopupMenu_Home"));
  PopupMenu_Browse = new QMenu(this);
  PopupMenu_Browse->setObjectName(QStringLiteral("PopupMenu_Browse"));
  for (int i = 0; i < 20; ++i) {
    HomeItems[static_cast<std::size_t>(i)] = PopupMenu_Home->addAction(QString());
    HomeItems[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("Home%1").arg(i));
    HomeItems[static_cast<std::size_t>(i)]->setVisible(false);
    connect(HomeItems[static_cast<std::size_t>(i)], &QAction::triggered, this, [this, i] { HomeItemClick(i); });
    BrowseItems[static_cast<std::size_t>(i)] = PopupMenu_Browse->addAction(QString());
    BrowseItems[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("Browse%1").arg(i));
    BrowseItems[static_cast<std::size_t>(i)]->setVisible(false);
    connect(BrowseItems[static_cast<std::size_t>(i)], &QAction::triggered, this, [this, i] { BrowseItemClick(i); });
  }
  PopupMenu_Insert = new QMenu(this);
  PopupMenu_Insert->setObjectName(QStringLiteral("PopupMenu_Insert"));
  for (int i = 0; i < 10; ++i) {
    InsertItems[static_cast<std::size_t>(i)] = PopupMenu_Insert->addAction(QString());
    InsertItems[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("Insert%1").arg(i));
    InsertItems[static_cast<std::size_t>(i)]->setVisible(false);
    connect(InsertItems[static_cast<std::size_t>(i)], &QAction::triggered, this, [this, i] { InsertItemClick(i); });
  }
  N1 = PopupMenu_Insert->addSeparator();
  N1->setObjectName(QStringLiteral("N1"));
  InsertListeLoeschen = PopupMenu_Insert->addAction(QStringLiteral("Liste löschen"));
  InsertListeLoeschen->setObjectName(QStringLiteral("InsertListeLoeschen"));
  connect(InsertListeLoeschen, &QAction::triggered, this, [this] { InsertListeLoeschenClick(); });

  connect(SpeedButton_Back, &QToolButton::clicked, this, [this] { SpeedButton_BackClick(); });
  connect(SpeedButton_Home, &QToolButton::clicked, this, [this] { SpeedButton_HomeClick(); });
  connect(SpeedButton_Browse, &QToolButton::clicked, this, [this] { SpeedButton_BrowseClick(); });
  connect(SpeedButton_Refresh, &QToolButton::clicked, this, [this] { SpeedButton_RefreshClick(); });
  connect(SpeedButton_Icons, &QToolButton::clicked, this, [this] { SpeedButton_IconsClick(); });
  connect(SpeedButton_List, &QToolButton::clicked, this, [this] { SpeedButton_ListClick(); });
  connect(SpeedButton_Report, &QToolButton::clicked, this, [this] { SpeedButton_ReportClick(); });
  connect(SpeedButton_Delete, &QToolButton::clicked, this, [this] { SpeedButton_DeleteClick(); });
  connect(SpeedButton_Cut, &QToolButton::clicked, this, [this] { SpeedButton_CutClick(); });
  connect(SpeedButton_Copy, &QToolButton::clicked, this, [this] { SpeedButton_CopyClick(); });
  connect(SpeedButton_Insert, &QToolButton::clicked, this, [this] { SpeedButton_InsertClick(); });
  connect(SpeedButton_Rename, &QToolButton::clicked, this, [this] { SpeedButton_RenameClick(); });
  connect(SpeedButton_MakeDir, &QToolButton::clicked, this, [this] { SpeedButton_MakeDirClick(); });
  connect(SpeedButton_OK, &QAbstractButton::clicked, this, [this] { SpeedButton_OKClick(); });
  connect(SpeedButton_Abbrechen, &QAbstractButton::clicked, this, [this] { SpeedButton_AbbrechenClick(); });
  connect(SpeedButton_Vorschau, &QToolButton::clicked, this, [this] { SpeedButton_VorschauClick(); });
  connect(CheckBox_Size, &QCheckBox::clicked, this, [this] { CheckBox_SizeClick(); });
  connect(Edit_FileName, &QLineEdit::textChanged, this, [this] { Edit_FileNameChange(); });
  Image_VorschauGross->OnMouseDown = [this] { Image_VorschauGrossMouseDown(); };
  lstvwVirtualList->OnSelectItem = [this](int row, bool selected) { lstvwVirtualListSelectItem(row, selected); };
  lstvwVirtualList->OnDblClick = [this] { lstvwVirtualListDblClick(); };
  lstvwVirtualList->OnKeyDown = [this](int key, Qt::KeyboardModifiers m) { return lstvwVirtualListKeyDown(key, m); };
  lstvwVirtualList->OnFind = [this](const QString& text, int start, bool wrap) {
    return lstvwVirtualListDataFind(text, start, wrap);
  };
  lstvwVirtualList->OnWheel = [this](bool up) { up ? FormMouseWheelUp() : FormMouseWheelDown(); };
}

void TForm_FileDialog::ApplyTexts() {
  SpeedButton_OK->SetCaption(State.mode == kModeSave ? DialogTexts[1] : DialogTexts[0]);
  SpeedButton_Abbrechen->SetCaption(DialogTexts[2]);
  ListModel->headerDataChanged(Qt::Horizontal, 0, 4);
}

void TForm_FileDialog::LayoutControls() {
  const int w = width(), h = height();
  Panel_Oben->setGeometry(0, 0, w, look::kBarHeight);
  QToolButton* left[] = {SpeedButton_Back,    SpeedButton_Home,  SpeedButton_Browse, SpeedButton_Refresh,
                         SpeedButton_Icons,   SpeedButton_List,  SpeedButton_Report};
  for (int i = 0; i < 7; ++i) left[i]->move(i * look::kToolButton, 0);
  QToolButton* right[] = {SpeedButton_Delete, SpeedButton_Cut, SpeedButton_Copy, SpeedButton_Insert, SpeedButton_Rename,
                          SpeedButton_MakeDir};
  for (int i = 0; i < 6; ++i) right[i]->move(w - (6 - i) * look::kToolButton, 0);

  Panel_Unten->setGeometry(0, h - look::kBarHeight, w, look::kBarHeight);
  const int midHeight = h - 2 * look::kBarHeight;
  Panel_Mitte->setGeometry(0, look::kBarHeight, w, midHeight);
  const int m = look::kMargin;
  Edit_Pfad->setGeometry(m, 6, w - 2 * m, look::kEditHeight);
  const QRect listPlace(m, 6 + look::kEditHeight + 4, w - 2 * m, midHeight - (6 + look::kEditHeight + 4) - (look::kEditHeight + 10));
  lstvwVirtualList->setGeometry(listPlace);
  Panel_Vorschau->setGeometry(listPlace);
  CheckBox_Size->setGeometry(4, 0, listPlace.width() - 8, look::kCheckHeight);
  Image_VorschauGross->setGeometry(0, look::kCheckHeight, listPlace.width(), listPlace.height() - look::kCheckHeight);
  const int rowTop = listPlace.bottom() + 6;
  const int labelWidth = Label_FileName->fontMetrics().horizontalAdvance(Label_FileName->text()) + 4;
  Label_FileName->setGeometry(m, rowTop, labelWidth, look::kEditHeight);
  // The name field starts 3 pixels right of its label and runs to the
  // list's right edge; the bottom bar's buttons line up below it.
  const int x0 = m + labelWidth + 3;
  Edit_FileName->setGeometry(x0, rowTop, w - m - x0, look::kEditHeight);
  Panel_OK->move(x0, 5);
  Panel_Abbrechen->move(x0 + 112, 5);
  SpeedButton_Vorschau->setGeometry(x0 + 224, 5, look::kThumbnail.width() + 2, look::kBottomButtonHeight);
  Image_Vorschau->setGeometry(x0 + 225, 5 + (look::kBottomButtonHeight - look::kThumbnail.height()) / 2,
                              look::kThumbnail.width(), look::kThumbnail.height());
  Image_Grip->setGeometry(w - 16, look::kBarHeight - 16, 16, 16);
}

void TForm_FileDialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  LayoutControls();
}

QString TForm_FileDialog::Message(const char* german, const char* english) const {
  const int language = Services.LanguageId ? Services.LanguageId() : 0;
  return QString::fromUtf8(language == 0 ? german : english);
}

// ---- The set-up protocol.

int TForm_FileDialog::SetHomeEntry(std::uint32_t index, const QString& caption, const std::string& path,
                                   const std::string& root) {
  return SetPlaceEntry(State.homeEntries, Shell, index, caption.toStdString(), path, root);
}

int TForm_FileDialog::SetBrowseEntry(std::uint32_t index, const QString& caption, const std::string& path,
                                     const std::string& root) {
  return SetPlaceEntry(State.browseEntries, Shell, index, caption.toStdString(), path, root);
}

void TForm_FileDialog::ClearShownExtensions() { Listing.filter.shown.Clear(); }
void TForm_FileDialog::ClearExtraExtensions() { Listing.filter.extra.Clear(); }
void TForm_FileDialog::ClearHiddenExtensions() { Listing.filter.hidden.Clear(); }

int TForm_FileDialog::SetExtraExtension(std::uint32_t index, const std::string& extension) {
  if (index > 9) return -1;
  Listing.filter.extra.entries[index] = "." + LowerText(extension);
  return 0;
}

int TForm_FileDialog::SetClipboardFolder(const std::string& path) { return filedialog::SetClipboardFolder(State, path); }

void TForm_FileDialog::ApplyMenu(QMenu* menu, std::array<QAction*, 20>& items, PlaceMenu& entries) {
  for (QAction* a : items) {
    a->setText(QString());
    a->setSeparator(false);
    a->setEnabled(false);
    a->setVisible(false);
  }
  for (std::size_t i = 0; i < entries.size() && !entries[i].caption.empty(); ++i) {
    PlaceEntry& e = entries[i];
    QAction* a = items[i];
    a->setVisible(true);
    if (e.caption == "-") {
      a->setSeparator(true);
      continue;
    }
    if (e.path == kMyComputerName || e.path == kNetworkName) {
      e.caption = Shell.ShellDisplayPath(e.path);
      // The network places are shown but cannot be browsed here.
      a->setEnabled(Shell.CanBrowse(e.path));
    } else {
      std::error_code ec;
      a->setEnabled(!e.path.empty() && std::filesystem::is_directory(e.path, ec));
    }
    a->setText(MenuText(QString::fromStdString(e.caption)));
  }
  menu->adjustSize();
}

void TForm_FileDialog::Setup(const QString& title, const std::string& defaultExtension, std::uint32_t enumFlags, int view,
                             std::uint32_t options, std::uint8_t mode, const std::string& initialFile,
                             std::uint32_t homeIndex) {
  using namespace FileDialogOptions;
  State.title = " " + title.toStdString();
  setWindowTitle(QString::fromStdString(State.title));
  State.options = options;
  Listing.filter.defaultExtension = "." + LowerText(defaultExtension);
  Listing.filter.enumFlags = enumFlags;

  switch (view) {
    case 0:
      SpeedButton_Icons->setChecked(true);
      SpeedButton_IconsClick();
      break;
    case 1:
    case 2:
      SpeedButton_List->setChecked(true);
      SpeedButton_ListClick();
      break;
    case 3:
      SpeedButton_Report->setChecked(true);
      SpeedButton_ReportClick();
      break;
    default: break;
  }

  SpeedButton_Back->setEnabled(OptionSet(kBack));
  SpeedButton_Home->setEnabled(OptionSet(kHome));
  SpeedButton_Browse->setEnabled(OptionSet(kBrowse));
  SpeedButton_Refresh->setEnabled(OptionSet(kRefresh));
  SpeedButton_Icons->setEnabled(OptionSet(kIcons));
  SpeedButton_List->setEnabled(OptionSet(kList));
  SpeedButton_Report->setEnabled(OptionSet(kReport));
  for (QToolButton* b : {SpeedButton_Delete, SpeedButton_Cut, SpeedButton_Copy, SpeedButton_Insert, SpeedButton_Rename})
    b->setEnabled(false);
  SpeedButton_MakeDir->setEnabled(OptionSet(kNewFolder));
  const bool operations = (options & kFileOperations) != 0;
  for (QToolButton* b : {SpeedButton_Delete, SpeedButton_Cut, SpeedButton_Copy, SpeedButton_Insert, SpeedButton_Rename,
                         SpeedButton_MakeDir})
    b->setVisible(operations);

  State.mode = mode;
  const bool save = mode == kModeSave;
  platform::SetBaseColour(Edit_FileName, save ? look::kSaveGreen : look::kOpenGrey);
  Edit_FileName->setReadOnly(!save);
  Edit_FileName->setFocusPolicy(save ? Qt::StrongFocus : Qt::NoFocus);
  Panel_OK->setVisible(mode == kModeOpen || save);
  Panel_Abbrechen->setVisible(true);
  SpeedButton_Abbrechen->setEnabled(true);
  ApplyTexts();
  LayoutControls();

  const InitialFile initial = SplitInitialFile(initialFile, Listing.filter.defaultExtension);
  State.fileName = initial.fileName;
  State.baseName = initial.baseName;
  State.extension = initial.extension;
  Edit_FileName->setText(ToQtName(State.fileName));

  ApplyMenu(PopupMenu_Home, HomeItems, State.homeEntries);
  ApplyMenu(PopupMenu_Browse, BrowseItems, State.browseEntries);
  lstvwVirtualList->setFocus();

  if (homeIndex > 19) homeIndex = 0;
  if (State.homeEntries[homeIndex].path.empty()) homeIndex = 0;
  const PlaceEntry& entry = State.homeEntries[homeIndex];
  State.entryRoot = entry.root;
  OpenHomeEntry(entry.path, QString::fromStdString(entry.caption));
}

int TForm_FileDialog::ShowModal() {
  closeCode_ = 2;
  return exec();
}

// ---- Showing and closing.

void TForm_FileDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The name field's label may have changed with the language since.
  LayoutControls();
  FormShow();
}

void TForm_FileDialog::FormShow() {
  if (FirstShow) {
    FirstShow = false;
    platform::CentreOnMainWindow(this, Services);
  }
  if (QScreen* s = screen()) setMaximumSize(LimitSize(s->availableGeometry().size() * 2));
  if (LoadClipboardIndex() && OptionSet(FileDialogOptions::kPaste)) SpeedButton_Insert->setEnabled(true);
  ClosePreviewPanel();
  if (!State.fileName.empty() && !SelectItemByName(State.fileName)) {
    // Only an item of exactly that base name stands for the proposed name;
    // one that merely begins with it would replace the proposal.
    for (int row = 0; row < Listing.Count(); ++row) {
      const ShellItem* item = Listing.ItemAt(row);
      if (!item->IsFolder() && LowerText(WithoutExtension(item->caption)) == LowerText(State.baseName)) {
        lstvwVirtualList->SelectRow(row);
        break;
      }
    }
  }
  if (SpeedButton_List->isChecked()) SpeedButton_ListClick();
  if (State.mode != kModeOpen && State.baseName.empty()) {
    Edit_FileName->clear();
    lstvwVirtualList->ClearSelection();
  }
  lstvwVirtualList->setFocus();
}

bool TForm_FileDialog::PanelsBusy() const {
  return !Panel_Oben->isEnabled() || !Panel_Mitte->isEnabled() || !Panel_Unten->isEnabled();
}

std::string TForm_FileDialog::RealNameOfField() const {
  const std::string field = FromQtName(Edit_FileName->text());
  const int selected = lstvwVirtualList->SelectedRow();
  if (const ShellItem* item = Listing.ItemAt(selected); item && item->caption == field) return item->RealName();
  for (const ShellItem& item : Listing.Items())
    if (!item.IsFolder() && item.caption == field) return item.RealName();
  return field;
}

bool TForm_FileDialog::FormClose() {
  if (PanelsBusy()) return false;
  ClosePreviewPanel();
  const std::string folder = CurrentPath();
  switch (State.mode) {
    case kModeOpen:
      State.fileName = RealNameOfField();
      break;
    case kModeSave: {
      State.fileName = ChosenFileName(kModeSave, FromQtName(Edit_FileName->text()), Listing.filter.defaultExtension);
      // A listed file of that name keeps its own spelling.
      for (const ShellItem& item : Listing.Items())
        if (!item.IsFolder() && item.caption == State.fileName) State.fileName = item.RealName();
      break;
    }
    default:
      State.fileName.clear();
      State.baseName.clear();
      State.extension.clear();
      State.result.clear();
      return true;
  }
  State.baseName = WithoutExtension(State.fileName);
  State.extension = ExtensionOf(State.fileName);
  State.result = platform::JoinPath(folder, State.fileName);
  return true;
}

void TForm_FileDialog::Finish(int code) {
  if (!FormClose()) return;
  done(code);
}

void TForm_FileDialog::SpeedButton_OKClick() {
  ClosePreviewPanel();
  Finish(1);
}

void TForm_FileDialog::SpeedButton_AbbrechenClick() {
  ClosePreviewPanel();
  Finish(2);
}

void TForm_FileDialog::closeEvent(QCloseEvent* event) {
  event->ignore();
  Finish(2);
}

void TForm_FileDialog::reject() {
  if (!PanelsBusy()) SpeedButton_AbbrechenClick();
}

void TForm_FileDialog::SetOkButtonState(bool folderOrNothingSelected) {
  const OkState s = OkStateFor(State.mode, FromQtName(Edit_FileName->text()), folderOrNothingSelected);
  const QString field = ToQtName(s.nameField);
  if (Edit_FileName->text() != field) Edit_FileName->setText(field);
  // Nothing can be saved into the computer or the network places.
  const bool enabled = s.okEnabled && !(State.mode == kModeSave && Listing.FileSystemFolder().empty());
  Panel_OK->setVisible(s.okVisible);
  SpeedButton_OK->setEnabled(enabled);
  SpeedButton_OK->update();
  Panel_Abbrechen->setVisible(true);
  SpeedButton_Abbrechen->setEnabled(true);
}

void TForm_FileDialog::Edit_FileNameChange() {
  static bool inside = false;
  if (inside || State.mode != kModeSave) return;
  // Typing in save mode: leading blanks go, OK follows the name; the
  // trimmed text set here changes the field once more.
  inside = true;
  SetOkButtonState(false);
  inside = false;
  ShowPreview();
}

// ---- Keys, wheel and window size.

bool TForm_FileDialog::lstvwVirtualListKeyDown(int key, Qt::KeyboardModifiers modifiers) {
  const Qt::KeyboardModifiers mods = modifiers & ~Qt::KeypadModifier;
  const bool ctrlAlone = mods == Qt::ControlModifier;
  const bool inTable = key == Qt::Key_Backspace || key == Qt::Key_Return || key == Qt::Key_Enter ||
                       key == Qt::Key_Escape || key == Qt::Key_Delete ||
                       (ctrlAlone && (key == Qt::Key_C || key == Qt::Key_X || key == Qt::Key_V || key == Qt::Key_P)) ||
                       (mods == Qt::NoModifier && key == Qt::Key_F1);
  if (!inTable) return false;
  if (PanelsBusy()) return true;
  switch (key) {
    case Qt::Key_Backspace: SpeedButton_BackClick(); break;
    case Qt::Key_Return:
    case Qt::Key_Enter: lstvwVirtualListDblClick(); break;
    case Qt::Key_Escape: SpeedButton_AbbrechenClick(); break;
    case Qt::Key_Delete:
      if (platform::OwnEnabled(SpeedButton_Delete)) SpeedButton_DeleteClick();
      break;
    case Qt::Key_C:
      if (platform::OwnEnabled(SpeedButton_Copy)) SpeedButton_CopyClick();
      break;
    case Qt::Key_X:
      if (platform::OwnEnabled(SpeedButton_Cut)) SpeedButton_CutClick();
      break;
    case Qt::Key_V:
      if (platform::OwnEnabled(SpeedButton_Insert) && !Clipboard.Empty()) InsertItemClick(0);
      break;
    case Qt::Key_P:
      platform::PrintHardcopy(this);
      break;
    case Qt::Key_F1:
      if (Services.UserGuide) Services.UserGuide();
      break;
  }
  return true;
}

void TForm_FileDialog::FormMouseWheelUp() {
  if (!lstvwVirtualList->isEnabled() || !Panel_Mitte->isEnabled() || Listing.Count() == 0) return;
  const int row = lstvwVirtualList->SelectedRow();
  if (row > 0) lstvwVirtualList->SelectRow(row - 1);
}

void TForm_FileDialog::FormMouseWheelDown() {
  if (!lstvwVirtualList->isEnabled() || !Panel_Mitte->isEnabled() || Listing.Count() == 0) return;
  const int row = lstvwVirtualList->SelectedRow();
  if (row >= 0 && row < Listing.Count() - 1) lstvwVirtualList->SelectRow(row + 1);
}

void TForm_FileDialog::wheelEvent(QWheelEvent* event) {
  event->accept();
  if (event->angleDelta().y() > 0)
    FormMouseWheelUp();
  else if (event->angleDelta().y() < 0)
    FormMouseWheelDown();
}

QSize TForm_FileDialog::LimitSize(QSize proposed) const {
  QSize frameExtra = frameGeometry().size() - size();
  if (!frameExtra.isValid()) frameExtra = QSize(0, 0);
  if (QScreen* s = screen()) proposed = proposed.boundedTo(s->availableGeometry().size() - frameExtra);
  return proposed.expandedTo(look::kMinClient);
}

bool TForm_FileDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched != Panel_Unten) return QDialog::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* e = static_cast<QMouseEvent*>(event);
      if (e->button() != Qt::LeftButton) break;
      gripDragging_ = true;
      gripStart_ = e->globalPosition().toPoint();
      gripStartSize_ = size();
      QApplication::setOverrideCursor(Qt::SizeFDiagCursor);
      return true;
    }
    case QEvent::MouseMove:
      if (gripDragging_) {
        const QPoint now = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        resize(LimitSize(QSize(now.x() + gripStartSize_.width() - gripStart_.x(),
                               now.y() + gripStartSize_.height() - gripStart_.y())));
        return true;
      }
      break;
    case QEvent::MouseButtonRelease:
      if (gripDragging_) {
        gripDragging_ = false;
        QApplication::restoreOverrideCursor();
        return true;
      }
      break;
    case QEvent::MouseButtonDblClick:
      Panel_UntenDblClick();
      return true;
    default: break;
  }
  return QDialog::eventFilter(watched, event);
}

void TForm_FileDialog::Panel_UntenDblClick() {
  QScreen* s = screen();
  if (!s) return;
  const QRect area = s->availableGeometry();
  const QSize frameExtra = frameGeometry().size() - size();
  if (frameGeometry() == area) {
    if (savedPlace.isValid()) {
      resize(savedPlace.size());
      move(savedPlace.topLeft());
    }
  } else {
    savedPlace = QRect(frameGeometry().topLeft(), size());
    move(area.topLeft());
    resize(area.size() - frameExtra);
  }
}
