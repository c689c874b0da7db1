#include "app/TForm_Main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QWheelEvent>
#include <cstdlib>
#include <filesystem>

#include "app/links/DataSetLinks.h"
#include "app/links/DataViewLinks.h"
#include "app/links/EditorDataLink.h"
#include "app/DesktopLauncher.h"
#include "app/Konfig.h"
#include "app/links/PrinterThreadWindows.h"
#include "app/links/MainEditorHost.h"
#include "app/links/MainPrinterViewHost.h"
#include "app/links/PrintLinks.h"
#include "app/ProgramFolders.h"
#include "app/ShellFileOps.h"
#include "app/pc/TFormBedienungsmodus.h"
#include "app/pc/TFormEinstellenPC.h"
#include "app/pc/TFormInfo.h"
#include "app/TFormMessage.h"
#include "app/language/TFormSprache.h"
#include "app/fetch/ui/TForm_Browser.h"
#include "app/fetch/ui/TForm_Update.h"
#include "app/pc/TFrameMenuHilfe.h"
#include "app/pc/TFrameMenuPC.h"
#include "app/links/TransferDesk.h"
#include "editor/ui/TFrameBearbeiten.h"
#include "editor/ui/TFrameBearbeitenGrafik.h"
#include "editor/ui/TFrameMenuAnsichtBearbeiten.h"
#include "editor/ui/TFrameMenuRasterBearbeiten.h"
#include "editor/ui/TFrameMenuZoomBearbeiten.h"
#include "platform/qt/InputBlocker.h"
#include "platform/Beep.h"
#include "platform/Clock.h"
#include "platform/DateTimeText.h"
#include "platform/PlatformCheck.h"
#include "platform/sound/Sound.h"
#include "platform/qt/NamedColours.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/Hardcopy.h"
#include "platform/qt/LanguageTexts.h"
#include "platform/qt/SystemMessageBox.h"
#include "platform/qt/TextCodec.h"
#include "platform/qt/UserGuide.h"
#include "printdata/ui/TFormEinfuegen.h"
#include "printdata/ui/TFormR12.h"
#include "printdata/ui/TFormRapport.h"
#include "printdata/ui/TFrameDaten.h"
#include "printdata/ui/TFrameMenuAnsicht.h"
#include "printdata/ui/TFrameMenuBearbeiten.h"
#include "printdata/ui/TFrameMenuOeffnen.h"
#include "printdata/ui/TFrameMenuSchliessen.h"
#include "printdata/ui/TFrameMenuSchutz.h"
#include "printdata/ui/TFrameMenuSpeichern.h"
#include "printersettings/ui/ServiceToolWindows.h"
#include "printersettings/ui/PrinterWindowHooks.h"
#include "printersettings/ui/TFormPrinterCLI.h"
#include "printersettings/ui/TFormPrinterFernsteuerung.h"
#include "printersettings/ui/TForm_Editor.h"
#include "printersettings/ui/TFormPrinterSteuerungDiagnose.h"
#include "printersettings/ui/TFrameMenuPrinter.h"
#include "printersettings/ui/TFramePrinter.h"
#include "printerlink/SyncFiles.h"
#include "printerlink/thread/DisplayRegistry.h"
#include "printerlink/thread/PrintDataTransfer.h"
#include "printerlink/thread/ServiceTools.h"
#include "printerlink/thread/Thread_Printer.h"
#include "printing/PageCaption.h"
#include "printing/ui/PrintService.h"

TForm_Main* Form_Main = nullptr;

namespace app {

StartupEnvironment StartupEnvironment::OfProcess() {
  std::error_code ec;
  StartupEnvironment env;
  env.startDir = std::filesystem::current_path(ec).string();
  return env;
}

}  // namespace app

namespace {

using namespace platform::colours;
constexpr int kSideBarWidth = 104;
constexpr int kClientWidth = 892;
constexpr int kClientHeight = 673;
constexpr int kMinClientWidth = 852;
constexpr int kMinClientHeight = 612;

const QString kNotWindowsNt = QStringLiteral(
    "Microsoft Windows 95/98/Me wird nicht unterstützt...     \n\n"
    "Microsoft Windows 95/98/Me not supported...     \n\n");
const QString kAlreadyRunning = QStringLiteral(
    "Das Programm 'Tarvik23' wird bereits ausgeführt...     \n\n"
    "The program 'Tarvik23' is already running...     \n\n");

const char* const kSupportSite = "https://support.osmek-ag.ch";
const char* const kHomePages[] = {"https://www.osmek-ag.ch", "https://www.osmek-ag.com"};

[[noreturn]] void RefuseToStart(const QString& text) {
  platform::SystemMessageBox(app::kProgramTitle, text, platform::SystemBoxIcon::Stop);
  std::exit(-1);
}

void ReportFoldersNotCreated(const std::vector<std::string>& folders) {
  if (folders.empty()) return;
  QString list;
  for (const std::string& f : folders) list += QStringLiteral("\n") + QString::fromStdString(f);
  platform::SystemMessageBox(app::kProgramTitle,
                             QStringLiteral("Diese Ordner konnten nicht erstellt werden:") + list +
                                 QStringLiteral("\n\nThese folders could not be created:") + list,
                             platform::SystemBoxIcon::Exclamation);
}

void OpenPage(const QString& url) {
  if (!app::OpenWebPage(url)) platform::Beep(platform::BeepKind::Stop);
}

}  // namespace

