#include "printing/WindowPageLayout.h"

#include <algorithm>
#include <cstdint>

namespace printing {
namespace {

constexpr int kLargestDivisor = 20;

bool IsOneOf(const std::string& name, std::initializer_list<const char*> names) {
  for (const char* n : names)
    if (name == n) return true;
  return false;
}

WindowText PageShown(const WindowPageState& s) {
  if (s.dataView) return WindowText::DataTitle;
  if (s.editor) return WindowText::EditorButton;
  if (s.printerView) return WindowText::PrinterButton;
  return WindowText::Unknown;
}

}  // namespace

WindowPagePlan PlanWindowPage(const PageGeometry& g, int screenDpi, int iw, int ih) {
  WindowPagePlan p;
  p.factor = std::max(1, screenDpi > 0 ? g.dx / screenDpi : 1);
  const auto s = [&](std::int64_t v) {
    return static_cast<int>((v * g.r / std::max(1, g.dy)) * p.factor / p.divisor);
  };
  for (;;) {
    const int ow = s(std::int64_t{iw} + 8), oh = s(std::int64_t{ih} + 32);
    const int xl = (g.width - ow) / 2, yt = g.U(450);
    p.outer = {xl, yt, xl + ow, yt + oh};
    if (p.factor <= 1 && p.divisor >= kLargestDivisor) {
      p.errorSize = true;
      break;
    }
    if (xl >= 0 && p.outer.bottom <= g.height - yt / 2) break;
    if (p.factor > 1) {
      --p.factor;
      p.divisor = 1;
    } else {
      p.factor = 1;
      ++p.divisor;
    }
  }
  p.inner = {p.outer.left + s(8), p.outer.top + s(32), p.outer.right - s(8), p.outer.bottom - s(8)};
  return p;
}

WindowText ContextTextOf(const WindowPageState& s) {
  const std::string& n = s.windowName;
  if (n == "FormPrinterFernsteuerung") return WindowText::PrinterButton;
  if (IsOneOf(n, {"FormBedienungsmodus", "FormSprache", "FormHerstellen", "FormEinstellenPC"}))
    return WindowText::PcButton;
  if (n == "Form_FileDialog" && s.pcFileDialog) return WindowText::PcButton;
  if (n == "FormInfo") return WindowText::HelpButton;
  return PageShown(s);
}

WindowText TitleTextOf(const WindowPageState& s) {
  if (s.windowName != "Form_Main") return WindowText::OwnCaption;
  const WindowText shown = PageShown(s);
  return shown == WindowText::Unknown ? WindowText::MainCaption : shown;
}

}  // namespace printing
