#include <gtest/gtest.h>

#include <QApplication>
#include <string>
#include <vector>

#include "AppFixture.h"
#include "LanguageFixtures.h"
#include "LayoutChecks.h"
#include "app/TFormEinstellenPC.h"
#include "app/TFormInfo.h"
#include "app/TFormSchnellhilfe.h"
#include "app/TFormSprache.h"
#include "app/TForm_Main.h"
#include "editor/ui/TFrameBearbeiten.h"
#include "printdata/ui/TFrameDaten.h"
#include "printersettings/ui/TFramePrinter.h"

namespace {

class PcWindowsLayout : public apptest::AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    apptest::InstallLanguageFiles(Form_Main->LanguageDir);
  }
  void ShowPage(QWidget* page) {
    for (QWidget* p : {static_cast<QWidget*>(Form_Main->FrameDaten), static_cast<QWidget*>(Form_Main->FrameBearbeiten),
                       static_cast<QWidget*>(Form_Main->FramePrinter)})
      p->setVisible(p == page);
  }
  // Shows `window` (not modally), checks it and, when TARVIK_SCREENSHOT_DIR
  // is set, saves what the screen shows of it.
  void Check(QWidget* window, const std::string& name, int language) {
    window->show();
    QApplication::processEvents();
    EXPECT_EQ(apptest::CutOff(window), std::vector<std::string>()) << name << " in language " << language;
    apptest::Screenshot(window, (name + "-" + std::to_string(language)).c_str());
    window->hide();
  }
};

TEST_F(PcWindowsLayout, NothingIsCutOffInAnyLanguage) {
  Form_Main->show();
  for (int language = 0; language <= 4; ++language) {
    ASSERT_EQ(FormSprache->SetLanguage(language), 1);
    Check(FormEinstellenPC, "pc-settings", language);
    Check(FormInfo, "info", language);
    ShowPage(Form_Main->FrameDaten);
    Check(FormSchnellhilfe, "quick-help-data", language);
    ShowPage(Form_Main->FrameBearbeiten);
    Check(FormSchnellhilfe, "quick-help-editor", language);
    ShowPage(Form_Main->FramePrinter);
    Check(FormSchnellhilfe, "quick-help-printer", language);
  }
}

}  // namespace
