#pragma once
// The main window: its folder tree, the three pages (data view, editor,
// printer settings) in PanelMain, the side bar with the printer, PC and help
// menus, the date and time display, the back-to-idle step and the
// shortcuts. One instance, Form_Main, created first and kept until exit.
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/Shortcuts.h"
#include "editor/ui/GraphicFileDialog.h"
#include "platform/SingleInstance.h"
#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"

class TFrameDaten;
class TFrameBearbeiten;
class TFramePrinter;
class TFrameMenuAnsicht;
class TFrameMenuOeffnen;
class TFrameMenuSpeichern;
class TFrameMenuSchliessen;
class TFrameMenuBearbeiten;
class TFrameMenuSchutz;
class TFrameMenuAnsichtBearbeiten;
class TFrameMenuZoomBearbeiten;
class TFrameMenuRasterBearbeiten;
class TFrameMenuPrinter;
class TFrameMenuPC;
class TFrameMenuHilfe;
class Thread_Printer;

namespace printerthread {
class PrintDataTransfer;
class ServiceTools;
}

namespace printersettings::ui {
class ServiceToolWindows;
}

namespace printing::ui {
class PrintService;
}

namespace app {

class DataViewLinks;
class EditorDataLink;
class PrinterThreadWindows;
class MainEditorHost;
class MainPrinterViewHost;
class TransferDesk;
class DataSetLinks;
class PrintLinks;

// Where the program starts and where it keeps its single-instance lock.
// The program takes both from the process; tests give their own.
struct StartupEnvironment {
  std::string startDir;  // absolute
  std::string lockDir = platform::SingleInstanceLock::DefaultDir();
  static StartupEnvironment OfProcess();
};

inline const QString kProgramTitle = QStringLiteral("Tarvik23 - Osmek AG");

}  // namespace app

class TForm_Main : public QWidget {
 public:
  explicit TForm_Main(QWidget* owner, const app::StartupEnvironment& env = app::StartupEnvironment::OfProcess());
  ~TForm_Main() override;

  // Held from the constructor until the close sequence ends.
  platform::SingleInstanceLock InstanceMutex;

  // The program folder tree; every path ends in "/" (the five sibling
  // folders have none and are "" when absent). Written once here.
  std::string RootDir, StartDir, ConfigDir, SoundDir, TmpDir, DataDir, DataEasyDir, HelpDir, LanguageDir,
      TeamViewerDir, ServiceDir, HexDir, DriverDir, TarvikBmpDir, Tarvik12BmpDir, Tarvik20BmpDir, BmpDir,
      Quandrix45BmpDir, Tarvik50BmpDir, UpdateDir, BrowserDir;
  // Program folders that could not be created at start.
  std::vector<std::string> FoldersNotCreated;
  // The folders the pictures of graphics are opened from and saved to.
  editor::ui::GraphicFolders GraphicFolders() const;

  // Controls.
  platform::Panel* PanelLinks;
  platform::Panel* PanelMain;
  platform::Panel* PanelPrinter;
  platform::SpeedButton* SpeedButtonPrinter;
  QLabel* LabelPrinter;
  platform::Panel* PanelPC;
  platform::SpeedButton* SpeedButtonPC;
  platform::Panel* PanelHilfe;
  platform::SpeedButton* SpeedButtonHilfe;
  platform::Panel* PanelR12;
  platform::SpeedButton* SpeedButtonR12;
  platform::Panel* PanelLinks2;
  platform::Panel* PanelTimeDate;
  platform::SpeedButton* SpeedButtonTimeDate;
  QTimer* TimerTimeDate;

  // The twelve menu frames, then the three pages.
  TFrameMenuAnsicht* FrameMenuAnsicht;
  TFrameMenuOeffnen* FrameMenuOeffnen;
  TFrameMenuSpeichern* FrameMenuSpeichern;
  TFrameMenuSchliessen* FrameMenuSchliessen;
  TFrameMenuBearbeiten* FrameMenuBearbeiten;
  TFrameMenuSchutz* FrameMenuSchutz;
  TFrameMenuAnsichtBearbeiten* FrameMenuAnsichtBearbeiten;
  TFrameMenuZoomBearbeiten* FrameMenuZoomBearbeiten;
  TFrameMenuRasterBearbeiten* FrameMenuRasterBearbeiten;
  TFrameMenuPrinter* FrameMenuPrinter;
  TFrameMenuPC* FrameMenuPC;
  TFrameMenuHilfe* FrameMenuHilfe;
  TFrameDaten* FrameDaten;
  TFrameBearbeiten* FrameBearbeiten;
  TFramePrinter* FramePrinter;
  // How the data page reaches this window, the editor, the paste dialog and
  // the report.
  std::unique_ptr<app::DataViewLinks> DataViewLinks;
  // How the data page and the editor page reach each other.
  std::unique_ptr<app::EditorDataLink> EditorDataLink;

