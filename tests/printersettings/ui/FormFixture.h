#pragma once
// The setting forms with recording stand-ins for what the program gives
// them: the operating mode, the message window, the hard copy, the user
// guide and the main window's place. The printer thread's display steps
// are played from a mirror the test fills.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QString>
#include <QWidget>
#include <vector>

#include "printerlink/thread/PrinterMirror.h"
#include "printerlink/thread/RequestBoard.h"
#include "printersettings/ui/SettingFormServices.h"

namespace settingstest {

struct Notice {
  QString title, text;
  std::uint32_t colour;
};

class FormFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The display steps as the printer thread runs them, with `mirror`.
  void Refresh();
  void Reset();
  // A key with `modifiers` sent to `w`.
  static void Key(QWidget* w, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

  // The forms raise their requests here.
  printerthread::RequestBoard board;
  printerthread::PrinterMirror mirror;
  int mode = 1;
  std::vector<Notice> notices;
  std::vector<QWidget*> hardcopies;
  int guides = 0;
  QRect mainFrame{100, 50, 900, 700};
};

}  // namespace settingstest
