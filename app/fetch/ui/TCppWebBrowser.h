#pragma once
// The browser control of the news window: Qt's text browser, with the state
// the window's handlers read. Busy is true from the start of a navigation
// until its document is complete; ReadyState follows the stages of a load:
// 0 nothing loaded yet, 1 loading, 3 the document shown (interactive),
// 4 complete. Each navigation runs the four handlers in the order a browser
// reports them: BeforeNavigate2 and DownloadBegin while loading,
// NavigateComplete2 once the document shows, DownloadComplete at the end.
#include <QTextBrowser>
#include <cstdint>
#include <functional>

class QKeyEvent;

namespace app {

class TCppWebBrowser final : public QTextBrowser {
 public:
  enum ReadyStateValue : int { Uninitialized = 0, Loading = 1, Interactive = 3, Complete = 4 };

  explicit TCppWebBrowser(QWidget* parent);

  bool Busy() const {
    ++busyReads_;
    return busy_;
  }
  int ReadyState() const { return readyState_; }
  // How often Busy was asked: the news window's message hook asks it for
  // every event the program delivers.
  std::uint64_t BusyReads() const { return busyReads_; }

  std::function<void()> OnBeforeNavigate2, OnDownloadBegin, OnNavigateComplete2, OnDownloadComplete;

  // A key the message hook hands over: the browser acts on it as if it had
  // been delivered to it (Enter follows the chosen link).
  void TranslateAccelerator(QKeyEvent* key);

 protected:
  void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;

 private:
  static void Run(const std::function<void()>& handler);

  bool busy_ = false;
  int readyState_ = Uninitialized;
  mutable std::uint64_t busyReads_ = 0;
};

}  // namespace app
