// The data page inside the main window: its place among the main window's
// controls, keys and wheel, the report and the message window's hold on
// input. The page's own behaviour is tested in tests/printdata/ui.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QWindow>
#include <cstdlib>

#include "AppFixture.h"
#include "app/DataViewLinks.h"
#include "app/TFormMessage.h"
#include "app/TForm_Main.h"
#include "editor/DateFormats.h"
#include "editor/TimeFormats.h"
#include "printdata/ui/TFrameDaten.h"
#include "printdata/ui/TFrameMenuAnsicht.h"
#include "printdata/ui/TFrameMenuBearbeiten.h"
#include "printdata/ui/TFrameMenuSchutz.h"

using platform::OwnEnabled;

namespace {

class DataView : public apptest::AppFixture {
 protected:
  TFrameDaten& Daten() { return *Form_Main->FrameDaten; }

  // A data set of `count` print texts with every kind of layer and a note.
  void Open(int count) {
    TFrameDaten& d = Daten();
    for (int i = 0; i < count; ++i) {
      printdata::PrintText& t = d.Group.Texts[static_cast<std::size_t>(i)];
      t.Parameters.X1.Drucklaenge = 300 + 10 * (i % 40);
      t.Parameters.X1.Anzahl = 1 + i % 3;
      t.Layers[0].Kind = printdata::kKindText;
      t.Layers[0].Text = "Charge " + std::to_string(1000 + i);
      t.Layers[1].Kind = printdata::kKindDate;
      editor::ApplyDateFormat(t, 1, i % 39);
      t.Layers[1].PosX = 110;
      t.Layers[2].Kind = printdata::kKindTime;
      editor::ApplyTimeFormat(t, 2, i % 12);
      t.Layers[2].PosX = 200;
      t.Layers[3].Kind = printdata::kKindGraphic;
      t.Layers[3].PosX = 260;
      t.Layers[3].GraphicWidth = 12;
      t.Layers[3].GraphicHeight = 12;
      t.Layers[3].Pixels = std::string(144, '1');
      t.Note = "Notiz " + std::to_string(i + 1) + "\r\nzweite Zeile";
    }
    d.Count = count;
    d.Selected = 0;
    d.PanelTitel->SetCaption(QStringLiteral("Eier"));
    for (int i = 0; i < count; ++i) d.RenderRow(i);
    d.Repaint();
    Form_Main->CloseMenusAndRefresh();
  }

  void AllColumns() {
    TFrameMenuAnsicht* v = Form_Main->FrameMenuAnsicht;
    v->SpeedButtonEbenen->Tag = 1;
    v->SpeedButtonParameter->Tag = 1;
    v->SpeedButtonNotizen->Tag = 1;
    v->ApplyColumns();
  }

  // With TARVIK_SCREENSHOT_DIR set, the main window as the screen shows it.
  void Screenshot(const char* name) {
    const char* dir = std::getenv("TARVIK_SCREENSHOT_DIR");
    if (!dir) return;
    QApplication::processEvents();
    QPixmap shot;
    if (QScreen* screen = Form_Main->windowHandle() ? Form_Main->windowHandle()->screen() : nullptr)
      shot = screen->grabWindow(Form_Main->winId());
    if (shot.isNull()) shot = Form_Main->grab();
    shot.save(QString::fromLocal8Bit(dir) + "/" + name + ".png");
  }
};

}  // namespace

TEST_F(DataView, NinetyNineRowsAtZoomTwoWithAllColumnsAtTheSmallestSize) {
  Form_Main->show();
  Form_Main->resize(852, 612);
  Open(99);
  AllColumns();
  QApplication::processEvents();
  Screenshot("dataview-99-zoom2-min");
  TFrameDaten& d = Daten();
  // The top bar's buttons lie side by side inside the page.
  const QWidget* panels[] = {d.PanelAnsicht, d.PanelOeffnen,  d.PanelSpeichern, d.PanelSchliessen,
                             d.PanelWerkzeug, d.PanelSchutz, d.PanelRapport,   d.PanelHilfe};
  for (std::size_t i = 0; i + 1 < std::size(panels); ++i)
    EXPECT_LT(panels[i]->geometry().right(), panels[i + 1]->x()) << i;
  EXPECT_LE(d.PanelHilfe->geometry().right(), d.PanelTop->width() - 1);
  EXPECT_EQ(d.PanelSchutz->x(), 488);
  // The columns fit beside the vertical scroll bar.
  EXPECT_GE(d.ScrollBoxMain->viewport()->width(), 44 + 668);
  EXPECT_EQ(d.RowLayers[0]->y(), 61);
  EXPECT_EQ(d.RowImages[1]->y() - d.RowImages[0]->y(), 258);
}
