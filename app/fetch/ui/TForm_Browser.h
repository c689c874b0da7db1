#pragma once
// The news: a never-shown window that owns the news thread, the lock of the
// news file BROWSER/URL.BRW, three status texts and a browser control with
// its wait panel. Nothing in the program reads the file, the status or the
// texts yet, shows the window or navigates the browser; the thread keeps the
// file current while the program runs.
//
// The window watches every event the program delivers (AppMessage, an
// application-wide event filter): Enter and '+' meant for the browser go to
// the browser itself while it is not busy. The hook does a fixed, small
// amount of work per event.
#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <mutex>

#include "app/fetch/FetchSettings.h"
#include "app/fetch/HostProbe.h"
#include "app/fetch/Thread_Browser.h"
#include "app/fetch/ui/TCppWebBrowser.h"
#include "platform/qt/Panel.h"

class TForm_Browser : public QWidget {
 public:
  // Starts the news thread; its first cycle runs at once. Without `resolve`
  // host names are looked up by the system.
  explicit TForm_Browser(QWidget* owner, const app::FetchSettings& settings = app::FetchSettings(),
                         app::HostResolver resolve = {});
  ~TForm_Browser() override;

  platform::Panel* Panel_Wait;
  app::TCppWebBrowser* CppWebBrowser;
  std::uint8_t PlaceStored = 0;
  int StoredLeft = 0, StoredTop = 0;
  QString NoConnectionText, NoDataText, LoadingText;
  // Guards every delete and replacement of URL.BRW, and every reader.
  std::recursive_mutex FileLock;
  std::unique_ptr<app::Thread_Browser> NewsThread;

  // Stops the news thread and waits for it; nothing when it has ended.
  void StopThread();

  void FormShow();
  void FormClose();
  // In the normal window state a width or height below the least client
  // size becomes that size; resizing is always allowed.
  bool FormCanResize(int& newWidth, int& newHeight) const;

  // While a page loads the wait panel covers the browser; once it shows,
  // the browser comes to the front and takes the focus.
  void CppWebBrowserBeforeNavigate2();
  void CppWebBrowserNavigateComplete2();
  void CppWebBrowserDownloadBegin();
  void CppWebBrowserDownloadComplete();

  // The message hook: whether `event` for `receiver` was handled here (an
  // Enter or '+' key for the browser while it is not busy, which the browser
  // then received). Every other event goes on as usual.
  bool AppMessage(QObject* receiver, QEvent* event);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowWaitPanel();
  void ShowBrowser();
};

extern TForm_Browser* Form_Browser;
