#include "app/fetch/ui/TCppWebBrowser.h"

#include <QKeyEvent>

namespace app {

TCppWebBrowser::TCppWebBrowser(QWidget* parent) : QTextBrowser(parent) {
  // Reached by a click, never by Tab.
  setFocusPolicy(Qt::ClickFocus);
}

void TCppWebBrowser::Run(const std::function<void()>& handler) {
  if (handler) handler();
}

void TCppWebBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type) {
  busy_ = true;
  readyState_ = Loading;
  Run(OnBeforeNavigate2);
  Run(OnDownloadBegin);
  QTextBrowser::doSetSource(name, type);
  readyState_ = Interactive;
  Run(OnNavigateComplete2);
  readyState_ = Complete;
  busy_ = false;
  Run(OnDownloadComplete);
}

void TCppWebBrowser::TranslateAccelerator(QKeyEvent* key) {
  if (key->type() == QEvent::KeyPress)
    keyPressEvent(key);
  else if (key->type() == QEvent::KeyRelease)
    keyReleaseEvent(key);
}

}  // namespace app