TForm_Main::TForm_Main(QWidget* owner, const app::StartupEnvironment& env) : QWidget(owner) {
  Form_Main = this;
  BuildControls();

  if (!platform::IsSupportedPlatform()) RefuseToStart(kNotWindowsNt);
  if (InstanceMutex.Acquire("Tarvik23", env.lockDir) == platform::InstanceLockResult::AlreadyRunning)
    RefuseToStart(kAlreadyRunning);

  setWindowTitle(QStringLiteral(" ") + app::kProgramTitle);

  const app::ProgramFolders folders = app::CreateProgramFolders(env.startDir);
  RootDir = folders.root;
  StartDir = folders.start;
  ConfigDir = folders.config;
  SoundDir = folders.sound;
  TmpDir = folders.tmp;
  DataDir = folders.data;
  DataEasyDir = folders.dataEasy;
  HelpDir = folders.help;
  LanguageDir = folders.language;
  TeamViewerDir = folders.teamViewer;
  ServiceDir = folders.service;
  HexDir = folders.hex;
  DriverDir = folders.driver;
  BmpDir = folders.bmp;
  UpdateDir = folders.update;
  BrowserDir = folders.browser;
  TarvikBmpDir = folders.tarvikBmp;
  Tarvik12BmpDir = folders.tarvik12Bmp;
  Tarvik20BmpDir = folders.tarvik20Bmp;
  Quandrix45BmpDir = folders.quandrix45Bmp;
  Tarvik50BmpDir = folders.tarvik50Bmp;
  FoldersNotCreated = folders.notCreated;
  ReportFoldersNotCreated(FoldersNotCreated);
  // Only now, with the program's lock held: no copy of this program is
  // writing into the tree.
  app::RemoveLeftoverTempFiles(folders);

  CreateFrames();
  PrintLinks = std::make_unique<app::PrintLinks>(*this);
  Printing = std::make_unique<printing::ui::PrintService>(*PrintLinks);
  platform::SetHardcopyAction([this](QWidget* form) { PrintFormHardcopy(form); });
  platform::SetPrinterSettingsAction([this] { PrintPrinterSettings(); });
  FrameDaten->CreateRows();
  FrameBearbeiten->ResetEditor();
  CloseMenusAndRefresh();
  FrameDaten->ShowPage();

  // Key preview: the window sees every key of its pages first, but for
  // those a busy message holds.
  qApp->installEventFilter(this);
  platform::InstallInputGate();

  setMinimumSize(kMinClientWidth, kMinClientHeight);
  resize(kClientWidth, kClientHeight);

  try {
    const std::string startSound = SoundDir + "00.wav";
    if (std::filesystem::exists(startSound)) platform::PlaySoundAsync(startSound);
  } catch (const std::exception&) {
    platform::Beep(platform::BeepKind::Stop);
  }

  TimerTimeDate->setInterval(500);
  TimerTimeDate->start();
  TimerTimeDateTimer();
}

TForm_Main::~TForm_Main() {
  // The printer thread works with the windows below: it goes first.
  delete PrinterThread;
  PrinterThread = nullptr;
  if (printerWindows_) printerthread::PrinterDisplays().Remove(printerWindows_.get());
  TimerTimeDate->stop();
  qApp->removeEventFilter(this);
  platform::SetHardcopyAction({});
  platform::SetPrinterSettingsAction({});
  delete FrameDaten;
  delete FrameBearbeiten;
  delete FramePrinter;
  for (QWidget* frame : MenuFrames()) delete frame;
  if (Form_Main == this) Form_Main = nullptr;
}

