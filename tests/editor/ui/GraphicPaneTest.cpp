// The graphic pane on the offscreen platform, with a working copy of its
// own standing in for the editor frame.
#include <gtest/gtest.h>

#include <QApplication>
#include <algorithm>
#include <vector>

#include "editor/BmpFile.h"
#include "editor/GraphicBitmap.h"
#include "editor/GraphicPicture.h"
#include "editor/ui/TFrameBearbeitenGrafik.h"
#include "platform/Beep.h"
#include "platform/FileIO.h"
#include "printdata/PrintText.h"
#include "support/FileBytes.h"
#include "support/TempDir.h"
#include "tests/editor/MonoBmp.h"

using platform::Bitmap;

namespace {

class FakeEditor : public editor::ui::GraphicPaneEditor {
 public:
  printdata::PrintText work;
  bool loading = false;
  int current = 2;
  int view = 2;
  std::int64_t fieldDots = 180;  // 30 mm
  std::vector<std::pair<int, std::uint32_t>> renders;
  int menusHidden = 0;

  printdata::LayerObject* WorkLayer(int layer) override {
    return layer >= 0 && layer < printdata::kLayerCount ? &work.Layers[static_cast<std::size_t>(layer)] : nullptr;
  }
  bool Loading() const override { return loading; }
  int CurrentLayer() const override { return current; }
  int EditorView() const override { return view; }
  void RenderLayer(int layer, std::uint32_t colour) override { renders.emplace_back(layer, colour); }
  std::int64_t PrintFieldDots() const override { return fieldDots; }
  void HideMenuFrames() override { ++menusHidden; }
};

class GraphicPane : public ::testing::Test {
 protected:
  void SetUp() override {
    previousBeep_ = platform::SetBeepSink([this](platform::BeepKind) { ++beeps; });
    printdata::LayerObject& l = layer();
    l.Kind = printdata::kKindGraphic;
    l.GraphicWidth = 50;
    l.GraphicHeight = 25;
    l.Pixels = std::string(50 * 25, '0');
    l.PosX = 10;
    l.PosY = 0;
    pane = std::make_unique<TFrameBearbeitenGrafik>(&editor);
    pane->Services.ChooseFile = [this](const QString& title, std::uint8_t mode) -> std::optional<std::string> {
      titles.push_back(title);
      modes.push_back(mode);
      return chosen;
    };
    pane->Services.Paint = [this](const Bitmap& picture) {
      painted = picture;
      return paintOutcome;
    };
  }
  void TearDown() override { platform::SetBeepSink(previousBeep_); }

  printdata::LayerObject& layer() { return editor.work.Layers[2]; }
  void Fill() {
    editor.loading = true;
    pane->FillFromLayer(2);
    editor.loading = false;
  }
  void Click(QAbstractButton* b) { b->click(); }

  FakeEditor editor;
  std::unique_ptr<TFrameBearbeitenGrafik> pane;
  std::optional<std::string> chosen;
  std::vector<QString> titles;
  std::vector<std::uint8_t> modes;
  Bitmap painted;
  TFrameBearbeitenGrafik::PaintOutcome paintOutcome;
  int beeps = 0;

 private:
  platform::BeepSink previousBeep_;
};

}  // namespace

TEST_F(GraphicPane, FillingShowsTheLayerWithFixedStopsAndProportionalOnAndStoresNothing) {
  layer().PosX = -600;
  Fill();
  EXPECT_EQ(pane->LabelPositionX->Tag, -600);
  EXPECT_EQ(pane->LabelPositionX->text(), "-600");
  EXPECT_EQ(pane->SpeedButtonPositionXDown->Caption(), "");  // the limit marker
  // The triangles stand after or before 15 blanks, "-" and "+" after or
  // before 20.
  EXPECT_EQ(pane->SpeedButtonPositionXUp->Caption(), QString(15, ' ') + QStringLiteral("\u25BA"));
  EXPECT_EQ(pane->SpeedButtonGrafikBreiteDown->Caption(), QStringLiteral("-") + QString(20, ' '));
  EXPECT_EQ(pane->LabelAusrichten->Tag, 1);
  EXPECT_EQ(pane->LabelAusrichten->text(), "Fix");
  EXPECT_TRUE(pane->PanelAusrichtenShow->isVisibleTo(pane.get()));
  EXPECT_EQ(pane->LabelGrafikProportional->text(), "Ein");
  EXPECT_EQ(pane->RefWidth, 50);
  EXPECT_EQ(pane->RefHeight, 25);
  EXPECT_EQ(pane->Image_Bearbeiten1.Width(), 50);
  EXPECT_TRUE(editor.renders.empty());
}

