#pragma once
// The editor's contact with the data view (TFrameDaten): where OK stores
// the working copy, and the open data's title and protection. The data
// view draws its rows itself; the editor only hands the print text over.
// The main window connects the two.
#include <QString>

#include "printdata/PrintText.h"

namespace editor::ui {

class EditorDataView {
 public:
  virtual ~EditorDataView() = default;

  // TFrameDaten::Selected: the row OK stores into (0 to 98; others store
  // nothing).
  virtual int Selected() const = 0;
  // The caption of the data view's title: the data set's name.
  virtual QString DataTitle() const = 0;
  // TFrameDaten::ParametersProtected, NotesProtected.
  virtual bool ParametersProtected() const = 0;
  virtual bool NotesProtected() const = 0;

  // PrintTextCopy(text, Group.PrintText[index]); row `index` is drawn anew
  // from it and becomes the marked row.
  virtual void StorePrintText(int index, const printdata::PrintText& text) = 0;
  // TFrameDaten::SetModified.
  virtual void SetModified(bool modified) = 0;
};

}  // namespace editor::ui
