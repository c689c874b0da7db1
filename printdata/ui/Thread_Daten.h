#pragma once
// The date and time refresher of the data view: about once a second it
// redraws the rows whose date or time may show another text by now, and
// while the editor is shown, the editor's dynamic layers, their thumbnails
// and the print view. It runs as a timer in the GUI thread, so it reads the
// print data only where everything else changes it; the decisions are
// printdata::DateTimeRefresh's.
#include <QTimer>

#include "rendering/LocalClock.h"
#include "printdata/DateTimeRefresh.h"

class TFrameDaten;

// The moment the refresher decides on: day number and second of the day.
printdata::LocalMoment MomentOf(const editor::LocalDateTime& t);

class Thread_Daten : public QObject {
 public:
  explicit Thread_Daten(TFrameDaten& view);
  ~Thread_Daten() override;

  // The print text and the layer the current pass is at.
  int RowIndex = 0;
  int LayerIndex = 0;

  // Starts the passes (the first at once) / stops them; a stopped refresher
  // runs no pass afterwards.
  void Resume();
  void Terminate();
  bool Running() const { return timer_.isActive(); }

  // One pass.
  void Refresh();

  // The steps of a pass.
  void RefreshRow();               // redraws data-view row RowIndex
  void RefreshEditorLayer();       // redraws editor layer LayerIndex and its thumbnail
  void RefreshEditorThumbnails();  // the print view's thumbnail
  void RefreshPrintView();

  printdata::DateTimeRefresh& Decisions() { return decisions_; }

 private:
  void ScheduleNext();

  TFrameDaten& view_;
  printdata::DateTimeRefresh decisions_;
  QTimer timer_;
};