TEST_F(GraphicPane, FixedStopsOfAThirtyMillimetreField) {
  Fill();
  pane->LabelPositionX->Tag = 0;
  std::vector<int> xs;
  for (int i = 0; i < 3; ++i) {
    Click(pane->SpeedButtonPositionXUp);
    xs.push_back(pane->LabelPositionX->Tag);
  }
  for (int i = 0; i < 3; ++i) {
    Click(pane->SpeedButtonPositionXDown);
    xs.push_back(pane->LabelPositionX->Tag);
  }
  EXPECT_EQ(xs, (std::vector<int>{65, 130, 130, 65, 0, 0}));
  EXPECT_EQ(layer().PosX, 0);
  EXPECT_EQ(editor.renders.back(), (std::pair<int, std::uint32_t>{2, 255u}));
  EXPECT_EQ(editor.menusHidden, 6);
  std::vector<int> ys;
  for (int i = 0; i < 3; ++i) {
    Click(pane->SpeedButtonPositionYDown);
    ys.push_back(pane->LabelPositionY->Tag);
  }
  EXPECT_EQ(ys, (std::vector<int>{0, 0, 0}));  // 25 rows high: every stop is 0
}

TEST_F(GraphicPane, FreeStepsAndRepeatsAreClampedToTheLimits) {
  Fill();
  Click(pane->SpeedButtonAusrichten);  // Frei
  EXPECT_EQ(pane->LabelAusrichten->text(), "Frei");
  pane->LabelPositionY->Tag = 49;
  emit pane->SpeedButtonPositionYUp->pressed();
  EXPECT_TRUE(pane->TimerVertikal->isActive());
  EXPECT_EQ(pane->TimerVertikal->interval(), 500);
  EXPECT_EQ(pane->LabelPositionY->Tag, 49);  // the press itself moves nothing
  pane->TimerVertikalTimer();
  EXPECT_EQ(pane->TimerVertikal->interval(), 25);
  pane->TimerVertikalTimer();
  EXPECT_EQ(pane->LabelPositionY->Tag, 50);
  EXPECT_EQ(pane->SpeedButtonPositionYUp->Caption(), "");
  emit pane->SpeedButtonPositionYUp->released();
  EXPECT_FALSE(pane->TimerVertikal->isActive());
  EXPECT_EQ(layer().PosY, 50);

  // In fixed mode a held position button does not repeat.
  Click(pane->SpeedButtonAusrichten);
  emit pane->SpeedButtonPositionXDown->pressed();
  EXPECT_FALSE(pane->TimerHorizontal->isActive());
}

TEST_F(GraphicPane, ProportionalSizeStepsRescaleFromTheUnscaledBitmap) {
  layer().Pixels = std::string(50 * 25, '1');
  Fill();
  Click(pane->SpeedButtonGrafikBreiteUp);
  EXPECT_EQ(pane->LabelGrafikBreite->Tag, 51);
  EXPECT_EQ(pane->LabelGrafikHoehe->Tag, 25);
  Click(pane->SpeedButtonGrafikBreiteDown);
  Click(pane->SpeedButtonGrafikBreiteDown);
  EXPECT_EQ(pane->LabelGrafikHoehe->Tag, 24);
  EXPECT_EQ(layer().GraphicWidth, 49);
  EXPECT_EQ(layer().GraphicHeight, 24);
  EXPECT_EQ(layer().Pixels, std::string(49 * 24, '1'));
  // Without proportional scaling the other side stays.
  Click(pane->SpeedButtonGrafikProportional);
  Click(pane->SpeedButtonGrafikHoeheUp);
  EXPECT_EQ(layer().GraphicWidth, 49);
  EXPECT_EQ(layer().GraphicHeight, 25);
  EXPECT_EQ(layer().Pixels.size(), 49u * 25u);
}

