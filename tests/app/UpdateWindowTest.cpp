#include <gtest/gtest.h>

#include <filesystem>

#include "AppFixture.h"
#include "app/DesktopLauncher.h"
#include "app/pc/TFormInfo.h"
#include "app/pc/TFrameMenuHilfe.h"
#include "platform/qt/NamedColours.h"
#include "app/TFormMessage.h"
#include "app/fetch/ui/TForm_Browser.h"
#include "app/TForm_Main.h"
#include "app/fetch/ui/TForm_Update.h"
#include "app/pc/TFrameMenuPC.h"
#include "platform/FileIO.h"
#include "printdata/ui/TFrameDaten.h"
#include "support/AddressSpace.h"
#include "support/LoopbackFtpServer.h"

using platform::OwnEnabled;

namespace {

const std::string kNewer = "1\r\n20250301\r\n0800\r\nTarvik23Setup.run\r\n";

class UpdateWindow : public apptest::AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    app::SetLaunchSink([this](app::LaunchKind kind, const std::string& target, const std::string& dir) {
      Launched l{kind, target, dir};
      // What holds at the moment the installer starts.
      l.threadsStopped = Form_Update->UpdateThread->Finished() && Form_Browser->NewsThread->Finished();
      l.lockReleased = !Form_Main->InstanceMutex.Held();
      std::error_code ec;
      l.executable = (std::filesystem::status(target, ec).permissions() & std::filesystem::perms::owner_exec) !=
                     std::filesystem::perms::none;
      launches_.push_back(l);
      return true;
    });
  }
  void TearDown() override {
    app::SetLaunchSink(nullptr);
    AppFixture::TearDown();
  }
  void Local(const std::string& name, const std::string& bytes) {
    ASSERT_TRUE(platform::WriteFileDirect(Form_Main->UpdateDir + name, bytes));
  }
  // A ready update in the UPDATE folder. The thread, which would decide the
  // ready state anew, has stopped.
  void ReadyUpdate() {
    Form_Update->StopThread();
    Local("INFO.UPD", kNewer);
    Local("Tarvik23Setup.run", "#!/bin/sh\n");
    Form_Update->ReadyFlag = 1;
  }

  struct Launched {
    app::LaunchKind kind;
    std::string target, dir;
    bool threadsStopped = false, lockReleased = false, executable = false;
  };
  std::vector<Launched> launches_;
};

// Without room for another thread's stack the update thread cannot be
// created, and the program ends with exit code -1.
TEST_F(UpdateWindow, ThreadThatCannotBeCreatedEndsTheProgram) {
  if (!testsupport::kAddressSpaceCapWorks) GTEST_SKIP() << "the sanitizers reserve memory beyond any cap";
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  auto withoutRoom = [] {
    // The fixture's own update thread first finishes its cycle, so that it
    // waits on nothing the exit takes down.
    apptest::PumpUntil([] { return Form_Update->UpdateThread->CyclesDone() >= 1; }, 5);
    testsupport::CapAddressSpaceGrowth(1u << 20);
    new TForm_Update(nullptr, apptest::OfflineFetchSettings());
  };
  EXPECT_EXIT(withoutRoom(), ::testing::ExitedWithCode(255), "");
}

TEST_F(UpdateWindow, ReadyStateFollowsTheUpdateThread) {
  testsupport::LoopbackFtpServer server;
  server.Put("Tarvik23/INFO.UPD", kNewer);
  server.Put("Tarvik23/Tarvik23Setup.run", std::string(50000, 'i'));
  delete Form_Update;
  platform::SpeedButton* button = Form_Main->FrameMenuPC->SpeedButtonUpdate;
  button->setEnabled(true);
  app::FetchSettings s = apptest::OfflineFetchSettings();
  s.port = server.Port();
  s.updateUser = "update";
  new TForm_Update(nullptr, s);
  EXPECT_FALSE(OwnEnabled(button)) << "disabled before the first ready check";
  ASSERT_TRUE(apptest::PumpUntil([] { return Form_Update->ReadyFlag == 1; }, 5));
  EXPECT_TRUE(OwnEnabled(button));
  EXPECT_EQ(Form_Update->UpdateThread->LastStep(), app::UpdateStep::Fetched);
  EXPECT_TRUE(std::filesystem::exists(Form_Main->UpdateDir + "Tarvik23Setup.run"));
}

TEST_F(UpdateWindow, QuestionSetsTheAcceptedFlagOnYesOnly) {
  bool asked = false;
  apptest::WhenModal([&asked] {
    asked = FormMessage->LabelText1->text() == QStringLiteral("Eine neue Version ist auf dem PC bereit.") &&
            FormMessage->windowTitle() == QStringLiteral(" Update");
    FormMessage->SpeedButtonNein->click();
  });
  Form_Update->AskUpdate();
  EXPECT_TRUE(asked);
  EXPECT_EQ(Form_Update->AcceptedFlag, 0);
  apptest::WhenModal([] { FormMessage->SpeedButtonJa->click(); });
  Form_Update->AskUpdate();
  EXPECT_EQ(Form_Update->AcceptedFlag, 1);
  Form_Update->AskUpdate();  // no question once accepted
  EXPECT_EQ(Form_Update->AcceptedFlag, 1);
}

