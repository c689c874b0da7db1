#pragma once
// The program's own modal open and save dialog, one instance
// (Form_FileDialog) created at start-up and set up anew by each caller:
//
//   Form_FileDialog->SetHomeEntry(0, caption, path, root);  ... entries 1, 2, ...
//   Form_FileDialog->SetBrowseEntry(0, caption, path, root); ...
//   Form_FileDialog->ClearShownExtensions();
//   Form_FileDialog->ClearExtraExtensions();
//   Form_FileDialog->SetExtraExtension(0, "g23");            (optional)
//   Form_FileDialog->ClearHiddenExtensions();
//   Form_FileDialog->Setup(title, "zg23", 0x60, -1, 0x3FF7F, mode, initialFile, homeIndex);
//   Form_FileDialog->SetClipboardFolder(Form_Main->TmpDir + "ZG12");
//   if (Form_FileDialog->ShowModal() == 1) path = Form_FileDialog->GetFileName();
//
// It shows one folder at a time in one list (icons, list or details), with
// the caller's places in the Home and Browse menus, Back, Refresh, file
// operations with a clipboard folder per purpose, and picture previews.
#include <QDialog>
#include <QString>
#include <array>
#include <cstdint>
#include <string>

#include "filedialog/ClipboardIndex.h"
#include "filedialog/DialogProtocol.h"
#include "filedialog/FolderListing.h"
#include "filedialog/ShellNamespace.h"
#include "filedialog/ui/FileDialogServices.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;
class PreviewImage;
class ShellListModel;
class VirtualListView;
namespace platform {
class Panel;
class SpeedButton;
}  // namespace platform

class TForm_FileDialog : public QDialog {
 public:
  explicit TForm_FileDialog(QWidget* owner,
                            filedialog::ShellEnvironment environment = filedialog::ShellEnvironment::OfProcess());
  ~TForm_FileDialog() override;

  // ---- The set-up protocol, in the order callers use it.

  // Entry 0..19 of the Home menu: -1 for an index of 20 or more, else 0.
  // Caption "-" is a separator, the first empty caption ends the menu;
  // path "Eigene Dateien" and "Desktop" are the user's documents and
  // desktop folders (captioned with their own names); kMyComputerName is
  // the computer, kNetworkName the network (shown, never enabled); root is
  // where Back stops.
  int SetHomeEntry(std::uint32_t index, const QString& caption, const std::string& path, const std::string& root);
  // The same for the Browse menu, whose entries open the folder picker.
  int SetBrowseEntry(std::uint32_t index, const QString& caption, const std::string& path, const std::string& root);
  void ClearShownExtensions();
  void ClearExtraExtensions();
  // Files with this extension (no dot) are listed too; they may be
  // deleted, not cut, copied or renamed. -1 for an index above 9, else 0.
  int SetExtraExtension(std::uint32_t index, const std::string& extension);
  void ClearHiddenExtensions();
  // title: window caption (after a blank); defaultExtension without dot;
  // enumFlags 0x60; view -1 keeps the view (0 icons, 1 or 2 list, 3
  // details); options: FileDialogOptions bits; mode 0 open, 1 save;
  // initialFile proposed in the name field; homeIndex: the Home entry
  // opened first (entry 0 when above 19 or its path is empty).
  void Setup(const QString& title, const std::string& defaultExtension, std::uint32_t enumFlags, int view,
             std::uint32_t options, std::uint8_t mode, const std::string& initialFile, std::uint32_t homeIndex);
  // 0, or -1 empty path, -2 empty without trailing "/", -3 not created, -4
  // not hidden. Callers pass the TMP folder and a purpose name.
  int SetClipboardFolder(const std::string& path);
  // 1 when the user confirmed (OK, or a double-click or Enter on a file),
  // 2 when cancelled.
  int ShowModal();
  // The chosen path: the current folder, "/" and the file name; in save
  // mode with the default extension. Read it only after ShowModal gave 1.
  std::string GetFileName() const { return State.result; }

  // ---- Texts the language loader fills: the OK captions in open and
  // save mode, the cancel caption, the new-folder question's title, prompt
  // and proposed name, the rename question's title and prompt.
  std::array<QString, 8> DialogTexts;
  // Captions of the five details columns.
  std::array<QString, 5> ColumnCaptions;

  FileDialogServices Services = FileDialogServices::Defaults();
  // Set for the process until the dialog is first shown: only that show
  // centres it on the main window; later ones keep the user's place.
  static inline bool FirstShow = true;

  // ---- State.
  filedialog::ShellNamespace Shell;
  filedialog::FolderListing Listing;
  filedialog::DialogState State;
  filedialog::ClipboardIndex Clipboard;
  const std::string& CurrentPath() const { return Listing.CurrentPath(); }

