#include <gtest/gtest.h>

#include <QApplication>
#include <filesystem>

#include "AppFixture.h"
#include "app/pc/OperatingModeLogin.h"
#include "app/pc/TFormBedienungsmodus.h"
#include "app/pc/TFormHerstellen.h"
#include "app/language/TFormSprache.h"
#include "app/TForm_Main.h"
#include "app/pc/TFrameMenuPC.h"
#include "platform/LineFile.h"
#include "platform/qt/SpeedButton.h"
#include "printdata/ui/TFrameDaten.h"
#include "printdata/ui/TFrameMenuBearbeiten.h"
#include "support/Contrast.h"

using app::CheckLogin;

TEST(Login, PasswordTable) {
  const struct {
    unsigned chosen, current;
    const char* typed;
    bool ok, store;
    unsigned becomes;
  } cases[] = {
      {0, 0, "", true, false, 0},
      {0, 2, "", true, true, 0},
      {1, 1, "", true, false, 1},
      {1, 3, "", true, true, 1},
      {1, 0, "tolmu", true, false, 1},
      {1, 0, "tolmu*", true, true, 1},
      {1, 0, "Tolmu", false, false, 1},
      {1, 0, "tolmu ", false, false, 1},
      {1, 0, "tolmu**", false, false, 1},
      {2, 2, "", true, false, 2},
      {3, 3, "", true, false, 3},
      {2, 0, "voskers Tarvik23", true, false, 2},
      {2, 1, "voskers Tarvik23**", true, true, 2},
      {2, 1, "voskers Tarvik23*", false, false, 2},
      {2, 0, "plivet", true, false, 3},
      {2, 1, "plivet***", true, true, 3},
      {3, 0, "x", false, false, 2},
      {2, 0, "tolmu", false, false, 2},
      {7, 2, "", true, true, 0},
  };
  for (const auto& c : cases) {
    const app::LoginCheck r = CheckLogin(c.chosen, c.current, QString::fromUtf8(c.typed));
    EXPECT_EQ(r.okEnabled, c.ok) << c.chosen << "/" << c.current << " '" << c.typed << "'";
    EXPECT_EQ(r.storeStartupMode, c.store) << c.chosen << "/" << c.current << " '" << c.typed << "'";
    EXPECT_EQ(r.chosen, c.becomes) << c.chosen << "/" << c.current << " '" << c.typed << "'";
  }
}

namespace {

class LoginDialog : public apptest::AppFixture {
 protected:
  TFormBedienungsmodus* D() const { return FormBedienungsmodus; }
  std::string IniPath() const { return ConfigFile("Tarvik23.ini"); }
  // Opens the dialog, runs `steps` in it and returns its result; the caller
  // then applies the mode as the PC menu does.
  int Run(const std::function<void()>& steps) {
    apptest::WhenModal(steps);
    const int result = D()->exec();
    if (result == 6) D()->SetOperatingMode(D()->GetOperatingMode());
    return result;
  }
  std::string StoredStartupMode() {
    auto lines = platform::ReadLines(IniPath());
    return lines && lines->size() > 13 ? (*lines)[13] : "<none>";
  }
};

}  // namespace

TEST_F(LoginDialog, PlainPasswordRaisesOnlyTheCurrentMode) {
  EXPECT_EQ(Run([this] {
              D()->SpeedButtonAdministrator->click();
              EXPECT_FALSE(D()->PanelPasswort->isHidden());
              EXPECT_EQ(D()->PanelUnten->y(), 248);
              EXPECT_FALSE(platform::OwnEnabled(D()->SpeedButtonOK));
              D()->EditEingabe->setText(QStringLiteral("tolmu"));
              EXPECT_TRUE(platform::OwnEnabled(D()->SpeedButtonOK));
              EXPECT_EQ(D()->SpeedButtonBenutzer->Caption(), QStringLiteral("[Benutzer]"));
              EXPECT_EQ(D()->SpeedButtonAdministrator->Caption(), QStringLiteral("Administrator"));
              EXPECT_EQ(D()->PanelAdministrator->Color(), 8421504u);
              D()->SpeedButtonOK->click();
            }),
            6);
  EXPECT_EQ(D()->GetOperatingMode(), 1u);
  EXPECT_EQ(D()->GetStartupMode(), 0u);
  EXPECT_FALSE(std::filesystem::exists(IniPath()));
}

