#pragma once
// The controls the editor's panes are built of: a value panel with its
// title on top and its value below, covered by a Down and an Up button
// (a step control) or by one button (a toggle or a chooser). Every part is
// named after the member that keeps it, so that the language file finds
// the titles.
#include <QRect>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

#include "rendering/StepValue.h"
#include "editor/ui/StepButton.h"
#include "platform/qt/Label.h"
#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"

namespace editor::ui {

struct StepControl {
  platform::Panel* Panel = nullptr;
  platform::Label* Title = nullptr;
  platform::Label* Value = nullptr;
  StepButton* Down = nullptr;
  StepButton* Up = nullptr;
  QString DownSign, UpSign;
  // Signs padded to the outer edges; wide controls show them plain.
  bool Padded = true;
  int Padding = kStepPadding;

  // Moves the panel; the buttons share its width half and half (a control
  // kept here without them, as a toggle, moves with its labels alone).
  void Place(const QRect& geometry) const;
  // The limit markers: the button of a reached limit shows no sign.
  void ShowLimits(bool atMin, bool atMax) const;
  // Clamps the value held in the value label's Tag, marks the limits and
  // shows the number; returns the clamped value.
  int ClampAndShow(StepRange range) const;
  // Shows `value` as it is (a layer read from a file may hold any); the
  // limits of `range` only mark the buttons.
  void ShowUnclamped(std::int32_t value, StepRange range) const;
  // ClampAndShow for a value shown as a text of its own (a choice's name, an
  // offset as a time).
  int ClampAndShowAs(StepRange range, const std::function<QString(std::int32_t)>& text) const;
};

struct ToggleControl {
  platform::Panel* Panel = nullptr;
  platform::Label* Title = nullptr;
  platform::Label* Value = nullptr;
  platform::SpeedButton* Button = nullptr;

  void Place(const QRect& geometry) const;
  // On: navy panel, white bold texts; off: light blue-grey, navy plain.
  void ShowOn(bool on) const;
  // The toggle's click: the value's Tag 0 becomes 1 (on), any other 0
  // (off); the value shows words[Tag] and `band` shows while on. Whether it
  // is on now.
  bool Toggle(const std::array<QString, 2>& words, QWidget* band) const;
};

// A value panel named `name` ("PanelPositionX") with the title label
// `name`.mid(5) + "Titel" ("LabelPositionXTitel"), the value label "Label" +
// that ("LabelPositionX") and the buttons "SpeedButton" + that + "Down" /
// "Up"; `upName` replaces the Up button's name where the form spells it
// otherwise.
StepControl AddStepControl(QWidget* parent, const QString& name, const QString& title, const QString& downSign,
                           const QString& upSign, const QString& upName = {});
// The same with one button "SpeedButton" + name.mid(5).
ToggleControl AddToggleControl(QWidget* parent, const QString& name, const QString& title);

// A row of a pane in the page's colour, its title at the top left and a
// line along its top.
platform::Panel* AddPaneRow(QWidget* parent, const QString& name, const QString& titleName, const QString& title,
                            platform::Label** titleLabel);

// The light band behind the first three controls of a row, shown while
// its toggle (Fix, proportional) is on; hidden at first.
platform::Panel* AddPaneBand(QWidget* row, const QString& name);
QRect PaneBandRect(int columnWidth);

// Columns of the panes: five controls and their gaps fit into the pane's
// width, at most 176 pixels each.
int PaneColumnWidth(int paneWidth);
inline int PaneColumnX(int column, int columnWidth) { return 8 + column * (columnWidth + 8); }
// The place of a control in column `column` of a row.
QRect PaneControlRect(int column, int columnWidth);
inline constexpr int kControlHeight = 48;
inline constexpr int kControlTop = 19;
inline constexpr int kRowHeight = 75;

}  // namespace editor::ui
