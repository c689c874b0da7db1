#pragma once
// The two looks of a menu toggle or mark: on, a navy panel with a white bold
// caption; off, a light grey panel with a navy plain caption. And those of a
// dialog's choice: its panel blue-grey when on, silver when off.
#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"

namespace printdata::ui {

inline void SetToggleLook(platform::Panel* panel, platform::SpeedButton* button, bool on) {
  panel->SetColor(on ? platform::colours::kNavy : platform::colours::kLightGrey);
  button->SetFontColor(on ? platform::colours::kWhite : platform::colours::kNavy);
  button->SetBold(on);
}

inline constexpr std::uint32_t kChoiceOn = 13149858;  // 0xC8A6A2: red 162, green 166, blue 200
inline constexpr std::uint32_t kChoiceOff = platform::colours::kSilver;

inline void SetChoiceLook(platform::Panel* panel, bool on) { panel->SetColor(on ? kChoiceOn : kChoiceOff); }

}  // namespace printdata::ui
