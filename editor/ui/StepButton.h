#pragma once
// A half of a step control: a flat button whose caption is a sign padded
// with blanks ("-" and 20 blanks, or 20 blanks and "+"), so the sign sits at
// the outer edge of the control. An empty caption marks the limit.
#include <QString>

#include "platform/qt/SpeedButton.h"

namespace editor::ui {

// "-" followed by 20 blanks, and 20 blanks followed by "+".
QString DownCaption(const QString& sign);
QString UpCaption(const QString& sign);

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
