#pragma once
// The data page's close confirmation menu.
#include <QWidget>

class TFrameMenuSchliessen : public QWidget {
 public:
  explicit TFrameMenuSchliessen(QWidget* owner);
};
