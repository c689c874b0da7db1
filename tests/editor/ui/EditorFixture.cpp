#include "EditorFixture.h"

#include "editor/ui/TFormBearbeitenDruckansicht.h"
#include "editor/ui/TFrameBearbeitenVorschau.h"
#include "platform/qt/NamedColours.h"

namespace editortest {

editor::LocalDateTime FixedNow() {
  editor::LocalDateTime t;
  t.Date = {2024, 3, 5};
  t.Hour = 13;
  t.Minute = 5;
  t.Second = 9;
  return t;
}

void EditorFixture::SetUp() {
  now = FixedNow();
  editor::SetLocalClock([this] { return now; });
  platform::SetBeepSink([this](platform::BeepKind k) { beeps.push_back(k); });
  window = std::make_unique<QWidget>();
  window->resize(852, 612);
  platform::SetWindowColour(window.get(), 13160660);
  auto* pages = new QWidget(window.get());
  pages->setGeometry(104, 0, 748, 612);
  editor = new TFrameBearbeiten(pages);
  editor->setGeometry(2, 2, 744, 608);
  viewMenu = new TFrameMenuAnsichtBearbeiten(window.get());
  zoomMenu = new TFrameMenuZoomBearbeiten(window.get());
  gridMenu = new TFrameMenuRasterBearbeiten(window.get());
  viewMenu->move(104 + 2 + editor->PanelAnsicht->x(), 2 + 32 + 56);
  zoomMenu->move(104 + 2 + editor->PanelZoom->x(), 2 + 32 + 56);
  gridMenu->move(104 + 2 + editor->PanelRaster->x(), 2 + 32 + 56);
  host.Menus = {viewMenu, zoomMenu, gridMenu};
  editor->SetHost(&host);
  editor->SetMenus(viewMenu, zoomMenu, gridMenu);
  editor->SetDataView(&data);
  editor->SetFontChooser(&fonts);
  editor->ResetEditor();
  window->show();
}

void EditorFixture::TearDown() {
  window.reset();
  editor::SetLocalClock({});
  platform::SetBeepSink(nullptr);
}

void EditorFixture::Open(const printdata::PrintText* text, int view) {
  editor->OpenInEditor(text, QStringLiteral("Bearbeiten - Eier [1]"));
  editor->ShowEditorView(view);
}

bool EditorFixture::LayerHas(int n, std::uint32_t colour) const {
  const platform::Bitmap& b = editor->FrameBearbeitenVorschau->Images.Layers[static_cast<std::size_t>(n)];
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.Pixel(x, y) == colour) return true;
  return false;
}

}  // namespace editortest