TEST_F(UpdateWindow, InstallerStartsOnlyAfterBothThreadsHaveStopped) {
  Local("INFO.UPD", kNewer);
  Local("Tarvik23Setup.run", "#!/bin/sh\n");
  ASSERT_FALSE(Form_Update->UpdateThread->Finished());
  ASSERT_FALSE(Form_Browser->NewsThread->Finished());
  Form_Update->StartInstaller();
  ASSERT_EQ(launches_.size(), 1u);
  EXPECT_EQ(launches_[0].kind, app::LaunchKind::Program);
  EXPECT_EQ(launches_[0].target, Form_Main->UpdateDir + "Tarvik23Setup.run");
  EXPECT_TRUE(launches_[0].threadsStopped);
  EXPECT_TRUE(launches_[0].executable);
  EXPECT_TRUE(beeps_.empty());
}

TEST_F(UpdateWindow, InstallerRefusals) {
  struct Case {
    const char* what;
    std::string info;  // "dir" = INFO.UPD is a folder
    bool installer;
    bool beep;
  };
  const Case cases[] = {
      {"no installer", kNewer, false, true},
      {"three lines", "1\r\n20250301\r\n0800\r\n", true, true},
      {"line 1 not 1", "2\r\n20250301\r\n0800\r\nTarvik23Setup.run\r\n", true, true},
      {"hostile name", "1\r\n20250301\r\n0800\r\n../bin/tarvik23\r\n", true, true},
      {"unreadable description", "dir", true, false},
      {"no description", "", true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove_all(Form_Main->UpdateDir);
    std::filesystem::create_directories(Form_Main->UpdateDir);
    if (c.info == "dir")
      std::filesystem::create_directories(Form_Main->UpdateDir + "INFO.UPD");
    else if (!c.info.empty())
      Local("INFO.UPD", c.info);
    if (c.installer) Local("Tarvik23Setup.run", "x");
    beeps_.clear();
    Form_Update->StartInstaller();
    EXPECT_TRUE(launches_.empty());
    EXPECT_EQ(!beeps_.empty(), c.beep);
  }
}

TEST_F(UpdateWindow, CloseAsksForAReadyUpdateAndHandsItOverLast) {
  ReadyUpdate();
  Form_Main->show();
  apptest::WhenModal([] { FormMessage->SpeedButtonJa->click(); });
  EXPECT_TRUE(Form_Main->close());
  EXPECT_EQ(Form_Update->AcceptedFlag, 1);
  ASSERT_EQ(launches_.size(), 1u);
  EXPECT_TRUE(launches_[0].lockReleased) << "a new copy may start while the installer runs";
  EXPECT_TRUE(launches_[0].threadsStopped);
}

TEST_F(UpdateWindow, CloseWithTheQuestionDeclinedStartsNothing) {
  ReadyUpdate();
  Form_Main->show();
  apptest::WhenModal([] { FormMessage->SpeedButtonNein->click(); });
  EXPECT_TRUE(Form_Main->close());
  EXPECT_TRUE(launches_.empty());
}

TEST_F(UpdateWindow, UpdateButtonAcceptsAndCloses) {
  ReadyUpdate();
  Form_Main->show();
  TFrameMenuPC* menu = Form_Main->FrameMenuPC;
  // Refused while the open data has unsaved changes.
  Form_Main->FrameDaten->SetModified(true);
  bool refused = false;
  apptest::WhenModal([&refused] {
    refused = FormMessage->PanelMain->Caption() == FormMessage->MsgSaveOrCloseFirst;
    FormMessage->SpeedButtonInformationOK->click();
  });
  menu->SpeedButtonUpdateClick(menu->SpeedButtonUpdate);
  EXPECT_TRUE(refused);
  EXPECT_EQ(Form_Update->AcceptedFlag, 0);
  EXPECT_TRUE(Form_Main->isVisible());

  Form_Main->FrameDaten->SetModified(false);
  apptest::WhenModal([] { FormMessage->SpeedButtonJa->click(); });
  menu->SpeedButtonUpdateClick(menu->SpeedButtonUpdate);
  EXPECT_EQ(Form_Update->AcceptedFlag, 1);
  EXPECT_FALSE(Form_Main->isVisible());
  ASSERT_EQ(launches_.size(), 1u) << "accepted once, not asked again at the close";
}

TEST_F(UpdateWindow, NewsWindowKeepsItsPlaceAndColoursTheMailButtons) {
  Form_Browser->show();
  EXPECT_EQ(Form_Main->FrameMenuHilfe->PanelEmail->Color(), platform::colours::kLightGrey);
  Form_Browser->move(40, 50);
  const QPoint place = Form_Browser->pos();
  Form_Browser->close();
  EXPECT_EQ(Form_Browser->PlaceStored, 1);
  Form_Browser->show();
  EXPECT_EQ(Form_Browser->pos(), place);
  Form_Browser->setWindowTitle(QStringLiteral(" Pobrant - Osmek AG"));
  Form_Browser->hide();
  Form_Browser->show();
  EXPECT_EQ(Form_Main->FrameMenuHilfe->PanelEmail->Color(), 0xBBBB77u);
  EXPECT_EQ(FormInfo->PanelEmail->Color(), 0xBBBB77u);
  Form_Browser->close();
  EXPECT_EQ(FormInfo->PanelEmail->Color(), platform::colours::kLightGrey);
}

}  // namespace
