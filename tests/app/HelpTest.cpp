#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <filesystem>

#include "AppFixture.h"
#include "app/DesktopLauncher.h"
#include "app/pc/InfoText.h"
#include "app/pc/MemoView.h"
#include "app/ReleaseIdentity.h"
#include "app/pc/TFormEinstellenPC.h"
#include "app/pc/TFormHerstellen.h"
#include "app/pc/TFormInfo.h"
#include "app/TFormMessage.h"
#include "app/pc/TFormSchnellhilfe.h"
#include "app/language/TFormSprache.h"
#include "app/TForm_Main.h"
#include "app/pc/TFrameMenuHilfe.h"
#include "editor/ui/TFrameBearbeiten.h"
#include "platform/FileIO.h"
#include "platform/PcIdentifier.h"
#include "platform/qt/UserGuide.h"
#include "printdata/ui/TFrameDaten.h"
#include "printersettings/ui/TFramePrinter.h"

using platform::OwnEnabled;

namespace {

class Help : public apptest::AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    app::SetLaunchSink([this](app::LaunchKind kind, const std::string& target, const std::string&) {
      launches_.push_back({kind, target});
      return true;
    });
  }
  void TearDown() override {
    app::SetLaunchSink(nullptr);
    AppFixture::TearDown();
  }
  void Guide(const std::string& path) { ASSERT_TRUE(platform::WriteFileDirect(path, "%PDF-1.4\n")); }
  // Sets the UI language without a language file.
  void Language(int id) { FormSprache->ActiveLanguage.store(id); }

  std::vector<std::pair<app::LaunchKind, std::string>> launches_;
};

using app::LaunchKind;

TEST_F(Help, UserGuideOfTheLanguageElseTheOtherElseTheSupportPage) {
  TFrameMenuHilfe* h = Form_Main->FrameMenuHilfe;
  const std::string support = "https://support.osmek-ag.ch/support/en/printer/tarvik23/";
  struct Case {
    const char* what;
    bool german, english;
    int language;
    std::pair<LaunchKind, std::string> opened;
  };
  const Case cases[] = {
      {"both, German", true, true, 0, {LaunchKind::Document, h->GuidePathDE}},
      {"both, English", true, true, 1, {LaunchKind::Document, h->GuidePathEN}},
      {"both, Spanish", true, true, 4, {LaunchKind::Document, h->GuidePathEN}},
      {"only German, French", true, false, 2, {LaunchKind::Document, h->GuidePathDE}},
      {"only English, German", false, true, 0, {LaunchKind::Document, h->GuidePathEN}},
      {"none", false, false, 3, {LaunchKind::WebPage, support}},
  };
  EXPECT_EQ(h->GuidePathDE, Form_Main->HelpDir + "Benutzerhandbuch Tarvik23.pdf");
  EXPECT_EQ(h->GuidePathEN, Form_Main->HelpDir + "User Guide Tarvik23.pdf");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove(h->GuidePathDE);
    std::filesystem::remove(h->GuidePathEN);
    if (c.german) Guide(h->GuidePathDE);
    if (c.english) Guide(h->GuidePathEN);
    Language(c.language);
    launches_.clear();
    const auto slept = time_->TotalSlept();
    h->SpeedButtonBenutzerhandbuchClick(h->SpeedButtonBenutzerhandbuch);
    ASSERT_EQ(launches_.size(), 1u);
    EXPECT_EQ(launches_[0], c.opened);
    // The busy message shows for two seconds and is gone again.
    EXPECT_GE(time_->TotalSlept(), slept + 2000);
    EXPECT_FALSE(FormMessage->isVisible());
  }
  EXPECT_EQ(std::count(beeps_.begin(), beeps_.end(), platform::BeepKind::Stop), 0);
}

