#include <gtest/gtest.h>

#include <QApplication>
#include <QWheelEvent>
#include <filesystem>

#include "AppFixture.h"
#include "support/FileBytes.h"
#include "app/pc/TFormEinstellenPC.h"
#include "app/TFormMessage.h"
#include "app/TForm_Main.h"
#include "app/pc/TFrameMenuHilfe.h"
#include "app/pc/TFrameMenuPC.h"
#include "editor/ui/TFrameBearbeiten.h"
#include "platform/FileIO.h"
#include "platform/qt/SystemMessageBox.h"
#include "printdata/ui/TFrameDaten.h"
#include "printdata/ui/TFrameMenuAnsicht.h"
#include "printdata/ui/TFrameMenuBearbeiten.h"
#include "printersettings/ui/TFrameMenuPrinter.h"
#include "printersettings/ui/TFramePrinter.h"

using platform::OwnEnabled;

namespace {

using MainWindow = apptest::AppFixture;
using apptest::PressKey;

}  // namespace

TEST_F(MainWindow, StartsWithTheDataViewAndItsFolderTree) {
  EXPECT_EQ(Form_Main->windowTitle(), QStringLiteral(" Tarvik23 - Osmek AG"));
  EXPECT_EQ(Form_Main->StartDir, StartDir() + "/");
  EXPECT_EQ(Form_Main->RootDir, temp_.path() + "/Tarvik23/");
  EXPECT_EQ(Form_Main->DataEasyDir, Form_Main->RootDir + "DATAEASY/");
  EXPECT_TRUE(std::filesystem::is_directory(Form_Main->DataEasyDir + "020"));
  EXPECT_TRUE(boxes_.empty());
  EXPECT_FALSE(Form_Main->FrameDaten->isHidden());
  EXPECT_TRUE(Form_Main->FrameBearbeiten->isHidden());
  EXPECT_TRUE(Form_Main->FramePrinter->isHidden());
  EXPECT_EQ(Form_Main->ShownPage(), app::Page::Data);
  EXPECT_EQ(Form_Main->size(), QSize(892, 673));
  EXPECT_EQ(Form_Main->HideMenuFrames(), 0);
  // The menus open under their buttons.
  const QWidget* panel = Form_Main->FrameDaten->PanelWerkzeug;
  EXPECT_EQ(Form_Main->FrameMenuBearbeiten->pos(), QPoint(panel->x() + 106, panel->y() + 84));
  EXPECT_EQ(Form_Main->FrameMenuPC->pos(), QPoint(Form_Main->PanelPC->width() + 10, Form_Main->PanelPC->y()));
}

TEST_F(MainWindow, NeverSmallerThanItsSmallestClientArea) {
  Form_Main->resize(400, 300);
  EXPECT_EQ(Form_Main->size(), QSize(852, 612));
}

TEST_F(MainWindow, IdleStepWithoutData) {
  TFrameDaten* d = Form_Main->FrameDaten;
  Form_Main->CloseMenusAndRefresh();
  EXPECT_TRUE(OwnEnabled(d->SpeedButtonOeffnen));
  for (QWidget* b : std::initializer_list<QWidget*>{d->SpeedButtonAnsichtDown, d->SpeedButtonSpeichern,
                                                     d->SpeedButtonSchliessen, d->SpeedButtonWerkzeug,
                                                     d->SpeedButtonSchutz, d->SpeedButtonRapport})
    EXPECT_FALSE(OwnEnabled(b));
  EXPECT_FALSE(OwnEnabled(Form_Main->FrameMenuPrinter->SpeedButtonSpeichernAufDrucker));
  EXPECT_TRUE(OwnEnabled(Form_Main->PanelPC));
}

TEST_F(MainWindow, IdleStepFollowsTheNumberOfPrintTexts) {
  TFrameDaten* d = Form_Main->FrameDaten;
  TFrameMenuBearbeiten* m = Form_Main->FrameMenuBearbeiten;
  const struct {
    int count;
    bool neu, entfernen;
  } cases[] = {{1, true, false}, {2, true, true}, {98, true, true}, {99, false, true}};
  for (const auto& c : cases) {
    d->Count = c.count;
    Form_Main->CloseMenusAndRefresh();
    EXPECT_EQ(OwnEnabled(m->SpeedButtonNeu), c.neu) << c.count;
    EXPECT_EQ(OwnEnabled(m->SpeedButtonEntfernen), c.entfernen) << c.count;
    EXPECT_TRUE(OwnEnabled(d->SpeedButtonRapport));
    EXPECT_TRUE(OwnEnabled(Form_Main->FrameMenuPrinter->SpeedButtonSpeichernAufDrucker));
  }
  // The paste entries follow their own tags.
  EXPECT_FALSE(OwnEnabled(m->SpeedButtonEinfuegen));
  m->SpeedButtonEinfuegen->Tag = 1;
  Form_Main->CloseMenusAndRefresh();
  EXPECT_TRUE(OwnEnabled(m->SpeedButtonEinfuegen));
  EXPECT_FALSE(OwnEnabled(m->SpeedButtonEinfuegenErweitert));
}