void TForm_Main::BuildControls() {
  setObjectName(QStringLiteral("Form_Main"));
  setFont(platform::VerdanaPx(11));
  platform::SetWindowColour(this, 13160660);

  PanelLinks = new platform::Panel(this);
  PanelLinks->SetColor(kSilver);
  PanelMain = new platform::Panel(this);
  PanelMain->SetColor(14013909);
  PanelMain->SetBevels(platform::BevelKind::Lowered, platform::BevelKind::Raised);

  auto side = [this](int top, const QString& caption, std::uint32_t fontColour, platform::Panel*& panel,
                     platform::SpeedButton*& button) {
    platform::AddButtonPanel(PanelLinks, QRect(8, top, 88, 48), caption, panel, button);
    button->SetFontColor(fontColour);
  };
  side(104, QStringLiteral("Printer"), kPurple, PanelPrinter, SpeedButtonPrinter);
  // On the printer page its panel takes no clicks, but the button still
  // names the page shown.
  SpeedButtonPrinter->KeepLookOnLockedPanel(true);
  side(160, QStringLiteral("PC"), kNavy, PanelPC, SpeedButtonPC);
  side(216, QStringLiteral("Hilfe"), kTeal, PanelHilfe, SpeedButtonHilfe);
  // A dark caption on its light panel, as the other side buttons have.
  side(272, QString(), kNavy, PanelR12, SpeedButtonR12);
  PanelR12->SetFontColor(kNavy);
  PanelR12->hide();
  NAME_AFTER_MEMBER(SpeedButtonPrinter);
  NAME_AFTER_MEMBER(SpeedButtonPC);
  NAME_AFTER_MEMBER(SpeedButtonHilfe);
  // The connection state, under the printer button's caption.
  LabelPrinter = new QLabel(QStringLiteral("."), PanelPrinter);
  LabelPrinter->setGeometry(0, 28, 88, 16);
  LabelPrinter->setAlignment(Qt::AlignCenter);
  LabelPrinter->setAttribute(Qt::WA_TransparentForMouseEvents);
  platform::SetTextColour(LabelPrinter, kPurple);

  PanelLinks2 = new platform::Panel(PanelLinks);
  PanelLinks2->SetColor(kSilver);
  PanelTimeDate = new platform::Panel(PanelLinks2);
  PanelTimeDate->setGeometry(8, 8, 88, 48);
  PanelTimeDate->SetColor(kGrey);
  SpeedButtonTimeDate = new platform::SpeedButton(PanelTimeDate);
  SpeedButtonTimeDate->SetFontColor(kWhite);

  TimerTimeDate = new QTimer(this);

  connect(SpeedButtonPrinter, &QAbstractButton::clicked, this,
          [this] { SpeedButtonPrinterClick(SpeedButtonPrinter); });
  connect(SpeedButtonPC, &QAbstractButton::clicked, this, [this] { SpeedButtonPCClick(SpeedButtonPC); });
  connect(SpeedButtonHilfe, &QAbstractButton::clicked, this, [this] { SpeedButtonHilfeClick(SpeedButtonHilfe); });
  connect(SpeedButtonR12, &QAbstractButton::clicked, this, [this] { SpeedButtonR12Click(SpeedButtonR12); });
  connect(SpeedButtonTimeDate, &QAbstractButton::clicked, this,
          [this] { SpeedButtonTimeDateClick(SpeedButtonTimeDate); });
  connect(TimerTimeDate, &QTimer::timeout, this, [this] { TimerTimeDateTimer(); });
}

