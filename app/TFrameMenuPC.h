#pragma once
// The PC menu of the main window's side bar.
#include <QWidget>

class TFrameMenuPC : public QWidget {
 public:
  explicit TFrameMenuPC(QWidget* owner);
};
