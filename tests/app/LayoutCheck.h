#pragma once
// What does not fit in a window, for the layout tests in every language.
#include <QWidget>
#include <string>
#include <vector>

namespace apptest {

// Texts that do not fit their components (as testsupport::TextCut judges
// them: captions, panels, labels, check boxes, group boxes), memo lines
// wider or more than the memo, controls outside their parents; empty when
// everything fits. Only what `window` shows is looked at.
std::vector<std::string> CutOff(QWidget* window);

}  // namespace apptest
