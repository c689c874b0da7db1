// The data list's edit menu.
#include <gtest/gtest.h>

#include "DataPageFixture.h"
#include "printdata/Init.h"
#include "printdata/ui/TFrameMenuBearbeiten.h"

using dataviewtest::DataPage;
using platform::OwnEnabled;

namespace {

class EditMenu : public DataPage {
 protected:
  TFrameMenuBearbeiten* m() { return menus.Bearbeiten; }
  const std::string& TextOf(int i) const { return d->Group.Texts[static_cast<std::size_t>(i)].Layers[0].Text; }
  std::vector<std::string> Texts() const {
    std::vector<std::string> t;
    for (int i = 0; i < d->Count; ++i) t.push_back(TextOf(i));
    return t;
  }
  bool IsDefault(int i) const { return d->Group.Texts[static_cast<std::size_t>(i)] == printdata::PrintText{}; }
  void Mark(int i) { d->SelectRow(d->RowImages[static_cast<std::size_t>(i)]); }
};

using Names = std::vector<std::string>;

}  // namespace

TEST_F(EditMenu, Form) {
  EXPECT_EQ(m()->size(), QSize(193, 417));
  EXPECT_EQ(m()->PanelMain2->geometry(), QRect(0, 64, 193, 120));
  EXPECT_EQ(m()->PanelMain3->geometry(), QRect(0, 184, 193, 233));
  EXPECT_EQ(m()->PanelEinfuegen->geometry(), QRect(8, 121, 176, 48));
  EXPECT_EQ(m()->PanelEinfuegenErweitert->geometry(), QRect(8, 177, 176, 48));
  EXPECT_EQ(m()->SpeedButtonEinfuegenErweitert->Caption(), QStringLiteral("Einfügen..."));
  EXPECT_TRUE(m()->isHidden());
  EXPECT_EQ(m()->SpeedButtonEinfuegen->Tag, 0);
  EXPECT_FALSE(OwnEnabled(m()->SpeedButtonEinfuegen));
  EXPECT_FALSE(OwnEnabled(m()->SpeedButtonEinfuegenErweitert));
}

TEST_F(EditMenu, NewInsertsADefaultPrintTextAfterTheMarkedOne) {
  Open(3);
  Mark(1);
  m()->show();
  m()->SpeedButtonNeu->click();
  EXPECT_TRUE(m()->isHidden());
  EXPECT_EQ(d->Count, 4);
  EXPECT_EQ(Texts(), (Names{"Text 1", "Text 2", "ABC", "Text 3"}));
  EXPECT_TRUE(IsDefault(2));
  EXPECT_EQ(d->Selected, 2);
  EXPECT_TRUE(d->IsModified());
  EXPECT_FALSE(d->RowImages[3]->isHidden());
  // The moved rows show their print texts.
  EXPECT_EQ(d->RowLayers[3]->LabelEbene[0]->text(), QStringLiteral("Text Text 3"));
  EXPECT_EQ(d->RowLayers[2]->LabelEbene[0]->text(), QStringLiteral("-"));

  // On the last one: appended, nothing moves.
  Mark(3);
  m()->SpeedButtonNeu->click();
  EXPECT_EQ(Texts(), (Names{"Text 1", "Text 2", "ABC", "Text 3", "ABC"}));
  EXPECT_EQ(d->Selected, 4);
}

TEST_F(EditMenu, NinetyNinePrintTextsTakeNoNewOne) {
  Open(99);
  EXPECT_FALSE(OwnEnabled(m()->SpeedButtonNeu));
  d->SetModified(false);
  m()->SpeedButtonNeuClick(m()->SpeedButtonNeu);  // even when called
  EXPECT_EQ(d->Count, 99);
  EXPECT_FALSE(d->IsModified());
}

TEST_F(EditMenu, RemoveTakesTheMarkedOneOut) {
  Open(4);
  Mark(1);
  m()->SpeedButtonEntfernen->click();
  EXPECT_EQ(Texts(), (Names{"Text 1", "Text 3", "Text 4"}));
  EXPECT_EQ(d->Selected, 1);
  EXPECT_TRUE(d->IsModified());
  EXPECT_TRUE(d->RowImages[3]->isHidden());
  EXPECT_EQ(TextOf(3), "Text 4");  // kept, no longer shown

  Mark(2);  // the last one
  m()->SpeedButtonEntfernen->click();
  EXPECT_EQ(Texts(), (Names{"Text 1", "Text 3"}));
  EXPECT_EQ(d->Selected, 1);
}

TEST_F(EditMenu, OnePrintTextCannotBeRemovedButCut) {
  Open(1);
  EXPECT_FALSE(OwnEnabled(m()->SpeedButtonEntfernen));
  m()->SpeedButtonEntfernenClick(m()->SpeedButtonEntfernen);
  EXPECT_EQ(d->Count, 1);
  EXPECT_FALSE(d->IsModified());
  m()->SpeedButtonAusschneiden->click();
  EXPECT_EQ(d->Count, 1);
  EXPECT_TRUE(IsDefault(0));
  EXPECT_EQ(d->Clipboard.Layers[0].Text, "Text 1");
  EXPECT_TRUE(d->IsModified());
  EXPECT_EQ(m()->SpeedButtonEinfuegen->Tag, 1);
  EXPECT_TRUE(OwnEnabled(m()->SpeedButtonEinfuegen));
  EXPECT_TRUE(OwnEnabled(m()->SpeedButtonEinfuegenErweitert));
}