// F1 in a dialog opens the guide even though the help menu's button was
// disabled at start-up (no guide then).
TEST_F(Help, F1InEveryWindow) {
  ASSERT_FALSE(OwnEnabled(Form_Main->FrameMenuHilfe->SpeedButtonBenutzerhandbuch));
  QWidget* windows[] = {FormInfo, FormSchnellhilfe, FormEinstellenPC, FormSprache, FormMessage, FormHerstellen};
  for (QWidget* w : windows) {
    launches_.clear();
    apptest::PressKey(w, Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_TRUE(launches_.empty()) << "Shift+F1 is no F1";
    apptest::PressKey(w, Qt::Key_F1);
    ASSERT_EQ(launches_.size(), 1u) << w->objectName().toStdString();
    EXPECT_EQ(launches_[0].first, LaunchKind::WebPage);
  }
  // The main window's own key table, and the shared entry other libraries
  // call.
  launches_.clear();
  Form_Main->FormKeyDown(Qt::Key_F1, app::Shift::None);
  platform::OpenUserGuide();
  EXPECT_EQ(launches_.size(), 2u);
}

TEST_F(Help, RemoteSupportAndMailPage) {
  TFrameMenuHilfe* h = Form_Main->FrameMenuHilfe;
  EXPECT_EQ(h->RemoteSupportPath, Form_Main->TeamViewerDir + "TeamViewerQS.exe");
  EXPECT_FALSE(OwnEnabled(h->SpeedButtonFernsteuerung));
  h->SpeedButtonFernsteuerungClick(h->SpeedButtonFernsteuerung);
  EXPECT_TRUE(launches_.empty()) << "nothing to start";
  EXPECT_FALSE(FormMessage->isVisible());
  ASSERT_TRUE(platform::WriteFileDirect(h->RemoteSupportPath, "qs"));
  h->SpeedButtonFernsteuerungClick(h->SpeedButtonFernsteuerung);
  h->SpeedButtonEmailClick(h->SpeedButtonEmail);
  ASSERT_EQ(launches_.size(), 2u);
  EXPECT_EQ(launches_[0], std::make_pair(LaunchKind::Program, h->RemoteSupportPath));
  EXPECT_EQ(launches_[1], std::make_pair(LaunchKind::WebPage, std::string("https://support.osmek-ag.ch/support/en/contact/")));
}

TEST_F(Help, InfoButtonsOpenTheMakersPages) {
  TFrameMenuHilfe* h = Form_Main->FrameMenuHilfe;
  struct Case {
    platform::SpeedButton* TFormInfo::*button;
    int result;
    std::vector<std::string> pages;
  };
  const Case cases[] = {
      {&TFormInfo::SpeedButtonEmail, 100, {"https://support.osmek-ag.ch/support/en/contact/"}},
      {&TFormInfo::SpeedButtonInternet, 200, {"https://www.osmek-ag.ch", "https://www.osmek-ag.com"}},
      {&TFormInfo::SpeedButtonSupport, 300, {"https://support.osmek-ag.ch/support/en/printer/tarvik23/"}},
      {&TFormInfo::SpeedButtonAbbrechen, 2, {}},
  };
  for (const Case& c : cases) {
    launches_.clear();
    int result = -1;
    apptest::WhenModal([&] {
      (FormInfo->*c.button)->click();
      result = FormInfo->result();
    });
    h->SpeedButtonInfoClick(h->SpeedButtonInfo);
    EXPECT_EQ(result, c.result);
    std::vector<std::string> pages;
    for (const auto& l : launches_) pages.push_back(l.second);
    EXPECT_EQ(pages, c.pages) << c.result;
  }
}

TEST_F(Help, InfoKeys) {
  apptest::WhenModal([] {
    apptest::PressKey(FormInfo, Qt::Key_Return);
    apptest::PressKey(FormInfo, Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_TRUE(FormInfo->isVisible()) << "Enter and Shift+Esc do nothing";
    apptest::PressKey(FormInfo, Qt::Key_Escape);
  });
  EXPECT_EQ(FormInfo->exec(), 2);
}

TEST(InfoText, LabelsPerLanguageAndTheIdentifier) {
  const QStringList german = app::InfoLines(0, 0x0012ABCD);
  ASSERT_GE(german.size(), 5);
  EXPECT_EQ(german[0], QStringLiteral("Version: Tarvik23 V01.00-99"));
  EXPECT_EQ(german[1], QStringLiteral("Release: 27.08.2024 @ 22:00"));
  EXPECT_EQ(german[2], QStringLiteral("ID:      0012ABCD"));
  EXPECT_TRUE(german[3].isEmpty());
  EXPECT_EQ(app::InfoLines(7, 0x0012ABCD), german) << "an id outside 1 to 4 is German";
  EXPECT_EQ(app::InfoLines(0, 0)[2], QStringLiteral("ID:      00000000"));
  const QStringList italian = app::InfoLines(3, 1);
  EXPECT_EQ(italian[0], QStringLiteral("Versione: Tarvik23 V01.00-99"));
  EXPECT_EQ(italian[1], QStringLiteral("Release:  27.08.2024 @ 22:00"));
  EXPECT_EQ(italian[2], QStringLiteral("ID:       00000001"));
  EXPECT_EQ(app::InfoLines(4, 1)[0], QStringLiteral("Versión: Tarvik23 V01.00-99"));
  // In every language the values start in one column.
  for (int l = 0; l <= 4; ++l) {
    const QStringList lines = app::InfoLines(l, 1);
    const int column = static_cast<int>(lines[0].indexOf(QLatin1String("Tarvik23")));
    EXPECT_EQ(lines[1].indexOf(QLatin1String("27.08")), column) << l;
    EXPECT_EQ(lines[2].indexOf(QLatin1String("00000001")), column) << l;
  }
}

TEST_F(Help, InfoWindowShowsTheCurrentLanguage) {
  const QString id = QStringLiteral("%1").arg(platform::PcIdentifier(), 8, 16, QLatin1Char('0')).toUpper();
  EXPECT_EQ(FormInfo->Memo->Lines()[2], QStringLiteral("ID:      ") + id) << "German until first shown";
  Language(3);
  apptest::WhenModal([] { FormInfo->SpeedButtonAbbrechen->click(); });
  FormInfo->exec();
  EXPECT_EQ(FormInfo->Memo->Lines(), app::InfoLines(3, platform::PcIdentifier()));
}

TEST_F(Help, QuickHelpOfThePageShown) {
  struct Case {
    QWidget* page;
    QString caption;
    int lines;
    int height;
  };
  const Case cases[] = {{Form_Main->FrameBearbeiten, QStringLiteral(" Bearbeiten ?"), 16, 306 + 65},
                        {Form_Main->FramePrinter, QStringLiteral(" Printer ?"), 4, 90 + 65},
                        {Form_Main->FrameDaten, QStringLiteral(" Daten ?"), 24, 450 + 65}};
  for (const Case& c : cases) {
    for (QWidget* p : {static_cast<QWidget*>(Form_Main->FrameDaten), static_cast<QWidget*>(Form_Main->FrameBearbeiten),
                       static_cast<QWidget*>(Form_Main->FramePrinter)})
      p->setVisible(p == c.page);
    apptest::WhenModal([&c] {
      EXPECT_EQ(FormSchnellhilfe->windowTitle(), c.caption);
      EXPECT_EQ(FormSchnellhilfe->Memo->Lines().size(), static_cast<qsizetype>(c.lines));
      EXPECT_EQ(FormSchnellhilfe->height(), c.height);
      EXPECT_EQ(FormSchnellhilfe->SpeedButtonOK->Caption(), QStringLiteral("Abbrechen"));
      apptest::PressKey(FormSchnellhilfe, Qt::Key_Return);
      EXPECT_TRUE(FormSchnellhilfe->isVisible()) << "Enter does not close it";
      apptest::PressKey(FormSchnellhilfe, Qt::Key_Escape);
    });
    FormSchnellhilfe->exec();
    EXPECT_FALSE(FormSchnellhilfe->isVisible());
  }
  EXPECT_EQ(FormSchnellhilfe->Memo->Lines().last(), QStringLiteral("Benutzerhandbuch ............. F1"));
  // With no page shown it keeps what it showed last.
  Form_Main->FrameDaten->hide();
  apptest::WhenModal([] { FormSchnellhilfe->SpeedButtonOK->click(); });
  FormSchnellhilfe->exec();
  EXPECT_EQ(FormSchnellhilfe->windowTitle(), QStringLiteral(" Daten ?"));
}

}  // namespace
