#pragma once
// The two upper rows that the text, date and time panes share: the
// object's position (alignment "Frei"/"Fix", X, Y) and its font
// (proportional sizing, width, height, spacing, font kind). Values live in
// the Tags of their value labels; each update function clamps a value,
// shows it and stores the pane into the current layer of the working copy.
// Each pane is its own frame of this build, with these members under the
// same names.
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "editor/ui/StepControl.h"
#include "editor/ui/TagTimer.h"
#include "printdata/LayerObject.h"

class TFrameBearbeiten;

class PositionFontPane : public QWidget {
 public:
  PositionFontPane(TFrameBearbeiten* editor, QWidget* parent, const QString& name);

  platform::Panel* PanelPosition;
  platform::Label* LabelPositionTitel;
  platform::Panel* PanelAusrichtenShow;
  platform::Panel* PanelAusrichten;
  platform::Label* LabelAusrichtenTitel;
  platform::Label* LabelAusrichten;  // Tag: 0 Frei, 1 Fix
  platform::SpeedButton* SpeedButtonAusrichten;
  platform::Panel* PanelPositionX;
  platform::Label* LabelPositionXTitel;
  platform::Label* LabelPositionX;
  editor::ui::StepButton* SpeedButtonPositionXDown;
  editor::ui::StepButton* SpeedButtonPositionXUp;
  platform::Panel* PanelPositionY;
  platform::Label* LabelPositionYTitel;
  platform::Label* LabelPositionY;
  editor::ui::StepButton* SpeedButtonPositionYDown;
  editor::ui::StepButton* SpeedButtonPositionYUp;

  platform::Panel* PanelSchrift;
  platform::Label* LabelSchriftTitel;
  platform::Panel* PanelSchriftProportionalShow;
  platform::Panel* PanelSchriftProportional;
  platform::Label* LabelSchriftProportionalTitel;
  platform::Label* LabelSchriftProportional;  // Tag: 0 off, 1 on
  platform::SpeedButton* SpeedButtonSchriftProportional;
  platform::Panel* PanelSchriftBreite;
  platform::Label* LabelSchriftBreiteTitel;
  platform::Label* LabelSchriftBreite;
  editor::ui::StepButton* SpeedButtonSchriftBreiteDown;
  editor::ui::StepButton* SpeedButtonSchriftBreiteUp;
  platform::Panel* PanelSchriftHoehe;
  platform::Label* LabelSchriftHoeheTitel;
  platform::Label* LabelSchriftHoehe;
  editor::ui::StepButton* SpeedButtonSchriftHoeheDown;
  editor::ui::StepButton* SpeedButtonSchriftHoeheUp;
  platform::Panel* PanelSchriftAbstand;
  platform::Label* LabelSchriftAbstandTitel;
  platform::Label* LabelSchriftAbstand;
  editor::ui::StepButton* SpeedButtonSchriftAbstandDown;
  editor::ui::StepButton* SpeedButtonSchriftAbstandUp;
  platform::Panel* PanelSchriftArt;
  platform::Label* LabelSchriftArtTitel;
  platform::Label* LabelSchriftArt;  // the font name
  platform::SpeedButton* SpeedButtonSchriftArt;

  editor::ui::TagTimer* TimerHorizontal;
  editor::ui::TagTimer* TimerVertikal;
  editor::ui::TagTimer* TimerBreite;
  editor::ui::TagTimer* TimerHoehe;
  editor::ui::TagTimer* TimerAbstand;

  std::array<QString, 2> AlignTexts{QStringLiteral("Frei"), QStringLiteral("Fix")};
  std::array<QString, 2> ProportionalTexts{QStringLiteral("Aus"), QStringLiteral("Ein")};
  int ProportionalWidth = 7;
  int ProportionalHeight = 12;