void TForm_Main::CreateFrames() {
  FrameDaten = new TFrameDaten(PanelMain);
  FrameBearbeiten = new TFrameBearbeiten(PanelMain);
  FramePrinter = new TFramePrinter(PanelMain);

  auto under = [](QWidget* frame, const QWidget* panel) {
    frame->move(panel->x() + 106, panel->y() + 84);
    return frame;
  };
  auto beside = [](QWidget* frame, const QWidget* panel) {
    frame->move(panel->width() + 10, panel->y());
    return frame;
  };
  FrameMenuAnsicht = new TFrameMenuAnsicht(this);
  under(FrameMenuAnsicht, FrameDaten->PanelAnsicht);
  FrameMenuOeffnen = new TFrameMenuOeffnen(this);
  under(FrameMenuOeffnen, FrameDaten->PanelOeffnen);
  FrameMenuSpeichern = new TFrameMenuSpeichern(this);
  under(FrameMenuSpeichern, FrameDaten->PanelSpeichern);
  FrameMenuSchliessen = new TFrameMenuSchliessen(this);
  under(FrameMenuSchliessen, FrameDaten->PanelSchliessen);
  FrameMenuBearbeiten = new TFrameMenuBearbeiten(this);
  under(FrameMenuBearbeiten, FrameDaten->PanelWerkzeug);
  FrameMenuSchutz = new TFrameMenuSchutz(this);
  under(FrameMenuSchutz, FrameDaten->PanelSchutz);
  FrameMenuAnsichtBearbeiten = new TFrameMenuAnsichtBearbeiten(this);
  under(FrameMenuAnsichtBearbeiten, FrameBearbeiten->PanelAnsicht);
  FrameMenuZoomBearbeiten = new TFrameMenuZoomBearbeiten(this);
  under(FrameMenuZoomBearbeiten, FrameBearbeiten->PanelZoom);
  FrameMenuRasterBearbeiten = new TFrameMenuRasterBearbeiten(this);
  under(FrameMenuRasterBearbeiten, FrameBearbeiten->PanelRaster);
  FrameMenuPrinter = new TFrameMenuPrinter(this);
  beside(FrameMenuPrinter, PanelPrinter);
  FrameMenuPrinter->CloseMenusAndRefresh = [this] { CloseMenusAndRefresh(); };
  FrameMenuPrinter->DataModified = [this] { return FrameDaten->IsModified(); };
  FrameMenuPrinter->ShowRefusal = [](const QString& title, bool opening) {
    if (FormMessage)
      FormMessage->ShowNotice(title, opening ? FormMessage->MsgSaveOrCloseFirst : FormMessage->MsgSaveFirst,
                              TFormMessage::kSilver, true);
  };
  FrameMenuPrinter->ShowSettingsView = [this] { FramePrinter->ShowView(); };
  FrameMenuPC = new TFrameMenuPC(this);
  beside(FrameMenuPC, PanelPC);
  FrameMenuHilfe = new TFrameMenuHilfe(this);
  beside(FrameMenuHilfe, PanelHilfe);

  DataViewLinks = std::make_unique<app::DataViewLinks>(*this);
  EditorDataLink = std::make_unique<app::EditorDataLink>(*FrameDaten, *FrameBearbeiten);
  FrameDaten->Connect(DataViewLinks.get(), EditorDataLink.get(),
                      {FrameMenuAnsicht, FrameMenuOeffnen, FrameMenuSpeichern, FrameMenuSchliessen,
                       FrameMenuBearbeiten, FrameMenuSchutz});
  editorHost_ = std::make_unique<app::MainEditorHost>(*this);
  printerViewHost_ = std::make_unique<app::MainPrinterViewHost>(*this);
  FramePrinter->SetHost(printerViewHost_.get());
  FrameBearbeiten->SetHost(editorHost_.get());
  FrameBearbeiten->SetMenus(FrameMenuAnsichtBearbeiten, FrameMenuZoomBearbeiten, FrameMenuRasterBearbeiten);
  FrameBearbeiten->SetDataView(EditorDataLink.get());
  DataSetLinks = std::make_unique<app::DataSetLinks>(*this);
  FrameMenuOeffnen->SetHost(DataSetLinks.get());
  FrameMenuSpeichern->SetHost(DataSetLinks.get());
  auto* grafik = new TFrameBearbeitenGrafik(&FrameBearbeiten->GraphicPaneHost());
  grafik->Folders = GraphicFolders();
  FrameBearbeiten->SetGraphicPane(grafik);
}

editor::ui::GraphicFolders TForm_Main::GraphicFolders() const {
  return {BmpDir, TarvikBmpDir, Tarvik12BmpDir, Tarvik20BmpDir, Tarvik50BmpDir, Quandrix45BmpDir, TmpDir};
}

void TForm_Main::resizeEvent(QResizeEvent*) {
  PanelLinks->setGeometry(0, 0, kSideBarWidth, height());
  PanelLinks2->setGeometry(0, height() - 64, kSideBarWidth, 64);
  PanelMain->setGeometry(kSideBarWidth, 0, width() - kSideBarWidth, height());
  const QRect inner = PanelMain->rect().adjusted(2, 2, -2, -2);
  for (QWidget* page : std::initializer_list<QWidget*>{FrameDaten, FrameBearbeiten, FramePrinter})
    if (page) page->setGeometry(inner);
}

std::array<QWidget*, 12> TForm_Main::MenuFrames() const {
  return {FrameMenuAnsicht,    FrameMenuOeffnen, FrameMenuSpeichern,         FrameMenuSchliessen,
          FrameMenuBearbeiten, FrameMenuSchutz,  FrameMenuAnsichtBearbeiten, FrameMenuZoomBearbeiten,
          FrameMenuRasterBearbeiten, FrameMenuPrinter, FrameMenuPC, FrameMenuHilfe};
}

