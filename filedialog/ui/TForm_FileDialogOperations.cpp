// Delete, cut, copy, paste, rename and new folder, and the clipboard
// folder's menu.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

#include "filedialog/Extensions.h"
#include "filedialog/ItemOperations.h"
#include "filedialog/ui/BusyLook.h"
#include "filedialog/ui/NameText.h"
#include "filedialog/ui/TForm_FileDialog.h"
#include "filedialog/ui/VirtualListView.h"
#include "platform/qt/Panel.h"

using namespace filedialog;
using filedialogui::FromQtName;
using filedialogui::ToQtName;

// ---- Which operations the selection allows.

void TForm_FileDialog::EnableFileButtons() {
  using namespace FileDialogOptions;
  if (Listing.FileSystemFolder().empty()) return DisableItemButtons();
  const std::string ext = LowerExtensionOf(FromQtName(Edit_FileName->text()));
  const bool movable = !Listing.filter.extra.Matches(ext);
  SpeedButton_Delete->setEnabled(OptionSet(kDeleteFile));
  SpeedButton_Cut->setEnabled(OptionSet(kCutFile) && movable);
  SpeedButton_Copy->setEnabled(OptionSet(kCopyFile) && movable);
  SpeedButton_Rename->setEnabled(OptionSet(kRenameFile) && movable);
}

void TForm_FileDialog::EnableFolderButtons() {
  using namespace FileDialogOptions;
  // Volumes in the computer are not the dialog's to delete or move.
  if (Listing.FileSystemFolder().empty()) return DisableItemButtons();
  SpeedButton_Delete->setEnabled(OptionSet(kDeleteFolder));
  SpeedButton_Cut->setEnabled(OptionSet(kCutFolder));
  SpeedButton_Copy->setEnabled(OptionSet(kCopyFolder));
  SpeedButton_Rename->setEnabled(OptionSet(kRenameFolder));
}

void TForm_FileDialog::DisableItemButtons() {
  for (QToolButton* b : {SpeedButton_Delete, SpeedButton_Cut, SpeedButton_Copy, SpeedButton_Rename}) b->setEnabled(false);
}

void TForm_FileDialog::SetPanelsEnabled(bool enabled) {
  Panel_Oben->setEnabled(enabled);
  Panel_Mitte->setEnabled(enabled);
  Panel_Unten->setEnabled(enabled);
  if (enabled) lstvwVirtualList->setFocus();
}

void TForm_FileDialog::EndOperation(const std::string& select, bool clearWhenMissing) {
  if (!OpenFolderOrReport(Listing.CurrentIdList())) {
    // The folder itself went away: what is left of the path is shown.
    ItemIdList up = Listing.CurrentIdList();
    while (RemoveLastItemId(up) == 1 && !Listing.OpenFolder(up)) {
    }
    AfterListingChanged();
  }
  SetPanelsEnabled(true);
  repaint();
  if (!SelectItemByName(select) && clearWhenMissing) lstvwVirtualList->ClearSelection();
  UpdateSelectionState();
  ShowPreview();
}

void TForm_FileDialog::ReportOperationFailure(const QString& title, int error, const std::string& name,
                                              const std::string& detail) {
  const QString shown = ToQtName(name);
  QString text;
  switch (static_cast<OpError>(error)) {
    case OpError::InvalidName:
      text = Message("\"%1\" ist kein gültiger Name. Ein Name muss in diesem Ordner bleiben: "
                     "kein \"/\", nicht \".\" oder \"..\".",
                     "\"%1\" is not a valid name. A name must stay in this folder: no \"/\", not \".\" or \"..\".")
                 .arg(shown);
      break;
    case OpError::Exists:
      text = Message("\"%1\" existiert bereits.", "\"%1\" exists already.").arg(shown);
      break;
    case OpError::Refused:
      text = Message("\"%1\" kann nicht in sich selbst abgelegt werden.", "\"%1\" cannot be placed inside itself.")
                 .arg(shown);
      break;
    default: text = QString::fromStdString(detail); break;
  }
  ShowErrorMessage(title, text);
}

// ---- Delete.

void TForm_FileDialog::SpeedButton_DeleteClick() {
  const ShellItem* item = Listing.ItemAt(lstvwVirtualList->SelectedRow());
  const std::string folder = Listing.FileSystemFolder();
  if (!item || folder.empty()) return;
  const std::string name = item->RealName();
  const QString caption = ToQtName(item->caption);
  BusyLook busy(this);
  ClosePreviewPanel();
  SetPanelsEnabled(false);
  const QString question = SpeedButton_Delete->toolTip() + QStringLiteral(" '") + caption + QStringLiteral("' ?");
  bool confirmed = false;
  {
    const CursorPause pause;
    confirmed = Services.Confirm && Services.Confirm(this, question);
  }
  if (!confirmed) {
    SetPanelsEnabled(true);
    return;
  }
  const OpOutcome done = DeleteItem(folder, name, Shell.Environment());
  if (!done.ok()) ReportOperationFailure(SpeedButton_Delete->toolTip(), static_cast<int>(done.error), name, done.detail);
  EndOperation(name, true);
}

// ---- Cut and copy.

