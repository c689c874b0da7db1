#pragma once
// What a window shows cut off, for the layout tests of every language.
#include <QWidget>
#include <string>
#include <vector>

namespace apptest {

// Captions larger than their buttons (blanks aside), memo lines wider or more than the
// memo, controls outside their parents.
std::vector<std::string> CutOff(QWidget* window);
// Label texts wider than their labels (visible labels only).
std::vector<std::string> LabelsCutOff(QWidget* window);

}  // namespace apptest
