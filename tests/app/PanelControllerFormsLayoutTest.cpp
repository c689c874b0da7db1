// The operator panel and controller forms in the program's five languages:
// every text the language file names for them reaches them, and nothing is
// cut off at their sizes (each option unit's panel, the pulse form with and
// without its expert panel).
#include <gtest/gtest.h>

#include <QApplication>
#include <QWindow>
#include <functional>
#include <string>
#include <vector>

#include "AppFixture.h"
#include "LanguageFixtures.h"
#include "LayoutCheck.h"
#include "app/language/LanguageSections.h"
#include "app/language/LanguageTargets.h"
#include "app/language/TFormSprache.h"
#include "app/TForm_Main.h"
#include "platform/qt/ShowPainted.h"
#include "printerlink/thread/CaptionTable.h"
#include "printersettings/ui/TFormPrinterBedienteilOption.h"
#include "printersettings/ui/TFormPrinterBedienteilProgramme.h"
#include "printersettings/ui/TFormPrinterBedienteilTyp.h"
#include "printersettings/ui/TFormPrinterSteuerungCounter.h"
#include "printersettings/ui/TFormPrinterSteuerungPulsdauer.h"
#include "printersettings/ui/TFormPrinterSteuerungUhr.h"

namespace {

const char* const kWindows[] = {"FormPrinterBedienteilTyp",   "FormPrinterBedienteilOption",
                                "FormPrinterBedienteilProgramme", "FormPrinterSteuerungUhr",
                                "FormPrinterSteuerungCounter", "FormPrinterSteuerungPulsdauer"};

class PanelControllerForms : public apptest::AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    apptest::InstallLanguageFiles(Form_Main->LanguageDir);
    // The forms as start-up creates them.
    typ = FormPrinterBedienteilTyp;
    option = FormPrinterBedienteilOption;
    programs = FormPrinterBedienteilProgramme;
    uhr = FormPrinterSteuerungUhr;
    counter = FormPrinterSteuerungCounter;
    puls = FormPrinterSteuerungPulsdauer;
  }
  // Shows `form` (not modally) after `prepare` set the printer's values it
  // opens with, checks it and, with TARVIK_SCREENSHOT_DIR set, saves what
  // the screen shows of it.
  void Check(printersettings::ui::SettingForm* form, const std::string& name, int language,
             const std::function<void()>& prepare = {}) {
    if (prepare) prepare();
    platform::ShowPainted(form);
    // The form sizes itself as it opens; the window system follows a little
    // later.
    apptest::PumpUntil([form] { return form->windowHandle()->geometry().size() == form->size(); }, 5);
    form->repaint();
    QApplication::processEvents();
    const std::string shot = name + "-" + std::to_string(language);
    EXPECT_EQ(apptest::CutOff(form), std::vector<std::string>()) << shot;
    apptest::Screenshot(form, shot.c_str());
    form->hide();
  }

  TFormPrinterBedienteilTyp* typ = nullptr;
  TFormPrinterBedienteilOption* option = nullptr;
  TFormPrinterBedienteilProgramme* programs = nullptr;
  TFormPrinterSteuerungUhr* uhr = nullptr;
  TFormPrinterSteuerungCounter* counter = nullptr;
  TFormPrinterSteuerungPulsdauer* puls = nullptr;
};

}  // namespace

TEST_F(PanelControllerForms, EveryTextTheLanguageFileNamesIsRegistered) {
  ASSERT_EQ(FormSprache->SetLanguage(2), 1);
  const app::LanguageWindows windows;
  int found = 0;
  for (const app::LanguageSection& s : app::LanguageSections())
    for (const auto& line : s.values)
      for (const app::LanguageTarget& t : line)
        for (const char* w : kWindows)
          if (t.window == w) {
            EXPECT_TRUE(windows.Read(t).has_value()) << t.Name();
            ++found;
          }
  EXPECT_GT(found, 90);
  EXPECT_EQ(option->windowTitle(), QStringLiteral(" Option du panneau de commande"));
  EXPECT_EQ(option->ModeWord, QStringLiteral("Mode "));
  EXPECT_EQ(programs->ModeNames[1], QStringLiteral("Test d'endurance"));
  EXPECT_EQ(puls->Titles[4]->text(), QStringLiteral("Quantité d'encre"));
  // The printer thread gets the captions its texts are built from.
  const auto captions = printerthread::PrinterCaptionTable().Get();
  EXPECT_EQ(captions->PanelType[1], "Interrupteur");
  EXPECT_EQ(captions->Option[0], "D\xE9sactiv\xE9");
  ASSERT_EQ(FormSprache->SetLanguage(0), 1);
  EXPECT_EQ(programs->ModeNames[1], QStringLiteral("Dauertest"));
}

TEST_F(PanelControllerForms, NothingIsCutOffInAnyLanguage) {
  Form_Main->show();
  for (int language = 0; language <= 4; ++language) {
    ASSERT_EQ(FormSprache->SetLanguage(language), 1);
    Check(typ, "panel-type", language);
    // Each unit with what its panel shows at the longest.
    auto unit = [this](int which, int mode) {
      return [this, which, mode] {
        option->PrinterOption = which;
        option->PrinterDisplayMode = mode;
        option->PrinterSignalType = 1;
        option->PrinterDisplayBehaviour = 13;
        option->PrinterLine1Content = 11;
        option->PrinterLine2Content = 13;
        option->PrinterDisplayPause = 100;
        option->PrinterLamp = {6, 7, 10, 11, 11, 11, 11, 4};
      };
    };
    Check(option, "panel-option-redadid", language, unit(1, 0));
    Check(option, "panel-option-display-mode1", language, unit(3, 1));
    Check(option, "panel-option-display-mode3", language, unit(3, 2));
    Check(option, "panel-option-signal", language, unit(4, 0));
    Check(programs, "panel-programs", language, [this] {
      programs->PrinterProgramMode = {1, 0, 1};
      programs->PrinterProgramText = {99, 99, 99};
      programs->PrinterProgramSpeed = {1000, 1000, 1000};
      programs->PrinterProgramPause = {10000, 10000, 10000};
    });
    Check(uhr, "controller-clock", language, [this] {
      uhr->Label0->setText(QStringLiteral("31.12.2026   23:59:59"));
      uhr->Label1->setText(QStringLiteral("31.12.2026   23:59:59"));
    });
    Check(counter, "controller-counter", language);
    puls->SetExpertPanel(1);
    Check(puls, "controller-pulse", language);
  }
}