void TForm_FileDialog::CutOrCopy(bool cut) {
  const ShellItem* item = Listing.ItemAt(lstvwVirtualList->SelectedRow());
  const std::string folder = Listing.FileSystemFolder();
  if (!item || folder.empty()) return;
  const std::string name = item->RealName();
  BusyLook busy(this);
  ClosePreviewPanel();
  SpeedButton_Insert->setEnabled(false);
  SetPanelsEnabled(false);
  Clipboard.Load(State.clipboardFolder);
  const OpOutcome done = CutOrCopyItem(Clipboard, folder, name, cut);
  if (done.ok()) {
    if (OptionSet(FileDialogOptions::kPaste)) SpeedButton_Insert->setEnabled(true);
  } else {
    ReportOperationFailure((cut ? SpeedButton_Cut : SpeedButton_Copy)->toolTip(), static_cast<int>(done.error), name,
                           done.detail);
  }
  RebuildInsertMenu();
  EndOperation(name, true);
}

void TForm_FileDialog::SpeedButton_CutClick() { CutOrCopy(true); }
void TForm_FileDialog::SpeedButton_CopyClick() { CutOrCopy(false); }

// ---- Paste.

void TForm_FileDialog::SpeedButton_InsertClick() {
  SpeedButton_Insert->repaint();
  PopupMenu_Insert->popup(SpeedButton_Insert->mapToGlobal(SpeedButton_Insert->rect().bottomLeft() + QPoint(-1, -1)));
}

void TForm_FileDialog::InsertItemClick(int n) {
  if (n < 0 || n >= static_cast<int>(Clipboard.Lines().size())) return;
  PasteClipboardEntry(Clipboard.Lines()[static_cast<std::size_t>(n)]);
}

void TForm_FileDialog::PasteClipboardEntry(const std::string& name) {
  const std::string folder = Listing.FileSystemFolder();
  if (folder.empty()) return;
  BusyLook busy(this);
  ClosePreviewPanel();
  SetPanelsEnabled(false);
  const OpOutcome done = PasteItem(Clipboard, folder, name);
  if (!done.ok()) ReportOperationFailure(SpeedButton_Insert->toolTip(), static_cast<int>(done.error), name, done.detail);
  EndOperation(done.ok() ? done.name : std::string(), false);
}

// ---- Rename and new folder.

void TForm_FileDialog::SpeedButton_RenameClick() {
  const ShellItem* item = Listing.ItemAt(lstvwVirtualList->SelectedRow());
  const std::string folder = Listing.FileSystemFolder();
  if (!item || folder.empty()) return;
  const std::string name = item->RealName();
  const QString base = ToQtName(WithoutExtension(item->caption));
  BusyLook busy(this);
  ClosePreviewPanel();
  SetPanelsEnabled(false);
  std::optional<QString> answer;
  if (Services.AskText) {
    const CursorPause pause;
    answer = Services.AskText(this, DialogTexts[6], DialogTexts[7], base);
  }
  if (!answer || *answer == base) {
    SetPanelsEnabled(true);
    return;
  }
  const OpOutcome done = RenameItem(folder, name, FromQtName(*answer));
  if (!done.ok()) {
    ReportOperationFailure(DialogTexts[6], static_cast<int>(done.error),
                           done.error == OpError::Exists ? WithoutExtension(FromQtName(*answer)) + ExtensionOf(name)
                                                         : FromQtName(*answer),
                           done.detail);
  }
  EndOperation(done.ok() ? done.name : name, true);
}

void TForm_FileDialog::SpeedButton_MakeDirClick() {
  const std::string folder = Listing.FileSystemFolder();
  if (folder.empty()) return;
  BusyLook busy(this);
  ClosePreviewPanel();
  SetPanelsEnabled(false);
  std::optional<QString> answer;
  if (Services.AskText) {
    const CursorPause pause;
    answer = Services.AskText(this, DialogTexts[3], DialogTexts[4], DialogTexts[5]);
  }
  if (!answer) {
    SetPanelsEnabled(true);
    return;
  }
  const std::string name = FromQtName(*answer);
  const OpOutcome done = MakeNewFolder(folder, name);
  if (!done.ok()) ReportOperationFailure(DialogTexts[3], static_cast<int>(done.error), name, done.detail);
  EndOperation(done.ok() ? done.name : std::string(), false);
}

// ---- The clipboard folder's index.

void TForm_FileDialog::RebuildInsertMenu() {
  for (QAction* a : InsertItems) {
    a->setText(QString());
    a->setVisible(false);
  }
  const auto& lines = Clipboard.Lines();
  for (std::size_t i = 0; i < lines.size() && i < InsertItems.size(); ++i) {
    InsertItems[i]->setText(filedialogui::MenuText(ToQtName(Clipboard.MenuText(lines[i]))));
    InsertItems[i]->setVisible(true);
  }
}

bool TForm_FileDialog::LoadClipboardIndex() {
  const bool any = Clipboard.Load(State.clipboardFolder);
  RebuildInsertMenu();
  return any;
}

void TForm_FileDialog::InsertListeLoeschenClick() {
  BusyLook busy(this);
  SetPanelsEnabled(false);
  Clipboard.Load(State.clipboardFolder);
  const platform::Status cleared = Clipboard.Clear();
  if (!cleared) ShowErrorMessage(InsertListeLoeschen->text(), QString::fromStdString(cleared.error()));
  RebuildInsertMenu();
  SpeedButton_Insert->setEnabled(false);
  SetPanelsEnabled(true);
}
