#include "printdata/ui/TFrameMenuAnsicht.h"

#include <algorithm>

#include "platform/Colours.h"
#include "platform/qt/LanguageTexts.h"
#include "platform/qt/Panel.h"

TFrameMenuAnsicht::TFrameMenuAnsicht(QWidget* owner) : QWidget(owner) {
  setObjectName(QStringLiteral("FrameMenuAnsicht"));
  auto add = [this](int top, const QString& caption) {
    return platform::AddButtonPanel(this, QRect(8, top, 88, 48), caption).button;
  };
  SpeedButtonEbenen = add(8, QStringLiteral("Ebenen"));
  SpeedButtonParameter = add(64, QStringLiteral("Parameter"));
  SpeedButtonNotizen = add(120, QStringLiteral("Notizen"));
  NAME_AFTER_MEMBER(SpeedButtonEbenen);
  NAME_AFTER_MEMBER(SpeedButtonParameter);
  NAME_AFTER_MEMBER(SpeedButtonNotizen);
  SpeedButtonZoomDown = add(176, QStringLiteral("-"));
  SpeedButtonZoomUp = add(232, QStringLiteral("+"));
  LabelZoom = new platform::Label(this);
  LabelZoom->setGeometry(8, 288, 88, 16);
  LabelZoom->setAlignment(Qt::AlignCenter);
  LabelZoom->Tag = 2;
  resize(104, 312);
  hide();
  ApplyZoom();
}

void TFrameMenuAnsicht::SpeedButtonEbenenClick(QObject*) {
  SpeedButtonEbenen->Tag = SpeedButtonEbenen->Tag ? 0 : 1;
  ApplyColumns();
}

void TFrameMenuAnsicht::SpeedButtonParameterClick(QObject*) {
  SpeedButtonParameter->Tag = SpeedButtonParameter->Tag ? 0 : 1;
  ApplyColumns();
}

void TFrameMenuAnsicht::SpeedButtonNotizenClick(QObject*) {
  SpeedButtonNotizen->Tag = SpeedButtonNotizen->Tag ? 0 : 1;
  ApplyColumns();
}

void TFrameMenuAnsicht::SpeedButtonZoomDownClick(QObject*) {
  --LabelZoom->Tag;
  ApplyZoom();
}

void TFrameMenuAnsicht::SpeedButtonZoomUpClick(QObject*) {
  ++LabelZoom->Tag;
  ApplyZoom();
}

void TFrameMenuAnsicht::ApplyColumns() {
  for (platform::SpeedButton* b : {SpeedButtonEbenen, SpeedButtonParameter, SpeedButtonNotizen})
    static_cast<platform::Panel*>(b->parentWidget())->SetColor(b->Tag ? platform::colours::kNavy : platform::colours::kLightGrey);
}

void TFrameMenuAnsicht::ApplyZoom() {
  LabelZoom->Tag = std::clamp(LabelZoom->Tag, 1, 5);
  SpeedButtonZoomDown->setVisible(LabelZoom->Tag > 1);
  SpeedButtonZoomUp->setVisible(LabelZoom->Tag < 5);
  LabelZoom->setText(QString::number(LabelZoom->Tag) + QStringLiteral("x"));
}