TEST_F(MainWindow, IdleStepOnTheEditorAndPrinterPages) {
  Form_Main->FrameDaten->hide();
  Form_Main->FrameBearbeiten->show();
  Form_Main->CloseMenusAndRefresh();
  EXPECT_EQ(Form_Main->ShownPage(), app::Page::Editor);
  for (QWidget* w : std::initializer_list<QWidget*>{Form_Main->SpeedButtonPrinter, Form_Main->LabelPrinter,
                                                     Form_Main->SpeedButtonPC, Form_Main->PanelPrinter,
                                                     Form_Main->PanelHilfe})
    EXPECT_FALSE(OwnEnabled(w));
  EXPECT_TRUE(OwnEnabled(Form_Main->PanelTimeDate));

  Form_Main->FrameBearbeiten->hide();
  Form_Main->FramePrinter->show();
  Form_Main->CloseMenusAndRefresh();
  EXPECT_TRUE(OwnEnabled(Form_Main->SpeedButtonPrinter));
  EXPECT_FALSE(OwnEnabled(Form_Main->PanelPrinter));
  EXPECT_FALSE(OwnEnabled(Form_Main->SpeedButtonHilfe));
  // The printer button's panel takes no clicks, but the button keeps the
  // look that names the page shown; the other side buttons look switched off.
  EXPECT_FALSE(Form_Main->SpeedButtonPrinter->isEnabled());
  EXPECT_EQ(Form_Main->SpeedButtonPrinter->CaptionColour(), Form_Main->SpeedButtonPrinter->FontColor());
  EXPECT_EQ(Form_Main->SpeedButtonHilfe->CaptionColour(), platform::colours::kDisabledText);

  Form_Main->FramePrinter->hide();
  Form_Main->FrameDaten->show();
  Form_Main->CloseMenusAndRefresh();
  EXPECT_TRUE(OwnEnabled(Form_Main->PanelPrinter));
  EXPECT_TRUE(OwnEnabled(Form_Main->SpeedButtonPC));
}

TEST_F(MainWindow, IdleStepPausesOnlyWhenAMenuWasOpen) {
  const auto slept = time_->TotalSlept();
  Form_Main->CloseMenusAndRefresh();
  EXPECT_EQ(time_->TotalSlept(), slept);
  Form_Main->FrameMenuPC->show();
  Form_Main->CloseMenusAndRefresh();
  EXPECT_TRUE(Form_Main->FrameMenuPC->isHidden());
  EXPECT_EQ(time_->TotalSlept(), slept + 50);
}

TEST_F(MainWindow, PrinterButtonWithoutPrinterTellsSo) {
  bool noticed = false;
  apptest::WhenModal([&] {
    noticed = FormMessage->PanelMain->Caption() == FormMessage->MsgNoPrinter &&
              FormMessage->windowTitle() == QStringLiteral(" Printer");
    FormMessage->SpeedButtonInformationOK->click();
  });
  Form_Main->SpeedButtonPrinter->click();
  EXPECT_TRUE(noticed);
  EXPECT_TRUE(Form_Main->FrameMenuPrinter->isHidden());

  // With a printer connected the menu opens; a second click only closes it.
  Form_Main->LabelPrinter->setText(QString());
  Form_Main->SpeedButtonPrinter->click();
  EXPECT_FALSE(Form_Main->FrameMenuPrinter->isHidden());
  Form_Main->SpeedButtonPrinter->click();
  EXPECT_TRUE(Form_Main->FrameMenuPrinter->isHidden());

  Form_Main->LabelPrinter->setText(QStringLiteral("."));
  FormEinstellenPC->UseSimulation = 1;
  Form_Main->SpeedButtonPrinter->click();
  EXPECT_FALSE(Form_Main->FrameMenuPrinter->isHidden());
}

