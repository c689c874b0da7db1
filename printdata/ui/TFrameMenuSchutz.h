#pragma once
// The data page's protection menu.
#include <QWidget>

class TFrameMenuSchutz : public QWidget {
 public:
  explicit TFrameMenuSchutz(QWidget* owner);
};
