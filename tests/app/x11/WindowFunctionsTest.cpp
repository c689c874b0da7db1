// The program's fixed-size windows under a window manager: each asks for
// the close function alone, and the window manager offers neither maximise
// nor resize. What a window asks is its Motif hints (which the window
// managers of the desktops honour); what openbox grants is its list of
// allowed actions. Openbox keeps its own minimise for every window of dialog
// type, whatever the window asks, and gives dialogs its full-screen action
// too; neither can be taken away by a window. The raw bitmap viewer, which
// resizes, keeps its smallest size.
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
#include <QtGui/qguiapplication_platform.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "../AppFixture.h"
#include "app/TFormMessage.h"
#include "app/TForm_Main.h"
#include "filedialog/ui/FileDialogServices.h"
#include "filedialog/ui/TForm_FileDialog.h"
#include "platform/qt/SystemMessageBox.h"
#include "printdata/ui/TFormOeffnen.h"
#include "printdata/ui/TFormR12.h"
#include "printdata/ui/TFormSpeichern.h"
#include "zip/ui/TZipDialogsQt.h"

namespace {

xcb_connection_t* Connection() {
  return qApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

xcb_atom_t Atom(const char* name) {
  xcb_connection_t* c = Connection();
  xcb_intern_atom_reply_t* r =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
  const xcb_atom_t atom = r ? r->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
  std::free(r);
  return atom;
}

std::string AtomName(xcb_atom_t atom) {
  xcb_connection_t* c = Connection();
  xcb_get_atom_name_reply_t* r = xcb_get_atom_name_reply(c, xcb_get_atom_name(c, atom), nullptr);
  std::string name = r ? std::string(xcb_get_atom_name_name(r), xcb_get_atom_name_name_length(r)) : std::string();
  std::free(r);
  return name;
}

// The 32-bit values of a property of the window; empty when it has none.
std::vector<std::uint32_t> Property(QWidget* w, const char* name, xcb_atom_t type) {
  xcb_connection_t* c = Connection();
  xcb_get_property_reply_t* r = xcb_get_property_reply(
      c, xcb_get_property(c, 0, static_cast<xcb_window_t>(w->winId()), Atom(name), type, 0, 64), nullptr);
  std::vector<std::uint32_t> values;
  if (r && r->format == 32) {
    const auto* v = static_cast<const std::uint32_t*>(xcb_get_property_value(r));
    values.assign(v, v + xcb_get_property_value_length(r) / 4);
  }
  std::free(r);
  return values;
}

// The actions the window manager allows the shown window, once it manages it.
std::set<std::string> AllowedActions(QWidget* w) {
  QElapsedTimer t;
  t.start();
  std::vector<std::uint32_t> atoms;
  while (atoms.empty() && t.elapsed() < 5000) {
    QApplication::processEvents();
    atoms = Property(w, "_NET_WM_ALLOWED_ACTIONS", XCB_ATOM_ATOM);
    if (atoms.empty()) QThread::msleep(10);
  }
  std::set<std::string> names;
  for (std::uint32_t a : atoms) names.insert(AtomName(a));
  return names;
}

// Motif window-manager hints: flags, functions, decorations.
constexpr std::uint32_t kHintFunctions = 1, kHintDecorations = 2;
constexpr std::uint32_t kFuncAll = 1, kFuncMinimize = 8, kFuncMaximize = 16, kFuncClose = 32;
constexpr std::uint32_t kDecorAll = 1, kDecorMinimize = 32, kDecorMaximize = 64;

// What is wrong with the functions the shown window asks for and gets.
std::vector<std::string> Faults(QWidget* w) {
  std::vector<std::string> faults;
  if (w->minimumSize() != w->maximumSize()) faults.push_back("not of a fixed size");
  const std::set<std::string> allowed = AllowedActions(w);
  if (allowed.empty()) faults.push_back("not managed");
  if (!allowed.count("_NET_WM_ACTION_CLOSE")) faults.push_back("cannot be closed");
  for (const char* action : {"_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT", "_NET_WM_ACTION_RESIZE"})
    if (allowed.count(action)) faults.push_back(std::string("offers ") + action);
  const std::vector<std::uint32_t> motif = Property(w, "_MOTIF_WM_HINTS", XCB_ATOM_ANY);
  if (motif.size() < 3) {
    faults.push_back("asks for nothing, which is everything");
    return faults;
  }
  const std::uint32_t flags = motif[0], functions = motif[1], decorations = motif[2];
  if (!(flags & kHintFunctions) || (functions & (kFuncAll | kFuncMinimize | kFuncMaximize)))
    faults.push_back("asks for minimise or maximise");
  if (!(functions & kFuncClose)) faults.push_back("does not ask for close");
  if ((flags & kHintDecorations) && (decorations & (kDecorAll | kDecorMinimize | kDecorMaximize)))
    faults.push_back("asks for minimise or maximise buttons");
  return faults;
}

using Faulty = std::vector<std::string>;

class WindowFunctions : public apptest::AppFixture {
 protected:
  // Checks the next modal window once it is up, then closes it with `close`.
  void CheckModal(const char* name, std::function<void(QWidget*)> close) {
    apptest::WhenModal([this, name, close] {
      QWidget* w = QApplication::activeModalWidget();
      EXPECT_EQ(Faults(w), Faulty()) << name;
      ++checked_;
      close(w);
    });
  }
  int checked_ = 0;
};

void Reject(QWidget* w) { static_cast<QDialog*>(w)->reject(); }

}  // namespace

TEST_F(WindowFunctions, FixedWindowsOfferOnlyTheCloseFunction) {
  Form_Main->show();
  // Every window of the program that has a fixed size, shown in turn.
  std::set<QWidget*> fixed;
  std::set<std::string> names;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->minimumSize() == w->maximumSize()) {
      fixed.insert(w);
      names.insert(w->objectName().toStdString());
    }
  const std::set<std::string> expected = {"FormBedienungsmodus", "FormEinfuegen",    "FormEinstellenPC",
                                          "FormHerstellen",      "FormInfo",         "FormMessage",
                                          "FormOeffnen",         "FormRapport",      "FormSchnellhilfe",
                                          "FormSpeichern",       "FormSprache"};
  EXPECT_TRUE(std::includes(names.begin(), names.end(), expected.begin(), expected.end()));
  for (QWidget* w : fixed) {
    w->show();
    EXPECT_EQ(Faults(w), Faulty()) << w->objectName().toStdString();
    w->hide();
  }
  // The message window as the busy box of a transfer, and as a notice.
  FormMessage->ShowBusy(QStringLiteral("Daten speichern"), QStringLiteral("Wird ausgeführt... 40 %"), 0x00FFFF, false);
  EXPECT_EQ(Faults(FormMessage), Faulty()) << "busy box";
  FormMessage->hide();
  CheckModal("notice", [](QWidget*) { FormMessage->SpeedButtonInformationOK->click(); });
  FormMessage->ShowNotice(QStringLiteral("Sichern"), QStringLiteral("Erfolgreich beendet."), 0x008000, true);

