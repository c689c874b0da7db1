#include "app/Konfig.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string_view>

#include "app/pc/TFormBedienungsmodus.h"
#include "app/pc/TFormEinstellenPC.h"
#include "app/language/TFormSprache.h"
#include "app/TForm_Main.h"
#include "platform/LineFile.h"
#include "platform/NumberText.h"
#include "platform/qt/FramePlace.h"
#include "platform/qt/ShowPainted.h"
#include "printdata/ui/TFrameMenuAnsicht.h"
#include "printersettings/ui/TFormPrinterFernsteuerung.h"
#include "printersettings/ui/TFormPrinterSteuerungDiagnose.h"

namespace app {
namespace {

const char* const kProgramFile = "Tarvik23.ini";
const char* const kWindowFile = "Window23.ini";

// The remote control's and the diagnosis window's visibility and place.
// Without the window (a program built without it) the place read passes
// to the file written unchanged.
struct KeptPlace {
  int visible = 0, left = 0, top = 0;
};
KeptPlace g_remote;
KeptPlace g_diagnosis;

void ApplyPlace(printersettings::ui::PrinterWindow* window, KeptPlace& place) {
  if (!window) return;
  window->SetKeptPlace(QPoint(place.left, place.top));
  if (place.visible) window->show();
}

KeptPlace PlaceOf(printersettings::ui::PrinterWindow* window, const KeptPlace& read) {
  if (!window) return read;
  const QPoint at = window->PlaceToStore();
  return {window->isVisible() ? 1 : 0, at.x(), at.y()};
}

struct MissingLine : std::runtime_error {
  MissingLine() : std::runtime_error("configuration file too short") {}
};

QRect Desktop() {
  QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->virtualGeometry() : QRect(0, 0, 1024, 768);
}

// The screen area without panels where a frame would mostly lie.
QRect Available(const QRect& frame) {
  QScreen* screen = QGuiApplication::screenAt(frame.center());
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : Desktop();
}

// The file keeps the outer place and size of a window, frame included; Qt
// places and sizes the client area. The frame is known only once the window
// manager has put it around the shown window.
QMargins FrameMargins(const QWidget* w) {
  const QRect f = platform::FrameGeometry(w);
  const QRect g = w->geometry();
  return {g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom()};
}

void PlaceMainWindow(QWidget* main, const StoredPlace& stored, bool olderRules, const QRect& desk) {
  platform::WaitUntilExposed(main);
  const QMargins margins = FrameMargins(main);
  const QSize minimum = main->minimumSize().grownBy(margins);
  QRect frame = PlaceMainFrame(stored, olderRules, platform::FrameGeometry(main).size(), minimum, desk,
                               Available(QRect(stored.left, stored.top, stored.width, stored.height)));
  main->setGeometry(frame.marginsRemoved(margins));
}

// A place off every monitor (or too close to the right or bottom edge to be
// grabbed) becomes 0.
int OnDesktop(int value, int start, int extent) { return value < start || value > start + extent - 100 ? 0 : value; }

// Pulls a span [start, start + extent) inside [areaStart, areaStart + area)
// when it fits there.
int Inside(int start, int extent, int areaStart, int area) {
  if (extent > area) return start;
  return std::clamp(start, areaStart, areaStart + area - extent);
}

}  // namespace

QRect PlaceMainFrame(const StoredPlace& stored, bool olderRules, const QSize& current, const QSize& minimum,
                     const QRect& desk, const QRect& available) {
  QRect frame(QPoint(0, 0), current);
  if (olderRules) {
    frame.moveTo(stored.left, stored.top);
    if (stored.width <= desk.width()) frame.setWidth(stored.width);
    if (stored.height <= desk.height()) frame.setHeight(stored.height);
    frame.setSize(frame.size().expandedTo(minimum));
    if (frame.left() < desk.left()) frame.moveLeft(desk.width() / 2 - frame.width() / 2);
    if (frame.top() < desk.top()) frame.moveTop(desk.height() / 2 - frame.height() / 2);
  } else {
    frame.moveTo(OnDesktop(stored.left, desk.left(), desk.width()), OnDesktop(stored.top, desk.top(), desk.height()));
    frame.setSize(QSize(std::min(stored.width, desk.width()), std::min(stored.height, desk.height())));
  }
  // Whole on the usable part of its screen, so that nothing of the window
  // (the date button at the bottom of the side bar) ends up out of reach.
  frame.setWidth(std::max(std::min(frame.width(), available.width()), minimum.width()));
  frame.setHeight(std::max(std::min(frame.height(), available.height()), minimum.height()));
  frame.moveTo(Inside(frame.left(), frame.width(), available.left(), available.width()),
               Inside(frame.top(), frame.height(), available.top(), available.height()));
  return frame;
}

std::string& IntToStrInto(int value, std::string& text) { return text = std::to_string(value); }

std::string& BoolToStrInto(bool flag, std::string& text) { return text = flag ? "1" : "0"; }

int ConfigNumber(const std::string& line, int fallback) {
  std::string_view text = line;
  text.remove_prefix(std::min(text.find_first_not_of(" \t"), text.size()));
  return platform::ParseDecimal(text).value_or(fallback);
}

std::vector<std::string> ProgramConfigLines(const ProgramConfig& c) {
  std::string n[5];
  return {"[Sprache]",  IntToStrInto(c.language, n[0]),
          "",           "[RS232USB]",
          IntToStrInto(static_cast<int>(c.rs232usb), n[1]),
          "",           "[Bluetooth]",
          IntToStrInto(static_cast<int>(c.bluetooth), n[2]),
          "",           "[LANWLAN]",
          IntToStrInto(static_cast<int>(c.lanwlan), n[3]),
          "",           "[Bedienungsmodus]",
          IntToStrInto(static_cast<int>(c.startupMode), n[4]),
          ""};
}

void ApplyProgramConfig(const std::vector<std::string>& lines, const ProgramConfigTargets& t) {
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    const std::string& key = lines[i];
    const std::string& value = lines[i + 1];
    if (key == "[Sprache]") {
      if (t.language) t.language(ConfigNumber(value, 0));
    } else if (key == "[RS232USB]") {
      if (t.rs232usb) t.rs232usb(static_cast<unsigned>(ConfigNumber(value, 1)));
    } else if (key == "[Bluetooth]") {
      if (t.bluetooth) t.bluetooth(static_cast<unsigned>(ConfigNumber(value, 0)));
    } else if (key == "[LANWLAN]") {
      if (t.lanwlan) t.lanwlan(static_cast<unsigned>(ConfigNumber(value, 0)));
    } else if (key == "[Bedienungsmodus]") {
      if (t.startupMode) t.startupMode(static_cast<unsigned>(ConfigNumber(value, 0)));
    } else {
      continue;
    }
    ++i;  // the value line is no key
  }
}