int TForm_Main::HideMenuFrames() {
  int visible = 0;
  for (QWidget* frame : MenuFrames()) {
    if (!frame->isHidden()) ++visible;
    frame->hide();
  }
  return visible;
}

app::Page TForm_Main::ShownPage() const {
  if (!FrameDaten->isHidden()) return app::Page::Data;
  if (!FrameBearbeiten->isHidden()) return app::Page::Editor;
  if (!FramePrinter->isHidden()) return app::Page::Printer;
  return app::Page::None;
}

void TForm_Main::CloseMenusAndRefresh() {
  const int wasOpen = HideMenuFrames();
  if (!FrameBearbeiten->isHidden()) {
    for (QWidget* w : std::initializer_list<QWidget*>{SpeedButtonPrinter, LabelPrinter, SpeedButtonPC,
                                                       SpeedButtonHilfe, PanelPrinter, PanelPC, PanelHilfe})
      w->setEnabled(false);
    PanelTimeDate->setEnabled(true);
  } else if (!FramePrinter->isHidden()) {
    // The printer button keeps its look, but its panel takes no clicks.
    SpeedButtonPrinter->setEnabled(true);
    LabelPrinter->setEnabled(true);
    for (QWidget* w : std::initializer_list<QWidget*>{SpeedButtonPC, SpeedButtonHilfe, PanelPrinter, PanelPC,
                                                       PanelHilfe})
      w->setEnabled(false);
    PanelTimeDate->setEnabled(true);
  } else {
    for (QWidget* w : std::initializer_list<QWidget*>{PanelPrinter, PanelPC, PanelHilfe, PanelTimeDate})
      w->setEnabled(true);
    const bool data = FrameDaten->Count >= 1;
    // The top bar, the protection marks and the edit menu.
    FrameDaten->ApplyIdleState();
    SpeedButtonPrinter->setEnabled(true);
    LabelPrinter->setEnabled(true);
    FrameMenuPrinter->SpeedButtonSpeichernAufDrucker->setEnabled(data);
    SpeedButtonPC->setEnabled(true);
    SpeedButtonHilfe->setEnabled(true);
  }
  repaint();
  if (wasOpen > 0) platform::SleepMs(50);
}

bool TForm_Main::ToggleMenu(platform::SpeedButton* button, QWidget* menu, const std::function<bool()>& mayOpen) {
  button->repaint();
  const bool wasOpen = !menu->isHidden();
  CloseMenusAndRefresh();
  if (wasOpen || !mayOpen()) return false;
  menu->show();
  menu->raise();
  return true;
}

void TForm_Main::SpeedButtonPrinterClick(QObject*) {
  bool refused = false;
  ToggleMenu(SpeedButtonPrinter, FrameMenuPrinter, [&] {
    const bool simulating = FormEinstellenPC && FormEinstellenPC->GetSimulation() == 1;
    refused = !LabelPrinter->text().isEmpty() && !simulating;
    return !refused;
  });
  if (refused && FormMessage)
    FormMessage->ShowNotice(SpeedButtonPrinter->Caption(), FormMessage->MsgNoPrinter, TFormMessage::kSilver, true);
}

void TForm_Main::SpeedButtonPCClick(QObject*) {
  ToggleMenu(SpeedButtonPC, FrameMenuPC, [] { return true; });
}

void TForm_Main::SpeedButtonHilfeClick(QObject*) {
  ToggleMenu(SpeedButtonHilfe, FrameMenuHilfe, [] { return true; });
}

void TForm_Main::SpeedButtonR12Click(QObject*) {
  // The menus stay as they are.
  if (!FormR12) return;
  if (FormR12->isVisible()) {
    FormR12->hide();
    return;
  }
  FormR12->show();
  FormR12->raise();
  FormR12->activateWindow();
}

void TForm_Main::SpeedButtonTimeDateClick(QObject*) {
  SpeedButtonTimeDate->repaint();
  HideMenuFrames();
  SpeedButtonTimeDate->Tag = SpeedButtonTimeDate->Tag == 0 ? 1 : 0;
  TimerTimeDateTimer();
}

void TForm_Main::TimerTimeDateTimer() {
  const std::tm now = platform::LocalNow();
  const QString date = QString::fromStdString(platform::ShortDateText(now));
  const QString time = QString::fromStdString(platform::LongTimeText(now));
  const bool dateOnButton = SpeedButtonTimeDate->Tag == 0;
  SpeedButtonTimeDate->SetCaption(dateOnButton ? date : time);
  SpeedButtonTimeDate->setToolTip(dateOnButton ? time : date);
}

