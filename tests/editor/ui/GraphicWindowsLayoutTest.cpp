// The graphic pane, the painter and the font chooser at their smallest:
// every control inside its parent, no two controls of a bar on top of each
// other, every caption wide enough for its text. With TARVIK_SCREENSHOT_DIR
// set, each window is also saved there as a PNG to look at.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollArea>
#include <QPixmap>
#include <QTimer>
#include <cstdlib>

#include "editor/ui/TForm_Font.h"
#include "editor/ui/TForm_Paint.h"
#include "editor/ui/TFrameBearbeitenGrafik.h"
#include "printdata/PrintText.h"
#include "support/qt/Screenshot.h"

namespace {

class OneLayer : public editor::ui::GraphicPaneEditor {
 public:
  printdata::PrintText work;
  printdata::LayerObject* WorkLayer(int layer) override {
    return layer >= 0 && layer < 5 ? &work.Layers[static_cast<std::size_t>(layer)] : nullptr;
  }
  bool Loading() const override { return false; }
  int CurrentLayer() const override { return 0; }
  int EditorView() const override { return 0; }
  void RenderLayer(int, std::uint32_t) override {}
  std::int64_t PrintFieldDots() const override { return 600; }
  void HideMenuFrames() override {}
};

void Save(QWidget* w, const char* name) { EXPECT_TRUE(testsupport::SaveScreenshot(w, QString::fromLatin1(name))); }

// Visible widgets inside `root` that lie outside their parent.
void ExpectInsideParents(QWidget* root) {
  for (QWidget* w : root->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(root) || !w->parentWidget() || w->isWindow()) continue;
    if (qobject_cast<QAbstractScrollArea*>(w->parentWidget()->parentWidget())) continue;  // scrolled content
    const QRect inside = w->parentWidget()->rect();
    EXPECT_TRUE(inside.contains(w->geometry())) << w->objectName().toStdString() << " in "
                                                << w->parentWidget()->objectName().toStdString();
  }
}

// Texts that need more room than they have.
void ExpectTextsFit(QWidget* root) {
  for (QCheckBox* b : root->findChildren<QCheckBox*>()) {
    if (b->isVisibleTo(root)) {
      EXPECT_LE(b->sizeHint().width(), b->width()) << b->objectName().toStdString();
    }
  }
  for (QLabel* l : root->findChildren<QLabel*>()) {
    if (l->isVisibleTo(root) && !l->text().isEmpty()) {
      EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->width()) << l->objectName().toStdString();
    }
  }
}

template <class... W>
std::vector<QWidget*> Widgets(W*... widgets) {
  return {static_cast<QWidget*>(widgets)...};
}

void ExpectApart(const std::vector<QWidget*>& widgets) {
  for (std::size_t i = 0; i < widgets.size(); ++i)
    for (std::size_t j = i + 1; j < widgets.size(); ++j) {
      if (!widgets[i]->isVisible() || !widgets[j]->isVisible()) continue;
      const QRect a(widgets[i]->mapToGlobal(QPoint()), widgets[i]->size());
      const QRect b(widgets[j]->mapToGlobal(QPoint()), widgets[j]->size());
      EXPECT_FALSE(a.intersects(b)) << widgets[i]->objectName().toStdString() << " / "
                                    << widgets[j]->objectName().toStdString();
    }
}

}  // namespace

TEST(GraphicWindowsLayout, GraphicPane) {
  OneLayer editor;
  editor.work.Layers[0].Kind = printdata::kKindGraphic;
  QWidget host;
  host.resize(928, 225);
  TFrameBearbeitenGrafik pane(&editor, &host);
  pane.resize(host.size());
  pane.FillFromLayer(0);
  pane.show();
  host.show();
  ExpectInsideParents(&pane);
  ExpectTextsFit(&pane);
  ExpectApart(Widgets(pane.PanelAusrichten, pane.PanelPositionX, pane.PanelPositionY, pane.PanelGrafikProportional,
               pane.PanelGrafikBreite, pane.PanelGrafikHoehe, pane.PanelWerkzeugRuskavel,
               pane.PanelWerkzeugImportieren, pane.PanelWerkzeugExportieren, pane.LabelPositionTitel,
               pane.LabelGrafikTitel, pane.LabelWerkzeugTitel));
  Save(&pane, "graphic_pane");
}

TEST(GraphicWindowsLayout, PainterAtItsSmallestSize) {
  TForm_Paint form;
  platform::Bitmap picture(50, 25);
  for (int x = 0; x < 50; ++x) picture.SetPixel(x, x / 2, platform::kBlack);
  ASSERT_EQ(form.SetBitmap(picture), 0);
  QTimer::singleShot(0, &form, [&] {
    form.resize(TForm_Paint::kMinimumSize);
    QApplication::processEvents();
    for (editor::PaintTool tool : {editor::PaintTool::Pinsel, editor::PaintTool::Einfuegen}) {
      form.ChooseTool(tool);
      ExpectInsideParents(&form);
      ExpectTextsFit(&form);
      std::vector<QWidget*> top = {form.Panel_Zoom, form.Panel_Raster, form.Panel_SW, form.Panel_WS, form.Panel_Dicke,
                                   form.Panel_Transparent, form.SpeedButton_Invertieren, form.SpeedButton_RasternH,
                                   form.SpeedButton_RasternV, form.SpeedButton_Rastern, form.SpeedButton_SpiegelnH,
                                   form.SpeedButton_SpiegelnV, form.SpeedButton_UndoBwd, form.SpeedButton_UndoFwd};
      ExpectApart(top);
      std::vector<QWidget*> left(form.ToolPanels.begin(), form.ToolPanels.end());
      ExpectApart(left);
      ExpectApart(Widgets(form.PanelOK, form.PanelAbbrechen, form.Image_ChangeSize));
      ExpectApart(Widgets(form.Panel_Oben, form.Panel_Left, form.ScrollBox_Paint, form.Panel_Unten));
    }
    form.ChooseTool(editor::PaintTool::Pinsel);
    Save(&form, "painter");
    form.SpeedButtonAbbrechenClick();
  });
  form.ShowModal();
}

TEST(GraphicWindowsLayout, FontChooserAtItsSmallestSize) {
  TForm_Font form;
  form.SetNameAndStyle("Arial", 0);
  form.SetSizeAndWidth(12, 3, "Eier 12.05.2025");
  QTimer::singleShot(0, &form, [&] {
    form.resize(TForm_Font::kMinimumSize);
    QApplication::processEvents();
    ExpectInsideParents(&form);
    ExpectTextsFit(&form);
    ExpectApart(Widgets(form.ComboBox_Name, form.CheckBox_Bolt, form.CheckBox_Italic, form.CheckBox_Underline,
                 form.CheckBox_StrikeOut, form.CheckBox_BesteBreite, form.Label_BesteBreite, form.Label_Vorschau,
                 form.Label_VorschauNr, form.Panel_Vorschau, form.BottomPanel));
    ExpectApart(Widgets(form.ListBox_Name, form.Label_Vorschau, form.Panel_Vorschau));
    ExpectApart(Widgets(form.PanelOK, form.PanelAbbrechen, form.Image_Grip));
    EXPECT_GE(form.ListBox_Name->height(), 60);
    Save(&form, "font_chooser_small");
    form.resize(TForm_Font::kStartSize);
    Save(&form, "font_chooser");
    form.SpeedButtonAbbrechenClick();
  });
  form.ShowModal();
}
