#pragma once
// The blocks of the side bar's PC and help menus: the data page's menu blocks
// (printdata/ui/MenuFrame.h), raised.
#include <QWidget>

#include "platform/qt/Panel.h"
#include "printdata/ui/MenuFrame.h"

namespace app {

inline platform::Panel* AddRaisedMenuBlock(QWidget* frame, const char* name, int top, int height) {
  platform::Panel* block = printdata::ui::AddMenuBlock(frame, name, top, height);
  block->SetBevels(platform::BevelKind::Raised, platform::BevelKind::None);
  return block;
}

}  // namespace app
