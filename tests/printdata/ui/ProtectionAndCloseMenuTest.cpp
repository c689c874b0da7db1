// The protection menu and the close menu.
#include <gtest/gtest.h>

#include "DataPageFixture.h"
#include "printdata/ui/TFrameMenuAnsicht.h"
#include "printdata/ui/TFrameMenuBearbeiten.h"
#include "printdata/ui/TFrameMenuSchliessen.h"
#include "printdata/ui/TFrameMenuSchutz.h"

using dataviewtest::DataPage;
using platform::OwnEnabled;

namespace {

class ProtectionMenu : public DataPage {
 protected:
  TFrameMenuSchutz* s() { return menus.Schutz; }
  bool SchutzHighlighted() const {
    return d->PanelSchutz->Color() == 0x800000u && d->SpeedButtonSchutz->FontColor() == 0xFFFFFFu &&
           d->SpeedButtonSchutz->font().bold();
  }
};

using CloseMenu = DataPage;

}  // namespace

TEST_F(ProtectionMenu, Form) {
  EXPECT_EQ(s()->size(), QSize(193, 177));
  EXPECT_EQ(s()->PanelParameter->geometry(), QRect(8, 64, 176, 48));
  EXPECT_FALSE(OwnEnabled(s()->SpeedButtonEbenen));
  EXPECT_TRUE(OwnEnabled(s()->SpeedButtonParameter));
  EXPECT_TRUE(s()->isHidden());
}

TEST_F(ProtectionMenu, AdministratorSetsParametersThenNotes) {
  Open(2);
  host.mode = 1;
  d->SpeedButtonSchutz->click();
  s()->SpeedButtonParameter->click();
  EXPECT_EQ(d->Group.Protection, "2");
  EXPECT_FALSE(s()->isHidden());  // stays open for the next toggle
  s()->SpeedButtonNotizen->click();
  EXPECT_EQ(d->Group.Protection, "6");
  EXPECT_TRUE(d->IsModified());
  EXPECT_TRUE(SchutzHighlighted());
  EXPECT_EQ(s()->PanelNotizen->Color(), 0x800000u);
  EXPECT_EQ(d->ParametersProtected(), 1);
  EXPECT_EQ(d->NotesProtected(), 1);
  // Both off again: the button is plain.
  s()->SpeedButtonParameter->click();
  s()->SpeedButtonNotizen->click();
  EXPECT_EQ(d->Group.Protection, "0");
  EXPECT_FALSE(SchutzHighlighted());
  // A click on the background closes it.
  Click(s()->PanelMain);
  EXPECT_TRUE(s()->isHidden());
}

TEST_F(ProtectionMenu, TheUserModeMayNotChangeIt) {
  Open(1);
  host.mode = 0;
  s()->show();
  s()->SpeedButtonParameter->click();
  ASSERT_EQ(host.notices.size(), 1u);
  EXPECT_EQ(host.notices[0].title, QStringLiteral("Parameter"));
  EXPECT_EQ(host.notices[0].line1, QStringLiteral("Kann von Benutzer nicht verändert werden!"));
  EXPECT_EQ(host.notices[0].colour, 0xC0C0C0u);
  EXPECT_EQ(d->Group.Protection, "");
  EXPECT_FALSE(d->IsModified());
  // The layers button is disabled; its panel takes the click.
  Click(s()->SpeedButtonEbenen);
  ASSERT_EQ(host.notices.size(), 2u);
  EXPECT_EQ(host.notices[1].title, QStringLiteral("Ebenen"));
}

TEST_F(ProtectionMenu, TheLayersFieldSaysNothingInOtherModes) {
  Open(1);
  host.mode = 2;
  s()->show();
  Click(s()->SpeedButtonEbenen);
  EXPECT_TRUE(host.notices.empty());
  EXPECT_EQ(d->Group.Protection, "");
}

TEST_F(ProtectionMenu, ALoadedSevenShowsTwoTogglesAndLosesTheLayersBitWhenStored) {
  Open(1);
  d->Group.Protection = "7";
  host.CloseMenusAndRefresh();
  EXPECT_EQ(s()->SpeedButtonEbenen->Tag, 0);
  EXPECT_EQ(s()->SpeedButtonParameter->Tag, 1);
  EXPECT_EQ(s()->SpeedButtonNotizen->Tag, 1);
  EXPECT_EQ(s()->PanelEbenen->Color(), 15790320u);
  EXPECT_EQ(d->LayersProtected(), 1);
  s()->SpeedButtonNotizen->click();
  EXPECT_EQ(d->Group.Protection, "2");
  EXPECT_EQ(d->LayersProtected(), 0);
}