  // Handlers of the step controls, the toggles and the font button.
  void SpeedButtonPositionXDownClick(QObject* sender);
  void SpeedButtonPositionXUpClick(QObject* sender);
  void SpeedButtonPositionXDownMouseDown(QObject* sender);
  void SpeedButtonPositionXUpMouseDown(QObject* sender);
  void SpeedButtonPositionXDownMouseUp(QObject* sender);
  void SpeedButtonPositionXUpMouseUp(QObject* sender);
  void TimerHorizontalTimer();
  void SpeedButtonPositionYDownClick(QObject* sender);
  void SpeedButtonPositionYUpClick(QObject* sender);
  void SpeedButtonPositionYDownMouseDown(QObject* sender);
  void SpeedButtonPositionYUpMouseDown(QObject* sender);
  void SpeedButtonPositionYDownMouseUp(QObject* sender);
  void SpeedButtonPositionYUpMouseUp(QObject* sender);
  void TimerVertikalTimer();
  void SpeedButtonSchriftBreiteDownClick(QObject* sender);
  void SpeedButtonSchriftBreiteUpClick(QObject* sender);
  void SpeedButtonSchriftBreiteDownMouseDown(QObject* sender);
  void SpeedButtonSchriftBreiteUpMouseDown(QObject* sender);
  void SpeedButtonSchriftBreiteDownMouseUp(QObject* sender);
  void SpeedButtonSchriftBreiteUpMouseUp(QObject* sender);
  void TimerBreiteTimer();
  void SpeedButtonSchriftHoeheDownClick(QObject* sender);
  void SpeedButtonSchriftHoeheUpClick(QObject* sender);
  void SpeedButtonSchriftHoeheDownMouseDown(QObject* sender);
  void SpeedButtonSchriftHoeheUpMouseDown(QObject* sender);
  void SpeedButtonSchriftHoeheDownMouseUp(QObject* sender);
  void SpeedButtonSchriftHoeheUpMouseUp(QObject* sender);
  void TimerHoeheTimer();
  void SpeedButtonSchriftAbstandDownClick(QObject* sender);
  void SpeedButtonSchriftAbstandUpClick(QObject* sender);
  void SpeedButtonSchriftAbstandDownMouseDown(QObject* sender);
  void SpeedButtonSchriftAbstandUpMouseDown(QObject* sender);
  void SpeedButtonSchriftAbstandDownMouseUp(QObject* sender);
  void SpeedButtonSchriftAbstandUpMouseUp(QObject* sender);
  void TimerAbstandTimer();
  void SpeedButtonAusrichtenClick(QObject* sender);
  void SpeedButtonSchriftProportionalClick(QObject* sender);
  void SpeedButtonSchriftArtClick(QObject* sender);

  void UpdatePositionX();
  void UpdatePositionY();
  void UpdateFontWidth();
  void UpdateFontHeight();
  void UpdateSpacing();
  void TakeFontChoice();

  // The editor's fill of the two rows from a layer: values, Fix, the font
  // of record, proportional sizing on. Stores nothing by itself.
  void FillPositionAndFont(const printdata::LayerObject& layer);
  // The two rows' fields of the store: font and style of record, spacing,
  // height, width and position.
  void StorePositionAndFont(printdata::LayerObject& layer) const;
  // The pane's store with "apply format" 0 (the text pane's store is its
  // input's change handler).
  virtual void StorePane() = 0;
  // The text the Fix alignment measures and the font chooser previews.
  virtual std::string AlignedText() const = 0;

  // The position numbers are shown only in the highest operating mode.
  void ShowPositionNumbers(bool shown);

 protected:
  // A stepped value: its control, repeat timer, step, repeat period and
  // update function; axis 1 and 2 are X and Y, which walk anchors while
  // Fix is on.
  struct Stepper {
    editor::ui::StepControl Control;
    editor::ui::TagTimer* Timer = nullptr;
    int Step = 1;
    int RepeatMs = 125;
    std::function<void()> Update;
    int Axis = 0;
    // Runs the update function at a tick only while the pane is shown (the
    // date offset's repeat); the value moves in any case.
    bool TickUpdatesOnlyWhenShown = false;
  };
  void PressStep(Stepper& s, int direction);
  void ReleaseStep(Stepper& s);
  void TickStep(Stepper& s);
  void ClickStep(Stepper& s, int direction, QObject* sender);
  // A click on a choice's button (a step control without repeat): one step
  // in `direction`, then `update`.
  void StepChoice(editor::ui::StepControl& c, int direction, QObject* sender, const std::function<void()>& update);
  // Connects the control's buttons and timer to the handlers given.
  using Handler = std::function<void(QObject*)>;
  void Wire(Stepper& s, Handler downClick, Handler upClick, Handler downPress, Handler upPress, Handler downRelease,
            Handler upRelease, std::function<void()> tick);
  // Lays the first two rows out over the pane's width; the third row is the
  // pane's own, at top 150.
  void LayoutSharedRows(int columnWidth);
  void resizeEvent(QResizeEvent* event) override;
  virtual void LayoutThirdRow(int columnWidth) = 0;
  bool Loading() const;
  void HideMenus() const;

  TFrameBearbeiten* editor_;
  Stepper x_, y_, width_, height_, spacing_;
  editor::ui::ToggleControl align_, proportional_, fontKind_;
};
