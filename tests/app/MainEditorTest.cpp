// The editor page in the main window: its menus under its buttons, the
// side bar while it is shown, and the main window's keys reaching it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPixmap>
#include <cstdlib>

#include "AppFixture.h"
#include "app/TForm_Main.h"
#include "editor/ui/TFormBearbeitenDruckansicht.h"
#include "editor/ui/TFrameBearbeiten.h"
#include "editor/ui/TFrameBearbeitenText.h"
#include "editor/ui/TFrameMenuAnsichtBearbeiten.h"
#include "editor/ui/TFrameMenuZoomBearbeiten.h"
#include "printdata/ui/TFrameDaten.h"
#include "printdata/ui/Thread_Daten.h"
#include "printersettings/ui/TFramePrinter.h"

using platform::OwnEnabled;

namespace {

using MainEditor = apptest::AppFixture;

printdata::PrintText Sample() {
  printdata::PrintText t;
  t.Layers[0].Kind = printdata::kKindText;
  t.Layers[0].Text = "KAT A";
  t.Layers[1].Kind = printdata::kKindDate;
  t.Layers[1].PosX = 50;
  t.Layers[1].Height = 9;
  t.Layers[1].Width = 5;
  t.Layers[2].Kind = printdata::kKindTime;
  t.Layers[2].PosX = 50;
  t.Layers[2].PosY = -12;
  t.Layers[2].Height = 9;
  t.Layers[2].Width = 5;
  t.Parameters.X1.Vorlauf = 100;
  t.Parameters.X1.Anzahl = 3;
  t.Parameters.X1.Abstand = 50;
  t.Parameters.X1.Anzahl2 = 2;
  t.Parameters.X1.Abstand2 = 150;
  t.Parameters.X1.Nachlauf = 100;
  return t;
}

}  // namespace

TEST_F(MainEditor, OpeningTheEditorHidesTheOtherPagesAndLocksTheSideBar) {
  TFrameBearbeiten* e = Form_Main->FrameBearbeiten;
  const printdata::PrintText text = Sample();
  e->OpenInEditor(&text, QStringLiteral("Bearbeiten - Neu [1]"));
  e->ShowEditorView(2);
  EXPECT_EQ(Form_Main->ShownPage(), app::Page::Editor);
  EXPECT_TRUE(Form_Main->FrameDaten->isHidden());
  EXPECT_TRUE(Form_Main->FramePrinter->isHidden());
  EXPECT_FALSE(OwnEnabled(Form_Main->SpeedButtonPC));
  EXPECT_FALSE(OwnEnabled(Form_Main->PanelHilfe));
  EXPECT_EQ(e->CurrentLayer, 2);
  // The menus open under their buttons.
  e->SpeedButtonAnsichtClick(e->SpeedButtonAnsicht);
  EXPECT_FALSE(Form_Main->FrameMenuAnsichtBearbeiten->isHidden());
  EXPECT_EQ(Form_Main->FrameMenuAnsichtBearbeiten->pos(),
            QPoint(e->PanelAnsicht->x() + 106, e->PanelAnsicht->y() + 84));
  Form_Main->CloseMenusAndRefresh();
  EXPECT_TRUE(Form_Main->FrameMenuAnsichtBearbeiten->isHidden());

  e->SpeedButtonAbbrechenClick(e->SpeedButtonAbbrechen);
  EXPECT_EQ(Form_Main->ShownPage(), app::Page::Data);
  EXPECT_TRUE(OwnEnabled(Form_Main->SpeedButtonPC));
}

TEST_F(MainEditor, TheMainWindowsKeysChangeTheEditorsViewAndZoom) {
  TFrameBearbeiten* e = Form_Main->FrameBearbeiten;
  e->OpenInEditor(nullptr, QStringLiteral("x"));
  e->ShowEditorView(0);
  Form_Main->FormKeyDown(Qt::Key_3, app::Shift::Ctrl);
  EXPECT_EQ(e->EditorView(), 2);
  Form_Main->FormKeyDown(Qt::Key_Down, app::Shift::Ctrl);
  EXPECT_EQ(e->EditorView(), 3);
  Form_Main->FormKeyDown(Qt::Key_7, app::Shift::Ctrl);
  Form_Main->FormKeyDown(Qt::Key_Down, app::Shift::Ctrl);
  EXPECT_EQ(e->EditorView(), 6);
  Form_Main->FormKeyDown(Qt::Key_Right, app::Shift::Ctrl);
  EXPECT_EQ(e->EditorZoom(), 5);
  bool handled = false;
  Form_Main->FormMouseWheelDown(app::Shift::Ctrl, handled);
  EXPECT_EQ(e->EditorZoom(), 4);
  EXPECT_EQ(e->PanelVorschau->height(), 4 * 25 + 33);
}

TEST_F(MainEditor, AtTheSmallestSizeThePageFitsTheWindow) {
  Form_Main->resize(852, 612);
  Form_Main->show();
  TFrameBearbeiten* e = Form_Main->FrameBearbeiten;
  const printdata::PrintText text = Sample();
  e->OpenInEditor(&text, QStringLiteral("Bearbeiten - Neu [1]"));
  e->ShowEditorView(0);
  // The refresh pass that follows the opening within a second.
  Form_Main->FrameDaten->Refresher->Refresh();
  QApplication::processEvents();
  EXPECT_TRUE(Form_Main->PanelMain->rect().contains(e->geometry()));
  EXPECT_LE(e->PanelUnten->geometry().bottom(), e->height() - 1);
  EXPECT_GE(e->PanelMain->height(), 3 * 75 - 8);
  if (const char* dir = std::getenv("TARVIK_SCREENSHOT_DIR")) {
    Form_Main->grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/main-editor.png"));
    e->SpeedButtonDruckansichtClick(e->SpeedButtonDruckansicht);
    QApplication::processEvents();
    Form_Main->grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/main-editor-parameters.png"));
    e->FormBearbeitenDruckansicht->grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/main-print-view.png"));
    e->SpeedButtonDruckansichtClick(e->SpeedButtonDruckansicht);
  }
}
