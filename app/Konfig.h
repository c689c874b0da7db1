#pragma once
// The two configuration files in CONFIG: Tarvik23.ini (UI language, link
// kinds, start-up operating mode) and Window23.ini (window places, the data
// view's columns and zoom). Both are read once at start-up after every
// window exists; each is replaced whole when written.
#include <QRect>
#include <QSize>
#include <functional>
#include <string>
#include <vector>

namespace app {

// Results: 0 done, -1 failed (a missing or short file, a write failure, an
// error while applying; what was applied before stays).
int ReadProgramConfig();
int WriteProgramConfig();
int ReadWindowConfig();
int WriteWindowConfig();

std::string& IntToStrInto(int value, std::string& text);
std::string& BoolToStrInto(bool flag, std::string& text);

// A line that is not a decimal number (leading blanks allowed) reads as
// `fallback`.
int ConfigNumber(const std::string& line, int fallback);

// Tarvik23.ini as values and lines.
struct ProgramConfig {
  int language = 0;
  unsigned rs232usb = 1;
  unsigned bluetooth = 0;
  unsigned lanwlan = 0;
  unsigned startupMode = 0;
};
std::vector<std::string> ProgramConfigLines(const ProgramConfig& config);

// Where the keys of Tarvik23.ini go as they are read.
struct ProgramConfigTargets {
  std::function<void(int)> language;
  std::function<void(unsigned)> rs232usb, bluetooth, lanwlan, startupMode;
};
// Applies every key in the order of the file, each with the value on the
// line after it; later keys win. Exceptions of the targets pass through.
void ApplyProgramConfig(const std::vector<std::string>& lines, const ProgramConfigTargets& targets);

// Window23.ini of layout "V04.00".
struct WindowConfig {
  int state = 0;  // 0 normal, 1 minimised, 2 maximised
  int left = 0, top = 0, width = 0, height = 0;
  int remoteVisible = 0, remoteLeft = 0, remoteTop = 0;
  int diagnosisVisible = 0, diagnosisLeft = 0, diagnosisTop = 0;
  int layers = 0, parameters = 0, notes = 0, zoom = 2;
};
std::vector<std::string> WindowConfigLines(const WindowConfig& config);

// The main window's outer place and size from a stored one, as the file
// keeps it (frame included). Layouts "V03.00" and "V04.00": a left or top off
// the desktop (or within 100 px of its far edge) becomes 0, a width or height
// beyond the desktop is cut to it. "V02.00" (`olderRules`): a width or height
// beyond the desktop keeps `current`'s, a place left of or above the desktop
// is centred on it. Then, in both, the window is kept whole on `available`
// (the screen without its panels) where it fits, never below `minimum`.
struct StoredPlace {
  int left = 0, top = 0, width = 0, height = 0;
};
QRect PlaceMainFrame(const StoredPlace& stored, bool olderRules, const QSize& current, const QSize& minimum,
                     const QRect& desktop, const QRect& available);

}  // namespace app
