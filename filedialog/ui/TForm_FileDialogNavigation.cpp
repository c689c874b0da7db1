// Moving between folders, the three views and the selection.
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

#include "filedialog/Extensions.h"
#include "filedialog/ui/BusyLook.h"
#include "filedialog/ui/FileDialogLook.h"
#include "filedialog/ui/NameText.h"
#include "filedialog/ui/ShellListModel.h"
#include "filedialog/ui/TForm_FileDialog.h"
#include "filedialog/ui/VirtualListView.h"
#include "platform/qt/Panel.h"

using namespace filedialog;
using filedialogui::FromQtName;
using filedialogui::ToQtName;
namespace look = filedialogui::look;

void TForm_FileDialog::ShowErrorMessage(const QString& title, const QString& text) {
  if (!Services.ShowError) return;
  if (busyDepth_ > 0) {
    const CursorPause pause;
    Services.ShowError(this, title, text);
  } else {
    Services.ShowError(this, title, text);
  }
}

void TForm_FileDialog::ReportOpenFailure(const std::string& path, const std::string& why) {
  const QString shown = path.compare(0, 3, "::{") == 0 ? ToQtName(Shell.ShellDisplayPath(path)) : ToQtName(path);
  ShowErrorMessage(windowTitle().trimmed(),
                     Message("Der Ordner kann nicht geöffnet werden:", "The folder cannot be opened:") +
                         QStringLiteral("\n") + shown + QStringLiteral("\n\n") + QString::fromStdString(why));
}

bool TForm_FileDialog::OpenFolderOrReport(const ItemIdList& folder) {
  const platform::Status opened = Listing.OpenFolder(folder);
  if (!opened) {
    ReportOpenFailure(Shell.ParsingName(folder), opened.error());
    return false;
  }
  AfterListingChanged();
  return true;
}

void TForm_FileDialog::AfterListingChanged() {
  {
    // The first row is selected as the folder opens; in save mode a file
    // there is not, so the proposed name stays until the user picks a file.
    lstvwVirtualList->OnSelectItem = nullptr;
    ListModel->Reset();
    lstvwVirtualList->ListingChanged();
    const ShellItem* first = Listing.ItemAt(0);
    if (first && (State.mode != kModeSave || first->IsFolder())) lstvwVirtualList->SelectRow(0);
    lstvwVirtualList->OnSelectItem = [this](int row, bool selected) { lstvwVirtualListSelectItem(row, selected); };
  }
  Edit_Pfad->setText(ToQtName(Listing.PathFieldText()));
  Edit_Pfad->setCursorPosition(0);
  UpdateBackButton();
}

void TForm_FileDialog::UpdateBackButton() {
  if (!OptionSet(FileDialogOptions::kBack)) return;
  if (CurrentPath() == State.entryRoot)
    SpeedButton_Back->setEnabled(false);
  else
    SpeedButton_Back->setEnabled(ItemIdCount(Listing.CurrentIdList()) > 1);
}

bool TForm_FileDialog::SelectItemByName(const std::string& name) {
  if (name.empty()) return false;
  int row = Listing.RowNamed(name);
  if (row < 0) row = Listing.Find(name, 0, false);
  if (row < 0) return false;
  lstvwVirtualList->SelectRow(row);
  return true;
}

int TForm_FileDialog::lstvwVirtualListDataFind(const QString& text, int start, bool wrap) {
  return Listing.Find(FromQtName(text), start, wrap);
}

// ---- Places.

bool TForm_FileDialog::OpenPlaceOrReport(const std::string& path, const QString& caption) {
  const platform::Status opened = Listing.OpenPath(path);
  if (!opened) {
    ReportOpenFailure(path, opened.error());
    return false;
  }
  AfterListingChanged();
  const QString title = QString::fromStdString(State.title);
  setWindowTitle(caption.isEmpty() ? title : title + QStringLiteral(" - ") + caption);
  return true;
}

void TForm_FileDialog::OpenHomeEntry(const std::string& path, const QString& caption) {
  BusyLook busy(this);
  ClosePreviewPanel();
  if (!OpenPlaceOrReport(path, caption)) return;
  UpdateSelectionState();
  ShowPreview();
}

void TForm_FileDialog::SpeedButton_HomeClick() {
  SpeedButton_Home->repaint();
  if (State.homeEntries[1].caption.empty()) {
    HomeItemClick(0);
    return;
  }
  PopupMenu_Home->popup(SpeedButton_Home->mapToGlobal(SpeedButton_Home->rect().bottomLeft() + QPoint(-1, 0)));
}

void TForm_FileDialog::HomeItemClick(int n) {
  const PlaceEntry entry = State.homeEntries[static_cast<std::size_t>(n)];
  State.entryRoot = entry.root;
  OpenHomeEntry(entry.path, QString::fromStdString(entry.caption));
}

void TForm_FileDialog::SpeedButton_BrowseClick() {
  SpeedButton_Browse->repaint();
  if (State.browseEntries[1].caption.empty()) {
    BrowseItemClick(0);
    return;
  }
  PopupMenu_Browse->popup(SpeedButton_Browse->mapToGlobal(SpeedButton_Browse->rect().bottomLeft() + QPoint(-1, 0)));
}

