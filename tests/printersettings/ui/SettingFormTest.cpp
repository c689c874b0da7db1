// What every setting form shares: opening from the printer's values,
// centring, the keys, OK gated by the operating mode with its refusal, the
// results, the request flag, and step buttons that repeat while held.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include "FormFixture.h"
#include "platform/qt/NamedColours.h"
#include "printerlink/thread/CaptionTable.h"
#include "printerlink/thread/DisplayRules.h"
#include "printersettings/ui/TFormPrinterAuslaufModus.h"
#include "printersettings/ui/TFormPrinterGeraetTyp.h"
#include "printersettings/ui/TFormPrinterUnterdrueckungModus.h"
#include "support/qt/Mouse.h"

using namespace settingstest;
using printersettings::ui::kResultCancel;
using printersettings::ui::kResultClosed;
using printersettings::ui::kResultOk;
using printerthread::kOfferedColour;
using printerthread::kWithheldColour;

namespace {

class SettingForms : public FormFixture {
 protected:
  void TearDown() override {
    typ.reset();
    auslauf.reset();
    FormFixture::TearDown();
  }
  std::unique_ptr<TFormPrinterGeraetTyp> typ = std::make_unique<TFormPrinterGeraetTyp>(nullptr, board.MachineType);
  std::unique_ptr<TFormPrinterAuslaufModus> auslauf =
      std::make_unique<TFormPrinterAuslaufModus>(nullptr, board.RunOut);
};

// Shows `form` modally and runs `step` once it is up; the modal result.
int ShowModal(QDialog* form, const std::function<void()>& step) {
  QTimer::singleShot(0, form, step);
  return form->exec();
}

}  // namespace

TEST_F(SettingForms, AFormOpensWithThePrintersValuesCentredOnTheMainWindow) {
  mirror.MachineType = 3;
  Refresh();
  EXPECT_EQ(typ->PrinterMachineType, 3);
  EXPECT_EQ(typ->EditMachineType, -1);  // the Edit field waits for the opening
  typ->show();
  EXPECT_EQ(typ->EditMachineType, 3);
  EXPECT_EQ(typ->Panel3->Color(), kOfferedColour);
  EXPECT_EQ(typ->Panel2->Color(), kWithheldColour);
  const QRect f = typ->frameGeometry();
  EXPECT_EQ(f.left(), mainFrame.left() + mainFrame.width() / 2 - f.width() / 2);
  EXPECT_EQ(f.top(), mainFrame.top() + mainFrame.height() / 2 - f.height() / 2);

  // The operator's choice; a refresh meanwhile changes only the Printer field.
  typ->SpeedButton2->click();
  mirror.MachineType = 4;
  Refresh();
  EXPECT_EQ(typ->EditMachineType, 2);
  EXPECT_EQ(typ->PrinterMachineType, 4);
  EXPECT_EQ(typ->Panel2->Color(), kOfferedColour);
  EXPECT_EQ(typ->Panel3->Color(), kWithheldColour);
  // After a lost link the printer's value is unknown again.
  Reset();
  EXPECT_EQ(typ->PrinterMachineType, -1);
}

TEST_F(SettingForms, ResultsAreSixForOkSevenForCancelAndNeitherForTheFrame) {
  mirror.MachineType = 0;
  Refresh();
  EXPECT_EQ(ShowModal(typ.get(), [this] { typ->SpeedButtonOK->click(); }), kResultOk);
  EXPECT_EQ(ShowModal(typ.get(), [this] { typ->SpeedButtonAbbrechen->click(); }), kResultCancel);
  EXPECT_EQ(ShowModal(typ.get(), [this] { Key(typ.get(), Qt::Key_Return); }), kResultOk);
  EXPECT_EQ(ShowModal(typ.get(), [this] { Key(typ.get(), Qt::Key_Enter, Qt::KeypadModifier); }), kResultOk);
  EXPECT_EQ(ShowModal(typ.get(), [this] { Key(typ.get(), Qt::Key_Escape); }), kResultCancel);
  EXPECT_EQ(ShowModal(typ.get(), [this] { typ->close(); }), kResultClosed);
  EXPECT_FALSE(board.MachineType.Pending());  // the form itself raises nothing
}

