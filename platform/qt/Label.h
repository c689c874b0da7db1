#pragma once
// A text label that carries a number (its Tag): the program keeps small bits
// of view state (zoom, view number) in the labels that show them.
#include <QLabel>

namespace platform {

class Label : public QLabel {
 public:
  using QLabel::QLabel;
  int Tag = 0;
};

}  // namespace platform