TEST_F(LoginDialog, StarredPasswordAlsoStoresTheStartupMode) {
  Run([this] {
    D()->SpeedButtonAdministrator->click();
    D()->EditEingabe->setText(QStringLiteral("tolmu*"));
    EXPECT_EQ(D()->SpeedButtonBenutzer->Caption(), QStringLiteral("Benutzer"));
    EXPECT_EQ(D()->SpeedButtonAdministrator->Caption(), QStringLiteral("[Administrator]"));
    D()->SpeedButtonOK->click();
  });
  EXPECT_EQ(D()->GetStartupMode(), 1u);
  EXPECT_EQ(StoredStartupMode(), "1");
}

TEST_F(LoginDialog, SteppingDownNeedsNoPasswordAndBecomesTheStartupMode) {
  D()->SetStartupMode(2);
  Run([this] {
    EXPECT_EQ(D()->SpeedButtonService->Caption(), QStringLiteral("[Techniker]"));
    D()->SpeedButtonBenutzer->click();
    EXPECT_TRUE(D()->PanelPasswort->isHidden());
    EXPECT_EQ(D()->height(), 176 + 65);
    EXPECT_EQ(D()->SpeedButtonBenutzer->Caption(), QStringLiteral("[Benutzer]"));
    D()->SpeedButtonOK->click();
  });
  EXPECT_EQ(D()->GetOperatingMode(), 0u);
  EXPECT_EQ(StoredStartupMode(), "0");
}

TEST_F(LoginDialog, TechnicianPlusShowsTheRawBitmapButton) {
  EXPECT_TRUE(Form_Main->PanelR12->isHidden());
  Run([this] {
    D()->SpeedButtonService->click();
    D()->EditEingabe->setText(QStringLiteral("plivet"));
    EXPECT_EQ(D()->ChosenMode, 3u);
    EXPECT_EQ(D()->SpeedButtonService->Caption(), QStringLiteral("Techniker++"));
    apptest::PressKey(D(), Qt::Key_Return);
  });
  EXPECT_EQ(D()->GetOperatingMode(), 3u);
  EXPECT_FALSE(Form_Main->PanelR12->isHidden());
  EXPECT_EQ(Form_Main->PanelR12->Caption(), QStringLiteral("R12"));
  // Readable as the side buttons above it: a dark caption on the same light panel.
  for (const platform::Panel* side : {Form_Main->PanelPrinter, Form_Main->PanelPC, Form_Main->PanelHilfe})
    EXPECT_EQ(Form_Main->PanelR12->Color(), side->Color());
  EXPECT_GE(testsupport::ContrastRatio(Form_Main->PanelR12->CaptionColour(), Form_Main->PanelR12->Color()), 4.5);
  EXPECT_GE(testsupport::ContrastRatio(Form_Main->SpeedButtonR12->CaptionColour(), Form_Main->PanelR12->Color()), 4.5);
  EXPECT_TRUE(Form_Main->FrameDaten->PanelTitel->ShowHint());
  // From mode 3 the third button offers mode 3 again without a password.
  Run([this] {
    D()->SpeedButtonBenutzer->click();
    D()->SpeedButtonService->click();
    EXPECT_EQ(D()->ChosenMode, 3u);
    EXPECT_TRUE(D()->PanelPasswort->isHidden());
    D()->SpeedButtonAbbrechen->click();
  });
}

TEST_F(LoginDialog, WrongPasswordOrCancelChangesNothing) {
  EXPECT_EQ(Run([this] {
              D()->SpeedButtonService->click();
              D()->EditEingabe->setText(QStringLiteral("voskers Tarvik23 "));
              EXPECT_FALSE(platform::OwnEnabled(D()->SpeedButtonOK));
              // Enter does nothing while OK is off; the text is then right.
              apptest::PressKey(D(), Qt::Key_Return);
              D()->EditEingabe->setText(QStringLiteral("voskers Tarvik23**"));
              apptest::PressKey(D(), Qt::Key_Escape);
            }),
            7);
  EXPECT_EQ(D()->GetOperatingMode(), 0u);
  EXPECT_EQ(D()->GetStartupMode(), 0u);
  EXPECT_FALSE(std::filesystem::exists(IniPath()));
  // The next opening starts empty.
  Run([this] {
    EXPECT_TRUE(D()->EditEingabe->text().isEmpty());
    EXPECT_EQ(D()->ChosenMode, 0u);
    D()->SpeedButtonAbbrechen->click();
  });
}

TEST_F(LoginDialog, ClosingThroughTheWindowManagerIsCancel) {
  EXPECT_EQ(Run([this] {
              D()->SpeedButtonAdministrator->click();
              D()->EditEingabe->setText(QStringLiteral("tolmu*"));
              D()->close();  // what the title bar's close button does
            }),
            7);
  EXPECT_EQ(D()->GetOperatingMode(), 0u);
  EXPECT_EQ(D()->GetStartupMode(), 0u);
  EXPECT_FALSE(std::filesystem::exists(IniPath()));
}

