#pragma once
// Notes are kept with CR LF between their lines and stored as the last lines
// of the group and print-text files. Every line end of a note (CR LF, LF or
// CR) becomes a line of its own, so an empty note is one empty line and a
// note that ends in a line break keeps it through a save and a load.
#include <string>
#include <string_view>
#include <vector>

namespace printdata {

std::vector<std::string> NoteToLines(std::string_view note);
// Lines `first` to the end joined with CR LF; "" when there are none.
std::string NoteFromLines(const std::vector<std::string>& lines, std::size_t first);

}  // namespace printdata
