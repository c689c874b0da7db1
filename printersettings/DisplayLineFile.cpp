#include "printersettings/DisplayLineFile.h"

#include <string_view>

#include "platform/FileIO.h"

namespace printersettings {
namespace {

// The eight items of the turning lines, in their cyclic order.
enum Item { kTime, kDate, kStartTime, kStartDate, kDuration, kWork, kTotalWork, kSpeed, kItemCount };

// Alternating and fixed display.
constexpr std::string_view kWideItems[kItemCount] = {
    "T \x82\x8D\x89 ",        "\x98.\x95.\x92", "S \xA2:\xA9 ",  "\xB8.\xB5.\xB2",
    "P          \xC2\x8D\xC5", "W       \xDD/h", "WT      \xD5/h", "V       \xE5mm/s",
};

// Scrolling display: shorter items with three blanks between them.
constexpr std::string_view kNarrowItems[kItemCount] = {
    "T \x82\x8D\x89 ",       "\x98.\x95.\x92   ", "S \xA2:\xA9 ",   "\xB8.\xB5.\xB2   ",
    "P \xC2\x8D\xC5   ",      "W \xD8/h   ",        "WT \xD0/h   ",    "V \xE0mm/s   ",
};

// The single items, content codes 0 to 9, the same in every behaviour.
constexpr std::string_view kSingleItems[10] = {
    "CNT   \xFA",
    "S          \xA2:\xA9",
    "P          \xC2\x8D\xC5",
    "W       \xDD/h",
    "WT      \xD5/h",
    "V       \xE5mm/s",
    "T \x82\x8D\x89 \x98.\x95.\x92",
    "S \xA2:\xA9 \xB8.\xB5.\xB2",
    "S \xA2:\xA9  P \xC2\x8D\xC5",
    "\xDD/h\xD5/h",
};

// Where codes 10 to 14 start in the cycle.
constexpr Item kTurnStart[5] = {kTime, kStartTime, kDuration, kWork, kSpeed};

// A scrolling line that starts with the duration, the work or the speed
// shows its first item wider.
std::string_view NarrowFirstItem(Item item) {
  switch (item) {
    case kDuration: return "P \xC2\x8D\xC5         ";
    case kWork: return "W       \xDD/h   ";
    case kSpeed: return "V       \xE5mm/s   ";
    default: return kNarrowItems[item];
  }
}

bool Scrolling(int behaviour) { return (behaviour >= 1 && behaviour <= 4) || (behaviour >= 11 && behaviour <= 14); }
bool Standing(int behaviour) { return (behaviour >= 21 && behaviour <= 24) || behaviour == 31; }

std::string LineTemplate(int content, int behaviour) {
  const bool scrolling = Scrolling(behaviour);
  if (!scrolling && !Standing(behaviour)) return {};
  if (content >= 0 && content <= 9) return std::string(kSingleItems[content]);
  if (content < 10 || content > 14) return {};
  const Item start = kTurnStart[content - 10];
  std::string text;
  for (int i = 0; i < kItemCount; ++i) {
    const Item item = static_cast<Item>((start + i) % kItemCount);
    if (!scrolling)
      text += kWideItems[item];
    else
      text += i == 0 ? NarrowFirstItem(item) : kNarrowItems[item];
  }
  return text;
}

void Put(DisplayLineFile& file, std::size_t offset, std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) file[offset + i] = static_cast<std::uint8_t>(bytes[i]);
}

}  // namespace

const char* DisplayLineFileName(int line) { return line == 0 ? "D0216F0.SYS" : "D0216F1.SYS"; }

DisplayLineFile BuildDisplayLineFile(int content, int behaviour, int pause) {
  DisplayLineFile file{};
  const auto code = static_cast<std::uint16_t>(content);
  file[0] = static_cast<std::uint8_t>(code & 0xFF);
  file[1] = static_cast<std::uint8_t>(code >> 8);
  file[2] = 1;
  file[3] = static_cast<std::uint8_t>(behaviour & 0xFF);
  file[4] = static_cast<std::uint8_t>(pause & 0xFF);
  Put(file, 5, "AM");
  Put(file, 15, "PM");
  Put(file, 25, ": : : ");
  // At most 71 bytes: the zero after it and byte 351 stay as filled.
  Put(file, kDisplayLineTemplateOffset, LineTemplate(content, behaviour));
  return file;
}

platform::Status WriteDisplayLineFiles(const std::string& folder, int line1Content, int line2Content,
                                       int behaviour, int pause) {
  for (int line = 0; line < 2; ++line) {
    const std::string path = folder + DisplayLineFileName(line);
    if (!platform::DeleteFileOnly(path)) return platform::Status::Fail("cannot remove " + path);
  }
  const int contents[2] = {line1Content, line2Content};
  for (int line = 0; line < 2; ++line) {
    const DisplayLineFile file = BuildDisplayLineFile(contents[line], behaviour, pause);
    const std::string path = folder + DisplayLineFileName(line);
    auto written = platform::WriteFileAtomic(
        path, std::string_view(reinterpret_cast<const char*>(file.data()), file.size()));
    if (!written) return written;
  }
  return platform::Status::Ok();
}

}  // namespace printersettings
