#pragma once
// The printer's configuration file as the editor shows it: lines of
// Windows-1252 bytes, ended by CR LF, LF or CR as the file has them, and
// whether the last line had its end. Written back with CR LF, so a file of
// CR LF lines comes back byte for byte.
#include <string>
#include <string_view>
#include <vector>

namespace printersettings {

struct ConfigText {
  std::vector<std::string> lines;
  bool endsWithBreak = false;
};

ConfigText SplitConfigText(std::string_view bytes);
std::string JoinConfigText(const ConfigText& text);

}  // namespace printersettings
