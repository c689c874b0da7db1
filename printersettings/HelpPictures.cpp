#include "printersettings/HelpPictures.h"

#include "printerlink/thread/PrinterMirror.h"

namespace printersettings {
namespace {

const char* const kNone = "ImageNO";

// "ImageSPWP1" ...: the edge of the start signal (P rising, N falling),
// the level of the selection lines (P positive, N negative), the number
// of lines.
std::string Wired(bool risingStart, bool positiveLevel, int lines) {
  if (lines < 0 || lines > 3) return kNone;
  return std::string("ImageS") + (risingStart ? "P" : "N") + "W" + (positiveLevel ? "P" : "N") +
         std::to_string(lines + 1);
}

}  // namespace

HelpPictures StartModePictures(int startMode, int cliWord, int printerSelectionMode, int printerSelectionLines) {
  const bool selectionOn = printerSelectionMode != 0;
  const char* panel = selectionOn ? "ImageMMI_N_AU" : "ImageMMI_N";
  switch (startMode) {
    case 1:
    case 2: {
      const std::string edge = startMode == 1 ? "ImageSP" : "ImageSN";
      if (!printerthread::HasCliBit(cliWord, printerthread::kCliExtendedInputs) && selectionOn)
        return {edge, "ImageSU101", "ImageMMI_N_AU"};
      return {edge, "ImageMU", "ImageMMI_N"};
    }
    case 3: return {"ImageSP", "ImageSU101", panel};
    case 4: return {"ImageSN", "ImageSU101", panel};
    case 5:
    case 6: {
      std::string upper = kNone;
      if (printerSelectionMode == 0 || printerSelectionMode == 1)
        upper = Wired(startMode == 5, true, printerSelectionLines);
      else if (printerSelectionMode == 2)
        upper = Wired(startMode == 5, false, printerSelectionLines);
      return {upper, "ImageSU141", "ImageMMI_N_AU"};
    }
    default: return {kNone, kNone, kNone};
  }
}

SelectionPictures SelectionModePictures(int selectionMode, int lines, int printerStartMode) {
  if (selectionMode != 1 && selectionMode != 2) return {std::string(kNone), kNone, kNone};
  SelectionPictures p{std::nullopt, "ImageSU141", "ImageMMI_N_AU"};
  const bool positive = selectionMode == 1;
  const int q = printerStartMode;
  if (lines < 0 || lines > 3)
    p.upper = kNone;
  else if (q == 2 || q == 4 || q == 6)
    p.upper = Wired(false, positive, lines);
  else if (q == 1 || q == 3 || q == 5)
    p.upper = Wired(true, positive, lines);
  else if (q == 0)
    p.upper = kNone;
  return p;
}

TwoPictures ClockSourcePictures(int source) {
  switch (source) {
    case 0: return {kNone, "ImageMU_Intern"};
    case 1:
    case 3: return {"ImageDrehgeberP", "ImageMU_CPL"};
    case 2:
    case 4: return {"ImageDrehgeberN", "ImageMU_CPL"};
    case 5: return {"ImageTakt", "ImageSU101"};
    case 6: return {"ImageTakt", "ImageMU_24V"};
    default: return {kNone, kNone};
  }
}

}  // namespace printersettings
