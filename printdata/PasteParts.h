#pragma once
// The paste dialog's rule: chosen parts of the clipboard print text (the
// five layers, the parameters, the note) go into the marked print text or
// into every print text in use. Everything else of a target stays as it
// was, the clipboard is never changed, and a paste that may not happen
// changes nothing at all.
#include <vector>

#include "printdata/PrintGroup.h"

namespace printdata {

struct PasteParts {
  bool Layers = false;
  bool Parameters = false;
  bool Note = false;
  bool Any() const { return Layers || Parameters || Note; }
};

enum class PasteTarget { Marked, EveryText };

enum class PasteRefusal {
  None,
  NoPart,       // nothing chosen
  NoTarget,     // no valid marked print text among the `count` in use
  Protected,    // a chosen part is protected while protection binds
};

// Why the paste may not happen, or None. `protectionBinds`: the group's
// protection value holds (the user operating mode); a chosen part it
// protects refuses the whole paste, into one print text or into all.
PasteRefusal CheckPaste(const PrintGroup& group, int count, int marked, PasteParts parts, bool protectionBinds);

// The print texts a paste changes, in order: the marked one, or 0 to
// count - 1.
std::vector<int> PasteTargets(int count, int marked, PasteTarget target);

// Copies the chosen parts of `clipboard` into the target print texts of
// `group`, or nothing when CheckPaste refuses; returns CheckPaste's answer.
PasteRefusal PasteInto(PrintGroup& group, int count, int marked, const PrintText& clipboard, PasteParts parts,
                       PasteTarget target, bool protectionBinds);

}  // namespace printdata
