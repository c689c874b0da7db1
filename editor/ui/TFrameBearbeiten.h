#pragma once
// The editor page of the main window (FrameBearbeiten). It edits one print
// text of the open data in a working copy, WorkText: opening copies a print
// text into it, the panes write into its current layer, OK copies it back
// into the data at the data view's selected row and Abbrechen drops it.
// LoadAndRender overwrites the working copy and the preview's layer images,
// so it is called only while the editor is hidden; the printer file set
// renders through a working copy of its own (editor::WorkCopyRenderer).
//
// The dates and times of the working copy are kept current from outside
// while the editor is shown (the data view's refresher, through RenderLayer
// and the view menu's thumbnails); the editor runs no refresh of its own.
//
// Hooks: the main window (EditorHost), the data view (EditorDataView), the
// font chooser (EditorFontChooser) and the graphic pane (EditorGraphicPane)
// are installed with the Set... functions; the editor works without the
// data view, the chooser and the graphic pane.
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "rendering/RowPainting.h"
#include "editor/ui/EditorDataView.h"
#include "editor/ui/EditorFontChooser.h"
#include "editor/ui/EditorGraphicPane.h"
#include "editor/ui/GraphicPaneEditor.h"
#include "editor/ui/EditorHost.h"
#include "editor/ui/KeptFont.h"
#include "editor/ui/StepControl.h"
#include "platform/qt/Label.h"
#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"
#include "printdata/PrintText.h"

class TFrameBearbeitenVorschau;
class TFrameBearbeitenText;
class TFrameBearbeitenDatum;
class TFrameBearbeitenZeit;
class TFrameBearbeitenParameter;
class TFrameBearbeitenNotiz;
class TFrameMenuAnsichtBearbeiten;
class TFrameMenuZoomBearbeiten;
class TFrameMenuRasterBearbeiten;
class TFormBearbeitenDruckansicht;
class PositionFontPane;

class TFrameBearbeiten : public QWidget {
 public:
  explicit TFrameBearbeiten(QWidget* owner);
  ~TFrameBearbeiten() override;

  // --- Hooks --------------------------------------------------------------
  void SetHost(editor::ui::EditorHost* host) { host_ = host; }
  void SetMenus(TFrameMenuAnsichtBearbeiten* view, TFrameMenuZoomBearbeiten* zoom, TFrameMenuRasterBearbeiten* grid);
  void SetDataView(editor::ui::EditorDataView* dataView) { dataView_ = dataView; }
  // nullptr: the kept font (no chooser).
  void SetFontChooser(editor::ui::EditorFontChooser* chooser);
  // Gives the pane PanelMain as parent (the frame owns it from then on) and
  // hides it; nullptr: graphic layers show no pane.
  void SetGraphicPane(editor::ui::EditorGraphicPane* pane);
  // What a graphic pane is created with: this frame's working copy, loading
  // flag, layers, print field and the host's menu frames.
  editor::ui::GraphicPaneEditor& GraphicPaneHost();

  editor::ui::EditorHost* Host() const { return host_; }
  editor::ui::EditorDataView* DataView() const { return dataView_; }
  editor::ui::EditorFontChooser& FontChooser() const { return *fontChooser_; }
  editor::ui::EditorGraphicPane* GraphicPane() const { return FrameBearbeitenGrafik; }
  TFrameMenuAnsichtBearbeiten* ViewMenu() const { return viewMenu_; }
  TFrameMenuZoomBearbeiten* ZoomMenu() const { return zoomMenu_; }
  TFrameMenuRasterBearbeiten* GridMenu() const { return gridMenu_; }

  // --- Form ---------------------------------------------------------------
  platform::Panel* PanelTitel;
  platform::Panel* PanelTop;
  platform::Panel* PanelAnsicht;
  platform::SpeedButton* SpeedButtonAnsicht;
  platform::Label* LabelAnsichtTitel;
  platform::Label* LabelAnsicht;  // Tag: EditorView, 0..4 layer, 5 parameters, 6 note
  platform::Panel* PanelZoom;
  platform::SpeedButton* SpeedButtonZoom;
  platform::Label* LabelZoomTitel;
  platform::Label* LabelZoom;
  platform::Panel* PanelRaster;
  platform::SpeedButton* SpeedButtonRaster;
  platform::Label* LabelRasterTitel;
  platform::Label* LabelRaster;  // Tag: GridMode
  platform::Panel* PanelDruckansicht;
  platform::SpeedButton* SpeedButtonDruckansicht;
  platform::Panel* PanelExportDrucktextBMP;
  platform::SpeedButton* SpeedButtonExportDrucktextBMP;
  platform::Panel* PanelHilfe;
  platform::SpeedButton* SpeedButtonHilfe;
  platform::Panel* PanelVorschau;
  platform::Panel* PanelObjekt;
  platform::Label* LabelObjektTitel;
  platform::Panel* PanelObjektTyp;
  platform::Label* LabelObjektTypTitel;
  platform::Label* LabelObjektTyp;  // Tag: the LayerKind the switch shows
  editor::ui::StepButton* SpeedButtonObjektTypDown;
  editor::ui::StepButton* SpeedButtonObjektTyptUp;
  platform::Panel* PanelExportEbeneBMP;
  platform::SpeedButton* SpeedButtonExportEbeneBMP;
  platform::Panel* PanelMain;
  platform::Panel* PanelUnten;
  platform::Panel* PanelOK;
  platform::SpeedButton* SpeedButtonOK;
  platform::Panel* PanelAbbrechen;
  platform::SpeedButton* SpeedButtonAbbrechen;

