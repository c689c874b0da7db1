#pragma once
// Line and block framing of encoded text.
#include <string>
#include <string_view>

namespace zip {

// CR LF after every full line of lineLength characters; unchanged when
// lineLength <= 0 or the text is not longer than one line.
std::string InsertCR(std::string_view text, int lineLength);
// Removes every CR and LF.
std::string DeleteCR(std::string_view text);
// Wraps every piece of blockLength characters (and a shorter last piece) as
// beginMark + piece + endMark; unchanged under the same condition as InsertCR.
std::string InsertBlocks(std::string_view text, std::string_view beginMark, std::string_view endMark,
                         int blockLength);
// Joins the pieces found between a begin mark (or the current position when
// it is empty) and the next end mark (or the end of the text).
std::string RemoveBlocks(std::string_view text, std::string_view beginMark, std::string_view endMark);

}  // namespace zip