int ReadProgramConfig() {
  if (!Form_Main) return -1;
  try {
    auto lines = platform::ReadLines(Form_Main->ConfigDir + kProgramFile);
    if (!lines) return -1;
    ProgramConfigTargets t;
    if (FormSprache) t.language = [](int id) { FormSprache->SetLanguage(id); };
    if (FormEinstellenPC) {
      t.rs232usb = [](unsigned v) { FormEinstellenPC->SetUseRS232USB(v); };
      t.bluetooth = [](unsigned v) { FormEinstellenPC->SetUseBluetooth(v); };
      t.lanwlan = [](unsigned v) { FormEinstellenPC->SetUseLANWLAN(v); };
    }
    if (FormBedienungsmodus) t.startupMode = [](unsigned v) { FormBedienungsmodus->SetStartupMode(v); };
    ApplyProgramConfig(*lines, t);
    return 0;
  } catch (const std::exception&) {  // a file too short, memory
    return -1;
  }
}

int WriteProgramConfig() {
  if (!Form_Main) return -1;
  ProgramConfig c;
  if (FormSprache) c.language = FormSprache->GetLanguage();
  if (FormEinstellenPC) {
    c.rs232usb = FormEinstellenPC->GetUseRS232USB();
    c.bluetooth = FormEinstellenPC->GetUseBluetooth();
    c.lanwlan = FormEinstellenPC->GetUseLANWLAN();
  }
  if (FormBedienungsmodus) c.startupMode = FormBedienungsmodus->GetStartupMode();
  return platform::WriteLines(Form_Main->ConfigDir + kProgramFile, ProgramConfigLines(c)) ? 0 : -1;
}

std::vector<std::string> WindowConfigLines(const WindowConfig& c) {
  std::vector<std::string> lines{"V04.00"};
  for (int v : {c.state, c.left, c.top, c.width, c.height, c.remoteVisible, c.remoteLeft, c.remoteTop,
                c.diagnosisVisible, c.diagnosisLeft, c.diagnosisTop, c.layers, c.parameters, c.notes, c.zoom})
    IntToStrInto(v, lines.emplace_back());
  return lines;
}

