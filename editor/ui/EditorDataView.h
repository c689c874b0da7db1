#pragma once
// The editor's contact with the data view (TFrameDaten): where OK stores
// the working copy, the rows the editor paints after rendering a print
// text, and the open data's protection. The data view implements it.
#include <QString>
#include <array>

#include "platform/Bitmap.h"
#include "printdata/PrintText.h"

namespace editor::ui {

// What one data-view row shows of a print text, made by the editor.
struct EditorRow {
  // The row picture: the five layers' ink, black on white, (X1 print
  // length in whole millimetres) x 6 by 25 pixels, and the width its
  // control takes at the data view's zoom.
  platform::Bitmap Picture;
  int ControlWidth = 0;
  // "Ebene 1:" ... and "Text ABC", "Datum, Offset 0, ...", "-".
  std::array<QString, printdata::kLayerCount> LayerTitles, LayerSummaries;
  // The X1 parameters in the order Vorlauf, Drucklänge, Lage, Anzahl,
  // Abstand, Anzahl2, Abstand2, Nachlauf: title ("Vorlauf:"), value
  // ("0 mm") and whether the row shows it.
  struct Parameter {
    QString Title, Value;
    bool Visible = true;
  };
  std::array<Parameter, 8> Parameters;
  // The note, lines separated by CR LF; empty clears the row's memo.
  QString Note;
};

class EditorDataView {
 public:
  virtual ~EditorDataView() = default;

  // TFrameDaten::Selected: the row OK stores into (0 to 98; others store
  // nothing).
  virtual int Selected() const = 0;
  // The data view's zoom (1 to 5), by which row pictures are widened.
  virtual int Zoom() const = 0;
  // The caption of the data view's title: the data set's name.
  virtual QString DataTitle() const = 0;
  // TFrameDaten::LayersProtected, ParametersProtected, NotesProtected.
  virtual bool ParametersProtected() const = 0;
  virtual bool NotesProtected() const = 0;

  // PrintTextCopy(text, Group.PrintText[index]).
  virtual void StorePrintText(int index, const printdata::PrintText& text) = 0;
  // Puts `row` into the controls of row `index`; with `select` the row
  // becomes the marked one (TFrameDaten::SelectRow on its picture).
  virtual void PaintRow(int index, const EditorRow& row, bool select) = 0;
  // TFrameDaten::SetModified.
  virtual void SetModified(bool modified) = 0;
};

}  // namespace editor::ui
