#include "app/TFrameMenuHilfe.h"

TFrameMenuHilfe::TFrameMenuHilfe(QWidget* owner) : QWidget(owner) { hide(); }