int ReadWindowConfig() {
  if (!Form_Main) return -1;
  try {
    auto read = platform::ReadLines(Form_Main->ConfigDir + kWindowFile);
    if (!read) return -1;
    const std::vector<std::string>& lines = *read;
    auto line = [&lines](std::size_t n) -> const std::string& {
      if (n > lines.size()) throw MissingLine();
      return lines[n - 1];
    };
    const std::string& layout = line(1);
    const bool v2 = layout == "V02.00";
    const bool v3 = layout == "V03.00";
    const bool v4 = layout == "V04.00";
    if (!v2 && !v3 && !v4) return 0;

    TForm_Main* main = Form_Main;
    main->show();
    const QRect desk = Desktop();
    const auto state = static_cast<std::int8_t>(ConfigNumber(line(2), 1) & 0xFF);
    if (state == 2) {
      main->setWindowState(Qt::WindowMaximized);
    } else {
      main->setWindowState(Qt::WindowNoState);
      if (state == 0) {
        const QSize current = main->frameGeometry().size();
        StoredPlace stored;
        stored.left = ConfigNumber(line(3), 0);
        stored.top = ConfigNumber(line(4), 0);
        stored.width = ConfigNumber(line(5), current.width());
        stored.height = ConfigNumber(line(6), current.height());
        PlaceMainWindow(main, stored, v2, desk);
      }
    }

    auto keep = [&](KeptPlace& place, std::size_t first) {
      place.visible = ConfigNumber(line(first), 0) != 0 ? 1 : 0;
      if (v2) {
        place.top = ConfigNumber(line(first + 2), 0);
        place.left = ConfigNumber(line(first + 1), 0);
      } else {
        place.left = OnDesktop(ConfigNumber(line(first + 1), 0), desk.left(), desk.width());
        place.top = OnDesktop(ConfigNumber(line(first + 2), 0), desk.top(), desk.height());
      }
    };
    keep(g_remote, 7);
    keep(g_diagnosis, 10);
    ApplyPlace(FormPrinterFernsteuerung, g_remote);
    ApplyPlace(FormPrinterSteuerungDiagnose, g_diagnosis);

    if (v2) return 0;
    const std::size_t tags = v4 ? 13 : 18;
    TFrameMenuAnsicht* view = main->FrameMenuAnsicht;
    view->SpeedButtonEbenen->Tag = ConfigNumber(line(tags), 0);
    view->SpeedButtonParameter->Tag = ConfigNumber(line(tags + 1), 0);
    view->SpeedButtonNotizen->Tag = ConfigNumber(line(tags + 2), 0);
    view->ApplyColumns();
    view->LabelZoom->Tag = ConfigNumber(line(tags + 3), 2);
    view->ApplyZoom();
    return 0;
  } catch (const std::exception&) {  // a file too short, memory
    return -1;
  }
}

int WriteWindowConfig() {
  if (!Form_Main) return -1;
  const TForm_Main* main = Form_Main;
  WindowConfig c;
  c.state = main->isMinimized() ? 1 : main->isMaximized() ? 2 : 0;
  const QRect f = platform::FrameGeometry(main);
  c.left = f.left();
  c.top = f.top();
  c.width = f.width();
  c.height = f.height();
  const KeptPlace remote = PlaceOf(FormPrinterFernsteuerung, g_remote);
  c.remoteVisible = remote.visible;
  c.remoteLeft = remote.left;
  c.remoteTop = remote.top;
  const KeptPlace diagnosis = PlaceOf(FormPrinterSteuerungDiagnose, g_diagnosis);
  c.diagnosisVisible = diagnosis.visible;
  c.diagnosisLeft = diagnosis.left;
  c.diagnosisTop = diagnosis.top;
  c.layers = main->FrameMenuAnsicht->SpeedButtonEbenen->Tag;
  c.parameters = main->FrameMenuAnsicht->SpeedButtonParameter->Tag;
  c.notes = main->FrameMenuAnsicht->SpeedButtonNotizen->Tag;
  c.zoom = main->FrameMenuAnsicht->LabelZoom->Tag;
  return platform::WriteLines(Form_Main->ConfigDir + kWindowFile, WindowConfigLines(c)) ? 0 : -1;
}

}  // namespace app