TEST_F(MainWindow, AClickOnAMenusBackgroundClosesIt) {
  for (QWidget* block : {static_cast<QWidget*>(Form_Main->FrameMenuPC->PanelMain1),
                         static_cast<QWidget*>(Form_Main->FrameMenuPC->PanelMain2),
                         static_cast<QWidget*>(Form_Main->FrameMenuPC->PanelMain3),
                         static_cast<QWidget*>(Form_Main->FrameMenuPC->PanelMain4)}) {
    Form_Main->SpeedButtonPC->click();
    ASSERT_FALSE(Form_Main->FrameMenuPC->isHidden());
    apptest::Click(block);
    EXPECT_TRUE(Form_Main->FrameMenuPC->isHidden());
  }
  for (QWidget* block : {static_cast<QWidget*>(Form_Main->FrameMenuHilfe->PanelMain1),
                         static_cast<QWidget*>(Form_Main->FrameMenuHilfe->PanelMain2)}) {
    Form_Main->SpeedButtonHilfe->click();
    ASSERT_FALSE(Form_Main->FrameMenuHilfe->isHidden());
    apptest::Click(block);
    EXPECT_TRUE(Form_Main->FrameMenuHilfe->isHidden());
  }
}

TEST_F(MainWindow, MenusOpenOneAtATime) {
  Form_Main->SpeedButtonPC->click();
  EXPECT_FALSE(Form_Main->FrameMenuPC->isHidden());
  Form_Main->SpeedButtonHilfe->click();
  EXPECT_TRUE(Form_Main->FrameMenuPC->isHidden());
  EXPECT_EQ(Form_Main->HideMenuFrames(), 1);
}

TEST_F(MainWindow, DateAndTimeSwapPlaces) {
  const QString first = Form_Main->SpeedButtonTimeDate->Caption();
  EXPECT_EQ(first.size(), 10);  // dd.mm.yyyy
  EXPECT_EQ(first[2], QChar('.'));
  Form_Main->SpeedButtonTimeDate->click();
  EXPECT_EQ(Form_Main->SpeedButtonTimeDate->Tag, 1);
  EXPECT_EQ(Form_Main->SpeedButtonTimeDate->Caption().size(), 8);  // hh:mm:ss
  EXPECT_EQ(Form_Main->SpeedButtonTimeDate->toolTip().size(), 10);
  EXPECT_TRUE(Form_Main->TimerTimeDate->isActive());
  EXPECT_EQ(Form_Main->TimerTimeDate->interval(), 500);
}