app::DataViewState TForm_Main::DataViewSnapshot() const {
  using platform::OwnEnabled;
  app::DataViewState s;
  s.pasteDialogVisible = DataViewLinks->PasteDialogVisible();
  s.pasteOkEnabled = FormEinfuegen && OwnEnabled(FormEinfuegen->SpeedButtonOK);
  s.topBarUsable = OwnEnabled(FrameDaten->PanelTop);
  s.ansicht = OwnEnabled(FrameDaten->SpeedButtonAnsichtDown);
  s.oeffnen = OwnEnabled(FrameDaten->SpeedButtonOeffnen);
  s.speichern = OwnEnabled(FrameDaten->SpeedButtonSpeichern);
  s.werkzeug = OwnEnabled(FrameDaten->SpeedButtonWerkzeug);
  s.rapport = OwnEnabled(FrameDaten->SpeedButtonRapport);
  s.menuOeffnen = OwnEnabled(FrameMenuOeffnen->SpeedButtonOeffnen);
  s.menuSpeichern = OwnEnabled(FrameMenuSpeichern->SpeedButtonSpeichern);
  const TFrameMenuBearbeiten* m = FrameMenuBearbeiten;
  s.neu = OwnEnabled(m->SpeedButtonNeu);
  s.entfernen = OwnEnabled(m->SpeedButtonEntfernen);
  s.bearbeiten = OwnEnabled(m->SpeedButtonBearbeiten);
  s.kopieren = OwnEnabled(m->SpeedButtonKopieren);
  s.ausschneiden = OwnEnabled(m->SpeedButtonAusschneiden);
  s.einfuegen = OwnEnabled(m->SpeedButtonEinfuegen);
  s.count = FrameDaten->Count;
  s.selected = FrameDaten->Selected;
  return s;
}

void TForm_Main::FormKeyDown(int key, app::Shift shift) {
  Carry(app::ChooseKeyShortcut(ShownPage(), DataViewSnapshot(), key, shift));
}

void TForm_Main::FormMouseWheelDown(app::Shift shift, bool& handled) {
  const app::Shortcut s = app::ChooseWheelShortcut(ShownPage(), DataViewSnapshot(), true, shift);
  Carry(s);
  handled = s.handled;
}

void TForm_Main::FormMouseWheelUp(app::Shift shift, bool& handled) {
  const app::Shortcut s = app::ChooseWheelShortcut(ShownPage(), DataViewSnapshot(), false, shift);
  Carry(s);
  handled = s.handled;
}

void TForm_Main::SelectDataRow(int row) {
  if (row >= 0 && row < static_cast<int>(FrameDaten->RowImages.size()))
    FrameDaten->SelectRow(FrameDaten->RowImages[static_cast<std::size_t>(row)]);
}

void TForm_Main::Carry(const app::Shortcut& s) {
  using A = app::ShortcutAction;
  TFrameMenuAnsicht* view = FrameMenuAnsicht;
  TFrameMenuBearbeiten* edit = FrameMenuBearbeiten;
  TFrameMenuAnsichtBearbeiten* editorView = FrameMenuAnsichtBearbeiten;
  switch (s.action) {
    case A::SelectRow: SelectDataRow(s.argument); break;
    case A::DataZoomDown: view->SpeedButtonZoomDownClick(view->SpeedButtonZoomDown); break;
    case A::DataZoomUp: view->SpeedButtonZoomUpClick(view->SpeedButtonZoomUp); break;
    case A::New: edit->SpeedButtonNeuClick(edit->SpeedButtonNeu); break;
    case A::Remove: edit->SpeedButtonEntfernenClick(edit->SpeedButtonEntfernen); break;
    case A::Edit: edit->SpeedButtonBearbeitenClick(edit->SpeedButtonBearbeiten); break;
    case A::Copy: edit->SpeedButtonKopierenClick(edit->SpeedButtonKopieren); break;
    case A::Cut: edit->SpeedButtonAusschneidenClick(edit->SpeedButtonAusschneiden); break;
    case A::Paste: edit->SpeedButtonEinfuegenClick(edit->SpeedButtonEinfuegen); break;
    case A::ToggleLayers: view->SpeedButtonEbenenClick(view->SpeedButtonEbenen); break;
    case A::ToggleParameters: view->SpeedButtonParameterClick(view->SpeedButtonParameter); break;
    case A::ToggleNotes: view->SpeedButtonNotizenClick(view->SpeedButtonNotizen); break;
    case A::Open: FrameMenuOeffnen->SpeedButtonOeffnenClick(FrameMenuOeffnen->SpeedButtonOeffnen); break;
    case A::Save: FrameMenuSpeichern->SpeedButtonSpeichernClick(FrameMenuSpeichern->SpeedButtonSpeichern); break;
    case A::EditorView:
      switch (s.argument) {
        case 0: editorView->SpeedButtonEbene1Click(nullptr); break;
        case 1: editorView->SpeedButtonEbene2Click(nullptr); break;
        case 2: editorView->SpeedButtonEbene3Click(nullptr); break;
        case 3: editorView->SpeedButtonEbene4Click(nullptr); break;
        case 4: editorView->SpeedButtonEbene5Click(nullptr); break;
        case 5: editorView->SpeedButtonParameterClick(nullptr); break;
        default: editorView->SpeedButtonNotizClick(nullptr); break;
      }
      break;
    case A::EditorViewStep:
      FrameBearbeiten->LabelAnsicht->Tag += s.argument;
      editorView->ApplyView();
      break;
    case A::EditorZoomDown: FrameMenuZoomBearbeiten->SpeedButtonZoomDownClick(nullptr); break;
    case A::EditorZoomUp: FrameMenuZoomBearbeiten->SpeedButtonZoomUpClick(nullptr); break;
    case A::UserGuide: platform::OpenUserGuide(); break;
    case A::Report: DataViewLinks->PrintReport(true, true, true, true, true); break;
    case A::Hardcopy: PrintFormHardcopy(this); break;
    case A::PrinterSettingsHardcopy: PrintPrinterSettings(); break;
    case A::PasteOk: FormEinfuegen->SpeedButtonOKClick(FormEinfuegen->SpeedButtonOK); break;
    case A::PasteCancel: FormEinfuegen->SpeedButtonAbbrechenClick(FormEinfuegen->SpeedButtonAbbrechen); break;
    case A::None: break;
  }
}

