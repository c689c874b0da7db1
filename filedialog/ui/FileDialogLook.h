#pragma once
// Colours and measures of the file dialog.
#include <QSize>
#include <cstdint>

namespace filedialogui::look {

inline constexpr std::uint32_t kFace = 0xC8D0D4;       // the window
inline constexpr std::uint32_t kCream = 0xF0FBFF;      // list and path field
inline constexpr std::uint32_t kBusy = 0x00FFFF;       // the list while the dialog works
inline constexpr std::uint32_t kOpenGrey = 0xC0C0C0;   // name field, open mode
inline constexpr std::uint32_t kSaveGreen = 0xC0DCC0;  // name field, save mode

inline constexpr QSize kMinClient(632, 453);
inline constexpr int kBarHeight = 35;
inline constexpr int kToolButton = 35;
inline constexpr int kMargin = 8;
inline constexpr int kEditHeight = 22;
inline constexpr int kCheckHeight = 22;
inline constexpr int kBottomButtonWidth = 105;
inline constexpr int kBottomButtonHeight = 25;
inline constexpr QSize kThumbnail(102, 21);

}  // namespace filedialogui::look
