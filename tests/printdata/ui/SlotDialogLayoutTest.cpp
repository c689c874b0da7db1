// The slot dialogs as an operator sees them: nothing cut off, nothing lying
// on anything else, the longest names readable. TARVIK_SCREENSHOT_DIR=<folder>
// writes pictures of them (run under xvfb-run with QT_QPA_PLATFORM=xcb to
// see the real fonts).
#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QLineEdit>
#include <cstdlib>

#include "DataSetFixture.h"
#include "platform/FileIO.h"
#include "printdata/ui/TFormOeffnen.h"
#include "printdata/ui/TFormSpeichern.h"
#include "printdata/ui/TFrameMenuOeffnen.h"
#include "printdata/ui/TFrameMenuSpeichern.h"
#include "support/qt/Screenshot.h"

namespace dataviewtest {
namespace {

using printdata::ui::SlotDialog;

void Shoot(QWidget* w, const QString& name) { testsupport::SaveScreenshot(w, name); }

bool Allowed(const QWidget* a, const QWidget* b) {
  const QString x = a->objectName(), y = b->objectName();
  auto pair = [&](const QString& p, const QString& q) { return (x == p && y.startsWith(q)) || (y == p && x.startsWith(q)); };
  // The clipboard panel's edge lies under the slot area; the name entry
  // lies over the selected slot's caption; a menu's decoration lies in its
  // corner.
  return pair(QStringLiteral("PanelLinks"), QStringLiteral("PanelMain")) ||
         pair(QStringLiteral("PanelEingang"), QStringLiteral("PanelMain")) ||
         pair(QStringLiteral("PanelLinks"), QStringLiteral("PanelUnten")) ||
         pair(QStringLiteral("EditEingabe"), QStringLiteral("PanelSpeicher"));
}

// Every visible widget lies inside its parent and on none of its siblings,
// all the way down; every button's caption fits its button.
void ExpectTidy(QWidget* parent) {
  const auto children = parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
  for (QWidget* c : children) {
    if (!c->isVisible() || c->isWindow()) continue;
    EXPECT_TRUE(parent->rect().contains(c->geometry()))
        << c->objectName().toStdString() << " leaves " << parent->objectName().toStdString();
    for (QWidget* d : children) {
      if (d == c || !d->isVisible() || d->isWindow() || Allowed(c, d)) continue;
      EXPECT_FALSE(c->geometry().intersects(d->geometry()))
          << c->objectName().toStdString() << " overlaps " << d->objectName().toStdString();
    }
    if (auto* b = dynamic_cast<platform::SpeedButton*>(c)) {
      const int text = QFontMetrics(b->font()).horizontalAdvance(b->Caption());
      EXPECT_LE(text, b->width() - 4) << b->objectName().toStdString() << " \"" << b->Caption().toStdString() << "\"";
    }
    ExpectTidy(c);
  }
}

class SlotDialogLayout : public DataSets {};

}  // namespace

TEST_F(SlotDialogLayout, NothingIsCutOffOrOverlapsAndTheLongestNamesFit) {
  // A name as long as the entry takes (33 characters), bold when selected.
  const std::string longest = "Eierkarton Freiland Klasse A 2024";
  ASSERT_EQ(longest.size(), 33u);
  ASSERT_TRUE(platform::WriteFileAtomic(Slot(1) + "Eier Klasse A.zg23", "x"));
  ASSERT_TRUE(platform::WriteFileAtomic(Slot(9) + longest + ".zg23", "x"));
  ASSERT_TRUE(platform::WriteFileAtomic(Slot(20) + "Grösse L, braun.g23", "x"));
  for (SlotDialog* dialog : {static_cast<SlotDialog*>(open_), static_cast<SlotDialog*>(save_)}) {
    const std::string name = dialog->objectName().toStdString();
    SCOPED_TRACE(name);
    dialog->Connect(d, &sets);
    WhenModalIs(dialog, [&] {
      EXPECT_EQ(dialog->size(), QSize(785, 634));
      ExpectTidy(dialog);
      Shoot(dialog, QString::fromStdString(name));
      dialog->SpeedButtonSpeicher[8]->click();
      ExpectTidy(dialog);
      if (dialog->EditEingabe) {
        EXPECT_EQ(dialog->EditEingabe->text(), QString::fromStdString(longest));
        const QLineEdit* e = dialog->EditEingabe;
        EXPECT_LE(QFontMetrics(e->font()).horizontalAdvance(e->text()), e->width() - 2);
      }
      Shoot(dialog, QString::fromStdString(name + "_selected"));
      dialog->SpeedButtonSpeicher[0]->click();
      dialog->SpeedButtonVerwalten->click();
      EXPECT_EQ(dialog->size(), QSize(889, 634));
      ExpectTidy(dialog);
      Shoot(dialog, QString::fromStdString(name + "_managing"));
      dialog->SpeedButtonAbbrechen->click();
    });
    dialog->ShowModal();
  }
}

TEST_F(SlotDialogLayout, TheOpenAndSaveMenusHoldTheirButtonsUncut) {
  Open(1);
  for (QWidget* menu : {static_cast<QWidget*>(menus.Oeffnen), static_cast<QWidget*>(menus.Speichern)}) {
    SCOPED_TRACE(menu->objectName().toStdString());
    menu->show();
    ExpectTidy(menu);
    Shoot(menu, menu->objectName());
    menu->hide();
  }
  EXPECT_EQ(menus.Oeffnen->size(), QSize(193, 192));
  EXPECT_EQ(menus.Speichern->size(), QSize(193, 184));
}

}  // namespace dataviewtest