void TForm_FileDialog::BrowseItemClick(int n) {
  const PlaceEntry entry = State.browseEntries[static_cast<std::size_t>(n)];
  State.entryRoot = entry.root;
  OpenBrowseEntry(entry.path, QString::fromStdString(entry.caption));
}

void TForm_FileDialog::OpenBrowseEntry(const std::string& path, const QString& caption) {
  BusyLook busy(this);
  ClosePreviewPanel();
  // The picker is rooted at the place; the computer is the whole file
  // system.
  auto list = Shell.Parse(path);
  std::string root;
  if (list) root = ItemIdCount(*list) == 1 && (*list)[0].kind == ItemKind::Computer ? "/" : Shell.FileSystemPath(*list);
  if (root.empty()) {
    ReportOpenFailure(path, list ? "not a folder of the file system" : list.error());
  } else if (Services.PickFolder) {
    std::optional<std::string> chosen;
    {
      const CursorPause pause;
      chosen = Services.PickFolder(this, root);
    }
    if (chosen) OpenPlaceOrReport(*chosen, caption);
  }
  UpdateSelectionState();
  ShowPreview();
}

// ---- Back and Refresh.

void TForm_FileDialog::SpeedButton_BackClick() {
  SpeedButton_Back->repaint();
  if (OptionSet(FileDialogOptions::kBack) && CurrentPath() == State.entryRoot) {
    SpeedButton_Back->setEnabled(false);
    return;
  }
  BusyLook busy(this);
  ClosePreviewPanel();
  ItemIdList up = Listing.CurrentIdList();
  const std::string left = up.empty() ? std::string() : Shell.DisplayName(up);
  RemoveLastItemId(up);
  if (OpenFolderOrReport(up)) SelectItemByName(left);
  UpdateSelectionState();
  ShowPreview();
}

void TForm_FileDialog::SpeedButton_RefreshClick() {
  SpeedButton_Refresh->repaint();
  BusyLook busy(this);
  ClosePreviewPanel();
  const ShellItem* selected = Listing.ItemAt(lstvwVirtualList->SelectedRow());
  const std::string remembered = selected ? selected->RealName() : std::string();
  if (OpenFolderOrReport(Listing.CurrentIdList())) SelectItemByName(remembered);
  UpdateSelectionState();
  ShowPreview();
}

// ---- Views.

namespace {

// The list in that style, with large icons in the icon style only.
void ShowViewStyle(ShellListModel* model, VirtualListView* list, VirtualListView::Style style) {
  model->SetLargeIcons(style == VirtualListView::vsIcon);
  list->SetViewStyle(style);
}

}  // namespace

void TForm_FileDialog::SpeedButton_IconsClick() { ShowViewStyle(ListModel, lstvwVirtualList, VirtualListView::vsIcon); }

void TForm_FileDialog::SpeedButton_ListClick() {
  ShowViewStyle(ListModel, lstvwVirtualList, VirtualListView::vsList);
  SpeedButton_RefreshClick();
}

void TForm_FileDialog::SpeedButton_ReportClick() {
  ShowViewStyle(ListModel, lstvwVirtualList, VirtualListView::vsReport);
}

void TForm_FileDialog::SetViewStyleOfPressedButton() {
  ShowViewStyle(ListModel, lstvwVirtualList,
                SpeedButton_Icons->isChecked()    ? VirtualListView::vsIcon
                : SpeedButton_Report->isChecked() ? VirtualListView::vsReport
                                                  : VirtualListView::vsList);
}

// ---- Selection.

void TForm_FileDialog::lstvwVirtualListSelectItem(int row, bool selected) {
  ShowSelection(selected ? Listing.ItemAt(row) : nullptr);
  ShowPreview();
}

void TForm_FileDialog::UpdateSelectionState() { ShowSelection(Listing.ItemAt(lstvwVirtualList->SelectedRow())); }

void TForm_FileDialog::ShowSelection(const ShellItem* item) {
  if (item && item->IsFolder()) {
    SetOkButtonState(true);
    EnableFolderButtons();
  } else if (item) {
    Edit_FileName->setText(ToQtName(item->caption));
    SetOkButtonState(false);
    EnableFileButtons();
  } else {
    SetOkButtonState(true);
    lstvwVirtualList->ClearSelection();
    DisableItemButtons();
  }
}

void TForm_FileDialog::lstvwVirtualListDblClick() {
  BusyLook busy(this);
  const int row = lstvwVirtualList->SelectedRow();
  const ShellItem* item = Listing.ItemAt(row);
  if (item && item->IsFolder()) {
    if (OpenFolderOrReport(Listing.AbsoluteList(row))) UpdateSelectionState();
    ShowPreview();
  } else if (item) {
    if (State.mode != kModeOpen && State.mode != kModeSave) return;
    ShowSelection(item);
    SpeedButton_OKClick();
  } else {
    UpdateSelectionState();
    ShowPreview();
  }
}
