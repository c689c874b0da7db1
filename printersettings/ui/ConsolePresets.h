#pragma once
// The console's command list as it starts: the printer's commands and the
// console's own words, in the order the window was first laid out (the
// list shows them sorted). "[PWD]" and "(-> MAINUNIT50)" are part of the
// lines.
#include <vector>

namespace printersettings::ui {

const std::vector<const char*>& ConsolePresetLines();

}  // namespace printersettings::ui
