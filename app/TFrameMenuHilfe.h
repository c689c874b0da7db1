#pragma once
// The help menu of the main window's side bar.
#include <QWidget>

class TFrameMenuHilfe : public QWidget {
 public:
  explicit TFrameMenuHilfe(QWidget* owner);
};
