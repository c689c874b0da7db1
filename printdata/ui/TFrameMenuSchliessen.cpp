#include "printdata/ui/TFrameMenuSchliessen.h"

TFrameMenuSchliessen::TFrameMenuSchliessen(QWidget* owner) : QWidget(owner) {
  setObjectName(QStringLiteral("FrameMenuSchliessen"));
  hide();
}