  // The boxes that are made when needed: the system's message box, the file
  // dialog's questions and the archive library's dialogs.
  const platform::SystemBoxSink recorded = platform::SetSystemBoxSink(nullptr);
  CheckModal("system box", Reject);
  platform::SystemMessageBox(QStringLiteral("Tarvik23"), QStringLiteral("text"), platform::SystemBoxIcon::Stop);
  platform::SetSystemBoxSink(recorded);
  const FileDialogServices files = FileDialogServices::Defaults();
  CheckModal("file dialog error", Reject);
  files.ShowError(Form_FileDialog, QStringLiteral("Fehler"), QStringLiteral("text"));
  CheckModal("file dialog question", Reject);
  files.Confirm(Form_FileDialog, QStringLiteral("Wirklich?"));
  TZipDialogsQt zipDialogs;
  CheckModal("archive question", Reject);
  zipDialogs.MessageDlg("Overwrite?", {zip::TMsgDlgBtn::mbYes, zip::TMsgDlgBtn::mbNo});
  zip::ByteString password;
  CheckModal("archive password", Reject);
  zipDialogs.PasswordDlg("Password", "Enter password: ", password);
  EXPECT_EQ(checked_, 6);
}

TEST_F(WindowFunctions, TheRawBitmapViewerResizesButNeverBelowItsSmallestSize) {
  Form_Main->show();
  FormR12->show();
  // It asks to be resized and closed, not minimised or maximised (openbox
  // offers maximise to every window that resizes, whatever it asks).
  const std::set<std::string> allowed = AllowedActions(FormR12);
  EXPECT_TRUE(allowed.count("_NET_WM_ACTION_RESIZE"));
  EXPECT_TRUE(allowed.count("_NET_WM_ACTION_CLOSE"));
  const std::vector<std::uint32_t> motif = Property(FormR12, "_MOTIF_WM_HINTS", XCB_ATOM_ANY);
  ASSERT_GE(motif.size(), 3u);
  EXPECT_TRUE(motif[0] & kHintFunctions);
  EXPECT_EQ(motif[1] & (kFuncAll | kFuncMinimize | kFuncMaximize), 0u);
  EXPECT_TRUE(motif[1] & kFuncClose);
  EXPECT_TRUE(motif[1] & 2);  // resize
  // The window manager keeps the smallest client area, 852 x 143.
  const std::vector<std::uint32_t> hints = Property(FormR12, "WM_NORMAL_HINTS", XCB_ATOM_WM_SIZE_HINTS);
  ASSERT_GE(hints.size(), 7u);
  EXPECT_TRUE(hints[0] & 16);  // PMinSize
  EXPECT_EQ(hints[5], 852u);
  EXPECT_EQ(hints[6], 143u);
  EXPECT_EQ(FormR12->size(), QSize(852, 173));
  FormR12->hide();
}
