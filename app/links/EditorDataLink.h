#pragma once
// The link between the data page and the editor page, each of which knows
// the other only by a small interface: the data page opens its marked print
// text in the editor and keeps the editor's dates and times current while
// it is shown (DataViewEditor); the editor's OK stores the working copy
// back at the marked row (editor::ui::EditorDataView).
#include "editor/ui/EditorDataView.h"
#include "printdata/ui/DataViewHost.h"

class TFrameDaten;
class TFrameBearbeiten;

namespace app {

class EditorDataLink final : public DataViewEditor, public editor::ui::EditorDataView {
 public:
  EditorDataLink(TFrameDaten& data, TFrameBearbeiten& editor) : data_(data), editor_(editor) {}

  // The data page's side.
  bool OpenInEditor(const printdata::PrintText& text, const QString& title, int view) override;
  editor::RowWords RowWords() const override;
  bool EditorVisible() const override;
  printdata::PrintText* WorkText() override;
  int ViewedLayer() const override;
  void RenderLayer(int layer, std::uint32_t colour) override;
  bool ViewMenuVisible() const override;
  void UpdateThumbnail(int which) override;
  bool PrintViewVisible() const override;
  void DrawPrintView() override;

  // The editor's side.
  int Selected() const override;
  QString DataTitle() const override;
  bool ParametersProtected() const override;
  bool NotesProtected() const override;
  void StorePrintText(int index, const printdata::PrintText& text) override;
  void SetModified(bool modified) override;

 private:
  TFrameDaten& data_;
  TFrameBearbeiten& editor_;
};

}  // namespace app
