// The keys the program's OK / "Abbrechen" dialogs share.
#include <gtest/gtest.h>

#include <string>

#include "platform/qt/DialogKeys.h"
#include "platform/qt/SpeedButton.h"

TEST(DialogKeys, EachKeyWithItsModifiers) {
  QWidget panel;
  platform::SpeedButton ok(&panel);
  std::string ran;
  platform::DialogKeyActions keys;
  keys.okButton = &ok;
  keys.ok = [&] { ran += "ok "; };
  keys.cancel = [&] { ran += "cancel "; };
  keys.hardcopy = [&] { ran += "hardcopy "; };
  keys.userGuide = [&] { ran += "guide "; };

  const struct {
    int key;
    Qt::KeyboardModifiers mods;
    bool okEnabled;
    bool taken;
    const char* ran;
  } cases[] = {
      {Qt::Key_Return, Qt::NoModifier, true, true, "ok "},
      {Qt::Key_Enter, Qt::KeypadModifier, true, true, "ok "},
      {Qt::Key_Return, Qt::NoModifier, false, true, ""},  // OK off: taken, nothing done
      {Qt::Key_Return, Qt::ShiftModifier, true, false, ""},
      {Qt::Key_Escape, Qt::NoModifier, true, true, "cancel "},
      {Qt::Key_Escape, Qt::ControlModifier, true, false, ""},
      {Qt::Key_F1, Qt::NoModifier, true, true, "guide "},
      {Qt::Key_F1, Qt::AltModifier, true, false, ""},
      {Qt::Key_P, Qt::ControlModifier, true, true, "hardcopy "},
      {Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier, true, false, ""},
      {Qt::Key_P, Qt::NoModifier, true, false, ""},
      {Qt::Key_A, Qt::NoModifier, true, false, ""},
  };
  for (const auto& c : cases) {
    ran.clear();
    ok.setEnabled(c.okEnabled);
    EXPECT_EQ(platform::HandleDialogKeys(c.key, c.mods, keys), c.taken) << c.key << " " << int(c.mods);
    EXPECT_EQ(ran, c.ran) << c.key << " " << int(c.mods);
  }
  // Without an OK button Enter always runs OK; actions a dialog lacks are
  // still its keys.
  keys.okButton = nullptr;
  ran.clear();
  EXPECT_TRUE(platform::HandleDialogKeys(Qt::Key_Return, Qt::NoModifier, keys));
  EXPECT_EQ(ran, "ok ");
  EXPECT_TRUE(platform::HandleDialogKeys(Qt::Key_P, Qt::ControlModifier, platform::DialogKeyActions{}));
}
