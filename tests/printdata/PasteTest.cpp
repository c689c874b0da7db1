// The paste dialog's rule over every combination of parts, targets and
// protection.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "printdata/PasteParts.h"

using namespace printdata;

namespace {

constexpr int kCount = 4;
constexpr int kMarked = 2;

// Print text i of the open data: every part its own.
PrintText Original(int i) {
  PrintText t;
  t.Version = 8;  // a paste leaves the version alone
  t.Layers[0].Kind = kKindText;
  t.Layers[0].Text = "Text " + std::to_string(i);
  t.Layers[4].PosX = 10 + i;
  t.Parameters.X1.Drucklaenge = 200 + 10 * i;
  t.Parameters.X2.Anzahl = 1 + i;
  t.Parameters.Y.AbstandZ = i;
  t.Note = "Notiz " + std::to_string(i);
  return t;
}

PrintText Clipboard() {
  PrintText t;
  t.Layers[0].Kind = kKindGraphic;
  t.Layers[0].Pixels = "1010";
  t.Layers[3].Kind = kKindDate;
  t.Parameters.X1.Drucklaenge = 450;
  t.Parameters.X2.Lage = 90;
  t.Parameters.Y.AnzahlZ = 3;
  t.Note = "Aus der Ablage";
  return t;
}

std::unique_ptr<PrintGroup> OpenData(int protection) {
  auto g = std::make_unique<PrintGroup>();
  g->Protection = std::to_string(protection);
  for (int i = 0; i < kMaxPrintTexts; ++i) g->Texts[static_cast<std::size_t>(i)] = Original(i);
  return g;
}

// What print text i holds after a paste that was applied to it.
PrintText Pasted(int i, PasteParts parts) {
  PrintText t = Original(i);
  const PrintText c = Clipboard();
  if (parts.Layers) t.Layers = c.Layers;
  if (parts.Parameters) t.Parameters = c.Parameters;
  if (parts.Note) t.Note = c.Note;
  return t;
}

}  // namespace

TEST(Paste, EveryCombinationOfPartsTargetAndProtection) {
  const PrintText clipboard = Clipboard();
  for (int mask = 0; mask < 8; ++mask) {
    const PasteParts parts{(mask & 1) != 0, (mask & 2) != 0, (mask & 4) != 0};
    for (PasteTarget target : {PasteTarget::Marked, PasteTarget::EveryText}) {
      for (int protection = 0; protection < 8; ++protection) {
        for (bool binds : {false, true}) {
          SCOPED_TRACE("parts " + std::to_string(mask) + (target == PasteTarget::Marked ? " marked" : " every") +
                       " protection " + std::to_string(protection) + (binds ? " binding" : " not binding"));
          auto group = OpenData(protection);
          const PasteRefusal r = PasteInto(*group, kCount, kMarked, clipboard, parts, target, binds);

          const bool hitsProtection = binds && (mask & protection) != 0;
          const PasteRefusal expected = mask == 0        ? PasteRefusal::NoPart
                                        : hitsProtection ? PasteRefusal::Protected
                                                         : PasteRefusal::None;
          EXPECT_EQ(r, expected);
          for (int i = 0; i < kMaxPrintTexts; ++i) {
            const bool target_i = target == PasteTarget::Marked ? i == kMarked : i < kCount;
            const PrintText want = expected == PasteRefusal::None && target_i ? Pasted(i, parts) : Original(i);
            EXPECT_EQ(group->Texts[static_cast<std::size_t>(i)], want) << "print text " << i;
          }
          EXPECT_EQ(group->Protection, std::to_string(protection));
        }
      }
    }
  }
  // The clipboard is never changed, so the same content pastes again.
  EXPECT_EQ(clipboard, Clipboard());
}

TEST(Paste, WithoutAValidMarkedPrintTextNothingChanges) {
  const struct {
    int count, marked;
  } cases[] = {{0, 0}, {4, 4}, {4, -1}, {4, 98}, {100, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.count) + " in use, marked " + std::to_string(c.marked));
    for (PasteTarget target : {PasteTarget::Marked, PasteTarget::EveryText}) {
      auto group = OpenData(0);
      const auto before = *group;
      EXPECT_EQ(PasteInto(*group, c.count, c.marked, Clipboard(), {true, true, true}, target, false),
                PasteRefusal::NoTarget);
      EXPECT_TRUE(*group == before);
    }
  }
  // The last of 99 is a target like any other.
  auto group = OpenData(0);
  EXPECT_EQ(PasteInto(*group, 99, 98, Clipboard(), {false, false, true}, PasteTarget::EveryText, false),
            PasteRefusal::None);
  EXPECT_EQ(group->Texts[98].Note, "Aus der Ablage");
}

TEST(Paste, ProtectionTextsReadAsTheDataViewReadsThem) {
  // "x7" and "" are 0: nothing protected; "6" protects parameters and note.
  for (const char* text : {"x7", ""}) {
    auto group = OpenData(0);
    group->Protection = text;
    EXPECT_EQ(CheckPaste(*group, kCount, 0, {true, true, true}, true), PasteRefusal::None) << text;
  }
  auto group = OpenData(6);
  EXPECT_EQ(CheckPaste(*group, kCount, 0, {true, false, false}, true), PasteRefusal::None);
  EXPECT_EQ(CheckPaste(*group, kCount, 0, {true, true, false}, true), PasteRefusal::Protected);
}
