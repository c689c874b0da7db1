// The paste dialog over the data page: its choice, what a paste changes,
// the locks while it shows, its keys and the protection it keeps.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include "DataSetFixture.h"
#include "printdata/ui/TFormEinfuegen.h"
#include "printdata/ui/ToggleLook.h"

using dataviewtest::DataPage;
using platform::OwnEnabled;
using printdata::ui::kChoiceOff;
using printdata::ui::kChoiceOn;

namespace {

class PasteDialog : public DataPage {
 protected:
  void SetUp() override {
    DataPage::SetUp();
    sideBar_ = new QWidget(main_.get());
    dialog_ = new TFormEinfuegen(nullptr);
    dialog_->Connect(d, &sets_, sideBar_);
    Open(3);
    printdata::PrintText& c = d->Clipboard;
    c.Layers[0].Kind = printdata::kKindText;
    c.Layers[0].Text = "Ablage";
    c.Parameters.X1.Drucklaenge = 400;
    c.Parameters.X2.Anzahl = 4;
    c.Note = "Notiz der Ablage";
    for (int i = 0; i < 3; ++i) Text(i).Note = "Notiz " + std::to_string(i + 1);
    clipboard_ = c;
  }
  void TearDown() override {
    delete dialog_;
    DataPage::TearDown();
  }

  printdata::PrintText& Text(int i) { return d->Group.Texts[static_cast<std::size_t>(i)]; }
  void Mark(int i) { d->SelectRow(d->RowImages[static_cast<std::size_t>(i)]); }
  void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent e(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(dialog_, &e);
  }
  // The five choices: layers, parameters, note, marked print text, all.
  std::array<int, 5> Tags() const {
    return {dialog_->SpeedButtonEbenen->Tag, dialog_->SpeedButtonParameter->Tag, dialog_->SpeedButtonNotiz->Tag,
            dialog_->SpeedButtonEinfuegenMarkierterDrucktext->Tag, dialog_->SpeedButtonEinfuegenFuerAlle->Tag};
  }
  std::array<std::uint32_t, 5> Colours() const {
    return {dialog_->PanelEbenen->Color(), dialog_->PanelParameter->Color(), dialog_->PanelNotiz->Color(),
            dialog_->PanelEinfuegenMarkierterDrucktext->Color(), dialog_->PanelEinfuegenFuerAlle->Color()};
  }

  dataviewtest::FakeDataSetHost sets_;
  QWidget* sideBar_ = nullptr;
  TFormEinfuegen* dialog_ = nullptr;
  printdata::PrintText clipboard_;
};

}  // namespace

TEST_F(PasteDialog, EveryShowingStartsWithLayersIntoTheMarkedPrintTextAndLocksTheBars) {
  EXPECT_EQ(dialog_->windowTitle(), QStringLiteral(" Einfügen..."));
  EXPECT_TRUE(dialog_->windowFlags() & Qt::WindowStaysOnTopHint);
  for (int showing = 0; showing < 2; ++showing) {
    dialog_->show();
    EXPECT_EQ(Tags(), (std::array<int, 5>{1, 0, 0, 1, 0}));
    EXPECT_EQ(Colours(), (std::array<std::uint32_t, 5>{kChoiceOn, kChoiceOff, kChoiceOff, kChoiceOn, kChoiceOff}));
    EXPECT_TRUE(OwnEnabled(dialog_->SpeedButtonOK));
    EXPECT_FALSE(sideBar_->isEnabled());
    EXPECT_FALSE(d->PanelTop->isEnabled());
    // Centred on the main window's frame (100, 50, 1000 x 700).
    const QRect f = dialog_->frameGeometry();
    EXPECT_EQ(f.left(), 100 + 500 - f.width() / 2);
    EXPECT_EQ(f.top(), 50 + 350 - f.height() / 2);
    // A different choice, which the next showing forgets.
    dialog_->SpeedButtonNotiz->click();
    dialog_->SpeedButtonEinfuegenFuerAlle->click();
    dialog_->SpeedButtonAbbrechen->click();
    EXPECT_TRUE(dialog_->isHidden());
    EXPECT_TRUE(sideBar_->isEnabled());
    EXPECT_TRUE(d->PanelTop->isEnabled());
  }
  // Esc closes it, and so does the window's close button; both let go of
  // the bars.
  dialog_->show();
  Key(Qt::Key_Escape);
  EXPECT_TRUE(dialog_->isHidden());
  dialog_->show();
  dialog_->close();
  EXPECT_TRUE(dialog_->isHidden());
  EXPECT_TRUE(sideBar_->isEnabled());
  EXPECT_TRUE(d->PanelTop->isEnabled());
  EXPECT_TRUE(d->Group.Texts[0].Layers[0].Text == "Text 1");
}

TEST_F(PasteDialog, WithoutAPartNothingCanBePasted) {
  dialog_->show();
  dialog_->SpeedButtonEbenen->click();
  EXPECT_EQ(dialog_->PanelEbenen->Color(), kChoiceOff);
  EXPECT_FALSE(OwnEnabled(dialog_->SpeedButtonOK));
  Key(Qt::Key_Return);
  EXPECT_EQ(Text(0).Layers[0].Text, "Text 1");
  EXPECT_FALSE(d->IsModified());
  dialog_->SpeedButtonParameter->click();
  EXPECT_TRUE(OwnEnabled(dialog_->SpeedButtonOK));
  // Choosing the target that is chosen changes nothing.
  dialog_->SpeedButtonEinfuegenMarkierterDrucktext->click();
  EXPECT_EQ(Tags(), (std::array<int, 5>{0, 1, 0, 1, 0}));
}