bool TForm_Main::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::Wheel) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget->window() != this) return false;
  // Qt offers an unhandled event to each parent in turn; the window looks at
  // it once, when it first arrives.
  const auto* input = static_cast<const QInputEvent*>(event);
  const bool offeredAgain = event == lastPreviewed_ && input->timestamp() == lastPreviewedStamp_ &&
                            lastReceiver_ && widget != lastReceiver_ && widget->isAncestorOf(lastReceiver_);
  lastPreviewed_ = event;
  lastPreviewedStamp_ = input->timestamp();
  lastReceiver_ = widget;
  if (offeredAgain) return false;
  const app::Shift shift = app::ShiftOf(input->modifiers(), QApplication::mouseButtons());
  if (type == QEvent::KeyPress) {
    FormKeyDown(static_cast<const QKeyEvent*>(event)->key(), shift);
    return false;
  }
  const int delta = static_cast<const QWheelEvent*>(event)->angleDelta().y();
  if (delta == 0) return false;
  bool handled = false;
  if (delta < 0)
    FormMouseWheelDown(shift, handled);
  else
    FormMouseWheelUp(shift, handled);
  return handled;
}

void TForm_Main::PrintFormHardcopy(QWidget* form) { Printing->PrintFormHardcopy(form); }

void TForm_Main::PrintReport(bool askOptions, bool layers, bool parameters, bool notes, bool info) {
  if (askOptions) {
    // Only OK (6) goes on; the blocks are then the dialog's.
    if (!FormRapport || FormRapport->ShowModal() != 6) return;
    layers = FormRapport->IncludeLayers == 1;
    parameters = FormRapport->IncludeParameters == 1;
    notes = FormRapport->IncludeNotes == 1;
    info = FormRapport->IncludeInfo == 1;
  }
  Printing->PrintReport(*FrameDaten, {layers, parameters, notes}, info ? FormInfo : nullptr);
}

void TForm_Main::PrintPrinterSettings() { Printing->PrintPrinterSettings(this, FormInfo); }

QString TForm_Main::PageCaption(int page, int pages) const {
  return platform::ToQt(printing::PageCaption(page, pages, PrintLinks->LanguageId()));
}

void TForm_Main::OpenSupportContactPage() { OpenPage(QString::fromLatin1(kSupportSite) + "/support/en/contact/"); }

void TForm_Main::OpenProductSupportPage() {
  OpenPage(QString::fromLatin1(kSupportSite) + "/support/en/printer/tarvik23/");
}

void TForm_Main::OpenMakerHomePages() {
  for (const char* page : kHomePages) OpenPage(QString::fromLatin1(page));
}

void TForm_Main::RunPendingUpdate() {
  if (!Form_Update) return;
  if (Form_Update->AcceptedFlag == 0) Form_Update->AskUpdate();
  if (Form_Update->AcceptedFlag == 1) close();
}

