#pragma once
// The painter ("Ruskavel", Form_Paint): the program's own editor for the
// black-and-white bitmap of a graphic layer, one instance created at
// start-up. The graphic pane hands it the layer's scaled bitmap and shows
// it modally:
//
//   if (Form_Paint->SetBitmap(picture) == 0 && Form_Paint->ShowModal() == 1)
//     picture = Form_Paint->Picture();
//
// The user edits the pixels at a magnification with freehand, brush, line,
// rectangle, ellipse, fill, copy, cut and paste tools and whole-image
// operations, and steps back and forth through an undo ring of 64 images.
// The painter never changes the bitmap's size. Its picture logic is
// editor::PaintCanvas; this is the window around it.
#include <QDialog>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

#include "editor/PaintCanvas.h"
#include "editor/ui/EditorDialogServices.h"
#include "editor/ui/PaintGlyphs.h"
#include "editor/ui/PaintView.h"
#include "editor/ui/WindowSizing.h"
#include "platform/Bitmap.h"
#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QScrollArea;

class TForm_Paint : public QDialog {
 public:
  explicit TForm_Paint(QWidget* owner = nullptr);
  ~TForm_Paint() override;

  // 0, or -10 when the graphic's size cannot be taken (no pixels, or more
  // than 1000 on a side), -20 when the copy fails. The image becomes the
  // graphic reduced to two colours; the caption "Ruskavel (W x H)".
  int SetBitmap(const platform::Bitmap& graphic);
  // 1 after OK (button or Enter), 2 after "Abbrechen" (button or Esc).
  int ShowModal();
  // Closing the window otherwise counts as "Abbrechen".
  void reject() override;
  // The edited bitmap, black and white, of the size SetBitmap gave.
  const platform::Bitmap& Picture() const { return Canvas.Image(); }

  editor::ui::EditorDialogServices Services = editor::ui::EditorDialogServices::Defaults();
  // Set for the process until the painter is first shown: only that show
  // centres it on the main window; later ones keep the user's place.
  static inline bool FirstShow = true;

  // --- State --------------------------------------------------------------------
  editor::PaintCanvas Canvas;
  int ImageWidth = 0, ImageHeight = 0;
  int Zoom = 10;
  bool Resizing = false;

  // --- Components ---------------------------------------------------------------
  platform::Panel* Panel_Oben;
  platform::Panel* Panel_Zoom;
  QComboBox* ComboBox_Zoom;  // "16x" .. "1x"
  platform::Panel* Panel_Raster;
  QCheckBox* CheckBox_Raster;
  platform::Panel* Panel_SW;
  editor::ui::GlyphButton* SpeedButton_SW;
  platform::Panel* Panel_WS;
  editor::ui::GlyphButton* SpeedButton_WS;
  platform::Panel* Panel_Dicke;
  QComboBox* ComboBox_Dicke;  // "1" .. "10"
  platform::Panel* Panel_Transparent;
  QCheckBox* CheckBox_Transparent;
  editor::ui::GlyphButton* SpeedButton_Invertieren;
  editor::ui::GlyphButton* SpeedButton_RasternH;
  editor::ui::GlyphButton* SpeedButton_RasternV;
  editor::ui::GlyphButton* SpeedButton_Rastern;
  editor::ui::GlyphButton* SpeedButton_SpiegelnH;
  editor::ui::GlyphButton* SpeedButton_SpiegelnV;
  editor::ui::GlyphButton* SpeedButton_UndoBwd;
  editor::ui::GlyphButton* SpeedButton_UndoFwd;

  platform::Panel* Panel_Left;
  // The eleven tools in the order of their codes 10 .. 110, each on its
  // panel (silver; the chosen one light blue-grey).
  std::array<platform::Panel*, 11> ToolPanels;
  std::array<editor::ui::GlyphButton*, 11> ToolButtons;
  editor::ui::GlyphButton* SpeedButton_Zeichnen;
  editor::ui::GlyphButton* SpeedButton_Pinsel;
  editor::ui::GlyphButton* SpeedButton_Linie;
  editor::ui::GlyphButton* SpeedButton_Rechteck;
  editor::ui::GlyphButton* SpeedButton_RechteckGefuellt;
  editor::ui::GlyphButton* SpeedButton_Kreis;
  editor::ui::GlyphButton* SpeedButton_KreisGefuellt;
  editor::ui::GlyphButton* SpeedButton_Fuellen;
  editor::ui::GlyphButton* SpeedButton_Kopieren;
  editor::ui::GlyphButton* SpeedButton_Ausschneiden;
  editor::ui::GlyphButton* SpeedButton_Einfuegen;

  QScrollArea* ScrollBox_Paint;
  editor::ui::PaintImage* Image_Paint;
  editor::ui::PaintGrid* Image_Raster;

  platform::Panel* Panel_Unten;
  platform::Panel* PanelOK;
  platform::SpeedButton* SpeedButtonOK;
  platform::Panel* PanelAbbrechen;
  platform::SpeedButton* SpeedButtonAbbrechen;
  QLabel* Image_ChangeSize;

  // --- Handlers -----------------------------------------------------------------
  void FormShow();
  void FormClose();
  // Whether a key was handled (keys reach the window before its controls).
  bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
  void FormMouseWheelDown(Qt::KeyboardModifiers modifiers);
  void FormMouseWheelUp(Qt::KeyboardModifiers modifiers);
  void Image_PaintMouseDown(Qt::MouseButton button, const QPoint& position);
  void Image_PaintMouseMove(Qt::MouseButtons held, const QPoint& position);
  void Image_PaintMouseUp(Qt::MouseButton button, const QPoint& position);
  void Panel_ZoomClick();
  void ComboBox_ZoomChange();
  void Panel_RasterClick();
  void CheckBox_RasterClick();
  void SpeedButton_SWClick();
  void SpeedButton_WSClick();
  void Panel_DickeClick();
  void ComboBox_DickeChange();
  void Panel_TransparentClick();
  void SpeedButton_InvertierenClick();
  void SpeedButton_RasternHClick();
  void SpeedButton_RasternVClick();
  void SpeedButton_RasternClick();
  void SpeedButton_SpiegelnHClick();
  void SpeedButton_SpiegelnVClick();
  void SpeedButton_UndoBwdClick();
  void SpeedButton_UndoFwdClick();
  // One handler per tool button: the tool of that code.
  void ChooseTool(editor::PaintTool tool);
  void SpeedButtonOKClick();
  void SpeedButtonAbbrechenClick();
  void Panel_UntenMouseDown(const QPoint& globalPosition);
  void Panel_UntenMouseMove(const QPoint& globalPosition);
  void Panel_UntenMouseUp();
  void Panel_UntenDblClick();

  // The window size the window manager and the bottom bar may set: within
  // the work area, the client area at least 721 x 553.
  QSize LimitSize(QSize proposed) const;
  // Client area at creation.
  static constexpr QSize kStartSize{900, 700};
  static constexpr QSize kMinimumSize{721, 553};

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildForm();
  void LayoutForm();
  void Wire();
  // Every component named after its member gets the filter that shows
  // keys and wheel turns to the window first.
  void WatchKeys(QWidget* root);
  void SetZoomIndex(int index);
  void RebuildGrid();
  void ResetToolPanels();
  // The buttons that follow the picture: undo, redo and paste.
  void UpdateButtons();
  void ShowImage();
  void AfterWholeImageChange();

  std::array<editor::PaintTool, 11> toolCodes_;
  editor::ui::BarDrag barDrag_;
  QRect restoreBounds_;
  bool undoShown_ = true;
};

extern TForm_Paint* Form_Paint;
