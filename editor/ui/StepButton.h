#pragma once
// A half of a step control: a flat button whose caption is a sign padded
// with blanks ("-" and 20 blanks, or 20 blanks and "+"; the graphic pane's
// triangles take 15), so the sign sits at the outer edge of the control. An
// empty caption marks the limit.
#include <QString>

#include "platform/qt/SpeedButton.h"

namespace editor::ui {

inline constexpr int kStepPadding = 20;

// "-" followed by 20 blanks, and 20 blanks followed by "+".
QString DownCaption(const QString& sign, int blanks = kStepPadding);
QString UpCaption(const QString& sign, int blanks = kStepPadding);

class StepButton : public platform::SpeedButton {
 public:
  // Covers `geometry` of `parent` (not the whole parent, as a speed button
  // otherwise does).
  StepButton(QWidget* parent, const QRect& geometry);

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace editor::ui