TEST_F(MainWindow, KeysReachTheWindowFirstAndOnce) {
  TFrameMenuAnsicht* view = Form_Main->FrameMenuAnsicht;
  Form_Main->show();
  // Sent to a control deep inside the page, offered to each parent in turn.
  PressKey(Form_Main->FrameDaten->PanelTop, Qt::Key_6, Qt::ControlModifier);
  EXPECT_EQ(view->SpeedButtonParameter->Tag, 1);
  PressKey(Form_Main, Qt::Key_6, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(view->SpeedButtonParameter->Tag, 1);
  PressKey(Form_Main, Qt::Key_2, Qt::ControlModifier);
  EXPECT_EQ(view->SpeedButtonEbenen->Tag, 1);

  // Zoom keys need the view button, which needs data.
  PressKey(Form_Main, Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(view->LabelZoom->Tag, 2);
  Form_Main->FrameDaten->Count = 3;
  Form_Main->CloseMenusAndRefresh();
  PressKey(Form_Main, Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(view->LabelZoom->Tag, 3);

  QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::ControlModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(Form_Main->FrameDaten, &wheel);
  EXPECT_EQ(view->LabelZoom->Tag, 2);
}

TEST_F(MainWindow, CloseIsRefusedWhileWorkIsOpen) {
  Form_Main->show();
  Form_Main->FrameDaten->SetModified(true);
  bool noticed = false;
  apptest::WhenModal([&] {
    noticed = FormMessage->PanelMain->Caption() == FormMessage->MsgSaveOrCloseFirst &&
              FormMessage->PanelMain->Color() == 15790320u;
    FormMessage->SpeedButtonInformationOK->click();
  });
  EXPECT_FALSE(Form_Main->close());
  EXPECT_TRUE(noticed);
  EXPECT_TRUE(Form_Main->isVisible());
  EXPECT_FALSE(std::filesystem::exists(ConfigFile("Window23.ini")));

  Form_Main->FrameDaten->SetModified(false);
  Form_Main->FrameDaten->hide();
  Form_Main->FrameBearbeiten->show();
  apptest::WhenModal([] { FormMessage->SpeedButtonInformationOK->click(); });
  EXPECT_FALSE(Form_Main->close());
  EXPECT_TRUE(Form_Main->isVisible());
}

TEST_F(MainWindow, CloseWritesTheWindowPlacesAndLetsTheNextCopyStart) {
  Form_Main->show();
  const auto slept = time_->TotalSlept();
  EXPECT_TRUE(Form_Main->close());
  EXPECT_FALSE(Form_Main->isVisible());
  EXPECT_FALSE(FormMessage->isVisible());
  EXPECT_GE(time_->TotalSlept(), slept + 1000);
  EXPECT_EQ(testsupport::FileBytes(ConfigFile("Window23.ini")).substr(0, 8), "V04.00\r\n");
  // Tarvik23.ini is written only when a setting changes, never at exit.
  EXPECT_FALSE(std::filesystem::exists(ConfigFile("Tarvik23.ini")));
  platform::SingleInstanceLock next;
  EXPECT_EQ(next.Acquire("Tarvik23", temp_.path()), platform::InstanceLockResult::Acquired);
}

TEST_F(MainWindow, ShellOperationsSpareTheProgramsOwnFolders) {
  ASSERT_TRUE(platform::WriteFileAtomic(Form_Main->TmpDir + "x.tmp", "x"));
  EXPECT_EQ(Form_Main->ShellDeletePath(Form_Main->RootDir + "*.*", false), -2);
  EXPECT_EQ(Form_Main->ShellDeletePath(Form_Main->StartDir, false), -2);
  EXPECT_TRUE(std::filesystem::exists(Form_Main->TmpDir + "x.tmp"));
  EXPECT_EQ(Form_Main->ShellDeletePath(Form_Main->TmpDir + "*.*", false), 1);
  EXPECT_FALSE(std::filesystem::exists(Form_Main->TmpDir + "x.tmp"));
  EXPECT_EQ(Form_Main->ShellCopyPath(Form_Main->ConfigDir, Form_Main->ConfigDir, false), 1);
}

TEST(MainWindowStart, SecondCopyIsRefused) {
  testsupport::TempDir temp;
  std::filesystem::create_directories(temp.path() + "/bin");
  platform::SingleInstanceLock running;
  ASSERT_EQ(running.Acquire("Tarvik23", temp.path()), platform::InstanceLockResult::Acquired);
  app::StartupEnvironment env;
  env.startDir = temp.path() + "/bin";
  env.lockDir = temp.path();
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        platform::SetSystemBoxSink([](const QString& title, const QString& text, platform::SystemBoxIcon icon) {
          std::fprintf(stderr, "[%s|%s|%d]", qPrintable(title), qPrintable(text.simplified()),
                       icon == platform::SystemBoxIcon::Stop);
        });
        new TForm_Main(nullptr, env);
      },
      ::testing::ExitedWithCode(255),
      "\\[Tarvik23 - Osmek AG\\|Das Programm 'Tarvik23' wird bereits ausgeführt\\.\\.\\. The program 'Tarvik23' is "
      "already running\\.\\.\\.\\|1\\]");
  // Nothing of the refused copy was built.
  EXPECT_FALSE(std::filesystem::exists(temp.path() + "/CONFIG"));
}

TEST(MainWindowStart, FoldersThatCannotBeCreatedAreNamed) {
  testsupport::TempDir temp;
  std::filesystem::create_directories(temp.path() + "/bin");
  ASSERT_TRUE(platform::WriteFileAtomic(temp.path() + "/LANGUAGE", "in the way"));
  QString shown;
  platform::SetSystemBoxSink([&](const QString&, const QString& text, platform::SystemBoxIcon) { shown = text; });
  app::StartupEnvironment env;
  env.startDir = temp.path() + "/bin";
  env.lockDir = temp.path();
  auto* main = new TForm_Main(nullptr, env);
  platform::SetSystemBoxSink(nullptr);
  EXPECT_EQ(main->LanguageDir, temp.path() + "/LANGUAGE/");
  EXPECT_EQ(main->FoldersNotCreated, (std::vector<std::string>{temp.path() + "/LANGUAGE/"}));
  EXPECT_TRUE(shown.contains(QString::fromStdString(temp.path() + "/LANGUAGE/")));
  delete main;
}