  // ---- Components.
  platform::Panel* Panel_Oben;
  QToolButton *SpeedButton_Back, *SpeedButton_Home, *SpeedButton_Browse, *SpeedButton_Refresh, *SpeedButton_Icons,
      *SpeedButton_List, *SpeedButton_Report, *SpeedButton_Delete, *SpeedButton_Cut, *SpeedButton_Copy,
      *SpeedButton_Insert, *SpeedButton_Rename, *SpeedButton_MakeDir;
  QButtonGroup* ViewButtons;
  platform::Panel* Panel_Mitte;
  QLineEdit* Edit_Pfad;
  VirtualListView* lstvwVirtualList;
  ShellListModel* ListModel;
  QLabel* Label_FileName;
  QLineEdit* Edit_FileName;
  platform::Panel* Panel_Vorschau;
  PreviewImage* Image_VorschauGross;
  QCheckBox* CheckBox_Size;
  platform::Panel* Panel_Unten;
  platform::Panel* Panel_OK;
  platform::SpeedButton* SpeedButton_OK;
  platform::Panel* Panel_Abbrechen;
  platform::SpeedButton* SpeedButton_Abbrechen;
  QToolButton* SpeedButton_Vorschau;
  QLabel* Image_Vorschau;
  QLabel* Image_Grip;
  QMenu *PopupMenu_Home, *PopupMenu_Browse, *PopupMenu_Insert;
  std::array<QAction*, 20> HomeItems, BrowseItems;
  std::array<QAction*, 10> InsertItems;
  QAction* N1;
  QAction* InsertListeLoeschen;

  // ---- Handlers.
  void SpeedButton_HomeClick();
  void HomeItemClick(int n);
  void SpeedButton_BrowseClick();
  void BrowseItemClick(int n);
  void SpeedButton_BackClick();
  void SpeedButton_RefreshClick();
  void SpeedButton_IconsClick();
  void SpeedButton_ListClick();
  void SpeedButton_ReportClick();
  void lstvwVirtualListSelectItem(int row, bool selected);
  void lstvwVirtualListDblClick();
  bool lstvwVirtualListKeyDown(int key, Qt::KeyboardModifiers modifiers);
  int lstvwVirtualListDataFind(const QString& text, int start, bool wrap);
  void FormMouseWheelUp();
  void FormMouseWheelDown();
  void SpeedButton_OKClick();
  void SpeedButton_AbbrechenClick();
  void Edit_FileNameChange();
  void SpeedButton_DeleteClick();
  void SpeedButton_CutClick();
  void SpeedButton_CopyClick();
  void SpeedButton_InsertClick();
  void InsertItemClick(int n);
  void InsertListeLoeschenClick();
  void SpeedButton_RenameClick();
  void SpeedButton_MakeDirClick();
  void SpeedButton_VorschauClick();
  void CheckBox_SizeClick();
  void Image_VorschauGrossMouseDown();
  void Panel_UntenDblClick();

  // ---- Steps.
  // Opens a place (path) and captions the window with the place's caption;
  // a place that cannot be opened leaves the folder as it was.
  void OpenHomeEntry(const std::string& path, const QString& caption);
  void OpenBrowseEntry(const std::string& path, const QString& caption);
  // Selects the row of that real name or caption, or else the first row
  // whose caption begins with it; false when none.
  bool SelectItemByName(const std::string& name);
  void UpdateSelectionState();
  void SetOkButtonState(bool folderOrNothingSelected);
  void ShowPreview();
  void ClosePreviewPanel();
  bool LoadClipboardIndex();
  void PasteClipboardEntry(const std::string& name);
  // True while a file operation or the large preview holds the panels.
  bool PanelsBusy() const;
  // The real name of the item the name field shows, or the field's text.
  std::string RealNameOfField() const;
  // The window size as the grip and the window manager may set it: within
  // the work area, the client area at least 632 x 453.
  QSize LimitSize(QSize proposed) const;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  class BusyLook;
  friend class BusyLook;

  void BuildControls();
  void ApplyTexts();
  void LayoutControls();
  void FormShow();
  // Computes the result for the close; false while the close is refused.
  bool FormClose();
  void Finish(int code);
  void ApplyMenu(QMenu* menu, std::array<QAction*, 20>& items, filedialog::PlaceMenu& entries);
  // A failure the user must know of, with the normal cursor.
  void ShowErrorMessage(const QString& title, const QString& text);
  // Shows why a folder could not be opened.
  void ReportOpenFailure(const std::string& path, const std::string& why);
  bool OpenFolderOrReport(const filedialog::ItemIdList& folder);
  // Opens the folder of a place and captions the window with the place's
  // caption; false, after showing why, when it cannot be opened.
  bool OpenPlaceOrReport(const std::string& path, const QString& caption);
  // Applies the Back button's rule after an open.
  void UpdateBackButton();
  void AfterListingChanged();
  // The name field, the OK button and the item buttons for a selected item
  // (a file shows its caption in the field), or for none.
  void ShowSelection(const filedialog::ShellItem* item);
  void SetViewStyleOfPressedButton();
  void EnableFileButtons();
  void EnableFolderButtons();
  void DisableItemButtons();
  void SetPanelsEnabled(bool enabled);
  // The end of every file operation: the folder read again, the item
  // selected (or the selection removed), buttons and preview brought up to
  // date.
  void EndOperation(const std::string& select, bool clearWhenMissing);
  void CutOrCopy(bool cut);
  void ReportOperationFailure(const QString& title, int error, const std::string& name, const std::string& detail);
  void RebuildInsertMenu();
  bool OptionSet(std::uint32_t bit) const { return (State.options & bit) != 0; }
  QString Message(const char* german, const char* english) const;

  int busyDepth_ = 0;
  bool gripDragging_ = false;
  QPoint gripStart_;
  QSize gripStartSize_;
  bool thumbnailValid_ = false;
  int closeCode_ = 2;
};

extern TForm_FileDialog* Form_FileDialog;