int TForm_Main::ShellDeletePath(const std::string& path, bool filesOnly) {
  return app::ShellDeletePath(path, filesOnly, {RootDir, StartDir});
}

int TForm_Main::ShellCopyPath(const std::string& source, const std::string& target, bool filesOnly) {
  return app::ShellCopyPath(source, target, filesOnly);
}

int TForm_Main::SyncToPrinter(const std::string& localPath, const std::string& printerName, bool force) {
  return printerlink::SyncToPrinter(localPath, printerName, force);
}

int TForm_Main::SyncFromPrinter(const std::string& localPath, const std::string& printerName, bool force) {
  return printerlink::SyncFromPrinter(localPath, printerName, force);
}

bool TForm_Main::FormClose() {
  CloseMenusAndRefresh();
  // The configuration editor and the firmware installer keep the program
  // open while they are shown, without a word: they say what they do.
  if (Form_Editor && Form_Editor->isVisible()) return false;
  if (QWidget* installer = printersettings::ui::OtherPrinterWindows().FirmwareInstaller;
      installer && installer->isVisible())
    return false;
  const bool busyPage = !FrameBearbeiten->isHidden() || DataViewLinks->PasteDialogVisible() ||
                        !FramePrinter->isHidden() || FrameDaten->IsModified();
  if (busyPage) {
    QCoreApplication::processEvents();
    if (FormMessage)
      FormMessage->ShowNotice(app::kProgramTitle, FormMessage->MsgSaveOrCloseFirst, TFormMessage::kSilver, true);
    return false;
  }
  (void)app::WriteWindowConfig();
  QCoreApplication::processEvents();
  if (FormMessage) FormMessage->ShowBusy(app::kProgramTitle, FormMessage->MsgClosing, TFormMessage::kYellow, false);
  platform::SleepMs(1000);
  if (Form_Update && Form_Update->ReadyFlag == 1 && Form_Update->AcceptedFlag == 0) Form_Update->AskUpdate();
  if (Form_Browser) Form_Browser->close();
  // Their visibility went into the window configuration above.
  if (FormPrinterFernsteuerung) FormPrinterFernsteuerung->close();
  if (FormPrinterSteuerungDiagnose) FormPrinterSteuerungDiagnose->close();
  if (FormPrinterCLI) FormPrinterCLI->close();
  if (FormR12) FormR12->close();
  hide();
  if (FormMessage) FormMessage->close();
  try {
    const std::string closeSound = SoundDir + "01.wav";
    if (std::filesystem::exists(closeSound)) platform::PlaySoundSync(closeSound);
  } catch (const std::exception&) {
    platform::Beep(platform::BeepKind::Stop);
  }
  InstanceMutex.Release();
  // Last: the accepted update's installer, once this program no longer
  // holds its lock and its fetch threads have stopped.
  if (Form_Update && Form_Update->AcceptedFlag == 1) Form_Update->StartInstaller();
  return true;
}

void TForm_Main::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!PrinterThread) FormShow();
}

void TForm_Main::FormShow() {
  try {
    printerWindows_ = std::make_unique<app::PrinterThreadWindows>(LabelPrinter);
    printerthread::PrinterDisplays().Add(printerWindows_.get());
    printerthread::ThreadEnvironment env;
    env.useRs232Usb = [] { return !FormEinstellenPC || FormEinstellenPC->GetUseRS232USB() == 1; };
    env.useBluetooth = [] { return FormEinstellenPC && FormEinstellenPC->GetUseBluetooth() == 1; };
    env.simulation = [] { return FormEinstellenPC && FormEinstellenPC->GetSimulation() == 1; };
    env.tmpDir = TmpDir;
    env.messenger = printerWindows_.get();
    transferDesk_ = std::make_unique<app::TransferDesk>(*this);
    printDataTransfer_ = std::make_unique<printerthread::PrintDataTransfer>(*transferDesk_, TmpDir);
    env.groupTransfer = printDataTransfer_.get();
    serviceWindows_ = std::make_unique<printersettings::ui::ServiceToolWindows>();
    serviceTools_ = std::make_unique<printerthread::ServiceTools>(*serviceWindows_, printerthread::PrinterRequests(),
                                                                  TmpDir);
    env.services = serviceTools_.get();
    PrinterThread = new Thread_Printer(env);
    PrinterThread->Start();
  } catch (const std::exception&) {
    std::exit(-1);  // no printer thread, no program
  }
}

void TForm_Main::closeEvent(QCloseEvent* event) {
  if (FormClose()) {
    event->accept();
    QCoreApplication::quit();
  } else {
    event->ignore();
  }
}
