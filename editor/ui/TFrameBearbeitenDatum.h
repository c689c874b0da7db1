#pragma once
// The date pane (FrameBearbeitenDatum): the shared position and font rows
// and the date row: the day offset, the weekdays on which the printed date
// moves on ("Wechsel") and the format from the date format table. Every
// change in the date row applies the format shown again and recomputes the
// date text.
#include <array>
#include <string>

#include "rendering/DateFormats.h"
#include "editor/ui/PositionFontPane.h"

class TFrameBearbeitenDatum : public PositionFontPane {
 public:
  TFrameBearbeitenDatum(TFrameBearbeiten* editor, QWidget* parent);

  platform::Panel* PanelDatum;
  platform::Label* LabelDatumTitel;
  platform::Panel* PanelDatumOffset;
  platform::Label* LabelDatumOffsetTitel;
  platform::Label* LabelDatumOffset;  // Tag: day offset
  editor::ui::StepButton* SpeedButtonDatumOffsetDown;
  editor::ui::StepButton* SpeedButtonDatumOffsetUp;
  platform::Panel* PanelDatumWechsel;
  platform::Label* LabelDatumWechselTitel;
  platform::Label* LabelDatumWechsel;  // Tag: change choice 0..11
  editor::ui::StepButton* SpeedButtonDatumWechselDown;
  editor::ui::StepButton* SpeedButtonDatumWechselUp;
  platform::Panel* PanelDatumFormat;
  platform::Label* LabelDatumFormatTitel;
  platform::Label* LabelDatumFormat;  // Tag: format table entry
  editor::ui::StepButton* SpeedButtonDatumFormatDown;
  editor::ui::StepButton* SpeedButtonDatumFormatUp;
  editor::ui::TagTimer* TimerOffset;

  // "Täglich", "Montag/Donnerstag", ... "Nie", in the order of the masks
  // editor::kDateChangeMasks.
  std::array<QString, 12> ChangeTexts;
  editor::DateFormatTable DateFormatTable;
  int LastFormatIndex;

  int BuildDateFormats() { return editor::BuildDateFormats(DateFormatTable); }
  int FindDateFormat(const std::string& name) const;
  void ApplyDateFormat(int layer, int entry);
  // The date text of layer `layer` of the working copy now; "" for another
  // index and on any failure.
  std::string RenderDateText(int layer) const;
  std::string FormatDate(int layer) const;

  void StoreLayer(int apply);
  void UpdateDayOffset();
  void UpdateDateChange();
  void UpdateDateFormat();

  void SpeedButtonDatumOffsetDownClick(QObject* sender);
  void SpeedButtonDatumOffsetUpClick(QObject* sender);
  void SpeedButtonDatumOffsetDownMouseDown(QObject* sender);
  void SpeedButtonDatumOffsetUpMouseDown(QObject* sender);
  void SpeedButtonDatumOffsetDownMouseUp(QObject* sender);
  void SpeedButtonDatumOffsetUpMouseUp(QObject* sender);
  void TimerOffsetTimer();
  void SpeedButtonDatumWechselDownClick(QObject* sender);
  void SpeedButtonDatumWechselUpClick(QObject* sender);
  void SpeedButtonDatumFormatDownClick(QObject* sender);
  void SpeedButtonDatumFormatUpClick(QObject* sender);

  // The editor's fill of the date row from layer `layer` (after the shared
  // rows): format, offset, change, and the date text of a dynamic date.
  void FillDate(int layer);

  void StorePane() override { StoreLayer(0); }
  std::string AlignedText() const override;

 protected:
  void LayoutThirdRow(int columnWidth) override;

 private:
  Stepper offset_;
  editor::ui::StepControl change_, format_;
};
