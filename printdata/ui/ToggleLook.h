#pragma once
// The two looks of a menu toggle or mark: on, a navy panel with a white bold
// caption; off, a light grey panel with a navy plain caption.
#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"

namespace printdata::ui {

inline void SetToggleLook(platform::Panel* panel, platform::SpeedButton* button, bool on) {
  panel->SetColor(on ? platform::colours::kNavy : platform::colours::kLightGrey);
  button->SetFontColor(on ? platform::colours::kWhite : platform::colours::kNavy);
  button->SetBold(on);
}

}  // namespace printdata::ui
