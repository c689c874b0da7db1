#include "printdata/TFrameMenuSchliessen.h"

TFrameMenuSchliessen::TFrameMenuSchliessen(QWidget* owner) : QWidget(owner) { hide(); }
