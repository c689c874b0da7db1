#include "printdata/TFrameMenuSchutz.h"

TFrameMenuSchutz::TFrameMenuSchutz(QWidget* owner) : QWidget(owner) {
  setObjectName(QStringLiteral("FrameMenuSchutz"));
  hide();
}
