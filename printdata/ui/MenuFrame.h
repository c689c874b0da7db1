#pragma once
// The common form of the data page's pop-up menus: a silver frame with a
// disabled decoration panel at its top left, blocks of flat buttons of
// 176 x 48 px, each filling a light grey panel of its own.
#include <QRect>
#include <QString>
#include <QWidget>

#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"

namespace printdata::ui {

inline constexpr int kMenuWidth = 193;

// Names the frame, gives it the menus' look and its decoration panel.
platform::Panel* SetUpMenuFrame(QWidget* frame, const char* name);
// A block of the menu (a background panel that closes the menu on a click).
platform::Panel* AddMenuBlock(QWidget* frame, const char* name, int top, int height);
// The same, raised: the blocks of the side bar's menus.
platform::Panel* AddRaisedMenuBlock(QWidget* frame, const char* name, int top, int height);
// A button panel at `left`, `top` in `block`, 176 x 48 unless `size` says
// otherwise.
void AddMenuButton(QWidget* block, const char* panelName, const char* buttonName, const QString& caption, int left,
                   int top, platform::Panel*& panel, platform::SpeedButton*& button, QSize size = QSize(176, 48));

}  // namespace printdata::ui
