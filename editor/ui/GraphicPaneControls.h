#pragma once
// The controls the graphic pane is built of, in the look of the editor's
// other panes: value panels (title on top, value below) covered by a Down
// and an Up button or by one toggle button, rows with a title and a line
// along their top, and the timers of the auto-repeat. Every part is named
// after the member that keeps it, so that the language file finds it.
#include <QRect>
#include <QString>
#include <QTimer>
#include <cstdint>

#include "platform/qt/Label.h"
#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"

namespace editor::ui::grafik {

inline constexpr std::uint32_t kValuePanel = 13149858;  // 0xC8A6A2: RGB 162, 166, 200
inline constexpr std::uint32_t kBand = 0xF0F0F0;        // behind Fix and proportional rows
inline constexpr std::uint32_t kPage = 14013909;        // the panes' background
inline constexpr int kControlWidth = 176;
inline constexpr int kControlHeight = 48;
inline constexpr int kControlTop = 19;
inline constexpr int kRowHeight = 75;
inline constexpr int ColumnX(int column) { return 8 + column * (kControlWidth + 8); }

// A half of a step control: its caption is the sign padded with blanks
// towards the middle, so the sign is drawn at the control's outer edge; an
// empty caption marks the limit.
class StepButton : public platform::SpeedButton {
 public:
  StepButton(QWidget* parent, const QRect& geometry);

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// A timer whose Tag holds the direction of the running repeat (-1, +1).
class RepeatTimer : public QTimer {
 public:
  using QTimer::QTimer;
  int Tag = 0;
};

struct StepControl {
  platform::Panel* Panel = nullptr;
  platform::Label* Title = nullptr;
  platform::Label* Value = nullptr;  // Tag: the value
  StepButton* Down = nullptr;
  StepButton* Up = nullptr;
  QString DownCaption, UpCaption;    // shown while the limit is not reached

  // Holds the Tag to [min, max], empties the caption of a reached limit's
  // button and shows the number.
  void ClampAndShow(int min, int max) const;
};

struct ToggleControl {
  platform::Panel* Panel = nullptr;
  platform::Label* Title = nullptr;
  platform::Label* Value = nullptr;  // Tag: 0 off, 1 on
  platform::SpeedButton* Button = nullptr;

  // On: navy panel, white bold texts; off: light blue-grey, navy plain.
  void ShowOn(bool on) const;
};

// "PanelPositionX" gives the title "LabelPositionXTitel", the value
// "LabelPositionX" and the buttons "SpeedButtonPositionXDown" / "...Up".
StepControl AddStepControl(QWidget* parent, const QString& name, const QString& title, const QString& downCaption,
                           const QString& upCaption, int column);
// "PanelAusrichten" gives "LabelAusrichtenTitel", "LabelAusrichten" and
// the button "SpeedButtonAusrichten".
ToggleControl AddToggleControl(QWidget* parent, const QString& name, const QString& title, int column);
// A row named `name` with its title label `titleName`.
platform::Panel* AddRow(QWidget* parent, const QString& name, const QString& titleName, const QString& title,
                        platform::Label*& titleLabel);
// The light band behind the three controls of a row, hidden.
platform::Panel* AddBand(QWidget* row, const QString& name);

}  // namespace editor::ui::grafik