TEST_F(PasteDialog, ParametersIntoTheMarkedPrintText) {
  Mark(1);
  dialog_->show();
  dialog_->SpeedButtonEbenen->click();
  dialog_->SpeedButtonParameter->click();
  const int widthBefore = d->RowImages[1]->width();
  dialog_->SpeedButtonOK->click();

  EXPECT_EQ(Text(1).Parameters, clipboard_.Parameters);
  EXPECT_EQ(Text(1).Layers[0].Text, "Text 2");
  EXPECT_EQ(Text(1).Note, "Notiz 2");
  EXPECT_EQ(Text(0).Parameters, printdata::PrintText().Parameters);
  EXPECT_EQ(Text(2).Parameters, printdata::PrintText().Parameters);
  // The row is drawn anew at the new print length; the mark stays.
  EXPECT_GT(d->RowImages[1]->width(), widthBefore);
  EXPECT_EQ(d->Selected, 1);
  EXPECT_TRUE(d->IsModified());
  EXPECT_TRUE(dialog_->isVisible());
  EXPECT_EQ(d->Clipboard, clipboard_);
}

TEST_F(PasteDialog, EveryPrintTextInUseKeepsTheMarkedRowMarked) {
  d->Count = 3;
  Mark(1);
  dialog_->show();
  dialog_->SpeedButtonNotiz->click();
  dialog_->SpeedButtonEinfuegenFuerAlle->click();
  Key(Qt::Key_Enter);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(Text(i).Layers, clipboard_.Layers) << i;
    EXPECT_EQ(Text(i).Note, clipboard_.Note) << i;
    EXPECT_EQ(Text(i).Parameters, printdata::PrintText().Parameters) << i;
    EXPECT_EQ(d->RowLayers[static_cast<std::size_t>(i)]->LabelEbene[0]->text(), QStringLiteral("Text Ablage")) << i;
  }
  // Print texts beyond the count are not in use and stay as they were.
  EXPECT_EQ(Text(3), printdata::PrintText());
  EXPECT_EQ(d->Selected, 1);
  EXPECT_TRUE(d->ScrollBoxMain->isVisible());
  EXPECT_TRUE(d->IsModified());
}

TEST_F(PasteDialog, WalkingThroughTheRowsAndPastingIntoEach) {
  dialog_->show();
  dialog_->SpeedButtonEbenen->click();
  dialog_->SpeedButtonNotiz->click();
  Key(Qt::Key_Return);
  EXPECT_EQ(Text(0).Note, clipboard_.Note);
  Key(Qt::Key_Down);
  EXPECT_EQ(d->Selected, 1);
  Key(Qt::Key_Return);
  EXPECT_EQ(Text(1).Note, clipboard_.Note);
  EXPECT_EQ(Text(2).Note, "Notiz 3");
  EXPECT_EQ(d->Clipboard, clipboard_);

  const struct {
    int key;
    int from, to;
  } walks[] = {{Qt::Key_Down, 2, 2},   {Qt::Key_PageDown, 1, 2}, {Qt::Key_Up, 0, 0}, {Qt::Key_PageUp, 2, 1},
               {Qt::Key_Home, 2, 0}, {Qt::Key_End, 0, 2}};
  for (const auto& w : walks) {
    Mark(w.from);
    Key(w.key);
    EXPECT_EQ(d->Selected, w.to) << w.key;
  }
  // With a modifier the walking keys do nothing.
  Mark(1);
  Key(Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(d->Selected, 1);
}

TEST_F(PasteDialog, AProtectedPartIsNeverPastedInTheUserMode) {
  d->Group.Protection = "2";  // the parameters
  host.mode = 0;
  dialog_->show();
  dialog_->SpeedButtonParameter->click();  // layers and parameters
  dialog_->SpeedButtonEinfuegenFuerAlle->click();
  dialog_->SpeedButtonOK->click();
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(Text(i).Layers[0].Text, "Text " + std::to_string(i + 1)) << i;
    EXPECT_EQ(Text(i).Parameters, printdata::PrintText().Parameters) << i;
  }
  EXPECT_FALSE(d->IsModified());
  ASSERT_EQ(host.notices.size(), 1u);
  EXPECT_EQ(host.notices[0].title, QStringLiteral("Einfügen"));
  EXPECT_EQ(host.notices[0].line1, QStringLiteral("Schutz für Benutzer ist eingeschaltet!"));
  EXPECT_EQ(host.notices[0].line2, QStringLiteral("Kann von Benutzer nicht ausgeführt werden!"));

  // The parts that are not protected may go.
  dialog_->SpeedButtonParameter->click();
  dialog_->SpeedButtonOK->click();
  EXPECT_EQ(Text(2).Layers, clipboard_.Layers);
  EXPECT_TRUE(d->IsModified());

  // In every other mode protection does not bind.
  host.mode = 2;
  dialog_->SpeedButtonParameter->click();
  dialog_->SpeedButtonOK->click();
  EXPECT_EQ(Text(2).Parameters, clipboard_.Parameters);
  EXPECT_EQ(host.notices.size(), 1u);
}

TEST_F(PasteDialog, WithoutOpenDataNothingHappens) {
  d->CloseData();
  dialog_->show();
  Key(Qt::Key_Return);
  EXPECT_EQ(d->Count, 0);
  EXPECT_EQ(Text(0), printdata::PrintText());
  EXPECT_FALSE(d->IsModified());
}

TEST_F(PasteDialog, HardCopyAndUserGuide) {
  dialog_->show();
  Key(Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(sets_.hardcopyOf, dialog_);
  Key(Qt::Key_F1);
  EXPECT_EQ(sets_.userGuides, 1);
  Key(Qt::Key_F1, Qt::ControlModifier);
  Key(Qt::Key_P);
  EXPECT_EQ(sets_.userGuides, 1);
  EXPECT_EQ(sets_.hardcopies, 1);
}