TEST_F(LoginDialog, StoredValuesAboveThreeReadAsUser) {
  D()->CurrentMode = 7;
  D()->StartupMode = 9;
  EXPECT_EQ(D()->GetOperatingMode(), 0u);
  EXPECT_EQ(D()->GetStartupMode(), 0u);
  D()->SetOperatingMode(5);
  EXPECT_EQ(D()->CurrentMode.load(), 0u);
  EXPECT_TRUE(Form_Main->PanelR12->isHidden());
  EXPECT_FALSE(Form_Main->FrameDaten->PanelTitel->ShowHint());
}

namespace {

// What the operating mode shows and hides, seen as an operator sees it.
struct ModeGates {
  bool rawBitmapButton;      // R12 in the side bar
  bool dataPathHint;         // the data title's hint shows the file's path
  bool editingProtected;     // the edit menu's "Neu" with protected data
  bool languageChecksum;     // the language dialog's checksum field
  bool restoreConfirmable;   // the restore's OK
  bool operator==(const ModeGates&) const = default;
};

class LoginFromThePcMenu : public LoginDialog {
 protected:
  // PC button, then "Bedienungsmodus"; `steps` run in the opened dialog.
  void LogIn(const std::function<void()>& steps) {
    apptest::Click(Form_Main->SpeedButtonPC);
    ASSERT_FALSE(Form_Main->FrameMenuPC->isHidden());
    apptest::WhenModal(steps);
    apptest::Click(Form_Main->FrameMenuPC->SpeedButtonBedienungsmodus);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(Form_Main->FrameMenuPC->isHidden());
  }
  ModeGates Gates() {
    ModeGates g{};
    g.rawBitmapButton = Form_Main->PanelR12->isVisible();
    g.dataPathHint = Form_Main->FrameDaten->PanelTitel->ShowHint();
    g.editingProtected = platform::OwnEnabled(Form_Main->FrameMenuBearbeiten->SpeedButtonNeu);
    apptest::Click(Form_Main->SpeedButtonPC);
    apptest::WhenModal([&g] {
      g.languageChecksum = FormSprache->Edit_SpracheCRC->isVisible();
      FormSprache->SpeedButtonAbbrechen->click();
    });
    apptest::Click(Form_Main->FrameMenuPC->SpeedButtonSprache);
    apptest::WhenModal([&g] {
      g.restoreConfirmable = platform::OwnEnabled(FormHerstellen->SpeedButtonOK);
      FormHerstellen->SpeedButtonAbbrechen->click();
    });
    FormHerstellen->exec();
    return g;
  }
};

}  // namespace

TEST_F(LoginFromThePcMenu, EachModeShowsWhatItGates) {
  Form_Main->show();
  // Open data whose parameters are protected.
  ShowOpenData(3);
  Daten().Group.Protection = "2";
  Form_Main->CloseMenusAndRefresh();
  const ModeGates user = {false, false, false, false, false};
  EXPECT_EQ(Gates(), user);

  const struct {
    const char* name;
    platform::SpeedButton* TFormBedienungsmodus::*button;
    const char* password;
    unsigned mode;
    ModeGates gates;
  } steps[] = {
      {"administrator", &TFormBedienungsmodus::SpeedButtonAdministrator, "tolmu", 1, {false, false, true, false, true}},
      {"technician", &TFormBedienungsmodus::SpeedButtonService, "voskers Tarvik23", 2, {false, true, true, false, true}},
      // Mode 3 is reached from 0 or 1 only.
      {"user", &TFormBedienungsmodus::SpeedButtonBenutzer, nullptr, 0, user},
      {"technician plus", &TFormBedienungsmodus::SpeedButtonService, "plivet", 3, {true, true, true, true, true}},
      {"back to user", &TFormBedienungsmodus::SpeedButtonBenutzer, nullptr, 0, user},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.name);
    LogIn([&] {
      (D()->*s.button)->click();
      if (s.password) D()->EditEingabe->setText(QString::fromUtf8(s.password));
      apptest::Click(D()->SpeedButtonOK);
    });
    EXPECT_EQ(D()->GetOperatingMode(), s.mode);
    EXPECT_EQ(Gates(), s.gates);
  }
  // Cancel keeps the mode.
  LogIn([this] {
    D()->SpeedButtonAdministrator->click();
    D()->EditEingabe->setText(QStringLiteral("tolmu"));
    apptest::Click(D()->SpeedButtonAbbrechen);
  });
  EXPECT_EQ(D()->GetOperatingMode(), 0u);
  EXPECT_EQ(Gates(), user);
}