TEST_F(SettingForms, CtrlPPrintsTheFormAndF1OpensTheGuideOtherKeysDoNothing) {
  typ->show();
  Key(typ.get(), Qt::Key_P, Qt::ControlModifier);
  ASSERT_EQ(hardcopies.size(), 1u);
  EXPECT_EQ(hardcopies[0], typ.get());
  Key(typ.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
  Key(typ.get(), Qt::Key_P);
  Key(typ.get(), Qt::Key_Return, Qt::ShiftModifier);
  Key(typ.get(), Qt::Key_Escape, Qt::ControlModifier);
  EXPECT_EQ(hardcopies.size(), 1u);
  EXPECT_TRUE(typ->isVisible());
  Key(typ.get(), Qt::Key_F1);
  EXPECT_EQ(guides, 1);
}

TEST_F(SettingForms, TheUserMayChooseButOkIsRefusedWithItsText) {
  mode = 0;
  mirror.MachineType = 2;
  Refresh();
  typ->show();
  typ->SpeedButton0->click();
  EXPECT_EQ(typ->EditMachineType, 0);
  EXPECT_EQ(typ->Panel0->Color(), kOfferedColour);
  EXPECT_FALSE(platform::OwnEnabled(typ->SpeedButtonOK));
  Key(typ.get(), Qt::Key_Return);  // Enter does nothing
  EXPECT_TRUE(typ->isVisible());
  testsupport::Click(typ->SpeedButtonOK);  // reaches the panel under it
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].title, QStringLiteral("OK"));
  EXPECT_EQ(notices[0].text, QStringLiteral("Kann von Benutzer nicht ausgeführt werden!"));
  EXPECT_EQ(notices[0].colour, platform::colours::kSilver);

  // No operating-mode window, or a higher mode: OK works and the panel says
  // nothing.
  for (int m : {-1, 1, 3}) {
    mode = m;
    typ->UpdateView();
    EXPECT_TRUE(platform::OwnEnabled(typ->SpeedButtonOK)) << m;
    typ->PanelOKClick(typ->PanelOK);
  }
  EXPECT_EQ(notices.size(), 1u);
}

TEST_F(SettingForms, AnUnknownChoiceIsNeverSentAndAnUntouchedOneKeepsThePrintersValue) {
  // No printer: nothing lit, OK off while the choice is unknown.
  typ->show();
  EXPECT_EQ(typ->EditMachineType, -1);
  EXPECT_FALSE(platform::OwnEnabled(typ->SpeedButtonOK));
  typ->PanelOKClick(typ->PanelOK);  // not the mode's refusal: nothing shown
  EXPECT_TRUE(notices.empty());
  typ->SpeedButton4->click();
  EXPECT_TRUE(platform::OwnEnabled(typ->SpeedButtonOK));
  typ->RaiseRequest();
  EXPECT_EQ(board.MachineType.Take()->EditMachineType, 4);

  // The run-out form with a filter change only: the printer's mode goes
  // back unchanged.
  mirror.RunOutMode = 2;
  mirror.RunOutFilter = 30;
  Refresh();
  auslauf->show();
  auslauf->SpeedButtonUp5->click();
  auslauf->RaiseRequest();
  auto r = board.RunOut.Take();
  ASSERT_TRUE(r);
  EXPECT_EQ(r->EditRunOutMode, 2);
  EXPECT_EQ(r->EditFilter, 31);
  EXPECT_EQ(r->Title, " Auslauf Modus");
}

TEST_F(SettingForms, ShowingAFormAgainWithdrawsItsRequestNotYetTaken) {
  mirror.MachineType = 0;
  Refresh();
  typ->show();
  typ->SpeedButton2->click();
  typ->hide();
  typ->RaiseRequest();
  EXPECT_TRUE(typ->RequestPending());
  typ->show();
  EXPECT_FALSE(typ->RequestPending());
  EXPECT_EQ(typ->EditMachineType, 0);  // from the printer again
}

