#pragma once
// What does not fit in a window, for the layout tests in every language.
#include <QWidget>
#include <string>
#include <vector>

namespace apptest {

// Captions larger than their buttons, memo lines wider or more than the
// memo, label texts wider than their labels, controls outside their
// parents; empty when everything fits.
std::vector<std::string> CutOff(QWidget* window);

}  // namespace apptest
