#include "app/TFrameMenuPC.h"

TFrameMenuPC::TFrameMenuPC(QWidget* owner) : QWidget(owner) { hide(); }
