// The news window's message hook sees every event the program delivers.
// Measured: the event loop delivering posted events and key presses to a
// line edit with the hook in place, beside the same loop without it (the
// peer), taken in turns; the ratio is what the hook adds to each event.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <cstdio>
#include <cstdlib>

#include "app/fetch/ui/TForm_Browser.h"
#include "app/fetch/FetchSettings.h"
#include "bench/support/Measure.h"

namespace {

constexpr int kEvents = 200000;
constexpr int kTurns = 9;

// Half posted to a plain object and delivered by the loop, half key presses
// sent to a line edit (which propagate to its window when ignored).
void Deliver(QObject& plain, QLineEdit& line) {
  for (int i = 0; i < kEvents / 2; ++i) QCoreApplication::postEvent(&plain, new QEvent(QEvent::User));
  QCoreApplication::processEvents();
  for (int i = 0; i < kEvents / 2; ++i) {
    QKeyEvent key(QEvent::KeyPress, i % 2 ? Qt::Key_Return : Qt::Key_Up, Qt::NoModifier);
    QCoreApplication::sendEvent(&line, &key);
  }
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  // The news thread reaches nothing: no host names, a closed port.
  app::FetchSettings offline;
  offline.host = "127.0.0.1";
  offline.port = 1;
  offline.makerWebHost.clear();
  offline.publicWebHost.clear();
  auto* news = new TForm_Browser(nullptr, offline);
  QObject plain;
  QLineEdit line;

  const std::vector<double> medians = bench::MedianOfTurns(
      kTurns, {{[&] { qApp->installEventFilter(news); }, [&] { Deliver(plain, line); }},
               {[&] { qApp->removeEventFilter(news); }, [&] { Deliver(plain, line); }}});
  qApp->installEventFilter(news);
  std::printf("%s\n", bench::MachineLoad().c_str());
  std::printf("%d events, median of %d turns each\n", kEvents, kTurns);
  std::printf("with the news window's hook:    %.1f ms (%.1f ns per event)\n", medians[0] * 1e3,
              medians[0] * 1e9 / kEvents);
  std::printf("without it (the plain loop):    %.1f ms (%.1f ns per event)\n", medians[1] * 1e3,
              medians[1] * 1e9 / kEvents);
  std::printf("ratio with / without:           %.3f\n", medians[0] / medians[1]);
  delete news;
  return 0;
}