TEST_F(EditMenu, CopyThenPasteOntoTheSameRow) {
  Open(2);
  Mark(1);
  const printdata::PrintText before = d->Group.Texts[1];
  m()->SpeedButtonKopieren->click();
  EXPECT_FALSE(d->IsModified());
  EXPECT_TRUE(OwnEnabled(m()->SpeedButtonEinfuegen));
  m()->SpeedButtonEinfuegen->click();
  EXPECT_EQ(d->Group.Texts[1], before);
  EXPECT_TRUE(d->IsModified());
  // Paste overwrites the marked one, it never inserts.
  Mark(0);
  m()->SpeedButtonEinfuegen->click();
  EXPECT_EQ(Texts(), (Names{"Text 2", "Text 2"}));
}

TEST_F(EditMenu, TheClipboardOutlivesClosingAndOpening) {
  Open(3);
  Mark(2);
  d->Group.Texts[2].Note = "kopiert";
  m()->SpeedButtonKopieren->click();
  printdata::GroupInit(d->Group);
  d->Count = 0;
  d->Repaint();
  host.CloseMenusAndRefresh();
  Open(2);
  EXPECT_TRUE(OwnEnabled(m()->SpeedButtonEinfuegen));
  Mark(1);
  m()->SpeedButtonEinfuegen->click();
  EXPECT_EQ(TextOf(1), "Text 3");
  EXPECT_EQ(d->Group.Texts[1].Note, "kopiert");
}

TEST_F(EditMenu, PasteDialogAndEditor) {
  Open(3);
  m()->SpeedButtonKopieren->click();
  m()->SpeedButtonEinfuegenErweitert->click();
  EXPECT_EQ(host.pasteDialogs, 1);
  Mark(2);
  m()->SpeedButtonBearbeiten->click();
  ASSERT_EQ(editor.opened.size(), 1u);
  EXPECT_EQ(editor.opened[0].title, QStringLiteral("Bearbeiten - Eier [3]"));
  EXPECT_EQ(editor.opened[0].view, DataViewEditor::kStartView);
  EXPECT_EQ(editor.opened[0].text, d->Group.Texts[2]);
  EXPECT_TRUE(d->isHidden());
  // An editor that does not open leaves the list.
  d->ShowPage();
  editor.accepts = false;
  m()->SpeedButtonBearbeiten->click();
  EXPECT_FALSE(d->isHidden());
}

TEST_F(EditMenu, ProtectedDataInTheUserMode) {
  Open(3);
  m()->SpeedButtonKopieren->click();
  d->Group.Protection = "2";
  host.mode = 0;
  host.CloseMenusAndRefresh();
  for (QWidget* b : {m()->SpeedButtonNeu, m()->SpeedButtonEntfernen, m()->SpeedButtonAusschneiden,
                     m()->SpeedButtonEinfuegen, m()->SpeedButtonEinfuegenErweitert})
    EXPECT_FALSE(OwnEnabled(b)) << b->objectName().toStdString();
  EXPECT_TRUE(OwnEnabled(m()->SpeedButtonKopieren));
  EXPECT_TRUE(OwnEnabled(m()->SpeedButtonBearbeiten));

  // A click on the disabled button reaches its panel: the two-line notice.
  m()->show();
  Click(m()->SpeedButtonNeu);
  ASSERT_EQ(host.notices.size(), 1u);
  EXPECT_EQ(host.notices[0].title, QStringLiteral("Neu"));
  EXPECT_EQ(host.notices[0].line1, QStringLiteral("Schutz für Benutzer ist eingeschaltet!"));
  EXPECT_EQ(host.notices[0].line2, QStringLiteral("Kann von Benutzer nicht ausgeführt werden!"));
  EXPECT_EQ(host.notices[0].colour, 0xC0C0C0u);
  EXPECT_EQ(d->Count, 3);
  Click(m()->SpeedButtonEinfuegenErweitert);
  EXPECT_EQ(host.notices.back().title, QStringLiteral("Einfügen..."));

  // In the administrator mode everything is on.
  host.mode = 1;
  host.CloseMenusAndRefresh();
  for (QWidget* b : {m()->SpeedButtonNeu, m()->SpeedButtonEntfernen, m()->SpeedButtonAusschneiden,
                     m()->SpeedButtonEinfuegen, m()->SpeedButtonEinfuegenErweitert})
    EXPECT_TRUE(OwnEnabled(b)) << b->objectName().toStdString();
}

TEST_F(EditMenu, PanelClicksWithoutProtectionSayNothing) {
  Open(99);
  m()->show();
  Click(m()->SpeedButtonNeu);  // disabled at 99, but nothing is protected
  EXPECT_TRUE(host.notices.empty());
  // A click beside the buttons closes the menu.
  Click(m()->PanelMain2);
  EXPECT_TRUE(m()->isHidden());
}

TEST_F(EditMenu, NoCountLimitsBeforeAnyCutOrCopy) {
  const struct {
    int count;
    bool neu, entfernen;
  } cases[] = {{1, true, false}, {2, true, true}, {98, true, true}, {99, false, true}};
  for (const auto& c : cases) {
    d->Count = c.count;
    host.CloseMenusAndRefresh();
    EXPECT_EQ(OwnEnabled(m()->SpeedButtonNeu), c.neu) << c.count;
    EXPECT_EQ(OwnEnabled(m()->SpeedButtonEntfernen), c.entfernen) << c.count;
    EXPECT_TRUE(OwnEnabled(m()->SpeedButtonAusschneiden));
    EXPECT_FALSE(OwnEnabled(m()->SpeedButtonEinfuegen));
  }
}
