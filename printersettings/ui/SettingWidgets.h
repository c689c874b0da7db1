#pragma once
// The pieces the setting forms are built of, so that every form looks and
// behaves the same:
// - a choice: a panel with a flat button over it, silver, lit (11439276)
//   while its value is the chosen one (LightChoice);
// - a titled choice: the same with a title line and a caption line under
//   the button (two-line choices such as "Positive Flanke" / "Interface");
// - a value row: a panel with a title line and a value line, split into a
//   "-" half and a "+" half (step buttons), whose captions StepCaptions
//   gives.
// Geometry: panels 184 x 48 at x 8, one row every 56 pixels; a form one
// column wide is kFormWidth wide.
#include <QLabel>
#include <QRect>
#include <QString>
#include <initializer_list>

#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"
#include "printersettings/StepCaptions.h"

namespace printersettings::ui {

inline constexpr int kColumnLeft = 8;
inline constexpr int kPanelWidth = 184;
inline constexpr int kPanelHeight = 48;
inline constexpr int kRowStep = 56;
inline constexpr int kFormWidth = 201;

// The top of row `n` (0-based) of a column that starts at `top`.
inline int RowTop(int n, int top = 8) { return top + n * kRowStep; }
inline QRect RowRect(int n, int top = 8, int left = kColumnLeft, int width = kPanelWidth) {
  return QRect(left, RowTop(n, top), width, kPanelHeight);
}

// A silver choice panel with its button.
platform::ButtonPanel AddChoice(QWidget* parent, const QRect& geometry, const QString& caption);
// The same, handing both to the members that keep them.
void AddChoice(QWidget* parent, const QRect& geometry, const QString& caption, platform::Panel*& panel,
               platform::SpeedButton*& button);

struct TitledChoice {
  platform::Panel* panel;
  QLabel* title;    // upper line
  QLabel* caption;  // lower line
  platform::SpeedButton* button;
};
TitledChoice AddTitledChoice(QWidget* parent, const QRect& geometry, const QString& title, const QString& caption);

// Lights the panel of the chosen value, greys it otherwise.
void LightChoice(platform::Panel* panel, bool chosen);
// Lights entry `chosen` of `panels` (index 0 for value 0 ...), greys the
// others; -1 lights none.
void LightChoices(std::initializer_list<platform::Panel*> panels, int chosen);

struct ValueRow {
  platform::Panel* panel;
  QLabel* title;  // upper line
  QLabel* value;  // lower line
  platform::SpeedButton* down;  // left half
  platform::SpeedButton* up;    // right half
};
// A value row, lit (11439276).
ValueRow AddValueRow(QWidget* parent, const QRect& geometry, const QString& title);
// Names the row's parts after `member` ("5": Panel5, Label5Titel, Label5,
// SpeedButtonDown5, SpeedButtonUp5), for the language file and tests.
void NameRow(const ValueRow& row, const QString& member);
void SetStepCaptions(const ValueRow& row, const printersettings::StepCaptionPair& captions);
void SetStepCaptions(platform::SpeedButton* down, platform::SpeedButton* up,
                     const printersettings::StepCaptionPair& captions);
// Shows or hides both step buttons of the row.
void ShowStepButtons(const ValueRow& row, bool shown);

// A label for a line of a panel: centred, in the form's font, letting
// clicks through to the button over it.
QLabel* AddPanelLabel(QWidget* panel, const QRect& geometry, const QString& text);

}  // namespace printersettings::ui