  // --- Members ------------------------------------------------------------
  // "Kein", "Text", "Datum", "Zeit", "Zähler", "Grafik": kind k is entry k
  // for 0..3 and entry 5 for kind 4.
  std::array<QString, 6> KindNames;
  TFrameBearbeitenVorschau* FrameBearbeitenVorschau;
  TFrameBearbeitenText* FrameBearbeitenText;
  TFrameBearbeitenDatum* FrameBearbeitenDatum;
  TFrameBearbeitenZeit* FrameBearbeitenZeit;
  editor::ui::EditorGraphicPane* FrameBearbeitenGrafik = nullptr;
  TFrameBearbeitenParameter* FrameBearbeitenParameter;
  TFrameBearbeitenNotiz* FrameBearbeitenNotiz;
  // The print view window, created with the editor.
  TFormBearbeitenDruckansicht* FormBearbeitenDruckansicht;
  printdata::PrintText WorkText;
  std::uint8_t Loading = 0;
  std::int32_t CurrentLayer = -1;

  // --- Called from outside ------------------------------------------------
  void ResetEditor();
  void OpenInEditor(const printdata::PrintText* source, const QString& title);
  void ShowEditor() { ShowEditorView(0); }
  void ShowEditorView(int view);
  void CloseEditor();
  // Renders `source` (or the defaults) into the working copy and the layer
  // images, black, at one pixel per dot.
  void LoadAndRender(const printdata::PrintText* source);
  // Redraws layer `layer` (0..4) of the working copy into its image in
  // `colour` (0 black, 255 red); another layer does nothing.
  void RenderLayer(unsigned layer, std::uint32_t colour);
  // The width of `text` in the font of layer `fontLayer` of the working
  // copy, plus spacing x (characters - 1); 0 for an empty text.
  std::int32_t MeasureText(unsigned fontLayer, std::string_view text, std::int32_t spacing) const;
  // The words the data view labels its rows with, as the panes and the view
  // menu show them now (in the chosen language).
  editor::RowWords RowWords() const;

  // --- Used inside the editor ---------------------------------------------
  void SelectLayer();
  void ShowObjectFrame();
  int EditorView() const { return LabelAnsicht->Tag; }
  int EditorZoom() const;
  int GridMode() const { return LabelRaster->Tag; }
  // The print field in dots: the parameter pane's print length x 6.
  std::int64_t PrintFieldDots() const;
  // The object pane of the current layer's kind (text, date or time), or
  // nullptr.
  PositionFontPane* ObjectPane(int kind) const;
  // Shows the object pane of `kind` in PanelMain and hides the other object
  // panes; a kind without a pane (-1, 0) hides them all.
  void ShowObjectPane(int kind);
  // The object area (PanelObjekt) is shown for the layer views.
  void ShowObjectArea(bool shown);
  // Lays out the page after the preview's height or the object area
  // changed.
  void LayoutPage();
  bool PrintViewShown() const;
  void ClosePrintView();

  // --- Handlers -----------------------------------------------------------
  void SpeedButtonAnsichtClick(QObject* sender);
  void SpeedButtonZoomClick(QObject* sender);
  void SpeedButtonRasterClick(QObject* sender);
  void SpeedButtonDruckansichtClick(QObject* sender);
  void SpeedButtonHilfeClick(QObject* sender);
  void SpeedButtonObjektTypDownClick(QObject* sender);
  void SpeedButtonObjektTyptUpClick(QObject* sender);
  void SpeedButtonOKClick(QObject* sender);
  void SpeedButtonAbbrechenClick(QObject* sender);
  void SpeedButtonExportDrucktextBMPClick(QObject* sender);
  void SpeedButtonExportEbeneBMPClick(QObject* sender);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildForm();
  void LoadParameterTags();
  // The start of every open and load: no current layer, the working copy
  // the defaults and then a copy of `source` (nullptr: the defaults), the
  // parameter pane's values from it.
  void LoadWorkCopy(const printdata::PrintText* source);
  void Export(bool wholeText);
  void CloseMenus();
  void HideMenus();
  void FillKindPane(int kind);
  // The dynamic dates and times of the working copy as of now, then all
  // five layers drawn black.
  void RenderDatedBlack();

  editor::ui::EditorHost* host_ = nullptr;
  editor::ui::EditorDataView* dataView_ = nullptr;
  TFrameMenuAnsichtBearbeiten* viewMenu_ = nullptr;
  TFrameMenuZoomBearbeiten* zoomMenu_ = nullptr;
  TFrameMenuRasterBearbeiten* gridMenu_ = nullptr;
  editor::ui::StepControl kind_;
  editor::ui::KeptFont keptFont_;
  editor::ui::EditorFontChooser* fontChooser_ = &keptFont_;
  std::unique_ptr<editor::ui::GraphicPaneEditor> graphicPaneHost_;
};
