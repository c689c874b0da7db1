#include "printdata/PasteParts.h"

#include "printdata/Copy.h"
#include "printdata/Protection.h"

namespace printdata {

PasteRefusal CheckPaste(const PrintGroup& group, int count, int marked, PasteParts parts, bool protectionBinds) {
  if (!parts.Any()) return PasteRefusal::NoPart;
  if (count > kMaxPrintTexts || marked < 0 || marked > count - 1) return PasteRefusal::NoTarget;
  if (protectionBinds) {
    const std::int32_t p = ProtectionValue(group.Protection);
    if ((parts.Layers && (p & kProtectLayers)) || (parts.Parameters && (p & kProtectParameters)) ||
        (parts.Note && (p & kProtectNotes)))
      return PasteRefusal::Protected;
  }
  return PasteRefusal::None;
}

std::vector<int> PasteTargets(int count, int marked, PasteTarget target) {
  if (target == PasteTarget::Marked) return {marked};
  std::vector<int> all;
  for (int i = 0; i < count; ++i) all.push_back(i);
  return all;
}

PasteRefusal PasteInto(PrintGroup& group, int count, int marked, const PrintText& clipboard, PasteParts parts,
                       PasteTarget target, bool protectionBinds) {
  const PasteRefusal refusal = CheckPaste(group, count, marked, parts, protectionBinds);
  if (refusal != PasteRefusal::None) return refusal;
  for (int i : PasteTargets(count, marked, target)) {
    PrintText& text = group.Texts[static_cast<std::size_t>(i)];
    if (parts.Layers) LayersCopy(clipboard, text);
    if (parts.Parameters) ParametersCopy(clipboard, text);
    if (parts.Note) NoteCopy(clipboard, text);
  }
  return PasteRefusal::None;
}

}  // namespace printdata
