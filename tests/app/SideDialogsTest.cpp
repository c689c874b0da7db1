// The data view's side dialogs in the program: the paste dialog through the
// edit menu with the main window's refusals and keys while it shows, the
// raw bitmap viewer through the "R12" button, and pictures of the three
// dialogs in German and French.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <filesystem>

#include "AppFixture.h"
#include "LanguageFixtures.h"
#include "app/links/DataViewLinks.h"
#include "app/pc/TFormBedienungsmodus.h"
#include "app/TFormMessage.h"
#include "app/language/TFormSprache.h"
#include "app/TForm_Main.h"
#include "rendering/PreviewImages.h"
#include "editor/WorkCopyRenderer.h"
#include "editor/ui/TFrameBearbeiten.h"
#include "filedialog/ui/TForm_FileDialog.h"
#include "platform/FileIO.h"
#include "platform/qt/ShowPainted.h"
#include "printdata/DownloadSet.h"
#include "printdata/ui/TFormEinfuegen.h"
#include "printdata/ui/TFormR12.h"
#include "printdata/ui/TFormRapport.h"
#include "printdata/ui/TFrameDaten.h"
#include "printdata/ui/TFrameMenuBearbeiten.h"

using apptest::PressKey;
using platform::OwnEnabled;

namespace {

// Print text i: "Charge <i+1>", its own print length and note.
void FillData(TFrameDaten& d, int count) {
  for (int i = 0; i < count; ++i) {
    printdata::PrintText& t = d.Group.Texts[static_cast<std::size_t>(i)];
    t.Layers[0].Kind = printdata::kKindText;
    t.Layers[0].Text = "Charge " + std::to_string(i + 1);
    t.Parameters.X1.Drucklaenge = 300 + 50 * i;
    t.Note = "Notiz " + std::to_string(i + 1);
  }
}

class SideDialogs : public apptest::AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    Form_Main->show();
    FillData(Daten(), 3);
    ShowOpenData(3);
  }
  TFrameMenuBearbeiten* Edit() const { return Form_Main->FrameMenuBearbeiten; }
  printdata::PrintText& Text(int i) { return Daten().Group.Texts[static_cast<std::size_t>(i)]; }
  // Copies print text `from` and opens the paste dialog over print text
  // `to`, all through the data view and its edit menu.
  void OpenPasteDialog(int from, int to) {
    apptest::Click(Daten().RowImages[static_cast<std::size_t>(from)]);
    Daten().SpeedButtonWerkzeug->click();
    Edit()->SpeedButtonKopieren->click();
    apptest::Click(Daten().RowImages[static_cast<std::size_t>(to)]);
    Daten().SpeedButtonWerkzeug->click();
    ASSERT_TRUE(OwnEnabled(Edit()->SpeedButtonEinfuegenErweitert));
    Edit()->SpeedButtonEinfuegenErweitert->click();
    ASSERT_TRUE(FormEinfuegen->isVisible());
  }
};

}  // namespace

TEST_F(SideDialogs, PasteDialogFromTheEditMenuLocksTheBarsUntilItCloses) {
  OpenPasteDialog(0, 2);
  EXPECT_TRUE(Edit()->isHidden());
  EXPECT_FALSE(Form_Main->PanelLinks->isEnabled());
  EXPECT_FALSE(Daten().PanelTop->isEnabled());
  EXPECT_FALSE(Daten().SpeedButtonWerkzeug->isEnabled());
  EXPECT_FALSE(Form_Main->SpeedButtonPC->isEnabled());
  // A click on another row marks it; the paste goes there.
  apptest::Click(Daten().RowImages[1]);
  FormEinfuegen->SpeedButtonOK->click();
  EXPECT_EQ(Text(1).Layers, Text(0).Layers);
  EXPECT_EQ(Text(1).Note, "Notiz 2");
  EXPECT_EQ(Daten().RowLayers[1]->LabelEbene[0]->text(), QStringLiteral("Text Charge 1"));
  EXPECT_TRUE(Daten().IsModified());
  FormEinfuegen->SpeedButtonAbbrechen->click();
  EXPECT_TRUE(Form_Main->PanelLinks->isEnabled());
  EXPECT_TRUE(Daten().PanelTop->isEnabled());
  EXPECT_TRUE(Daten().SpeedButtonWerkzeug->isEnabled());
}

