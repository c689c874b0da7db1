#include "DataPageFixture.h"

#include <QApplication>

#include "printdata/ui/TFrameMenuAnsicht.h"
#include "printdata/ui/TFrameMenuBearbeiten.h"
#include "printdata/ui/TFrameMenuOeffnen.h"
#include "printdata/ui/TFrameMenuSchliessen.h"
#include "printdata/ui/TFrameMenuSchutz.h"
#include "printdata/ui/TFrameMenuSpeichern.h"
#include "printdata/ui/Thread_Daten.h"
#include "support/qt/Mouse.h"

namespace dataviewtest {

void FakeHost::CloseMenusAndRefresh() {
  ++idleSteps;
  HideMenuFrames();
  // As the main window: the data page's state whenever the editor is not
  // shown.
  if (daten && !daten->Editor()->EditorVisible()) daten->ApplyIdleState();
}

int FakeHost::HideMenuFrames() {
  int visible = 0;
  for (QWidget* m : menus) {
    if (!m->isHidden()) ++visible;
    m->hide();
  }
  return visible;
}

QString FakeHost::CatalogueText(int number) const {
  if (auto it = catalogue.find(number); it != catalogue.end()) return it->second;
  switch (number) {
    case kMsgDeniedUser:
      return QStringLiteral("Kann von Benutzer nicht ausgeführt werden!");
    case kMsgUserCannotChange:
      return QStringLiteral("Kann von Benutzer nicht verändert werden!");
    case kMsgProtectionOn:
      return QStringLiteral("Schutz für Benutzer ist eingeschaltet!");
    case kMsgRestart:
      return QStringLiteral("Bitte starten Sie das Programm neu.");
    default:
      return QString();
  }
}

void DataPage::SetUp() {
  platform::SetBeepSink([this](platform::BeepKind k) { beeps_.push_back(k); });
  SetClock(10, 0, 0);
  editor::SetLocalClock([this] { return clock_; });
  main_ = std::make_unique<QWidget>();
  main_->resize(892, 673);
  d = new TFrameDaten(main_.get());
  d->setGeometry(106, 2, 784, 669);
  menus = {new TFrameMenuAnsicht(main_.get()),    new TFrameMenuOeffnen(main_.get()),
           new TFrameMenuSpeichern(main_.get()),  new TFrameMenuSchliessen(main_.get()),
           new TFrameMenuBearbeiten(main_.get()), new TFrameMenuSchutz(main_.get())};
  host.daten = d;
  host.menus = {menus.Ansicht, menus.Oeffnen, menus.Speichern, menus.Schliessen, menus.Bearbeiten, menus.Schutz};
  d->Connect(&host, &editor, menus);
  d->CreateRows();
  // The passes are run by the tests themselves.
  d->Refresher->Terminate();
  host.CloseMenusAndRefresh();
  d->ShowPage();
  main_->show();
  QApplication::processEvents();
}

void DataPage::TearDown() {
  main_.reset();
  editor::SetLocalClock({});
  platform::SetBeepSink(nullptr);
}

void DataPage::SetClock(int hour, int minute, int second, int day) {
  clock_ = {{2024, 3, day}, hour, minute, second, 0};
}

void DataPage::Open(int count, const QString& title) {
  for (int i = 0; i < count; ++i) {
    printdata::PrintText& t = d->Group.Texts[static_cast<std::size_t>(i)];
    t.Layers[0].Kind = printdata::kKindText;
    t.Layers[0].Text = "Text " + std::to_string(i + 1);
  }
  d->Count = count;
  d->Selected = 0;
  d->PanelTitel->SetCaption(title);
  for (int i = 0; i < count; ++i) d->RenderRow(i);
  d->Repaint();
  host.CloseMenusAndRefresh();
}

void DataPage::Click(QWidget* w, Qt::MouseButton button) { testsupport::Click(w, button); }

void DataPage::DoubleClick(QWidget* w) { testsupport::DoubleClick(w); }

}  // namespace dataviewtest
