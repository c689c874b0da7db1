#include "app/links/EditorDataLink.h"

#include "editor/ui/TFormBearbeitenDruckansicht.h"
#include "editor/ui/TFrameBearbeiten.h"
#include "editor/ui/TFrameMenuAnsichtBearbeiten.h"
#include "printdata/ui/TFrameDaten.h"

namespace app {

bool EditorDataLink::OpenInEditor(const printdata::PrintText& text, const QString& title, int view) {
  editor_.OpenInEditor(&text, title);
  if (view == kStartView)
    editor_.ShowEditor();
  else
    editor_.ShowEditorView(view);
  return true;
}

editor::RowWords EditorDataLink::RowWords() const { return editor_.RowWords(); }

bool EditorDataLink::EditorVisible() const { return !editor_.isHidden(); }

printdata::PrintText* EditorDataLink::WorkText() { return &editor_.WorkText; }

int EditorDataLink::ViewedLayer() const { return editor_.EditorView(); }

void EditorDataLink::RenderLayer(int layer, std::uint32_t colour) {
  if (layer >= 0) editor_.RenderLayer(static_cast<unsigned>(layer), colour);
}

bool EditorDataLink::ViewMenuVisible() const { return editor_.ViewMenu() && !editor_.ViewMenu()->isHidden(); }

void EditorDataLink::UpdateThumbnail(int which) {
  if (editor_.ViewMenu() && which >= 0) editor_.ViewMenu()->UpdateThumbnail(static_cast<unsigned>(which));
}

bool EditorDataLink::PrintViewVisible() const { return editor_.PrintViewShown(); }

void EditorDataLink::DrawPrintView() {
  if (editor_.FormBearbeitenDruckansicht) editor_.FormBearbeitenDruckansicht->DrawPrintView();
}

int EditorDataLink::Selected() const { return data_.Selected; }

QString EditorDataLink::DataTitle() const { return data_.PanelTitel->Caption(); }

bool EditorDataLink::ParametersProtected() const { return data_.ParametersProtected() != 0; }

bool EditorDataLink::NotesProtected() const { return data_.NotesProtected() != 0; }

void EditorDataLink::StorePrintText(int index, const printdata::PrintText& text) {
  data_.StoreEditedText(index, text);
}

void EditorDataLink::SetModified(bool modified) { data_.SetModified(modified); }

}  // namespace app
