#include "printdata/ui/Thread_Daten.h"

#include <algorithm>

#include "rendering/Calendar.h"
#include "rendering/DateCode.h"
#include "rendering/TimeCode.h"
#include "printdata/ui/TFrameDaten.h"

printdata::LocalMoment MomentOf(const editor::LocalDateTime& t) {
  return {editor::DaysFromCivil(t.Date), t.Hour * 3600 + t.Minute * 60 + t.Second};
}

Thread_Daten::Thread_Daten(TFrameDaten& view) : view_(view) {
  setObjectName(QStringLiteral("Daten"));
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] {
    Refresh();
    ScheduleNext();
  });
}

Thread_Daten::~Thread_Daten() { Terminate(); }

void Thread_Daten::Resume() { timer_.start(0); }

void Thread_Daten::Terminate() { timer_.stop(); }

void Thread_Daten::ScheduleNext() {
  // Just after the next full second, so that a time showing seconds moves
  // on with the clock and no second is shown twice as long.
  const int ms = editor::LocalNow().Millisecond;
  timer_.start(std::clamp(1000 - ms + 20, 20, 1020));
}

void Thread_Daten::Refresh() {
  try {
    DataViewHost* host = view_.Host();
    DataViewEditor* editor = view_.Editor();
    const editor::LocalDateTime now = editor::LocalNow();
    const printdata::LocalMoment moment = MomentOf(now);
    if (!view_.isHidden()) {
      // No row is drawn under the message window; the pass waits for it to
      // close, so that a change of day it would have seen is not lost.
      if (host && host->MessageVisible()) return;
      for (int row : decisions_.DataViewPass(view_.Group, view_.Count, moment)) {
        RowIndex = row;
        RefreshRow();
      }
    } else if (editor && editor->EditorVisible()) {
      printdata::PrintText* work = editor->WorkText();
      const unsigned layers = decisions_.EditorPass(work ? *work : printdata::PrintText{}, moment);
      if (!work) return;
      int n = 0;
      for (LayerIndex = 0; LayerIndex < printdata::kLayerCount; ++LayerIndex) {
        if (!(layers & (1u << LayerIndex))) continue;
        ++n;
        printdata::LayerObject& layer = work->Layers[static_cast<std::size_t>(LayerIndex)];
        const auto index = static_cast<unsigned>(LayerIndex);
        if (printdata::IsDynamicDate(layer))
          layer.DatePreview = editor::RenderDateText(*work, index, now);
        else
          layer.TimePreview = editor::RenderTimeText(*work, index, now);
        RefreshEditorLayer();
        decisions_.EditorLayerDrawn(LayerIndex, moment);
      }
      if (n > 0 && editor->ViewMenuVisible()) RefreshEditorThumbnails();
      if (n > 0 && editor->PrintViewVisible()) RefreshPrintView();
    }
  } catch (...) {
    // A failing pass leaves everything as it is; the next one starts afresh.
  }
}

void Thread_Daten::RefreshRow() {
  try {
    DataViewHost* host = view_.Host();
    if (view_.isHidden() || view_.Count <= 0 || (host && host->MessageVisible())) return;
    view_.RenderRow(RowIndex);
  } catch (...) {
  }
}

void Thread_Daten::RefreshEditorLayer() {
  try {
    DataViewEditor* editor = view_.Editor();
    if (!editor || !editor->EditorVisible()) return;
    editor->RenderLayer(LayerIndex, LayerIndex == editor->ViewedLayer() ? 255u : 0u);
    if (editor->ViewMenuVisible()) editor->UpdateThumbnail(LayerIndex);
  } catch (...) {
  }
}

void Thread_Daten::RefreshEditorThumbnails() {
  DataViewEditor* editor = view_.Editor();
  if (editor && editor->EditorVisible() && editor->ViewMenuVisible()) editor->UpdateThumbnail(5);
}

void Thread_Daten::RefreshPrintView() {
  DataViewEditor* editor = view_.Editor();
  if (editor && editor->EditorVisible() && editor->PrintViewVisible()) editor->DrawPrintView();
}
