#include "printdata/ui/TFrameMenuSchutz.h"

TFrameMenuSchutz::TFrameMenuSchutz(QWidget* owner) : QWidget(owner) {
  setObjectName(QStringLiteral("FrameMenuSchutz"));
  hide();
}
