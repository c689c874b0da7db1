// The main window at its smallest size and at its start size: every button
// of the side bar and of the data page's top bar whole and apart.
#include <gtest/gtest.h>

#include <QWidget>
#include <vector>

#include "AppFixture.h"
#include "app/TForm_Main.h"
#include "printdata/ui/TFrameDaten.h"

namespace {

class MainWindowSize : public apptest::AppFixture {
 protected:
  std::vector<QWidget*> TopBar() const {
    TFrameDaten* d = Form_Main->FrameDaten;
    return {d->PanelAnsicht, d->PanelOeffnen, d->PanelSpeichern, d->PanelSchliessen,
            d->PanelWerkzeug, d->PanelSchutz, d->PanelRapport, d->PanelHilfe};
  }
  static QRect InWindow(const QWidget* w) { return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()); }
};

}  // namespace

TEST_F(MainWindowSize, NothingOverlapsOrIsCutOff) {
  Form_Main->show();
  for (const QSize client : {QSize(852, 612), QSize(892, 673), QSize(1200, 800)}) {
    Form_Main->resize(client);
    ASSERT_EQ(Form_Main->size(), client);
    const std::vector<QWidget*> bar = TopBar();
    const QRect top = InWindow(Form_Main->FrameDaten->PanelTop);
    for (std::size_t i = 0; i < bar.size(); ++i) {
      const QRect r = InWindow(bar[i]);
      EXPECT_TRUE(top.contains(r)) << client.width() << " button " << i;
      EXPECT_GE(r.width(), 40) << client.width() << " button " << i;
      EXPECT_EQ(r.height(), 48);
      // Apart by at least a few pixels, in their order.
      if (i > 0) {
        EXPECT_GE(r.left(), InWindow(bar[i - 1]).right() + 4) << client.width() << " button " << i;
      }
    }
    for (QWidget* side : {static_cast<QWidget*>(Form_Main->PanelPrinter), static_cast<QWidget*>(Form_Main->PanelPC),
                          static_cast<QWidget*>(Form_Main->PanelHilfe),
                          static_cast<QWidget*>(Form_Main->PanelTimeDate)})
      EXPECT_TRUE(Form_Main->rect().contains(InWindow(side))) << client.width();
  }
  // With room enough the buttons stand where they always did: "Rapport" and
  // "?" 192 and 96 px from the right edge of the page, the others from 8 on.
  Form_Main->resize(1200, 800);
  const int page = Form_Main->FrameDaten->width();
  EXPECT_EQ(Form_Main->FrameDaten->PanelSchutz->geometry(), QRect(488, 8, 88, 48));
  EXPECT_EQ(Form_Main->FrameDaten->PanelRapport->geometry(), QRect(page - 192, 8, 88, 48));
  EXPECT_EQ(Form_Main->FrameDaten->PanelHilfe->geometry(), QRect(page - 96, 8, 88, 48));
}
