#include "editor/ui/TFrameMenuAnsichtBearbeiten.h"

TFrameMenuAnsichtBearbeiten::TFrameMenuAnsichtBearbeiten(QWidget* owner) : QWidget(owner) {
  setObjectName(QStringLiteral("FrameMenuAnsichtBearbeiten"));
  hide();
}

void TFrameMenuAnsichtBearbeiten::SpeedButtonEbene1Click(QObject*) {}
void TFrameMenuAnsichtBearbeiten::SpeedButtonEbene2Click(QObject*) {}
void TFrameMenuAnsichtBearbeiten::SpeedButtonEbene3Click(QObject*) {}
void TFrameMenuAnsichtBearbeiten::SpeedButtonEbene4Click(QObject*) {}
void TFrameMenuAnsichtBearbeiten::SpeedButtonEbene5Click(QObject*) {}
void TFrameMenuAnsichtBearbeiten::SpeedButtonParameterClick(QObject*) {}
void TFrameMenuAnsichtBearbeiten::SpeedButtonNotizClick(QObject*) {}
void TFrameMenuAnsichtBearbeiten::ApplyView() {}
