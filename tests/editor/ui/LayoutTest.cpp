// The editor page at the main window's smallest size: nothing is cut off
// and nothing overlaps, in every view; pictures of it for a look by eye
// when TARVIK_SCREENSHOT_DIR names a folder.
#include <QApplication>
#include <QPixmap>
#include <cstdlib>
#include <string>

#include "EditorFixture.h"
#include "editor/ui/TFormBearbeitenDruckansicht.h"
#include "editor/ui/TFrameBearbeitenDatum.h"
#include "editor/ui/TFrameBearbeitenNotiz.h"
#include "editor/ui/TFrameBearbeitenParameter.h"
#include "editor/ui/TFrameBearbeitenText.h"
#include "editor/ui/TFrameBearbeitenZeit.h"
#include "printdata/PrintText.h"
#include "support/qt/Screenshot.h"

using namespace editortest;

namespace {

// Visible children of `w` that stick out of it or overlap a visible
// sibling; the pieces a control is built of (labels over buttons) are
// looked at one level down only where they are panels.
void CheckPlacement(QWidget* w, const std::string& path, std::vector<std::string>& faults) {
  std::vector<QWidget*> shown;
  for (QObject* o : w->children()) {
    auto* c = qobject_cast<QWidget*>(o);
    if (!c || c->isHidden() || c->isWindow()) continue;
    shown.push_back(c);
  }
  const QRect inside = w->rect();
  for (QWidget* c : shown) {
    const std::string name = path + "/" + c->objectName().toStdString();
    // Scrolled content may be larger than what shows of it.
    if (c->objectName() != QLatin1String("qt_scrollarea_viewport") && !w->inherits("QScrollArea") &&
        c->parentWidget() && !c->parentWidget()->objectName().startsWith(QLatin1String("qt_scrollarea")) &&
        !inside.contains(c->geometry()))
      faults.push_back(name + " cut off");
  }
  for (std::size_t i = 0; i < shown.size(); ++i) {
    for (std::size_t j = i + 1; j < shown.size(); ++j) {
      QWidget* a = shown[i];
      QWidget* b = shown[j];
      // Buttons cover their panel's labels by design, and bands lie behind
      // the controls they mark.
      auto layered = [](QWidget* x) {
        return x->inherits("QAbstractButton") || x->inherits("QLabel") || x->objectName().endsWith(QLatin1String("Show")) ||
               x->objectName().startsWith(QLatin1String("Image"));
      };
      if (layered(a) || layered(b)) continue;
      if (a->geometry().intersects(b->geometry()))
        faults.push_back(path + ": " + a->objectName().toStdString() + " overlaps " + b->objectName().toStdString());
    }
  }
  for (QWidget* c : shown) CheckPlacement(c, path + "/" + c->objectName().toStdString(), faults);
}

void Shoot(QWidget* w, const char* name) { testsupport::SaveScreenshot(w, QString::fromLatin1(name)); }

}  // namespace

class EditorLayout : public EditorFixture {};

TEST_F(EditorLayout, AnOperatorBuildsAPrintTextWithTextDateAndTime) {
  printdata::PrintText text;
  Open(&text, 0);
  // Layer 1: a text.
  editor->SpeedButtonObjektTyptUp->click();
  editor->FrameBearbeitenText->EditEingabe->setText(QStringLiteral("KAT A"));
  // Layer 2: a date, held back to Mondays, in the German weekday format.
  viewMenu->SpeedButtonEbene2Click(nullptr);
  editor->SpeedButtonObjektTyptUp->click();
  editor->SpeedButtonObjektTyptUp->click();
  TFrameBearbeitenDatum* date = editor->FrameBearbeitenDatum;
  for (int i = 0; i < 32; ++i) date->SpeedButtonDatumFormatUp->click();
  for (int i = 0; i < 10; ++i) date->SpeedButtonPositionYUp->click();
  date->SpeedButtonAusrichtenClick(nullptr);  // Frei
  for (int i = 0; i < 40; ++i) date->SpeedButtonPositionXUp->click();
  // Layer 3: a time, lower down.
  viewMenu->SpeedButtonEbene3Click(nullptr);
  for (int i = 0; i < 3; ++i) editor->SpeedButtonObjektTyptUp->click();
  TFrameBearbeitenZeit* time = editor->FrameBearbeitenZeit;
  time->SpeedButtonAusrichtenClick(nullptr);
  for (int i = 0; i < 100; ++i) time->SpeedButtonPositionXUp->click();
  for (int i = 0; i < 8; ++i) time->SpeedButtonPositionYDown->click();
  for (int i = 0; i < 3; ++i) time->SpeedButtonSchriftHoeheDown->click();

  EXPECT_EQ(Layer(0).Kind, printdata::kKindText);
  EXPECT_EQ(Layer(0).Text, "KAT A");
  EXPECT_EQ(Layer(1).Kind, printdata::kKindDate);
  EXPECT_EQ(Layer(1).DateFormat, "MO dd.mm.yyyy (DE)");
  EXPECT_EQ(Layer(1).DatePreview, "DI 05.03.2024");
  EXPECT_EQ(Layer(2).Kind, printdata::kKindTime);
  EXPECT_EQ(Layer(2).TimePreview, "13:05:09");

  std::vector<std::string> faults;
  CheckPlacement(editor, "FrameBearbeiten", faults);
  for (const std::string& f : faults) ADD_FAILURE() << f;
  Shoot(window.get(), "editor-time-layer");

  faults.clear();
  editor->SpeedButtonAnsichtClick(editor->SpeedButtonAnsicht);
  ASSERT_FALSE(viewMenu->isHidden());
  CheckPlacement(window.get(), "window", faults);
  const QRect menu = viewMenu->geometry();
  EXPECT_TRUE(window->rect().contains(menu)) << menu.x() << "," << menu.y() << " " << menu.width() << "x" << menu.height();
  Shoot(window.get(), "editor-view-menu");
  host.CloseMenusAndRefresh();

  editor->SpeedButtonDruckansichtClick(editor->SpeedButtonDruckansicht);
  ASSERT_TRUE(editor->PrintViewShown());
  faults.clear();
  CheckPlacement(editor, "FrameBearbeiten", faults);
  for (const std::string& f : faults) ADD_FAILURE() << f;
  Shoot(window.get(), "editor-parameters");
  Shoot(editor->FormBearbeitenDruckansicht, "print-view");

  editor->FormBearbeitenDruckansicht->close();
  editor->FrameBearbeitenParameter->SpeedButtonMoreLessClick(nullptr);
  faults.clear();
  CheckPlacement(editor, "FrameBearbeiten", faults);
  for (const std::string& f : faults) ADD_FAILURE() << f;
  Shoot(window.get(), "editor-parameters-extended");
  viewMenu->SpeedButtonNotizClick(nullptr);
  editor->FrameBearbeitenNotiz->MemoNotiz->setPlainText(QStringLiteral("Charge 12\nnur f\u00fcr Kunde B"));
  Shoot(window.get(), "editor-note");
  faults.clear();
  CheckPlacement(editor, "FrameBearbeiten", faults);
  for (const std::string& f : faults) ADD_FAILURE() << f;

  // The largest zoom still leaves the panes their room.
  viewMenu->SpeedButtonEbene2Click(nullptr);
  zoomMenu->SpeedButtonZoomUpClick(nullptr);
  faults.clear();
  CheckPlacement(editor, "FrameBearbeiten", faults);
  for (const std::string& f : faults) ADD_FAILURE() << f;
  Shoot(window.get(), "editor-date-zoom5");
}
