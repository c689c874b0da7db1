#pragma once
// One print text: five layers ("Ebene 1" to "Ebene 5" at index 0 to 4), the
// print layout and a note whose lines are separated by CR LF.
#include <array>
#include <cstdint>
#include <string>

#include "printdata/LayerObject.h"
#include "printdata/PrintParameters.h"

namespace printdata {

inline constexpr int kLayerCount = 5;
// The only record version held in memory; files of older versions are
// converted while they are read.
inline constexpr std::uint32_t kRecordVersion = 9;

struct PrintText {
  std::uint32_t Version = kRecordVersion;
  std::array<LayerObject, kLayerCount> Layers = {DefaultLayer(0), DefaultLayer(1), DefaultLayer(2),
                                                 DefaultLayer(3), DefaultLayer(4)};
  PrintParameters Parameters;
  std::string Note;

  friend bool operator==(const PrintText&, const PrintText&) = default;
};

}  // namespace printdata
