#pragma once
// The editor's grid menu.
#include <QWidget>

class TFrameMenuRasterBearbeiten : public QWidget {
 public:
  explicit TFrameMenuRasterBearbeiten(QWidget* owner);
};