TEST_F(GraphicPane, ALayerWithoutSizeDividesByNothing) {
  layer().GraphicWidth = 0;
  layer().GraphicHeight = 0;
  layer().Pixels.clear();
  Fill();
  EXPECT_EQ(pane->RefWidth, 0);
  // The press clamps 0 to 1, the click steps to 2.
  Click(pane->SpeedButtonGrafikBreiteUp);
  EXPECT_EQ(layer().GraphicWidth, 2);
  EXPECT_GE(layer().GraphicHeight, 1);
  EXPECT_EQ(layer().Pixels.size(), static_cast<std::size_t>(layer().GraphicWidth * layer().GraphicHeight));
}

TEST_F(GraphicPane, NothingIsStoredWhileTheEditorLoads) {
  Fill();
  editor.loading = true;
  pane->SetPosition(-5000, 70);
  EXPECT_EQ(pane->PositionX(), -600);
  EXPECT_EQ(pane->PositionY(), 50);
  EXPECT_EQ(layer().PosX, 10);
  EXPECT_TRUE(editor.renders.empty());
  editor.loading = false;
  pane->StoreLayer();
  EXPECT_EQ(layer().PosX, -600);
  EXPECT_EQ(layer().PosY, 50);
}

TEST_F(GraphicPane, ALargeImportIsTakenInAtTheLargestGraphicSize) {
  testsupport::TempDir dir;
  Bitmap picture(1200, 300);
  for (int x = 0; x < 1200; x += 6) picture.SetPixel(x, 0, platform::kBlack);  // single columns
  chosen = dir / "gross.bmp";
  ASSERT_TRUE(platform::WriteFileAtomic(*chosen, editortest::MonoBmp(picture)));
  Fill();
  Click(pane->SpeedButtonWerkzeugImportieren);
  EXPECT_EQ(titles.back(), "Grafik - Importieren");
  EXPECT_EQ(modes.back(), 0);
  EXPECT_EQ(layer().GraphicWidth, 1000);
  EXPECT_EQ(layer().GraphicHeight, 250);
  ASSERT_EQ(layer().Pixels.size(), 250000u);
  // One bit per pixel: the shrinking keeps every thin column.
  EXPECT_EQ(std::count(layer().Pixels.begin(), layer().Pixels.begin() + 1000, '1'), 200);
  EXPECT_EQ(pane->RefWidth, 1000);
  EXPECT_EQ(pane->LabelGrafikProportional->Tag, 1);
  EXPECT_EQ(pane->Image_Bearbeiten.Width(), 1200);  // the unscaled bitmap keeps all of it
  Click(pane->SpeedButtonGrafikBreiteUp);
  EXPECT_EQ(layer().GraphicWidth, 1000);
  EXPECT_EQ(layer().GraphicHeight, 250);
}

TEST_F(GraphicPane, AnImportOfAPlainPictureKeepsItsSizeAndMakesEveryColourButWhiteADot) {
  testsupport::TempDir dir;
  Bitmap picture(3, 2);
  picture.SetPixel(0, 0, 0xFEFFFF);
  picture.SetPixel(2, 1, 0x00FF00);
  chosen = dir / "klein.bmp";
  ASSERT_TRUE(platform::WriteFileAtomic(*chosen, editor::EncodeBmp(picture)));
  Fill();
  Click(pane->SpeedButtonWerkzeugImportieren);
  EXPECT_EQ(layer().GraphicWidth, 3);
  EXPECT_EQ(layer().GraphicHeight, 2);
  EXPECT_EQ(layer().Pixels, "100001");
  EXPECT_EQ(beeps, 0);
}

TEST_F(GraphicPane, AFailedOrCancelledImportChangesNothing) {
  testsupport::TempDir dir;
  Fill();
  const printdata::LayerObject before = layer();
  chosen.reset();
  Click(pane->SpeedButtonWerkzeugImportieren);
  EXPECT_EQ(beeps, 0);
  std::string damaged = editor::EncodeBmp(Bitmap(8, 8));
  damaged.resize(damaged.size() / 2);
  chosen = dir / "kaputt.bmp";
  ASSERT_TRUE(platform::WriteFileAtomic(*chosen, damaged));
  Click(pane->SpeedButtonWerkzeugImportieren);
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(layer(), before);
  EXPECT_EQ(pane->Image_Bearbeiten1.Width(), 50);
  // A later size step does not blank the graphic.
  layer().Pixels[0] = '1';
  Fill();
  Click(pane->SpeedButtonGrafikProportional);
  Click(pane->SpeedButtonGrafikBreiteUp);
  EXPECT_EQ(layer().Pixels[0], '1');
}

