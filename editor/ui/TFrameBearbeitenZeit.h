#pragma once
// The time pane (FrameBearbeitenZeit): the shared position and font rows
// and the time row: the offset in minutes, the interval the shown time
// moves in ("Wechsel") and the format from the time format table. Every
// change in the time row applies the format shown again and recomputes the
// time text.
#include <array>
#include <string>

#include "rendering/TimeFormats.h"
#include "editor/ui/PositionFontPane.h"

class TFrameBearbeitenZeit : public PositionFontPane {
 public:
  TFrameBearbeitenZeit(TFrameBearbeiten* editor, QWidget* parent);

  platform::Panel* PanelZeit;
  platform::Label* LabelZeitTitel;
  platform::Panel* PanelZeitOffset;
  platform::Label* LabelZeitOffsetTitel;
  platform::Label* LabelZeitOffset;  // Tag: offset in seconds
  editor::ui::StepButton* SpeedButtonZeitOffsetDown;
  editor::ui::StepButton* SpeedButtonZeitOffsetUp;
  platform::Panel* PanelZeitWechsel;
  platform::Label* LabelZeitWechselTitel;
  platform::Label* LabelZeitWechsel;  // Tag: change choice 0..5
  editor::ui::StepButton* SpeedButtonZeitWechselDown;
  editor::ui::StepButton* SpeedButtonZeitWechselUp;
  platform::Panel* PanelZeitFormat;
  platform::Label* LabelZeitFormatTitel;
  platform::Label* LabelZeitFormat;  // Tag: format table entry
  editor::ui::StepButton* SpeedButtonZeitFormatDown;
  editor::ui::StepButton* SpeedButtonZeitFormatUp;
  editor::ui::TagTimer* TimerOffset;

  // "Forlaufend", "30 Sekunden", ... "Nie", in the order of the intervals
  // editor::kTimeChangeIntervals.
  std::array<QString, 6> ChangeTexts;
  editor::TimeFormatTable TimeFormatTable;
  int LastFormatIndex;

  int BuildTimeFormats() { return editor::BuildTimeFormats(TimeFormatTable); }
  int FindTimeFormat(const std::string& name) const;
  void ApplyTimeFormat(int layer, int entry);
  std::string RenderTimeText(int layer) const;
  std::string FormatTime(int layer) const;

  void StoreLayer(int apply);
  void UpdateTimeOffset();
  void UpdateTimeChange();
  void UpdateTimeFormat();

  void SpeedButtonZeitOffsetDownClick(QObject* sender);
  void SpeedButtonZeitOffsetUpClick(QObject* sender);
  void SpeedButtonZeitOffsetDownMouseDown(QObject* sender);
  void SpeedButtonZeitOffsetUpMouseDown(QObject* sender);
  void SpeedButtonZeitOffsetDownMouseUp(QObject* sender);
  void SpeedButtonZeitOffsetUpMouseUp(QObject* sender);
  void TimerOffsetTimer();
  void SpeedButtonZeitWechselDownClick(QObject* sender);
  void SpeedButtonZeitWechselUpClick(QObject* sender);
  void SpeedButtonZeitFormatDownClick(QObject* sender);
  void SpeedButtonZeitFormatUpClick(QObject* sender);

  // The editor's fill of the time row from layer `layer`.
  void FillTime(int layer);

  void StorePane() override { StoreLayer(0); }
  std::string AlignedText() const override;

 protected:
  void LayoutThirdRow(int columnWidth) override;

 private:
  Stepper offset_;
  editor::ui::StepControl change_, format_;
};
