// The view menu: columns and zoom.
#include <gtest/gtest.h>

#include "DataPageFixture.h"
#include "printdata/ui/TFrameMenuAnsicht.h"

using dataviewtest::DataPage;

namespace {

using ViewMenu = DataPage;

const QString kMinus = QStringLiteral("-") + QString(20, QChar(' '));
const QString kPlus = QString(20, QChar(' ')) + QStringLiteral("+");

}  // namespace

TEST_F(ViewMenu, Form) {
  TFrameMenuAnsicht* v = menus.Ansicht;
  EXPECT_TRUE(v->isHidden());
  EXPECT_EQ(v->size(), QSize(193, 241));
  EXPECT_EQ(v->PanelMain2->geometry(), QRect(0, 176, 193, 65));
  EXPECT_EQ(v->PanelNotizen->geometry(), QRect(8, 120, 176, 48));
  EXPECT_EQ(v->PanelZoom->geometry(), QRect(8, 8, 176, 48));
  // The two halves of the zoom field keep their places when shown.
  v->show();
  EXPECT_EQ(v->SpeedButtonZoomDown->mapTo(v->PanelZoom, QPoint()), QPoint(0, 0));
  EXPECT_EQ(v->SpeedButtonZoomUp->mapTo(v->PanelZoom, QPoint()), QPoint(88, 0));
  EXPECT_EQ(v->SpeedButtonZoomUp->size(), QSize(88, 48));
  EXPECT_EQ(v->LabelZoom->Tag, 2);
  EXPECT_EQ(v->LabelZoom->text(), QStringLiteral("2x"));
  EXPECT_EQ(v->SpeedButtonZoomDown->Caption(), kMinus);
  EXPECT_EQ(v->SpeedButtonZoomUp->Caption(), kPlus);
  for (auto* b : {v->SpeedButtonEbenen, v->SpeedButtonParameter, v->SpeedButtonNotizen}) EXPECT_EQ(b->Tag, 0);
  // The zoom labels let clicks through to the halves.
  EXPECT_EQ(v->PanelZoom->childAt(v->LabelZoom->geometry().center() - QPoint(40, 0)), v->SpeedButtonZoomDown);
}

TEST_F(ViewMenu, ColumnTogglesCloseTheMenuAndLayTheRowsOut) {
  Open(2);
  TFrameMenuAnsicht* v = menus.Ansicht;
  v->show();
  v->SpeedButtonParameter->click();
  EXPECT_TRUE(v->isHidden());
  EXPECT_EQ(v->SpeedButtonParameter->Tag, 1);
  EXPECT_EQ(v->PanelParameter->Color(), 0x800000u);
  EXPECT_TRUE(v->SpeedButtonParameter->font().bold());
  EXPECT_EQ(v->SpeedButtonParameter->FontColor(), 0xFFFFFFu);
  EXPECT_EQ(v->PanelEbenen->Color(), 15790320u);
  EXPECT_FALSE(d->RowParameters[0]->isHidden());
  EXPECT_EQ(d->RowParameters[0]->y(), 61);
  v->SpeedButtonParameter->click();
  EXPECT_EQ(v->SpeedButtonParameter->Tag, 0);
  EXPECT_TRUE(d->RowParameters[0]->isHidden());
  // A stored 2 counts as hidden; the next click shows the column.
  v->SpeedButtonNotizen->Tag = 2;
  v->ApplyColumns();
  EXPECT_EQ(v->PanelNotizen->Color(), 15790320u);
  v->SpeedButtonNotizen->click();
  EXPECT_EQ(v->SpeedButtonNotizen->Tag, 1);
  EXPECT_FALSE(d->RowNotes[1]->isHidden());
}

TEST_F(ViewMenu, ZoomStepsStopAtOneAndFive) {
  Open(1);
  TFrameMenuAnsicht* v = menus.Ansicht;
  v->SpeedButtonZoomDown->click();
  EXPECT_EQ(v->LabelZoom->Tag, 1);
  EXPECT_EQ(v->LabelZoom->text(), QStringLiteral("1x"));
  EXPECT_EQ(v->SpeedButtonZoomDown->Caption(), QString());
  EXPECT_EQ(v->SpeedButtonZoomUp->Caption(), kPlus);
  EXPECT_EQ(d->RowImages[0]->height(), 25);
  v->SpeedButtonZoomDown->click();  // the blank half still clamps
  EXPECT_EQ(v->LabelZoom->Tag, 1);
  for (int i = 0; i < 6; ++i) v->SpeedButtonZoomUp->click();
  EXPECT_EQ(v->LabelZoom->Tag, 5);
  EXPECT_EQ(v->LabelZoom->text(), QStringLiteral("5x"));
  EXPECT_EQ(v->SpeedButtonZoomUp->Caption(), QString());
  EXPECT_EQ(v->SpeedButtonZoomDown->Caption(), kMinus);
  EXPECT_EQ(d->RowImages[0]->size(), QSize(900, 125));
  v->SpeedButtonZoomDown->click();
  EXPECT_EQ(v->LabelZoom->text(), QStringLiteral("4x"));
  EXPECT_EQ(v->SpeedButtonZoomUp->Caption(), kPlus);
}

TEST_F(ViewMenu, StoredZoomOutsideTheRange) {
  TFrameMenuAnsicht* v = menus.Ansicht;
  const struct { int stored, shown; } cases[] = {{9, 5}, {0, 1}, {-3, 1}, {3, 3}};
  for (const auto& c : cases) {
    v->LabelZoom->Tag = c.stored;
    v->ApplyZoom();
    EXPECT_EQ(v->LabelZoom->Tag, c.shown);
    EXPECT_EQ(v->LabelZoom->text(), QString::number(c.shown) + "x");
  }
}

TEST_F(ViewMenu, SettingsOutliveTheData) {
  Open(2);
  menus.Ansicht->SpeedButtonEbenen->click();
  menus.Ansicht->SpeedButtonZoomUp->click();
  d->Count = 0;
  d->Repaint();
  Open(3);
  EXPECT_EQ(menus.Ansicht->SpeedButtonEbenen->Tag, 1);
  EXPECT_EQ(d->Zoom(), 3);
  EXPECT_FALSE(d->RowLayers[2]->isHidden());
  EXPECT_EQ(d->RowImages[2]->height(), 75);
}

TEST_F(ViewMenu, BackgroundClickClosesIt) {
  menus.Ansicht->show();
  Click(menus.Ansicht->PanelMain2);
  EXPECT_TRUE(menus.Ansicht->isHidden());
  menus.Ansicht->show();
  Click(menus.Ansicht->PanelMain1);
  EXPECT_TRUE(menus.Ansicht->isHidden());
}