TEST_F(GraphicPane, ExportWritesTheUnscaledBitmap) {
  testsupport::TempDir dir;
  layer().Pixels = std::string(50 * 25, '0');
  layer().Pixels[0] = '1';
  Fill();
  Click(pane->SpeedButtonGrafikBreiteUp);  // 51 x 25 in the layer
  chosen = dir / "aus.bmp";
  Click(pane->SpeedButtonWerkzeugExportieren);
  EXPECT_EQ(titles.back(), "Grafik - Exportieren");
  EXPECT_EQ(modes.back(), 1);
  auto written = editor::DecodeGraphicPicture(testsupport::FileBytes(*chosen));
  ASSERT_TRUE(written);
  EXPECT_EQ(written->Picture.Width(), 50);  // the unscaled size
  // Refilled from the layer it writes the stored size in black and white.
  Fill();
  Click(pane->SpeedButtonWerkzeugExportieren);
  written = editor::DecodeGraphicPicture(testsupport::FileBytes(*chosen));
  ASSERT_TRUE(written);
  EXPECT_EQ(written->Picture.Width(), 51);
  EXPECT_EQ(written->Picture.Pixel(0, 0), platform::kBlack);
  EXPECT_EQ(written->Picture.Pixel(2, 0), platform::kWhite);
  // A folder that does not exist: the error beep.
  chosen = dir / "fehlt/aus.bmp";
  Click(pane->SpeedButtonWerkzeugExportieren);
  EXPECT_EQ(beeps, 1);
}

TEST_F(GraphicPane, ThePainterEditsTheScaledBitmapAndFixesItsSize) {
  Fill();
  Click(pane->SpeedButtonGrafikProportional);
  Click(pane->SpeedButtonGrafikBreiteUp);  // 51 x 25
  paintOutcome.Result = 1;
  paintOutcome.Picture = Bitmap(51, 25);
  paintOutcome.Picture.SetPixel(50, 24, platform::kBlack);
  Click(pane->SpeedButtonWerkzeugRuskavel);
  EXPECT_EQ(painted.Width(), 51);
  EXPECT_EQ(layer().GraphicWidth, 51);
  EXPECT_EQ(layer().Pixels.back(), '1');
  EXPECT_EQ(pane->Image_Bearbeiten.Width(), 51);
  EXPECT_EQ(pane->RefWidth, 50);  // the reference stays

  const printdata::LayerObject before = layer();
  paintOutcome.Result = 2;
  Click(pane->SpeedButtonWerkzeugRuskavel);
  EXPECT_EQ(layer(), before);
  paintOutcome.Result = -10;
  Click(pane->SpeedButtonWerkzeugRuskavel);
  EXPECT_EQ(layer(), before);
  EXPECT_EQ(beeps, 1);
}

TEST_F(GraphicPane, PositionNumbersAndCaptionsForTheEditor) {
  Fill();
  pane->ShowPositionNumbers(false);
  EXPECT_FALSE(pane->LabelPositionX->isVisibleTo(pane.get()));
  EXPECT_FALSE(pane->LabelPositionY->isVisibleTo(pane.get()));
  pane->ShowPositionNumbers(true);
  EXPECT_TRUE(pane->LabelPositionX->isVisibleTo(pane.get()));
  EXPECT_EQ(pane->ExportCaption(), "Exportieren");
  EXPECT_EQ(pane->ToolTitle(), "Grafik");
  EXPECT_EQ(pane->Pane(), pane.get());
}

TEST_F(GraphicPane, LoadAndStoreBitmapIgnoreOtherLayers) {
  Fill();
  const printdata::PrintText before = editor.work;
  pane->StoreBitmap(5);
  pane->StoreBitmap(-1);
  pane->LoadBitmap(7);
  EXPECT_EQ(editor.work, before);
  EXPECT_EQ(pane->Image_Bearbeiten1.Width(), 50);
}
