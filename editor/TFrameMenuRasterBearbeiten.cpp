#include "editor/TFrameMenuRasterBearbeiten.h"

TFrameMenuRasterBearbeiten::TFrameMenuRasterBearbeiten(QWidget* owner) : QWidget(owner) { hide(); }
