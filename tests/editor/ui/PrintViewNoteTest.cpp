// The print view window and the note pane.
#include <QApplication>
#include <QKeyEvent>
#include <vector>

#include "EditorFixture.h"
#include "rendering/ParameterValues.h"
#include "editor/ui/TFormBearbeitenDruckansicht.h"
#include "editor/ui/TFrameBearbeitenNotiz.h"
#include "editor/ui/TFrameBearbeitenParameter.h"
#include "platform/qt/Hardcopy.h"

using namespace editortest;

class PrintView : public EditorFixture {
 protected:
  TFormBearbeitenDruckansicht* V() const { return editor->FormBearbeitenDruckansicht; }
};

TEST_F(PrintView, ShowingMarksTheButtonAndTheLegendClosingUndoesIt) {
  printdata::PrintText t;
  t.Layers[0].Kind = printdata::kKindText;
  Open(&t, 0);
  editor->SpeedButtonDruckansichtClick(nullptr);
  ASSERT_TRUE(editor->PrintViewShown());
  EXPECT_EQ(V()->windowTitle(), QStringLiteral(" Vorschau"));
  EXPECT_EQ(editor->PanelDruckansicht->Color(), 0x800000u);
  TFrameBearbeitenParameter* p = editor->FrameBearbeitenParameter;
  EXPECT_EQ(p->Values[editor::kVorlauf].Panel->Color(), 0x0000FFu);
  EXPECT_EQ(p->Values[editor::kNachlauf].Panel->Color(), 0xFF00FFu);
  EXPECT_EQ(V()->width(), editor->PanelTop->width());
  EXPECT_EQ(V()->height(), editor->PanelTop->height() + editor->PanelVorschau->height());
  // The composed print is black where the red edited layer lies.
  EXPECT_EQ(V()->Layout().Width, 180);
  bool black = false;
  for (int x = 0; x < V()->PrintImage().Width(); ++x)
    for (int y = 0; y < 25; ++y) {
      ASSERT_NE(V()->PrintImage().Pixel(x, y), 255u);
      black = black || V()->PrintImage().Pixel(x, y) == 0;
    }
  EXPECT_TRUE(black);
  // A change in the pane redraws at once.
  p->Up(p->Values[editor::kVorlauf].Up);
  EXPECT_EQ(V()->Layout().Width, 186);
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(V(), &enter);
  EXPECT_FALSE(editor->PrintViewShown());
  EXPECT_EQ(editor->PanelDruckansicht->Color(), 0xF0F0F0u);
  EXPECT_EQ(p->Values[editor::kVorlauf].Panel->Color(), 13149858u);
  // The button opens and closes.
  editor->SpeedButtonDruckansichtClick(nullptr);
  editor->SpeedButtonDruckansichtClick(nullptr);
  EXPECT_FALSE(editor->PrintViewShown());
}

// Ctrl+P prints a hard copy of the print view itself, through the
// program's hard copy, and leaves the view open.
TEST_F(PrintView, CtrlPPrintsAHardcopyOfTheView) {
  printdata::PrintText t;
  t.Layers[0].Kind = printdata::kKindText;
  Open(&t, 0);
  editor->SpeedButtonDruckansichtClick(nullptr);
  ASSERT_TRUE(editor->PrintViewShown());
  std::vector<QWidget*> printed;
  const platform::HardcopyAction before = platform::SetHardcopyAction([&](QWidget* w) { printed.push_back(w); });
  QKeyEvent ctrlP(QEvent::KeyPress, Qt::Key_P, Qt::ControlModifier);
  QApplication::sendEvent(V(), &ctrlP);
  platform::SetHardcopyAction(before);
  EXPECT_EQ(printed, std::vector<QWidget*>{V()});
  EXPECT_TRUE(editor->PrintViewShown());
}

TEST_F(PrintView, TheLongestStripIsDrawnAtTheWindowsSize) {
  printdata::PrintText t;
  t.Parameters.X1 = {5000, 1000, 100, 5000, 100, 5000, 5000, 180};
  Open(&t, 0);
  editor->SpeedButtonDruckansichtClick(nullptr);
  ASSERT_TRUE(editor->PrintViewShown());
  EXPECT_GT(V()->Layout().Width, 36'000'000);
  const platform::Bitmap& shown = V()->ImageDruckansicht->Picture();
  EXPECT_LE(shown.Width(), V()->width());
  EXPECT_LE(shown.Height(), V()->height());
  EXPECT_EQ(shown.Pixel(0, 0), editor::kStripLeadIn);
  V()->resize(300, 60);
  EXPECT_LE(V()->ImageDruckansicht->Picture().Width(), 300);
  // The view menu's thumbnail is drawn the same way.
  viewMenu->ShowMenu();
  EXPECT_EQ(viewMenu->ImageVorschauParameter->Picture().Width(), 600);
}

class NotePane : public EditorFixture {
 protected:
  TFrameBearbeitenNotiz* N() const { return editor->FrameBearbeitenNotiz; }
};

TEST_F(NotePane, TypedLinesReachTheGroupWithCrLfAfterOk) {
  Open(nullptr, 6);
  EXPECT_TRUE(N()->MemoNotiz->toPlainText().isEmpty());
  N()->MemoNotiz->setPlainText(QStringLiteral("eins\nzwei"));
  EXPECT_EQ(editor->WorkText.Note, "eins\r\nzwei");
  editor->SpeedButtonOKClick(nullptr);
  ASSERT_EQ(data.Stored.size(), 1u);
  EXPECT_EQ(data.Stored[0].second.Note, "eins\r\nzwei");
  // After Abbrechen the typed note is gone.
  Open(nullptr, 6);
  N()->MemoNotiz->setPlainText(QStringLiteral("weg"));
  editor->SpeedButtonAbbrechenClick(nullptr);
  EXPECT_EQ(data.Stored.size(), 1u);
}

TEST_F(NotePane, ProtectedNotesInModeZeroTakeNoChange) {
  host.Mode = 0;
  data.NotesLocked = true;
  printdata::PrintText t;
  t.Note = "fest";
  Open(&t, 6);
  EXPECT_EQ(N()->PanelEingabe->Color(), 0xF0F0F0u);
  EXPECT_TRUE(N()->MemoNotiz->isReadOnly());
  N()->MemoNotizMouseDown();
  ASSERT_EQ(host.Notices.size(), 1u);
  EXPECT_EQ(host.Notices[0], QStringLiteral("Notiz"));
  QKeyEvent key(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
  QApplication::sendEvent(N()->MemoNotiz, &key);
  N()->MemoNotiz->setPlainText(QStringLiteral("anders"));
  EXPECT_EQ(editor->WorkText.Note, "fest");
  EXPECT_EQ(N()->MemoNotiz->toPlainText(), QStringLiteral("fest"));

  // Layers or parameters protected alone leave the note free.
  data.NotesLocked = false;
  data.ParametersLocked = true;
  Open(&t, 6);
  EXPECT_FALSE(N()->MemoNotiz->isReadOnly());
  N()->MemoNotiz->setPlainText(QStringLiteral("anders"));
  EXPECT_EQ(editor->WorkText.Note, "anders");
  N()->MemoNotizMouseDown();
  EXPECT_EQ(host.Notices.size(), 1u);
  // The same data in mode 1.
  host.Mode = 1;
  data.NotesLocked = true;
  Open(&t, 6);
  EXPECT_EQ(N()->PanelEingabe->Color(), 13149858u);
  N()->MemoNotiz->setPlainText(QStringLiteral("frei"));
  EXPECT_EQ(editor->WorkText.Note, "frei");
}
