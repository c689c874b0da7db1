#include "editor/ui/TFrameMenuRasterBearbeiten.h"

TFrameMenuRasterBearbeiten::TFrameMenuRasterBearbeiten(QWidget* owner) : QWidget(owner) { hide(); }
