// Libraries: zip_wide
// The string list's readers on any bytes: the stream loader (byte-order
// marks, UTF-16 either way, UTF-8, Windows-1252), the code-page loader of
// the 8-bit view, and the delimited-text reader. Whatever they read, the
// list's own delimited text reads back to the same items, and so do its
// line text and its saved stream when no item holds a line break; a sorted
// copy holds them all in order.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "zip/CodePages.h"
#include "zip/Streams.h"
#include "zip/UniStringList.h"
#include "zip/wide/AnsiStringsAdapter.h"
#include "zip/wide/WideErrors.h"

using namespace zip;

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

bool HoldsLineBreaks(const TUniStringList& list) {
  for (const auto& s : list)
    if (s.find_first_of(u"\r\n\u2028") != WideString::npos) return true;
  return false;
}

void RoundTrips(const TUniStringList& list) {
  TUniStringList copy(list);
  TUniStringList comma;
  comma.SetCommaText(copy.GetCommaText());
  Check(comma.Equals(list));

  // Files hold one item per line.
  if (!HoldsLineBreaks(list)) {
    TUniStringList lines;
    lines.SetTextStr(list.GetTextStr());
    Check(lines.Equals(list));

    TMemoryStream saved;
    copy.SaveToStream(saved);
    saved.SetPosition(0);
    TUniStringList reread;
    reread.LoadFromStream(saved);
    Check(reread.Equals(list));
  }

  TUniStringList sorted;
  sorted.Duplicates = dupAccept;
  sorted.SetSorted(true);
  sorted.AddStrings(list);
  Check(sorted.GetCount() == list.GetCount());
  for (int i = 1; i < sorted.GetCount(); ++i) Check(sorted.CompareStrings(sorted[i - 1], sorted[i]) <= 0);
  for (const auto& s : list) Check(sorted.IndexOf(s) >= 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);

  TMemoryStream stream(bytes);
  TUniStringList loaded;
  loaded.LoadFromStream(stream);
  RoundTrips(loaded);

  TUniStringList delimited;
  delimited.SetCommaText(loaded.GetTextStr());
  RoundTrips(delimited);

  if (size > 0) {
    static const std::uint32_t kCodePages[] = {0, 65000, 65001, 850, 932, 1251};
    TMemoryStream rest(std::vector<std::uint8_t>(bytes.begin() + 1, bytes.end()));
    TUniStringList viewed;
    try {
      TAnsiStringsForWideStringsAdapter(viewed).LoadFromStreamEx(rest, kCodePages[data[0] % 6]);
    } catch (const EUniGeneralError&) {
      // not UTF-7
    }
    RoundTrips(viewed);
  }
  return 0;
}
