#pragma once
// The news: a never-shown window that owns the news thread, the lock of the
// news file BROWSER/URL.BRW and three status texts. Nothing in the program
// reads the file, the status or the texts yet; the thread keeps the file
// current while the program runs.
#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <mutex>

#include "app/fetch/FetchSettings.h"
#include "app/fetch/HostProbe.h"
#include "app/fetch/Thread_Browser.h"
#include "platform/qt/Panel.h"

class TForm_Browser : public QWidget {
 public:
  // Starts the news thread; its first cycle runs at once. Without `resolve`
  // host names are looked up by the system.
  explicit TForm_Browser(QWidget* owner, const app::FetchSettings& settings = app::FetchSettings(),
                         app::HostResolver resolve = {});
  ~TForm_Browser() override;

  platform::Panel* Panel_Wait;
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

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
};

extern TForm_Browser* Form_Browser;
