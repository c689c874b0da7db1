#pragma once
// The editor's colours and the look of its controls: panes' value panels in
// light blue-grey with navy texts, a chosen entry navy with a white bold
// caption, a normal one light grey with a navy caption.
#include <cstdint>

#include "platform/Colours.h"

namespace editor::ui {

inline constexpr std::uint32_t kValuePanel = 13149858;  // 0xC8A6A2, RGB 162, 166, 200
inline constexpr std::uint32_t kBand = platform::colours::kLightGrey;  // behind Fix and proportional rows
inline constexpr std::uint32_t kLocked = platform::colours::kLightGrey;  // protected value panels
inline constexpr std::uint32_t kNavy = platform::colours::kNavy;
inline constexpr std::uint32_t kWhite = platform::colours::kWhite;
inline constexpr std::uint32_t kGreyPage = platform::colours::kGrey;
inline constexpr std::uint32_t kEntryNormal = platform::colours::kLightGrey;
inline constexpr std::uint32_t kEntryChosen = platform::colours::kNavy;
inline constexpr std::uint32_t kPageColour = 14013909;  // the pages' background

// The layer colours RenderLayer is called with.
inline constexpr std::uint32_t kLayerBlack = 0;
inline constexpr std::uint32_t kLayerRed = 255;

}  // namespace editor::ui