  // The printer thread, started when the window is first shown and stopped
  // before anything else goes.
  Thread_Printer* PrinterThread = nullptr;
  void FormShow();
  // How the open and save menus and the slot dialogs reach the folders, the
  // archive service, the messages and the file dialog.
  std::unique_ptr<app::DataSetLinks> DataSetLinks;

  // The back-to-idle step that nearly every user action runs first and
  // last: hides the menus and sets what can be used on the page shown.
  void CloseMenusAndRefresh();
  // Hides the menu frames; returns how many were visible.
  int HideMenuFrames();

  // The three print services (hard copies, report, printer settings) and
  // how they reach this window.
  std::unique_ptr<app::PrintLinks> PrintLinks;
  std::unique_ptr<printing::ui::PrintService> Printing;
  // Prints a hard copy of `form` as one page. Every window's Ctrl+P comes
  // here through platform::PrintHardcopy (platform/qt/Hardcopy.h).
  void PrintFormHardcopy(QWidget* form);
  // The report of the open print data. With `askOptions` the report options
  // (FormRapport) come first: only their OK goes on, with the blocks chosen
  // there instead of the other four.
  void PrintReport(bool askOptions, bool layers, bool parameters, bool notes, bool info);
  // All printer settings: this window, the setting and service windows and
  // the info window.
  void PrintPrinterSettings();
  // The footer caption of page `page` of `pages` in the UI language.
  QString PageCaption(int page, int pages) const;

  void SpeedButtonPrinterClick(QObject* sender);
  void SpeedButtonPCClick(QObject* sender);
  void SpeedButtonHilfeClick(QObject* sender);
  // Shows the raw bitmap viewer, or hides it when it is shown.
  void SpeedButtonR12Click(QObject* sender);
  void SpeedButtonTimeDateClick(QObject* sender);
  void TimerTimeDateTimer();

  void FormKeyDown(int key, app::Shift shift);
  void FormMouseWheelDown(app::Shift shift, bool& handled);
  void FormMouseWheelUp(app::Shift shift, bool& handled);

  void OpenSupportContactPage();
  void OpenProductSupportPage();
  void OpenMakerHomePages();
  // The PC menu's update action: the update question unless it was
  // accepted already; once accepted the window closes, and the close
  // starts the installer at its end.
  void RunPendingUpdate();

  // See app/ShellFileOps.h; the program's root and start folders are never
  // deleted or emptied.
  int ShellDeletePath(const std::string& path, bool filesOnly);
  int ShellCopyPath(const std::string& source, const std::string& target, bool filesOnly);

  // Checksummed transfer of one file to or from the printer, skipped when
  // the printer's checksum already matches (unless forced). The caller holds
  // the port lock.
  int SyncToPrinter(const std::string& localPath, const std::string& printerName, bool force);
  int SyncFromPrinter(const std::string& localPath, const std::string& printerName, bool force);

  // The close sequence; false when the window stays open.
  bool FormClose();

  app::Page ShownPage() const;
  app::DataViewState DataViewSnapshot() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildControls();
  void CreateFrames();
  // The twelve menu frames, in the order above.
  std::array<QWidget*, 12> MenuFrames() const;
  void Carry(const app::Shortcut& s);
  // A side-bar menu: a click on its button closes it when open, else opens
  // it after the back-to-idle step when `mayOpen` agrees.
  bool ToggleMenu(platform::SpeedButton* button, QWidget* menu, const std::function<bool()>& mayOpen);
  void SelectDataRow(int row);

  std::unique_ptr<app::PrinterThreadWindows> printerWindows_;
  // The print-data transfer the thread runs; kept until the thread is gone.
  std::unique_ptr<app::TransferDesk> transferDesk_;
  std::unique_ptr<printerthread::PrintDataTransfer> printDataTransfer_;
  // The console's and the configuration file's sequences and their windows.
  std::unique_ptr<printersettings::ui::ServiceToolWindows> serviceWindows_;
  std::unique_ptr<printerthread::ServiceTools> serviceTools_;


  // What the editor page reaches of this window.
  std::unique_ptr<app::MainEditorHost> editorHost_;
  // What the printer settings view reaches of it.
  std::unique_ptr<app::MainPrinterViewHost> printerViewHost_;
  // Key preview sees each event once, though Qt offers it to every parent.
  const QEvent* lastPreviewed_ = nullptr;
  quint64 lastPreviewedStamp_ = 0;
  QPointer<QWidget> lastReceiver_;
};

extern TForm_Main* Form_Main;
