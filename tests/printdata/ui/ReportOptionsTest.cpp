// The report options: the blocks the report shows, kept from one report to
// the next.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

#include "DataSetFixture.h"
#include "printdata/ui/TFormRapport.h"
#include "printdata/ui/ToggleLook.h"

using platform::OwnEnabled;
using printdata::ui::kChoiceOff;
using printdata::ui::kChoiceOn;

namespace {

class ReportOptions : public ::testing::Test {
 protected:
  void SetUp() override { dialog_.Connect(&sets_); }

  std::array<int, 5> Flags() const {
    return {dialog_.IncludeTexts, dialog_.IncludeLayers, dialog_.IncludeParameters, dialog_.IncludeNotes,
            dialog_.IncludeInfo};
  }
  std::array<std::uint32_t, 5> Colours() const {
    return {dialog_.PanelDrucktexte->Color(), dialog_.PanelEbenen->Color(), dialog_.PanelParameter->Color(),
            dialog_.PanelNotizen->Color(), dialog_.PanelInfo->Color()};
  }
  // Shows the dialog modally, does `step` in it and returns its result.
  int Run(std::function<void()> step) {
    QTimer::singleShot(0, [this, step] {
      if (QApplication::activeModalWidget() != &dialog_) ADD_FAILURE() << "not modal";
      step();
    });
    return dialog_.ShowModal();
  }
  void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent e(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(&dialog_, &e);
  }

  dataviewtest::FakeDataSetHost sets_;
  TFormRapport dialog_{nullptr};
};

}  // namespace

TEST_F(ReportOptions, AFreshStartOffersEveryBlock) {
  EXPECT_EQ(dialog_.windowTitle(), QStringLiteral("Rapport"));
  EXPECT_EQ(Flags(), (std::array<int, 5>{1, 1, 1, 1, 1}));
  EXPECT_FALSE(OwnEnabled(dialog_.SpeedButtonDrucktexte));
  EXPECT_EQ(Run([this] {
              EXPECT_EQ(Colours(), (std::array<std::uint32_t, 5>{kChoiceOn, kChoiceOn, kChoiceOn, kChoiceOn, kChoiceOn}));
              const QRect f = dialog_.frameGeometry();
              EXPECT_EQ(f.left(), 100 + 500 - f.width() / 2);
              EXPECT_EQ(f.top(), 50 + 350 - f.height() / 2);
              dialog_.SpeedButtonOK->click();
            }),
            6);
}

TEST_F(ReportOptions, TheChoiceHoldsForTheNextReport) {
  EXPECT_EQ(Run([this] {
              dialog_.SpeedButtonParameter->click();
              dialog_.SpeedButtonInfo->click();
              EXPECT_EQ(Colours(),
                        (std::array<std::uint32_t, 5>{kChoiceOn, kChoiceOn, kChoiceOff, kChoiceOn, kChoiceOff}));
              Key(Qt::Key_Return);
            }),
            6);
  EXPECT_EQ(Flags(), (std::array<int, 5>{1, 1, 0, 1, 0}));
  EXPECT_EQ(Run([this] {
              EXPECT_EQ(Colours(),
                        (std::array<std::uint32_t, 5>{kChoiceOn, kChoiceOn, kChoiceOff, kChoiceOn, kChoiceOff}));
              dialog_.SpeedButtonOK->click();
            }),
            6);
}

TEST_F(ReportOptions, CancellingKeepsWhatWasSwitched) {
  EXPECT_EQ(Run([this] {
              dialog_.SpeedButtonEbenen->click();
              Key(Qt::Key_Escape);
            }),
            7);
  EXPECT_EQ(dialog_.IncludeLayers, 0);
  EXPECT_EQ(Run([this] {
              dialog_.SpeedButtonNotizen->click();
              dialog_.SpeedButtonAbbrechen->click();
            }),
            7);
  EXPECT_EQ(Run([this] { dialog_.close(); }), 7);
  EXPECT_EQ(Flags(), (std::array<int, 5>{1, 0, 1, 0, 1}));
}

TEST_F(ReportOptions, ThePrintTextsCannotBeLeftOut) {
  dialog_.IncludeTexts = 0;
  dialog_.ShowFlags();
  EXPECT_EQ(dialog_.IncludeTexts, 1);
  EXPECT_EQ(Run([this] {
              dialog_.SpeedButtonDrucktexte->click();  // disabled: no click arrives
              EXPECT_EQ(dialog_.IncludeTexts, 1);
              dialog_.SpeedButtonEbenen->click();
              dialog_.SpeedButtonOK->click();
            }),
            6);
  EXPECT_EQ(dialog_.IncludeTexts, 1);
  EXPECT_EQ(dialog_.PanelDrucktexte->Color(), kChoiceOn);
}

TEST_F(ReportOptions, HardCopyUserGuideAndModifiers) {
  EXPECT_EQ(Run([this] {
              Key(Qt::Key_P, Qt::ControlModifier);
              Key(Qt::Key_F1);
              Key(Qt::Key_Return, Qt::ShiftModifier);  // with a modifier: nothing
              EXPECT_TRUE(dialog_.isVisible());
              Key(Qt::Key_Escape);
            }),
            7);
  EXPECT_EQ(sets_.hardcopyOf, &dialog_);
  EXPECT_EQ(sets_.userGuides, 1);
}
