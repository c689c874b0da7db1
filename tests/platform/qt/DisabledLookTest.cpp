// The one look of what cannot be used: a switched-off button, a button on a
// locked panel, a label and a panel caption all turn to the same readable
// grey, and come back to their own colour when switched on again.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPalette>
#include <cstdint>

#include "platform/qt/Colour.h"
#include "platform/qt/NamedColours.h"
#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"
#include "support/Contrast.h"

namespace {

using namespace platform::colours;

TEST(DisabledLook, IsReadableOnEverySurfaceTheProgramPutsTextOn) {
  struct Surface {
    const char* name;
    std::uint32_t colour;
  };
  const Surface surfaces[] = {
      {"silver: inactive tiles, choices, button rows", kSilver},
      {"light grey: windows, button panels", kLightGrey},
      {"lit: active tiles, chosen values, value rows", 11439276},
  };
  for (const Surface& s : surfaces)
    EXPECT_GE(testsupport::ContrastRatio(kDisabledText, s.colour), 3.0) << s.name;
  // Grey, not the navy of what can be clicked.
  EXPECT_EQ(kDisabledText & 0xFF, (kDisabledText >> 8) & 0xFF);
  EXPECT_EQ(kDisabledText & 0xFF, (kDisabledText >> 16) & 0xFF);
}

TEST(DisabledLook, AButtonOnALockedPanelLooksSwitchedOffAsOneSwitchedOffItself) {
  QWidget window;
  platform::ButtonPanel b = platform::AddButtonPanel(&window, QRect(8, 8, 88, 48), QStringLiteral("Laden"));
  b.button->SetFontColor(kPurple);
  EXPECT_EQ(b.button->CaptionColour(), kPurple);

  // The window locks its top row while a long operation runs.
  b.panel->setEnabled(false);
  EXPECT_TRUE(platform::OwnEnabled(b.button));
  EXPECT_FALSE(b.button->isEnabled());
  EXPECT_EQ(b.button->CaptionColour(), kDisabledText);
  b.panel->setEnabled(true);
  EXPECT_EQ(b.button->CaptionColour(), kPurple);

  b.button->setEnabled(false);
  EXPECT_EQ(b.button->CaptionColour(), kDisabledText);
  b.button->setEnabled(true);
  EXPECT_EQ(b.button->CaptionColour(), kPurple);
}

TEST(DisabledLook, LabelsAndPanelCaptionsTakeTheSameLook) {
  QWidget window;
  auto* panel = new platform::Panel(&window);
  panel->SetCaption(QStringLiteral("R12"));
  panel->SetFontColor(kNavy);
  auto* label = new QLabel(QStringLiteral("Signal 3"), panel);
  platform::SetTextColour(label, kNavy);

  EXPECT_EQ(panel->CaptionColour(), kNavy);
  EXPECT_EQ(platform::ToVclColor(label->palette().color(QPalette::Active, QPalette::WindowText)), kNavy);
  EXPECT_EQ(platform::ToVclColor(label->palette().color(QPalette::Inactive, QPalette::WindowText)), kNavy);
  EXPECT_EQ(platform::ToVclColor(label->palette().color(QPalette::Disabled, QPalette::WindowText)), kDisabledText);

  panel->setEnabled(false);
  EXPECT_EQ(panel->CaptionColour(), kDisabledText);
  EXPECT_FALSE(label->isEnabled());
  panel->setEnabled(true);
  EXPECT_EQ(panel->CaptionColour(), kNavy);
}

}  // namespace
