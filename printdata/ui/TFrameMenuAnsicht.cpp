#include "printdata/ui/TFrameMenuAnsicht.h"

#include <algorithm>

#include "platform/qt/NamedColours.h"
#include "printdata/RowLayout.h"
#include "printdata/ui/ClickRouting.h"
#include "printdata/ui/MenuFrame.h"
#include "printdata/ui/TFrameDaten.h"
#include "printdata/ui/ToggleLook.h"

namespace {

// The minus sign sits at the left edge of the zoom field, the plus sign at
// the right edge, the zoom between them.
const QString kZoomDownCaption = QStringLiteral("-") + QString(20, QChar(' '));
const QString kZoomUpCaption = QString(20, QChar(' ')) + QStringLiteral("+");

}  // namespace

TFrameMenuAnsicht::TFrameMenuAnsicht(QWidget* owner) : QWidget(owner) {
  using printdata::ui::AddMenuButton;
  PanelEingang = printdata::ui::SetUpMenuFrame(this, "FrameMenuAnsicht");
  PanelMain1 = printdata::ui::AddMenuBlock(this, "PanelMain1", 0, 176);
  AddMenuButton(PanelMain1, "PanelEbenen", "SpeedButtonEbenen", QStringLiteral("Ebenen"), 8, 8, PanelEbenen,
                SpeedButtonEbenen);
  AddMenuButton(PanelMain1, "PanelParameter", "SpeedButtonParameter", QStringLiteral("Parameter"), 8, 64,
                PanelParameter, SpeedButtonParameter);
  AddMenuButton(PanelMain1, "PanelNotizen", "SpeedButtonNotizen", QStringLiteral("Notizen"), 8, 120, PanelNotizen,
                SpeedButtonNotizen);
  PanelMain2 = printdata::ui::AddMenuBlock(this, "PanelMain2", 176, 65);
  PanelZoom = new platform::Panel(PanelMain2);
  PanelZoom->setObjectName(QStringLiteral("PanelZoom"));
  PanelZoom->setGeometry(8, 8, 176, 48);
  PanelZoom->SetColor(platform::colours::kLightGrey);
  AddMenuButton(PanelZoom, "PanelZoomDown", "SpeedButtonZoomDown", kZoomDownCaption, 0, 0, PanelZoomDown,
                SpeedButtonZoomDown, QSize(88, 48));
  AddMenuButton(PanelZoom, "PanelZoomUp", "SpeedButtonZoomUp", kZoomUpCaption, 88, 0, PanelZoomUp, SpeedButtonZoomUp,
                QSize(88, 48));
  auto label = [this](const char* name, int top) {
    auto* l = new platform::Label(PanelZoom);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(0, top, 176, 14);
    l->setAlignment(Qt::AlignCenter);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    platform::SetTextColour(l, platform::colours::kNavy);
    return l;
  };
  LabelZoomTitel = label("LabelZoomTitel", 8);
  LabelZoomTitel->setText(QStringLiteral("Zoom"));
  LabelZoom = label("LabelZoom", 26);

  connect(SpeedButtonEbenen, &QAbstractButton::clicked, this, [this] { SpeedButtonEbenenClick(SpeedButtonEbenen); });
  connect(SpeedButtonParameter, &QAbstractButton::clicked, this,
          [this] { SpeedButtonParameterClick(SpeedButtonParameter); });
  connect(SpeedButtonNotizen, &QAbstractButton::clicked, this, [this] { SpeedButtonNotizenClick(SpeedButtonNotizen); });
  connect(SpeedButtonZoomDown, &QAbstractButton::clicked, this,
          [this] { SpeedButtonZoomDownClick(SpeedButtonZoomDown); });
  connect(SpeedButtonZoomUp, &QAbstractButton::clicked, this, [this] { SpeedButtonZoomUpClick(SpeedButtonZoomUp); });
  printdata::ui::OnClick(PanelMain1, [this] { PanelMain1Click(PanelMain1); });
  printdata::ui::OnClick(PanelMain2, [this] { PanelMain1Click(PanelMain2); });

  resize(printdata::ui::kMenuWidth, 176 + 65);
  hide();
  LabelZoom->Tag = 2;
  ShowZoom();
}

void TFrameMenuAnsicht::IdleStep() {
  if (view_ && view_->Host()) view_->Host()->CloseMenusAndRefresh();
}

void TFrameMenuAnsicht::Toggle(platform::SpeedButton* button) {
  button->repaint();
  IdleStep();
  button->Tag = button->Tag == 1 ? 0 : 1;
  ApplyColumns();
}

void TFrameMenuAnsicht::SpeedButtonEbenenClick(QObject*) { Toggle(SpeedButtonEbenen); }
void TFrameMenuAnsicht::SpeedButtonParameterClick(QObject*) { Toggle(SpeedButtonParameter); }
void TFrameMenuAnsicht::SpeedButtonNotizenClick(QObject*) { Toggle(SpeedButtonNotizen); }

void TFrameMenuAnsicht::ApplyColumns() {
  printdata::ui::SetToggleLook(PanelEbenen, SpeedButtonEbenen, SpeedButtonEbenen->Tag == 1);
  printdata::ui::SetToggleLook(PanelParameter, SpeedButtonParameter, SpeedButtonParameter->Tag == 1);
  printdata::ui::SetToggleLook(PanelNotizen, SpeedButtonNotizen, SpeedButtonNotizen->Tag == 1);
  if (view_) view_->Repaint();
  IdleStep();
}

void TFrameMenuAnsicht::StepZoom(platform::SpeedButton* button, int step) {
  button->repaint();
  IdleStep();
  LabelZoom->Tag += step;
  ApplyZoom();
}

void TFrameMenuAnsicht::SpeedButtonZoomDownClick(QObject*) { StepZoom(SpeedButtonZoomDown, -1); }
void TFrameMenuAnsicht::SpeedButtonZoomUpClick(QObject*) { StepZoom(SpeedButtonZoomUp, +1); }

void TFrameMenuAnsicht::ShowZoom() {
  // At a limit the half that would pass it shows no sign; it stays
  // clickable and clamps back to the same zoom.
  LabelZoom->Tag = std::clamp(LabelZoom->Tag, printdata::kMinZoom, printdata::kMaxZoom);
  SpeedButtonZoomDown->SetCaption(LabelZoom->Tag <= printdata::kMinZoom ? QString() : kZoomDownCaption);
  SpeedButtonZoomUp->SetCaption(LabelZoom->Tag >= printdata::kMaxZoom ? QString() : kZoomUpCaption);
  LabelZoom->setText(QString::number(LabelZoom->Tag) + QStringLiteral("x"));
}

void TFrameMenuAnsicht::ApplyZoom() {
  ShowZoom();
  if (view_) view_->Repaint();
  IdleStep();
}

void TFrameMenuAnsicht::PanelMain1Click(QObject*) { IdleStep(); }
