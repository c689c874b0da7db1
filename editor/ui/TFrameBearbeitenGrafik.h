#pragma once
// The graphic pane of the print-text editor (FrameBearbeitenGrafik): shown
// while the current layer holds a graphic. It sets the graphic's position
// (free, or between fixed stops), its size in dots (with proportional
// scaling) and its pixels, which come from an imported bitmap file or from
// the painter, and writes the graphic out as a bitmap file. Every change
// goes at once into the current layer of the editor's working copy, which
// is then drawn red.
//
// Plugging it in: the pane reaches the editor frame through
// GraphicPaneEditor (TFrameBearbeiten::GraphicPaneHost()); the main window
// creates it with its picture folders and hands it to the frame,
//     auto* grafik = new TFrameBearbeitenGrafik(&FrameBearbeiten->GraphicPaneHost());
//     grafik->Folders = GraphicFolders();        // TForm_Main's paths
//     FrameBearbeiten->SetGraphicPane(grafik);   // EditorGraphicPane
// The frame fills the pane for a graphic layer with FillFromLayer(layer),
// moves it by the preview's drag through SetPosition and StoreLayer, and
// shows the position numbers in the highest operating mode only. The import
// and export run the program's file dialog (Form_FileDialog), the painter
// button the painter (Form_Paint); tests replace both through Services.
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "editor/ui/EditorGraphicPane.h"
#include "editor/ui/GraphicFileDialog.h"
#include "editor/ui/GraphicPaneEditor.h"
#include "editor/ui/StepControl.h"
#include "editor/ui/TagTimer.h"
#include "platform/Bitmap.h"
#include "platform/qt/Label.h"
#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"

class TFrameBearbeitenGrafik : public QWidget, public editor::ui::EditorGraphicPane {
 public:
  // `editor` must outlive the pane.
  TFrameBearbeitenGrafik(editor::ui::GraphicPaneEditor* editor, QWidget* parent = nullptr);

  // --- What the pane runs, replaceable for tests ---------------------------
  // The painter's outcome: 1 OK with the edited picture, 2 cancelled, a
  // negative number when the painter refused the picture.
  struct PaintOutcome {
    int Result = 2;
    platform::Bitmap Picture;
  };
  struct PaneServices {
    // The file dialog, mode 0 open, 1 save: the chosen file or nothing.
    std::function<std::optional<std::string>(const QString& title, std::uint8_t mode)> ChooseFile;
    // The painter, given the scaled bitmap.
    std::function<PaintOutcome(const platform::Bitmap& picture)> Paint;
  };
  // Default: Form_FileDialog set up by ChooseGraphicFile with Folders, and
  // Form_Paint; with either window missing the action does nothing.
  PaneServices Services;
  editor::ui::GraphicFolders Folders;

  // --- EditorGraphicPane ----------------------------------------------------
  QWidget* Pane() override { return this; }
  void FillFromLayer(int layer) override;
  int PositionX() const override { return LabelPositionX->Tag; }
  int PositionY() const override { return LabelPositionY->Tag; }
  void SetPosition(long long x, long long y) override;
  void StoreLayer() override;
  void ShowPositionNumbers(bool shown) override;
  QString ExportCaption() const override { return SpeedButtonWerkzeugExportieren->Caption(); }
  QString ToolTitle() const override { return LabelWerkzeugTitel->text(); }

  // --- Form -------------------------------------------------------------------
  platform::Panel* PanelPosition;
  platform::Label* LabelPositionTitel;
  platform::Panel* PanelAusrichtenShow;
  platform::Panel* PanelAusrichten;
  platform::SpeedButton* SpeedButtonAusrichten;
  platform::Label* LabelAusrichtenTitel;
  platform::Label* LabelAusrichten;  // Tag: 0 "Frei", 1 "Fix"
  platform::Panel* PanelPositionX;
  platform::Label* LabelPositionXTitel;
  platform::Label* LabelPositionX;  // Tag: X, -600..600
  editor::ui::StepButton* SpeedButtonPositionXDown;
  editor::ui::StepButton* SpeedButtonPositionXUp;
  platform::Panel* PanelPositionY;
  platform::Label* LabelPositionYTitel;
  platform::Label* LabelPositionY;  // Tag: Y, -50..50
  editor::ui::StepButton* SpeedButtonPositionYDown;
  editor::ui::StepButton* SpeedButtonPositionYUp;

  platform::Panel* PanelGrafik;
  platform::Label* LabelGrafikTitel;
  platform::Panel* PanelGrafikProportionalShow;
  platform::Panel* PanelGrafikProportional;
  platform::SpeedButton* SpeedButtonGrafikProportional;
  platform::Label* LabelGrafikProportionalTitel;
  platform::Label* LabelGrafikProportional;  // Tag: 0 "Aus", 1 "Ein"
  platform::Panel* PanelGrafikBreite;
  platform::Label* LabelGrafikBreiteTitel;
  platform::Label* LabelGrafikBreite;  // Tag: W, 1..1000
  editor::ui::StepButton* SpeedButtonGrafikBreiteDown;
  editor::ui::StepButton* SpeedButtonGrafikBreiteUp;
  platform::Panel* PanelGrafikHoehe;
  platform::Label* LabelGrafikHoeheTitel;
  platform::Label* LabelGrafikHoehe;  // Tag: H, 1..1000
  editor::ui::StepButton* SpeedButtonGrafikHoeheDown;
  editor::ui::StepButton* SpeedButtonGrafikHoeheUp;