TEST_F(SettingForms, AHeldFilterButtonRepeatsAfterHalfASecondAndStopsAtItsLimit) {
  mirror.RunOutMode = 1;
  mirror.RunOutFilter = 195;
  Refresh();
  auslauf->show();
  EXPECT_EQ(auslauf->Label5->text(), QStringLiteral("195 ms"));
  auslauf->SpeedButtonUp5->pressed();
  EXPECT_TRUE(auslauf->Timer0->Active());
  EXPECT_EQ(auslauf->Timer0->Interval(), 500);
  for (int tick = 0; tick < 8; ++tick) auslauf->Timer0Timer();
  EXPECT_EQ(auslauf->Timer0->Interval(), 100);
  EXPECT_EQ(auslauf->EditFilter, 200);
  EXPECT_EQ(auslauf->SpeedButtonUp5->Caption(), QString());
  EXPECT_EQ(auslauf->SpeedButtonDown5->Caption(), QStringLiteral("-") + QString(20, QLatin1Char(' ')));
  auslauf->SpeedButtonUp5->released();
  EXPECT_FALSE(auslauf->Timer0->Active());
  EXPECT_EQ(auslauf->Timer0->Interval(), 500);
  auslauf->SpeedButtonUp5->click();  // the click beyond the limit is clamped back
  EXPECT_EQ(auslauf->EditFilter, 200);

  // No printer: nothing lit, the filter at its lower limit.
  auslauf->hide();
  Reset();
  auslauf->show();
  EXPECT_EQ(auslauf->Label5->text(), QStringLiteral("0 ms"));
  for (platform::Panel* p : auslauf->ModePanels) EXPECT_EQ(p->Color(), kWithheldColour);
}

TEST_F(SettingForms, TheSuppressionFilterRowIsOfferedOnlyOnFirmwareWithFilters) {
  TFormPrinterUnterdrueckungModus f(nullptr, board.Suppression);
  struct Case {
    int cli;
    bool shown;
  };
  for (const Case c : {Case{-1, false}, Case{2, false}, Case{3, true}, Case{9, true}, Case{10, false},
                       Case{0x20, true}, Case{0x1020, true}}) {
    mirror.CliWord = c.cli;
    Refresh();
    EXPECT_EQ(f.Panel5->Color(), c.shown ? kOfferedColour : kWithheldColour) << c.cli;
    EXPECT_EQ(f.SpeedButtonUp5->isVisibleTo(&f), c.shown) << c.cli;
    EXPECT_EQ(f.SpeedButtonDown5->isVisibleTo(&f), c.shown) << c.cli;
  }
  mirror.SuppressionMode = 4;
  Refresh();
  f.show();
  EXPECT_EQ(f.ModePanels[4]->Color(), kOfferedColour);
  f.ModeButtons[0]->click();
  f.RaiseRequest();
  EXPECT_EQ(board.Suppression.Take()->EditSuppressionMode, 0);
}

TEST_F(SettingForms, ALanguageChangeHandsTheNewCaptionsToThePrinterThread) {
  typ->SpeedButton0->SetCaption(QStringLiteral("SÖR"));
  auslauf->SpeedButton0->SetCaption(QStringLiteral("Off"));
  for (QWidget* w : {static_cast<QWidget*>(typ.get()), static_cast<QWidget*>(auslauf.get())}) {
    QEvent changed(QEvent::LanguageChange);
    QApplication::sendEvent(w, &changed);
  }
  const auto captions = printerthread::PrinterCaptionTable().Get();
  EXPECT_EQ(captions->MachineType[0], "S\xD6R");
  EXPECT_EQ(captions->MachineType[2], "RID1");
  EXPECT_EQ(captions->RunOut[0], "Off");
  EXPECT_EQ(captions->RunOut[2], "Negativer Pegel");
}