TEST_F(SideDialogs, WhileThePasteDialogShowsRowsAreOnlyMarked) {
  OpenPasteDialog(0, 0);
  // A double click opens no editor, a right click no edit menu.
  apptest::DoubleClick(Daten().RowImages[1]);
  EXPECT_EQ(Daten().Selected, 1);
  EXPECT_TRUE(Form_Main->FrameBearbeiten->isHidden());
  EXPECT_FALSE(Daten().isHidden());
  apptest::Click(Daten().RowImages[2], Qt::RightButton);
  EXPECT_EQ(Daten().Selected, 2);
  EXPECT_TRUE(Edit()->isHidden());
  FormEinfuegen->close();
  // Without the dialog the same clicks open them again.
  apptest::Click(Daten().RowImages[1], Qt::RightButton);
  EXPECT_FALSE(Edit()->isHidden());
}

TEST_F(SideDialogs, TheMainWindowsEnterAndEscActOnThePasteDialog) {
  OpenPasteDialog(2, 0);
  // Enter pastes while "Einfügen" can; with no part chosen it does nothing,
  // and opens no editor either.
  PressKey(Form_Main, Qt::Key_Return);
  EXPECT_EQ(Text(0).Layers, Text(2).Layers);
  PressKey(Form_Main, Qt::Key_Down);
  FormEinfuegen->SpeedButtonEbenen->click();
  ASSERT_FALSE(OwnEnabled(FormEinfuegen->SpeedButtonOK));
  PressKey(Form_Main, Qt::Key_Return);
  EXPECT_EQ(Text(1).Layers[0].Text, "Charge 2");
  EXPECT_TRUE(Form_Main->FrameBearbeiten->isHidden());
  EXPECT_TRUE(FormEinfuegen->isVisible());
  PressKey(Form_Main, Qt::Key_Escape);
  EXPECT_TRUE(FormEinfuegen->isHidden());
  EXPECT_TRUE(Form_Main->PanelLinks->isEnabled());
  // Without the dialog, Enter edits the marked print text and Esc does nothing.
  PressKey(Form_Main, Qt::Key_Return);
  EXPECT_FALSE(Form_Main->FrameBearbeiten->isHidden());
}

TEST_F(SideDialogs, TheMainWindowStaysOpenWhileThePasteDialogShows) {
  OpenPasteDialog(0, 1);
  bool noticed = false;
  apptest::WhenModal([&] {
    noticed = FormMessage->PanelMain->Caption() == FormMessage->MsgSaveOrCloseFirst;
    FormMessage->SpeedButtonInformationOK->click();
  });
  EXPECT_FALSE(Form_Main->close());
  EXPECT_TRUE(noticed);
  EXPECT_TRUE(Form_Main->isVisible());
  EXPECT_TRUE(FormEinfuegen->isVisible());
  FormEinfuegen->close();
  EXPECT_TRUE(Form_Main->close());
}

TEST_F(SideDialogs, ProtectedPartsAreNotPastedIntoEveryPrintTextInTheUserMode) {
  // Copied and the dialog opened in the administrator mode; the user mode
  // with parameters protected while it shows.
  FormBedienungsmodus->SetOperatingMode(1);
  OpenPasteDialog(2, 0);
  Daten().Group.Protection = "2";
  FormBedienungsmodus->SetOperatingMode(0);
  FormEinfuegen->SpeedButtonParameter->click();
  FormEinfuegen->SpeedButtonEinfuegenFuerAlle->click();
  Daten().SetModified(false);
  bool noticed = false;
  apptest::WhenModal([&] {
    noticed = FormMessage->LabelText1->text() == FormMessage->MsgProtectionOn;
    FormMessage->SpeedButtonInformationOK->click();
  });
  FormEinfuegen->SpeedButtonOK->click();
  EXPECT_TRUE(noticed);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(Text(i).Layers[0].Text, "Charge " + std::to_string(i + 1)) << i;
    EXPECT_EQ(Text(i).Parameters.X1.Drucklaenge, 300 + 50 * i) << i;
  }
  EXPECT_FALSE(Daten().IsModified());
  FormEinfuegen->close();
}

