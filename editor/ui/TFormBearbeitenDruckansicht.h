#pragma once
// The print view (FormBearbeitenDruckansicht): how the prints of parameter
// set X1 lie along the product: lead-in, every print with the composed
// layer image, the distances and the run-out, each in its legend colour. A
// window that stays on top over the editor's top bar and preview; the
// strip is drawn at the size it is shown in, scaled to fit with its
// proportions kept.
#include <QWidget>

#include "editor/PrintStrip.h"
#include "editor/ui/ImageControl.h"
#include "platform/Bitmap.h"
#include "platform/qt/Panel.h"

class TFrameBearbeiten;

class TFormBearbeitenDruckansicht : public QWidget {
 public:
  explicit TFormBearbeitenDruckansicht(TFrameBearbeiten* editor);

  platform::Panel* PanelMain;
  editor::ui::ImageControl* ImageDruckansicht;

  // Works out the strip from X1 of the working copy and composes the print
  // image (ImageTmp) from the five layer images, then shows it.
  void DrawPrintView();
  const editor::PrintStripLayout& Layout() const { return layout_; }
  // The composed print image, black on white.
  const platform::Bitmap& PrintImage() const { return ImageTmp; }

  void FormShow();
  void FormClose();
  // Enter and Esc close; Ctrl+P prints a hard copy; F1 the user guide.
  void FormKeyDown(int key, Qt::KeyboardModifiers modifiers);

  platform::Bitmap ImageTmp;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ShowStrip();
  TFrameBearbeiten* editor_;
  editor::PrintStripLayout layout_;
};
