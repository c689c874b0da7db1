#include "app/fetch/ui/TForm_Browser.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <algorithm>
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
  CppWebBrowser = new app::TCppWebBrowser(this);
  CppWebBrowser->OnBeforeNavigate2 = [this] { CppWebBrowserBeforeNavigate2(); };
  CppWebBrowser->OnDownloadBegin = [this] { CppWebBrowserDownloadBegin(); };
  CppWebBrowser->OnNavigateComplete2 = [this] { CppWebBrowserNavigateComplete2(); };
  CppWebBrowser->OnDownloadComplete = [this] { CppWebBrowserDownloadComplete(); };
  Panel_Wait->raise();
  NAME_AFTER_MEMBER(Panel_Wait);
  NAME_AFTER_MEMBER(CppWebBrowser);
  setMinimumSize(kMinClientWidth, kMinClientHeight);
  if (Form_Main) resize(Form_Main->size());
  Panel_Wait->setGeometry(rect());
  CppWebBrowser->setGeometry(rect());
  qApp->installEventFilter(this);

  try {
    NewsThread = std::make_unique<app::Thread_Browser>(Form_Main ? Form_Main->BrowserDir : std::string(), settings,
                                                       FileLock, std::move(resolve));
    NewsThread->Start();
  } catch (const std::exception&) {
    std::exit(-1);
  }
}

TForm_Browser::~TForm_Browser() {
  qApp->removeEventFilter(this);
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
  CppWebBrowser->setGeometry(rect());
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

bool TForm_Browser::FormCanResize(int& newWidth, int& newHeight) const {
  // The window's size is its client area here.
  if (windowState() == Qt::WindowNoState) {
    newWidth = std::max(newWidth, kMinClientWidth);
    newHeight = std::max(newHeight, kMinClientHeight);
  }
  return true;
}

void TForm_Browser::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  int w = width(), h = height();
  if (FormCanResize(w, h) && (w != width() || h != height())) resize(w, h);
  Panel_Wait->setGeometry(rect());
  CppWebBrowser->setGeometry(rect());
}

// ---- the browser's handlers ----

void TForm_Browser::ShowWaitPanel() {
  try {
    if (CppWebBrowser->ReadyState() < app::TCppWebBrowser::Interactive) Panel_Wait->raise();
  } catch (...) {
  }
}

void TForm_Browser::ShowBrowser() {
  try {
    if (CppWebBrowser->ReadyState() >= app::TCppWebBrowser::Interactive) {
      CppWebBrowser->raise();
      CppWebBrowser->setFocus();
    }
  } catch (...) {
  }
}

void TForm_Browser::CppWebBrowserBeforeNavigate2() { ShowWaitPanel(); }
void TForm_Browser::CppWebBrowserDownloadBegin() { ShowWaitPanel(); }
void TForm_Browser::CppWebBrowserNavigateComplete2() { ShowBrowser(); }
void TForm_Browser::CppWebBrowserDownloadComplete() { ShowBrowser(); }

// ---- the message hook ----

bool TForm_Browser::eventFilter(QObject* watched, QEvent* event) {
  return AppMessage(watched, event) || QWidget::eventFilter(watched, event);
}

bool TForm_Browser::AppMessage(QObject* receiver, QEvent* event) {
  try {
    // Busy is asked first, for every event; the rest are comparisons, so
    // the hook costs every event the same small, fixed amount.
    if (!CppWebBrowser || CppWebBrowser->Busy()) return false;
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter && key->key() != Qt::Key_Plus) return false;
    // Only a key meant for the browser (itself or its viewport): Enter in
    // any other window is delivered as usual.
    if (receiver != CppWebBrowser && receiver != CppWebBrowser->viewport()) return false;
    CppWebBrowser->TranslateAccelerator(key);
    return true;
  } catch (...) {
    return false;
  }
}
