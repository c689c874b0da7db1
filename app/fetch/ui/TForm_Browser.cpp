#include "app/fetch/ui/TForm_Browser.h"

#include <QCloseEvent>
#include <cstdlib>

#include "app/Centre.h"
#include "app/pc/TFormInfo.h"
#include "app/TForm_Main.h"
#include "app/pc/TFrameMenuHilfe.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/LanguageTexts.h"
#include "platform/qt/NamedColours.h"

TForm_Browser* Form_Browser = nullptr;

namespace {
constexpr std::uint32_t kEmailMarked = 0xBBBB77;
constexpr int kMinClientWidth = 852;
constexpr int kMinClientHeight = 612;

void ColourEmailPanels(std::uint32_t colour) {
  if (Form_Main) Form_Main->FrameMenuHilfe->PanelEmail->SetColor(colour);
  if (FormInfo) FormInfo->PanelEmail->SetColor(colour);
}
}  // namespace

TForm_Browser::TForm_Browser(QWidget* owner, const app::FetchSettings& settings, app::HostResolver resolve)
    : QWidget(owner) {
  Form_Browser = this;
  setObjectName(QStringLiteral("Form_Browser"));
  setWindowTitle(QStringLiteral("Internet Browser - Osmek AG"));
  setFont(platform::VerdanaPx(11));
  platform::SetWindowColour(this, 13160660);
  NoConnectionText = QStringLiteral("Keine Verbindung zum Internet...");
  NoDataText = QStringLiteral("Keine Daten verfügbar...");
  LoadingText = QStringLiteral("Daten werden geladen...");
  platform::RegisterText(this, "NoConnectionText", NoConnectionText);
  platform::RegisterText(this, "NoDataText", NoDataText);
  platform::RegisterText(this, "LoadingText", LoadingText);

  Panel_Wait = new platform::Panel(this);
  Panel_Wait->SetColor(platform::colours::kWhite);
  Panel_Wait->SetBevels(platform::BevelKind::Lowered, platform::BevelKind::Lowered);
  Panel_Wait->setCursor(Qt::WaitCursor);
  setMinimumSize(kMinClientWidth, kMinClientHeight);
  if (Form_Main) resize(Form_Main->size());
  Panel_Wait->setGeometry(rect());

  try {
    NewsThread = std::make_unique<app::Thread_Browser>(Form_Main ? Form_Main->BrowserDir : std::string(), settings,
                                                       FileLock, std::move(resolve));
    NewsThread->Start();
  } catch (const std::exception&) {
    std::exit(-1);
  }
}

TForm_Browser::~TForm_Browser() {
  StopThread();
  NewsThread.reset();
  if (Form_Browser == this) Form_Browser = nullptr;
}

void TForm_Browser::StopThread() {
  if (!NewsThread) return;
  NewsThread->Stop();
  NewsThread->WaitFor();
}

void TForm_Browser::showEvent(QShowEvent* event) {
  FormShow();
  QWidget::showEvent(event);
}

void TForm_Browser::FormShow() {
  ColourEmailPanels(windowTitle() == QStringLiteral(" Pobrant - Osmek AG") ? kEmailMarked
                                                                           : platform::colours::kLightGrey);
  if (PlaceStored == 1)
    move(StoredLeft, StoredTop);
  else
    app::CentreOnMainWindow(this);
  Panel_Wait->setGeometry(rect());
  Panel_Wait->raise();
}

void TForm_Browser::closeEvent(QCloseEvent* event) {
  FormClose();
  QWidget::closeEvent(event);
}

void TForm_Browser::FormClose() {
  ColourEmailPanels(platform::colours::kLightGrey);
  PlaceStored = 1;
  StoredLeft = x();
  StoredTop = y();
}