  platform::Panel* PanelWerkzeug;
  platform::Label* LabelWerkzeugTitel;
  platform::Panel* PanelWerkzeugRuskavel;
  platform::SpeedButton* SpeedButtonWerkzeugRuskavel;
  platform::Panel* PanelWerkzeugImportieren;
  platform::SpeedButton* SpeedButtonWerkzeugImportieren;
  platform::Panel* PanelWerkzeugExportieren;
  platform::SpeedButton* SpeedButtonWerkzeugExportieren;

  editor::ui::TagTimer* TimerHorizontal;
  editor::ui::TagTimer* TimerVertikal;
  editor::ui::TagTimer* TimerBreite;
  editor::ui::TagTimer* TimerHoehe;

  // --- Members ------------------------------------------------------------------
  std::array<QString, 2> AlignTexts;         // "Frei", "Fix"
  std::array<QString, 2> ProportionalTexts;  // "Aus", "Ein"
  // The size proportional scaling keeps the ratio of, taken when it is
  // switched on.
  std::int32_t RefWidth = 0;
  std::int32_t RefHeight = 0;
  // The unscaled bitmap (from the layer, an import or the painter) and the
  // scaled one of exactly W x H, from which the layer's pixels are made.
  platform::Bitmap Image_Bearbeiten;
  bool Image_BearbeitenMonochrome = false;  // read from a 1-bit file
  platform::Bitmap Image_Bearbeiten1;

  // --- Interfaces -------------------------------------------------------------
  void ApplyPositionX();
  void ApplyPositionY();
  void ApplyWidth();
  void ApplyHeight();
  // Layer 0..4; any other index does nothing.
  void LoadBitmap(int layer);
  void StoreBitmap(int layer);

  // --- Handlers ---------------------------------------------------------------
  void SpeedButtonPositionXDownClick(QObject* sender);
  void SpeedButtonPositionXUpClick(QObject* sender);
  void SpeedButtonPositionXDownMouseDown(QObject* sender);
  void SpeedButtonPositionXUpMouseDown(QObject* sender);
  void SpeedButtonPositionXDownMouseUp(QObject* sender);
  void SpeedButtonPositionXUpMouseUp(QObject* sender);
  void SpeedButtonPositionYDownClick(QObject* sender);
  void SpeedButtonPositionYUpClick(QObject* sender);
  void SpeedButtonPositionYDownMouseDown(QObject* sender);
  void SpeedButtonPositionYUpMouseDown(QObject* sender);
  void SpeedButtonPositionYDownMouseUp(QObject* sender);
  void SpeedButtonPositionYUpMouseUp(QObject* sender);
  void SpeedButtonGrafikBreiteDownClick(QObject* sender);
  void SpeedButtonGrafikBreiteUpClick(QObject* sender);
  void SpeedButtonGrafikBreiteDownMouseDown(QObject* sender);
  void SpeedButtonGrafikBreiteUpMouseDown(QObject* sender);
  void SpeedButtonGrafikBreiteDownMouseUp(QObject* sender);
  void SpeedButtonGrafikBreiteUpMouseUp(QObject* sender);
  void SpeedButtonGrafikHoeheDownClick(QObject* sender);
  void SpeedButtonGrafikHoeheUpClick(QObject* sender);
  void SpeedButtonGrafikHoeheDownMouseDown(QObject* sender);
  void SpeedButtonGrafikHoeheUpMouseDown(QObject* sender);
  void SpeedButtonGrafikHoeheDownMouseUp(QObject* sender);
  void SpeedButtonGrafikHoeheUpMouseUp(QObject* sender);
  void TimerHorizontalTimer();
  void TimerVertikalTimer();
  void TimerBreiteTimer();
  void TimerHoeheTimer();
  void SpeedButtonAusrichtenClick(QObject* sender);
  void SpeedButtonGrafikProportionalClick(QObject* sender);
  void SpeedButtonWerkzeugRuskavelClick(QObject* sender);
  void SpeedButtonWerkzeugImportierenClick(QObject* sender);
  void SpeedButtonWerkzeugExportierenClick(QObject* sender);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildForm();
  void Wire();
  bool FixedStops() const { return LabelAusrichten->Tag == 1; }
  bool Proportional() const { return LabelGrafikProportional->Tag == 1; }
  // A position button's click: one dot, or the next stop in fixed mode.
  void StepX(bool up);
  void StepY(bool up);
  // Press and release of a repeating button; `position` buttons repeat
  // only in free mode.
  void StartRepeat(editor::ui::TagTimer* timer, int direction, bool position,
                   void (TFrameBearbeitenGrafik::*apply)());
  void StopRepeat(editor::ui::TagTimer* timer);
  // A repeat tick: `value` moves one step in the timer's direction.
  void Tick(editor::ui::TagTimer* timer, platform::Label* value, void (TFrameBearbeitenGrafik::*apply)());
  void Rescale();
  // Width and height become `width` and `height`, clamped and shown.
  void ShowSize(int width, int height);
  QString ToolDialogTitle(const platform::SpeedButton* button) const;
  void HideMenus();

  editor::ui::GraphicPaneEditor* editor_;
  editor::ui::StepControl x_, y_, width_, height_;
  editor::ui::ToggleControl align_, proportional_;
};
