#pragma once
// The archive library's folder picker: a modal folder browser over the
// file system with a button that makes a new folder in the selected one,
// and its texts chosen by the user's locale. Execute shows it; a new
// folder reopens the browser on that folder.
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>

class QDialog;
class QLabel;
class QPushButton;
class QTreeView;
class QFileSystemModel;
class QWidget;

class TFolderPickerDialog : public QObject {
 public:
  // Members of Flags, each the browser flag it adds. The picker shows only
  // file-system folders, so the computer, printer, domain and ancestor
  // restrictions have nothing left to restrict.
  enum TBrowseInfoFlags : unsigned {
    OnlyFileSystem = 0x0001,
    OnlyDomains = 0x0002,
    ShowPath = 0x0004,
    OnlyAncestors = 0x0008,
    OnlyComputers = 0x1000,
    OnlyPrinters = 0x2000,
  };
  // Roots of the browsed tree. foDesktopExpanded is the whole file system;
  // roots without a folder of their own on this system fall back to it.
  enum TSHFolders {
    foDesktop, foDesktopExpanded, foPrograms, foControlPanel, foPrinters, foPersonal, foFavorites, foStartup,
    foRecent, foSendto, foRecycleBin, foStartMenu, foDesktopFolder, foMyComputer, foNetwork,
    foNetworkNeighborhood, foFonts, foTemplates,
  };

  explicit TFolderPickerDialog(QObject* owner = nullptr);
  ~TFolderPickerDialog() override;

  // Preselected on opening; after Execute returned true, the chosen folder.
  std::string Folder;
  unsigned Flags = ShowPath;
  TSHFolders RootFolder = foDesktopExpanded;
  // A folder to root the browser at instead of RootFolder ("" none): the
  // file dialog roots it at the place the user chose.
  std::string RootPath;
  // The window that owns the browser; by default the owner, when it is a
  // widget, else the active window.
  QWidget* ParentWindow = nullptr;

  bool NewFolderVisible() const { return newFolderVisible_; }
  void SetNewFolderVisible(bool visible);
  bool NewFolderEnabled() const { return newFolderEnabled_; }
  void SetNewFolderEnabled(bool enabled);
  int NewFolderWidth() const { return newFolderWidth_; }
  void SetNewFolderWidth(int width) { newFolderWidth_ = width <= 0 ? 75 : width; }
  const QStringList& LabelCaptions() const { return labelCaptions_; }
  void SetLabelCaptions(const QStringList& captions);
  const QStringList& NewFolderCaptions() const { return newFolderCaptions_; }
  void SetNewFolderCaptions(const QStringList& captions);
  QString Version() const { return QStringLiteral("1.60.00.00"); }
  void SetVersion(const QString&) {}

  // The locale key the captions are chosen by (from the user's locale at
  // creation) and the captions chosen.
  const QString& LocaleKey() const { return localeKey_; }
  void SetLocaleKey(const QString& key);
  const QString& LabelCaption() const { return labelCaption_; }
  const QString& NewFolderCaption() const { return newFolderCaption_; }

  std::function<void(TFolderPickerDialog* sender, QDialog* browser)> OnInitialized;
  std::function<void(TFolderPickerDialog* sender, QDialog* browser, const std::string& folder)> OnSelectionChanged;
  // Asks for a new folder's name; by default an input box titled `title`.
  std::function<std::optional<QString>(QWidget* browser, const QString& title)> AskFolderName;

  // Shows the browser modally; true when a folder was chosen.
  bool Execute();

  // While the browser is open: selects a folder, switches OK.
  void SetSelectionPath(QDialog* browser, const std::string& path);
  void EnableOK(QDialog* browser, bool enable);

  // The folder the browser shows as its root ("/" for the whole tree).
  std::string RootFolderPath() const;
  // The status line's text of a selected folder.
  QString StatusText(const std::string& folder) const;

 private:
  void BuildBrowser(QDialog* browser);
  void SelectionChanged();
  void NewFolderClicked();
  void UpdateNewFolderButton();

  bool newFolderVisible_ = true;
  bool newFolderEnabled_ = true;
  int newFolderWidth_ = 75;
  QStringList labelCaptions_, newFolderCaptions_;
  QString localeKey_, labelCaption_, newFolderCaption_;

  // State of one run of the browser.
  std::string selected_;
  bool validPath_ = true;
  bool restart_ = false;
  QDialog* browser_ = nullptr;
  QTreeView* tree_ = nullptr;
  QFileSystemModel* model_ = nullptr;
  QLabel* status_ = nullptr;
  QPushButton* newFolder_ = nullptr;
  QPushButton* ok_ = nullptr;
};