TEST_F(SideDialogs, TheR12ButtonShowsAndHidesTheRawBitmapViewer) {
  FormBedienungsmodus->SetOperatingMode(3);
  ASSERT_TRUE(Form_Main->PanelR12->isVisible());
  const std::string file = Form_Main->TmpDir + "BS.r23";
  ASSERT_TRUE(platform::WriteFileAtomic(file, std::string(4 * 180, '\x21')));
  Form_Main->SpeedButtonR12->click();
  ASSERT_TRUE(FormR12->isVisible());
  // Its file dialog starts in TMP, titled as the open menu's "Öffnen".
  apptest::WhenModal([] {
    EXPECT_EQ(QApplication::activeModalWidget(), Form_FileDialog);
    EXPECT_EQ(Form_FileDialog->CurrentPath() + "/", Form_Main->TmpDir);
    EXPECT_TRUE(Form_FileDialog->windowTitle().startsWith(QStringLiteral(" Öffnen")));
    ASSERT_TRUE(Form_FileDialog->SelectItemByName("BS.r23"));
    Form_FileDialog->SpeedButton_OK->click();
  });
  apptest::DoubleClick(FormR12->EditFileR12);
  EXPECT_EQ(FormR12->Image0->Picture().size(), QSize(180, 26));
  EXPECT_TRUE(beeps_.empty());
  Form_Main->SpeedButtonR12->click();
  EXPECT_TRUE(FormR12->isHidden());
  Form_Main->SpeedButtonR12->click();
  EXPECT_TRUE(FormR12->isVisible());
  // Closing the program closes the viewer.
  EXPECT_TRUE(Form_Main->close());
  EXPECT_TRUE(FormR12->isHidden());
}

namespace {

class SideDialogPictures : public apptest::LanguageApp {};

}  // namespace

TEST_F(SideDialogPictures, TheThreeDialogsInGermanAndFrench) {
  Form_Main->show();
  // The dialogs place themselves by the main window's place on the screen.
  platform::WaitUntilExposed(Form_Main);
  FillData(Daten(), 3);
  printdata::PrintText& t = Daten().Group.Texts[1];
  t.Layers[1].Kind = printdata::kKindGraphic;
  t.Layers[1].PosX = 120;
  t.Layers[1].GraphicWidth = 20;
  t.Layers[1].GraphicHeight = 20;
  t.Layers[1].Pixels.clear();
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) t.Layers[1].Pixels += (x == y || x == 19 - y || y == 0 || y == 19) ? '1' : '0';
  ShowOpenData(3);
  // The printer file set, whose BS.r23 the viewer shows.
  printdata::PrintText work;
  editor::PreviewImages images;
  editor::WorkCopyRenderer renderer(work, images);
  ASSERT_EQ(printdata::BuildDownloadSet(Daten().Group, 3, "Eier", Form_Main->TmpDir, renderer),
            printdata::kBuildDone);
  const std::string bitmap = printdata::DownloadFolder(Form_Main->TmpDir) + "002/BS.r23";
  FormBedienungsmodus->SetOperatingMode(3);

  for (int language : {0, 2}) {
    SCOPED_TRACE(TFormSprache::FileName(language));
    ASSERT_EQ(FormSprache->SetLanguage(language), 1);
    const std::string suffix = language == 0 ? "-de" : "-fr";
    Daten().SelectRow(Daten().RowImages[1]);

    FormEinfuegen->show();
    platform::WaitUntilExposed(FormEinfuegen);
    FormEinfuegen->SpeedButtonNotiz->click();
    apptest::Screenshot(FormEinfuegen, ("paste-dialog" + suffix).c_str());
    apptest::Screenshot(Form_Main, ("paste-dialog-over-main" + suffix).c_str());
    FormEinfuegen->close();

    int result = 0;
    apptest::WhenModal([&] {
      platform::WaitUntilExposed(FormRapport);
      FormRapport->SpeedButtonParameter->click();
      apptest::Screenshot(FormRapport, ("report-options" + suffix).c_str());
      FormRapport->SpeedButtonParameter->click();
      FormRapport->SpeedButtonAbbrechen->click();
    });
    result = FormRapport->ShowModal();
    EXPECT_EQ(result, 7);

    Form_Main->SpeedButtonR12->click();
    FormR12->EditFileR12->setText(QString::fromStdString(bitmap));
    FormR12->SpeedButtonLaden->click();
    ASSERT_EQ(FormR12->Image0->Picture().width(), 210);
    platform::WaitUntilExposed(FormR12);
    apptest::Screenshot(FormR12, ("raw-bitmap-viewer" + suffix).c_str());
    Form_Main->SpeedButtonR12->click();
  }
  EXPECT_TRUE(beeps_.empty());
}
