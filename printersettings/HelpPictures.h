#pragma once
// Which wiring sketches the help panels of the start, selection and clock
// source forms show: names of the forms' picture holders ("ImageSP" ...),
// upper to lower.
#include <optional>
#include <string>

namespace printersettings {

struct HelpPictures {
  std::string upper, middle, lower;
  bool operator==(const HelpPictures&) const = default;
};

// The start-mode form, by the chosen start mode and the selection form's
// printer values (selection mode, lines).
HelpPictures StartModePictures(int startMode, int cliWord, int printerSelectionMode, int printerSelectionLines);

// The selection form, by its chosen mode and lines and the start form's
// printer start mode; no upper picture (it stays as it was) when that start
// mode lies outside 0..6.
struct SelectionPictures {
  std::optional<std::string> upper;
  std::string middle, lower;
  bool operator==(const SelectionPictures&) const = default;
};
SelectionPictures SelectionModePictures(int selectionMode, int lines, int printerStartMode);

// The clock-source form's two pictures by the chosen source.
struct TwoPictures {
  std::string upper, lower;
  bool operator==(const TwoPictures&) const = default;
};
TwoPictures ClockSourcePictures(int source);

}  // namespace printersettings
