#include "printdata/ui/SlotDialog.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include "filedialog/ui/TForm_FileDialog.h"
#include "platform/Beep.h"
#include "platform/FileIO.h"
#include "platform/qt/DialogFlags.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/LanguageTexts.h"
#include "platform/qt/NamedColours.h"
#include "printdata/DataSetNames.h"
#include "printdata/ui/DataSetHost.h"
#include "printdata/ui/TFrameDaten.h"
#include "printdata/ui/ToggleLook.h"

namespace printdata::ui {
namespace {

using namespace platform::colours;
using platform::IsFile;
using platform::IsFolder;

constexpr int kSlotWidth = 352;
constexpr int kSlotHeight = 48;
// The places of slots 1 to 20 in PanelMain: the left column holds 1 to 8,
// then 17 and 18; the right one 9 to 16, then 19 and 20.
constexpr std::array<QPoint, SlotDialog::kSlots> kSlotPlaces = {
    QPoint(8, 8),     QPoint(8, 64),    QPoint(8, 120),   QPoint(8, 176),   QPoint(8, 232),
    QPoint(8, 288),   QPoint(8, 344),   QPoint(8, 400),   QPoint(368, 8),   QPoint(368, 64),
    QPoint(368, 120), QPoint(368, 176), QPoint(368, 232), QPoint(368, 288), QPoint(368, 344),
    QPoint(368, 400), QPoint(8, 456),   QPoint(8, 512),   QPoint(368, 456), QPoint(368, 512)};

void ErrorBeep() { platform::Beep(platform::BeepKind::Error); }

QString FromLocal(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

SlotDialog::SlotDialog(QWidget* owner, bool saving, const char* objectName, const QString& caption,
                       const QString& okCaption)
    : QDialog(owner, platform::FixedDialogFlags()), saving_(saving) {
  setObjectName(QString::fromLatin1(objectName));
  setWindowTitle(caption);
  setFont(platform::VerdanaPx(11));
  platform::SetWindowColour(this, kLightGrey);
  platform::SetTextColour(this, kNavy);
  BuildControls(okCaption);
  // The management panel starts hidden, as at every showing.
  PanelLinks->show();
  SpeedButtonVerwaltenClick(nullptr);
  SelectedFolder.clear();
  SelectedFile.clear();
  if (EditEingabe) EditEingabe->hide();
}

SlotDialog::~SlotDialog() = default;

void SlotDialog::BuildControls(const QString& okCaption) {
  PanelMain = new platform::Panel(this);
  PanelMain->setObjectName(QStringLiteral("PanelMain"));
  PanelMain->SetColor(kLightGrey);
  PanelMain->setGeometry(0, 0, kMainWidth, kMainHeight);
  for (int i = 0; i < kSlots; ++i) {
    const QString number = QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0'));
    platform::AddButtonPanel(PanelMain, QRect(kSlotPlaces[i], QSize(kSlotWidth, kSlotHeight)), QString(),
                             PanelSpeicher[i], SpeedButtonSpeicher[i]);
    PanelSpeicher[i]->setObjectName(QStringLiteral("PanelSpeicher") + number);
    SpeedButtonSpeicher[i]->setObjectName(QStringLiteral("SpeedButtonSpeicher") + number);
    PanelSpeicher[i]->SetColor(kSlotColour);
    const int slot = i + 1;
    connect(SpeedButtonSpeicher[i], &QAbstractButton::clicked, this, [this, slot] { SpeedButtonSpeicherClick(slot); });
  }
  platform::AddButtonPanel(PanelMain, QRect(728, 8, 48, 552), QStringLiteral("..."), PanelDateiManager,
                           SpeedButtonDateiManager);
  PanelDateiManager->SetColor(kSlotColour);
  NAME_AFTER_MEMBER(PanelDateiManager);
  NAME_AFTER_MEMBER(SpeedButtonDateiManager);

  if (saving_) {
    EditEingabe = new QLineEdit(PanelMain);
    NAME_AFTER_MEMBER(EditEingabe);
    EditEingabe->setGeometry(16, 22, 337, 21);
    EditEingabe->setFrame(false);
    EditEingabe->setFont(platform::VerdanaPx(15, true));
    EditEingabe->setMaxLength(static_cast<int>(kMaxDataSetName));
    EditEingabe->setStyleSheet(QStringLiteral("QLineEdit { background: %1; color: %2; border: none; }")
                                   .arg(platform::VclColor(kSlotColour).name(), platform::VclColor(kNavy).name()));
    // No context menu: the entry offers nothing but typing.
    PopupMenuLeer = new QMenu(this);
    NAME_AFTER_MEMBER(PopupMenuLeer);
    EditEingabe->setContextMenuPolicy(Qt::NoContextMenu);
    EditEingabe->installEventFilter(this);
    connect(EditEingabe, &QLineEdit::textChanged, this, [this] { EditEingabeChange(); });
  }

  PanelUnten = platform::AddButtonRow(this, QRect(0, kMainHeight, kMainWidth, kBottomHeight));
  NAME_AFTER_MEMBER(PanelUnten);
  platform::AddButtonPanel(PanelUnten, QRect(8, 9, 88, 48), QStringLiteral("Verwalten"), PanelVerwalten,
                           SpeedButtonVerwalten);
  NAME_AFTER_MEMBER(PanelVerwalten);
  NAME_AFTER_MEMBER(SpeedButtonVerwalten);
  PanelUnten2 = new platform::Panel(PanelUnten);
  NAME_AFTER_MEMBER(PanelUnten2);
  PanelUnten2->SetColor(kSilver);
  // Below the bar's top line; OK and Abbrechen sit 9 px below the bar's top.
  PanelUnten2->setGeometry(264, 2, 201, 63);
  platform::AddButtonPanel(PanelUnten2, QRect(8, 7, 88, 48), okCaption, PanelOK, SpeedButtonOK);
  platform::AddButtonPanel(PanelUnten2, QRect(104, 7, 88, 48), QStringLiteral("Abbrechen"), PanelAbbrechen,
                           SpeedButtonAbbrechen);
  NAME_AFTER_MEMBER(PanelOK);
  NAME_AFTER_MEMBER(SpeedButtonOK);
  NAME_AFTER_MEMBER(PanelAbbrechen);
  NAME_AFTER_MEMBER(SpeedButtonAbbrechen);

  PanelLinks = new platform::Panel(this);
  NAME_AFTER_MEMBER(PanelLinks);
  PanelLinks->SetColor(kSilver);
  PanelLinks->setGeometry(0, 0, kManageWidth + 1, kMainHeight + kBottomHeight);
  auto* edge = new platform::Panel(PanelLinks);
  edge->SetBevels(platform::BevelKind::Lowered, platform::BevelKind::None);
  edge->setGeometry(kManageWidth - 1, 0, 2, kMainHeight + kBottomHeight);
  auto manage = [this](int left, int top, const QString& caption, platform::Panel*& panel,
                       platform::SpeedButton*& button) {
    platform::AddButtonPanel(PanelLinks, QRect(left, top, 88, 48), caption, panel, button);
  };
  manage(8, 8, QStringLiteral("Entfernen"), PanelDEL, SpeedButtonDEL);
  manage(8, 64, QStringLiteral("Ausschneiden"), PanelCUT, SpeedButtonCUT);
  manage(8, 120, QStringLiteral("Kopieren"), PanelCOPY, SpeedButtonCOPY);
  manage(8, 176, QStringLiteral("Einfügen"), PanelPASTE, SpeedButtonPASTE);
  NAME_AFTER_MEMBER(PanelDEL);
  NAME_AFTER_MEMBER(SpeedButtonDEL);
  NAME_AFTER_MEMBER(PanelCUT);
  NAME_AFTER_MEMBER(SpeedButtonCUT);
  NAME_AFTER_MEMBER(PanelCOPY);
  NAME_AFTER_MEMBER(SpeedButtonCOPY);
  NAME_AFTER_MEMBER(PanelPASTE);
  NAME_AFTER_MEMBER(SpeedButtonPASTE);

  auto onClick = [this](platform::SpeedButton* b, void (SlotDialog::*handler)(QObject*)) {
    connect(b, &QAbstractButton::clicked, this, [this, b, handler] { (this->*handler)(b); });
  };
  onClick(SpeedButtonDateiManager, &SlotDialog::SpeedButtonDateiManagerClick);
  onClick(SpeedButtonVerwalten, &SlotDialog::SpeedButtonVerwaltenClick);
  onClick(SpeedButtonOK, &SlotDialog::SpeedButtonOKClick);
  onClick(SpeedButtonAbbrechen, &SlotDialog::SpeedButtonAbbrechenClick);
  onClick(SpeedButtonDEL, &SlotDialog::SpeedButtonDELClick);
  onClick(SpeedButtonCUT, &SlotDialog::SpeedButtonCUTClick);
  onClick(SpeedButtonCOPY, &SlotDialog::SpeedButtonCOPYClick);
  onClick(SpeedButtonPASTE, &SlotDialog::SpeedButtonPASTEClick);
}

void SlotDialog::Connect(TFrameDaten* view, DataSetHost* host) {
  view_ = view;
  host_ = host;
}

std::string SlotDialog::DataEasyDir() const { return host_ ? host_->DataEasyDir() : std::string(); }

void SlotDialog::SizeToPanels() {
  setFixedSize(PanelMain->x() + kMainWidth, kMainHeight + kBottomHeight);
}

void SlotDialog::SetModalResult(int result) {
  modalResult_ = result;
  hide();
  if (loop_) loop_->quit();
}

int SlotDialog::ShowModal() {
  if (loop_) return 7;
  modalResult_ = 0;
  FormShow();
  setWindowModality(Qt::ApplicationModal);
  show();
  raise();
  activateWindow();
  if (EditEingabe && !EditEingabe->isHidden()) EditEingabe->setFocus();
  // The dialog's own loop: it goes on while the dialog hides for the file
  // dialog.
  QEventLoop loop;
  loop_ = &loop;
  if (modalResult_ == 0) loop.exec(QEventLoop::DialogExec);
  loop_ = nullptr;
  hide();
  FormClose();
  return modalResult_ == 6 ? 6 : 7;
}

void SlotDialog::closeEvent(QCloseEvent* event) {
  event->ignore();
  SetModalResult(7);
}

void SlotDialog::reject() { SetModalResult(7); }

std::string SlotDialog::FindSlotFile(const std::string& folder) const { return printdata::FindSlotFile(folder); }

void SlotDialog::FillSlotCaptions() {
  for (platform::SpeedButton* b : SpeedButtonSpeicher) b->SetCaption(QString());
  SpeedButtonDateiManager->SetCaption(QStringLiteral("..."));
  const std::string easy = DataEasyDir();
  if (easy.empty()) return;
  for (int slot = 1; slot <= kSlots; ++slot) {
    const std::string file = FindSlotFile(SlotFolder(easy, slot));
    if (!file.empty()) SpeedButtonSpeicher[slot - 1]->SetCaption(FromLocal(WithoutExtension(file)));
  }
}

void SlotDialog::ResetSlotHighlight() {
  for (int i = 0; i < kSlots; ++i) {
    PanelSpeicher[i]->SetColor(kSlotColour);
    SpeedButtonSpeicher[i]->SetFontColor(kNavy);
    SpeedButtonSpeicher[i]->SetBold(false);
  }
  PanelDateiManager->SetColor(kSlotColour);
  SpeedButtonDateiManager->SetFontColor(kNavy);
  SpeedButtonDateiManager->SetBold(false);
  SelectedFolder.clear();
  SelectedFile.clear();
  SetEntryText(QString());
}

void SlotDialog::DrawSelected(platform::Panel* panel, platform::SpeedButton* button) {
  SetToggleLook(panel, button, true);
}

void SlotDialog::SetEntryText(const QString& text) {
  if (EditEingabe && EditEingabe->text() != text) EditEingabe->setText(text);
}

bool SlotDialog::SaveAllowed() const {
  return !SelectedFolder.empty() && IsFolder(SelectedFolder) && EditEingabe &&
         IsValidDataSetName(TrimName(EditEingabe->text().toStdString()));
}

void SlotDialog::UpdateSlotButtons() {
  bool manage = false, paste = false, ok = false;
  const bool clipboardHolds = !FindSlotFile(SlotClipboardFolder(DataEasyDir())).empty();
  if (SelectedFolder.empty() && SelectedFile.empty()) {
  } else if (!SelectedFile.empty() && IsFile(SelectedFolder + SelectedFile)) {
    manage = true;
    paste = clipboardHolds;
    ok = true;
  } else if (IsFolder(SelectedFolder)) {
    paste = clipboardHolds;
  }
  SpeedButtonDEL->setEnabled(manage);
  SpeedButtonCUT->setEnabled(manage);
  SpeedButtonCOPY->setEnabled(manage);
  SpeedButtonPASTE->setEnabled(paste);
  SpeedButtonOK->setEnabled(saving_ ? SaveAllowed() : ok);
  if (EditEingabe && !EditEingabe->isHidden()) {
    EditEingabe->setFocus();
    EditEingabe->end(false);
  }
}

void SlotDialog::FormShow() {
  // The management panel starts hidden.
  PanelLinks->show();
  SpeedButtonVerwaltenClick(nullptr);
  if (host_) {
    const QRect main = host_->MainWindowFrame();
    if (main.isValid())
      move(main.left() + main.width() / 2 - width() / 2, main.top() + main.height() / 2 - height() / 2);
  }
  SelectedFolder.clear();
  SelectedFile.clear();
  SlotChosen = false;
  FillSlotCaptions();
  if (EditEingabe) EditEingabe->hide();
  // The open data's own slot comes selected; data elsewhere marks "...".
  const std::string open = view_ ? view_->PanelTitel->Hint().toStdString() : std::string();
  const std::string easy = DataEasyDir();
  if (!open.empty() && !easy.empty() &&
      (HasExtension(open, kArchiveExtension) || HasExtension(open, kGroupExtension))) {
    for (int slot = 1; slot <= kSlots; ++slot) {
      const QString caption = SpeedButtonSpeicher[slot - 1]->Caption();
      if (caption.isEmpty() || FolderOf(open) != SlotFolder(easy, slot)) continue;
      if (FromLocal(WithoutExtension(FileNameOf(open))) != caption) continue;
      SelectSlot(slot);
      return;
    }
  }
  ResetSlotHighlight();
  if (IsFile(open)) DrawSelected(PanelDateiManager, SpeedButtonDateiManager);
  UpdateSlotButtons();
}

void SlotDialog::SelectSlot(int slot) {
  ResetSlotHighlight();
  const int i = slot - 1;
  DrawSelected(PanelSpeicher[i], SpeedButtonSpeicher[i]);
  SelectedFolder = SlotFolder(DataEasyDir(), slot);
  SelectedFile = FindSlotFile(SelectedFolder);
  if (EditEingabe) {
    EditEingabe->move(PanelSpeicher[i]->x() + 8, PanelSpeicher[i]->y() + 14);
    SetEntryText(SpeedButtonSpeicher[i]->Caption());
    EditEingabe->show();
    EditEingabe->raise();
  }
  UpdateSlotButtons();
}

void SlotDialog::SpeedButtonSpeicherClick(int slot) {
  if (slot < 1 || slot > kSlots) return;
  SpeedButtonSpeicher[slot - 1]->repaint();
  SelectSlot(slot);
}

void SlotDialog::SpeedButtonDateiManagerClick(QObject*) {
  SpeedButtonDateiManager->repaint();
  ResetSlotHighlight();
  DrawSelected(PanelDateiManager, SpeedButtonDateiManager);
  SlotChosen = false;
  UpdateSlotButtons();
  TForm_FileDialog* files = host_ ? host_->FileDialog() : nullptr;
  if (!files) return;
  const std::string data = host_->DataDir();
  files->SetHomeEntry(0, QString(), data, data);
  files->SetHomeEntry(1, QString(), "", "");
  files->SetBrowseEntry(0, QString(), data, data);
  files->SetBrowseEntry(1, QString(), "", "");
  files->ClearShownExtensions();
  files->ClearExtraExtensions();
  if (!saving_) files->SetExtraExtension(0, kGroupExtension);
  files->ClearHiddenExtensions();
  files->Setup(windowTitle().mid(1), kArchiveExtension, 96, -1, 262015, saving_ ? 1 : 0, "", 0);
  (void)files->SetClipboardFolder(host_->TmpDir() + "ZG12");
  hide();
  if (files->ShowModal() == 1) {
    const std::string chosen = files->GetFileName();
    SelectedFolder = FolderOf(chosen);
    SelectedFile = FileNameOf(chosen);
    SetModalResult(6);
    return;
  }
  show();
  raise();
  activateWindow();
}

void SlotDialog::EditEingabeChange() {
  if (EditEingabe) SpeedButtonOK->setEnabled(SaveAllowed());
}

void SlotDialog::SpeedButtonOKClick(QObject*) {
  SpeedButtonOK->repaint();
  if (saving_) {
    // The slot keeps what it holds: the save removes it only once the new
    // data set is there.
    if (!SaveAllowed()) return;
    SelectedFile = TrimName(EditEingabe->text().toStdString()) + "." + kArchiveExtension;
    SlotChosen = true;
  }
  SetModalResult(6);
}

void SlotDialog::SpeedButtonAbbrechenClick(QObject*) {
  SpeedButtonAbbrechen->repaint();
  SetModalResult(7);
}

void SlotDialog::FormClose() {
  if (!view_) return;
  const std::string open = view_->PanelTitel->Hint().toStdString();
  if (!open.empty() && !IsFile(open)) {
    view_->SetModified(true);
    view_->PanelTitel->SetHint(QString());
  }
}

bool SlotDialog::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
  platform::DialogKeyActions keys = HostDialogKeys(host_, this);
  keys.okButton = SpeedButtonOK;
  keys.ok = [this] { SpeedButtonOKClick(SpeedButtonOK); };
  keys.cancel = [this] { SpeedButtonAbbrechenClick(SpeedButtonAbbrechen); };
  return platform::HandleDialogKeys(key, modifiers, keys);
}

void SlotDialog::keyPressEvent(QKeyEvent* event) { (void)FormKeyDown(event->key(), event->modifiers()); }

bool SlotDialog::eventFilter(QObject* watched, QEvent* event) {
  // The dialog's keys come first, whichever control has the focus.
  if (watched == EditEingabe && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (FormKeyDown(key->key(), key->modifiers())) return true;
  }
  return QDialog::eventFilter(watched, event);
}

void SlotDialog::SpeedButtonVerwaltenClick(QObject*) {
  if (SpeedButtonVerwalten) SpeedButtonVerwalten->repaint();
  const bool shown = PanelLinks->isHidden();
  PanelLinks->setVisible(shown);
  const int left = shown ? kManageWidth : 0;
  PanelMain->move(left, 0);
  PanelUnten->move(left, kMainHeight);
  // The slots keep their place on the screen: the window grows or shrinks
  // at its left edge.
  if (isVisible()) move(x() + (shown ? -kManageWidth : kManageWidth), y());
  SizeToPanels();
}

void SlotDialog::SpeedButtonDELClick(QObject*) {
  SpeedButtonDEL->repaint();
  if (!EmptySlot(SelectedFolder)) ErrorBeep();
  SelectedFile.clear();
  SetEntryText(QString());
  FillSlotCaptions();
  UpdateSlotButtons();
}

void SlotDialog::SpeedButtonCUTClick(QObject*) {
  SpeedButtonCUT->repaint();
  // The slot is emptied only once the clipboard holds a checked copy.
  if (CutSlotToClipboard(DataEasyDir(), SelectedFolder)) {
    SelectedFile.clear();
    SetEntryText(QString());
  } else {
    ErrorBeep();
  }
  FillSlotCaptions();
  UpdateSlotButtons();
}

void SlotDialog::SpeedButtonCOPYClick(QObject*) {
  SpeedButtonCOPY->repaint();
  if (!CopySlotToClipboard(DataEasyDir(), SelectedFolder)) ErrorBeep();
  FillSlotCaptions();
  UpdateSlotButtons();
}

void SlotDialog::SpeedButtonPASTEClick(QObject*) {
  SpeedButtonPASTE->repaint();
  if (!PasteClipboardIntoSlot(DataEasyDir(), SelectedFolder)) ErrorBeep();
  SelectedFile = FindSlotFile(SelectedFolder);
  SetEntryText(FromLocal(WithoutExtension(SelectedFile)));
  FillSlotCaptions();
  UpdateSlotButtons();
}

}  // namespace printdata::ui