TEST_F(ProtectionMenu, ALoadedOneShowsNothingButStillLocksTheUser) {
  Open(3);
  menus.Bearbeiten->SpeedButtonKopieren->click();
  d->Group.Protection = "1";
  host.mode = 0;
  host.CloseMenusAndRefresh();
  for (auto* b : {s()->SpeedButtonEbenen, s()->SpeedButtonParameter, s()->SpeedButtonNotizen}) EXPECT_EQ(b->Tag, 0);
  EXPECT_FALSE(SchutzHighlighted());
  EXPECT_TRUE(d->AnyProtected());
  EXPECT_FALSE(OwnEnabled(menus.Bearbeiten->SpeedButtonNeu));
  EXPECT_FALSE(OwnEnabled(menus.Bearbeiten->SpeedButtonEinfuegen));
  EXPECT_TRUE(OwnEnabled(menus.Bearbeiten->SpeedButtonKopieren));
}

TEST_F(CloseMenu, FormAndNein) {
  TFrameMenuSchliessen* c = menus.Schliessen;
  EXPECT_EQ(c->size(), QSize(193, 121));
  EXPECT_EQ(c->PanelSchliessenNein->geometry(), QRect(8, 64, 176, 48));
  Open(2);
  d->SetModified(true);
  d->SpeedButtonSchliessen->click();
  EXPECT_FALSE(c->isHidden());
  c->SpeedButtonSchliessenNein->click();
  EXPECT_TRUE(c->isHidden());
  EXPECT_EQ(d->Count, 2);
  EXPECT_TRUE(d->IsModified());
}

TEST_F(CloseMenu, JaClosesWithoutAsking) {
  Open(5, QStringLiteral("Eier"));
  d->PanelTitel->SetHint(QStringLiteral("/data/Eier.zg23"));
  d->Group.Protection = "6";
  d->Group.Note = "x";
  d->SelectRow(d->RowImages[3]);
  d->SetModified(true);
  menus.Bearbeiten->SpeedButtonKopieren->click();
  menus.Ansicht->SpeedButtonEbenen->click();
  host.CloseMenusAndRefresh();
  EXPECT_EQ(d->PanelSchutz->Color(), 0x800000u);
  d->SpeedButtonSchliessen->click();
  menus.Schliessen->SpeedButtonSchliessenJa->click();
  EXPECT_TRUE(menus.Schliessen->isHidden());
  EXPECT_EQ(d->Count, 0);
  EXPECT_EQ(d->Selected, 0);
  EXPECT_EQ(d->PanelTitel->Caption(), QStringLiteral("Daten"));
  EXPECT_EQ(d->PanelTitel->Hint(), QString());
  EXPECT_FALSE(d->IsModified());
  EXPECT_EQ(d->Group.Protection, "");
  EXPECT_EQ(d->Group.Note, "");
  EXPECT_EQ(d->Group.Texts[3], printdata::PrintText{});
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(d->RowImages[i]->isHidden());
  EXPECT_TRUE(d->RowLayers[0]->isHidden());
  EXPECT_TRUE(d->ShapeSelector->isHidden());
  EXPECT_TRUE(d->ScrollBoxMain->updatesEnabled());
  EXPECT_FALSE(OwnEnabled(d->SpeedButtonWerkzeug));
  EXPECT_FALSE(OwnEnabled(d->SpeedButtonRapport));
  EXPECT_TRUE(OwnEnabled(d->SpeedButtonOeffnen));
  // The protection marks are off; the clipboard and the view stay.
  EXPECT_EQ(d->PanelSchutz->Color(), 15790320u);
  EXPECT_EQ(d->Clipboard.Layers[0].Text, "Text 4");
  EXPECT_EQ(menus.Bearbeiten->SpeedButtonEinfuegen->Tag, 1);
  EXPECT_EQ(menus.Ansicht->SpeedButtonEbenen->Tag, 1);
}
