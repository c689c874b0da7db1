#include "printersettings/ui/PrinterWindow.h"

#include <QApplication>
#include <QKeyEvent>

#include "platform/qt/DialogFlags.h"
#include "platform/qt/DialogKeys.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/FramePlace.h"
#include "platform/qt/Hardcopy.h"
#include "platform/qt/InputBlocker.h"
#include "platform/qt/NamedColours.h"
#include "platform/qt/UserGuide.h"
#include "platform/qt/WholeOnScreen.h"
#include "printerlink/thread/DisplayRegistry.h"
#include "printersettings/ui/SettingFormServices.h"

namespace printersettings::ui {

PrinterWindow::PrinterWindow(QWidget* owner, const char* name, const QString& caption, bool modeless,
                             std::atomic<bool>* shownFlag)
    : QDialog(owner, platform::FixedDialogFlags()), modeless_(modeless), shownFlag_(shownFlag) {
  setObjectName(QString::fromLatin1(name));
  setWindowTitle(caption);
  setFont(platform::VerdanaPx(11));
  platform::SetWindowColour(this, platform::colours::kLightGrey);
  setModal(!modeless);
  // Its clicks only leave requests for the printer thread (or close it),
  // so it stays usable while the program holds the user's input back
  // during a transfer.
  if (modeless) platform::KeepInput(this);
  platform::KeepWholeOnScreen(this);
  printerthread::PrinterDisplays().Add(this);
  platform::RegisterSettingsPage(this);
}

PrinterWindow::~PrinterWindow() {
  printerthread::PrinterDisplays().Remove(this);
  if (shownFlag_) shownFlag_->store(false);
}

void PrinterWindow::Toggle() {
  if (isVisible())
    close();
  else
    show();
}

void PrinterWindow::Centre() { platform::CentreOnMainWindow(this, FormServices()); }

QPoint PrinterWindow::PlaceToStore() {
  if (isVisible()) return platform::FrameGeometry(this).topLeft();
  if (keptPlace_) return *keptPlace_;
  Centre();
  return pos();
}

void PrinterWindow::setVisible(bool visible) {
  // The kept place is the frame's. Until the window has had its frame, the
  // toolkit takes a place as the frame's only while it has not yet made its
  // own window, which the showing does: a place given later (in the show
  // event) would put the inside of the window there, a title bar lower than
  // the frame it came from, and so one title bar higher at every start.
  if (visible && modeless_ && keptPlace_ && isHidden()) platform::MoveFrameTo(this, *keptPlace_);
  QDialog::setVisible(visible);
}

void PrinterWindow::showEvent(QShowEvent* event) {
  // Coming back with its owner after a minimise is no new showing.
  if (event->spontaneous()) return QDialog::showEvent(event);
  if (!modeless_ || !keptPlace_) Centre();
  if (modeless_) platform::StayAboveMainWindow(this, FormServices());
  if (shownFlag_) shownFlag_->store(true);
  QDialog::showEvent(event);
  for (const auto& shown : ShownChanged) shown(true);
}

void PrinterWindow::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  // A window that only went with a minimised owner stays open.
  if (event->spontaneous()) return;
  if (modeless_) keptPlace_ = platform::FrameGeometry(this).topLeft();
  if (shownFlag_) shownFlag_->store(false);
  for (const auto& shown : ShownChanged) shown(false);
}

void PrinterWindow::keyPressEvent(QKeyEvent* event) { FormKeyDown(event); }

void PrinterWindow::FormKeyDown(QKeyEvent* event) {
  event->accept();
  // Esc closes; Enter and every other key do nothing.
  platform::DialogKeyActions keys;
  keys.cancel = [this] { reject(); };
  keys.hardcopy = [this] { platform::PrintHardcopy(this); };
  keys.userGuide = platform::OpenUserGuide;
  platform::HandleDialogKeys(event->key(), event->modifiers(), keys);
}

}  // namespace printersettings::ui
