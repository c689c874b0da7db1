#include "printersettings/ui/ModeFilterForm.h"

#include "platform/qt/LanguageTexts.h"
#include "printersettings/SettingValues.h"

namespace printersettings::ui {

ModeFilterForm::ModeFilterForm(QWidget* owner, const char* name, const QString& caption,
                               const std::vector<QString>& modeCaptions)
    : SettingForm(owner, name, caption) {
  const int modes = static_cast<int>(modeCaptions.size());
  for (int n = 0; n < modes; ++n) {
    const platform::ButtonPanel choice = AddChoice(this, RowRect(n), modeCaptions[static_cast<std::size_t>(n)]);
    choice.panel->setObjectName(QStringLiteral("Panel%1").arg(n));
    choice.button->setObjectName(QStringLiteral("SpeedButton%1").arg(n));
    ModePanels.push_back(choice.panel);
    ModeButtons.push_back(choice.button);
    connect(choice.button, &QAbstractButton::clicked, this, [this, n, b = choice.button] { ModeClick(b, n); });
  }
  const ValueRow filter = AddValueRow(this, RowRect(modes), QStringLiteral("Filter"));
  Panel5 = filter.panel;
  Label5Titel = filter.title;
  Label5 = filter.value;
  SpeedButtonDown5 = filter.down;
  SpeedButtonUp5 = filter.up;
  NameRow(filter, QStringLiteral("5"));
  connect(SpeedButtonDown5, &QAbstractButton::clicked, this, [this] { SpeedButtonDown5Click(SpeedButtonDown5); });
  connect(SpeedButtonUp5, &QAbstractButton::clicked, this, [this] { SpeedButtonUp5Click(SpeedButtonUp5); });
  Timer0 = new RepeatTimer(this, kFilterRepeat, [this](int step) {
    EditFilter += step;
    UpdateView();
  });
  Timer0->setObjectName(QStringLiteral("Timer0"));
  Timer0->Attach(SpeedButtonDown5, -1);
  Timer0->Attach(SpeedButtonUp5, +1);
  PlaceButtonRow(RowTop(modes + 1), kFormWidth);
}

void ModeFilterForm::ModeClick(QObject* sender, int mode) {
  platform::RepaintSender(sender);
  EditMode = mode;
  UpdateView();
}

void ModeFilterForm::StepFilter(QObject* sender, int step) {
  platform::RepaintSender(sender);
  EditFilter += step;
  UpdateView();
}

void ModeFilterForm::SpeedButtonDown5Click(QObject* sender) { StepFilter(sender, -1); }
void ModeFilterForm::SpeedButtonUp5Click(QObject* sender) { StepFilter(sender, +1); }
void ModeFilterForm::Timer0Timer() { Timer0->Tick(); }

void ModeFilterForm::UpdateView() {
  EditMode = ChoiceIn(EditMode, 0, static_cast<int>(ModePanels.size()) - 1);
  for (std::size_t n = 0; n < ModePanels.size(); ++n) LightChoice(ModePanels[n], static_cast<int>(n) == EditMode);
  EditFilter = Clamp(EditFilter, 0, 200);
  SetStepCaptions(SpeedButtonDown5, SpeedButtonUp5, StepCaptions(EditFilter, 0, 200));
  Label5->setText(QStringLiteral("%1 ms").arg(EditFilter));
  GateOk();
}

void ModeFilterForm::CopyPrinterToEdit() {
  EditMode = PrinterMode;
  EditFilter = PrinterFilter;
}

int ModeFilterForm::ModeToSend() const { return ChoiceToSend(EditMode, PrinterMode); }

bool ModeFilterForm::OkAllowed() const { return ModeToSend() >= 0; }

}  // namespace printersettings::ui
