#include "printersettings/ui/TFormPrinterStartInterface.h"

#include "platform/qt/LanguageTexts.h"
#include "printersettings/HelpPictures.h"
#include "printersettings/SettingValues.h"

TFormPrinterStartInterface* FormPrinterStartInterface = nullptr;

using namespace printersettings;
using namespace printersettings::ui;

TFormPrinterStartInterface::TFormPrinterStartInterface(
    QWidget* owner, printerthread::RequestSlot<printerthread::InterfaceStartRequest>& slot)
    : SettingFormFor(slot, owner, "FormPrinterStartInterface", QStringLiteral(" Start Wahl")) {
  FormPrinterStartInterface = this;
  RowModus = AddValueRow(this, RowRect(0), QStringLiteral("Modus"));
  RowAnzahl = AddValueRow(this, RowRect(0, 8, kColumnLeft + 192), QStringLiteral("Leitungen"));
  NameRow(RowModus, QStringLiteral("Modus"));
  NameRow(RowAnzahl, QStringLiteral("Anzahl"));
  for (int n = 0; n < 16; ++n) {
    const int column = n / 8;
    ValueRow& row = Rows[static_cast<std::size_t>(n)];
    row = AddValueRow(this, RowRect(1 + n % 8, 8, kColumnLeft + column * 192), QStringLiteral("Signal %1").arg(n));
    NameRow(row, QStringLiteral("Drucktext%1").arg(n));
    connect(row.down, &QAbstractButton::clicked, this, [this, b = row.down] { SpeedButtonDownDrucktextClick(b); });
    connect(row.up, &QAbstractButton::clicked, this, [this, b = row.up] { SpeedButtonUpDrucktextClick(b); });
    connect(row.down, &QAbstractButton::pressed, this, [this, b = row.down] { SpeedButtonDownDrucktextMouseDown(b); });
    connect(row.up, &QAbstractButton::pressed, this, [this, b = row.up] { SpeedButtonUpDrucktextMouseDown(b); });
    connect(row.down, &QAbstractButton::released, this, [this, b = row.down] { SpeedButtonDrucktextMouseUp(b); });
    connect(row.up, &QAbstractButton::released, this, [this, b = row.up] { SpeedButtonDrucktextMouseUp(b); });
  }
  // The print text of code 0 can only be lowered here.
  Rows[0].up->hide();
  TimerDrucktext0 = new RepeatTimer(this, kPrintTextRepeat, [this](int step) {
    if (RepeatRow < 0 || RepeatRow > 15) {
      TimerDrucktext0->Stop();
      TimerDrucktext0->Tag = 0;
      return;
    }
    EditSignalText[static_cast<std::size_t>(RepeatRow)] += step;
    UpdateView();
  });
  TimerDrucktext0->setObjectName(QStringLiteral("TimerDrucktext0"));
  connect(RowModus.down, &QAbstractButton::clicked, this, [this] { SpeedButtonDownModusClick(RowModus.down); });
  connect(RowModus.up, &QAbstractButton::clicked, this, [this] { SpeedButtonUpModusClick(RowModus.up); });
  connect(RowAnzahl.down, &QAbstractButton::clicked, this, [this] { SpeedButtonDownAnzahlClick(RowAnzahl.down); });
  connect(RowAnzahl.up, &QAbstractButton::clicked, this, [this] { SpeedButtonUpAnzahlClick(RowAnzahl.up); });
  PanelHilfe = new HelpPanel(this, QPoint(kColumnLeft + 2 * 192, 8), {QSize(474, 210), QSize(474, 106), QSize(474, 41)});
  NAME_AFTER_MEMBER(PanelHilfe);
  platform::RegisterTexts(this, "ModeNames", ModeNames);
  platform::RegisterText(this, "PrintTextWord", PrintTextWord);
  PlaceButtonRow(std::max(RowTop(9), PanelHilfe->geometry().bottom() + 9), PanelHilfe->geometry().right() + 9);
  UpdateView();
}

TFormPrinterStartInterface::~TFormPrinterStartInterface() {
  if (FormPrinterStartInterface == this) FormPrinterStartInterface = nullptr;
}

int TFormPrinterStartInterface::SignalRowOf(const QObject* button) const {
  for (int n = 0; n < 16; ++n) {
    const ValueRow& row = Rows[static_cast<std::size_t>(n)];
    if (button == row.down || button == row.up) return n;
  }
  return -1;
}

platform::SpeedButton* TFormPrinterStartInterface::DownButtonOf(int row) const {
  return row >= 0 && row < 16 ? Rows[static_cast<std::size_t>(row)].down : nullptr;
}
platform::SpeedButton* TFormPrinterStartInterface::UpButtonOf(int row) const {
  return row >= 0 && row < 16 ? Rows[static_cast<std::size_t>(row)].up : nullptr;
}
QLabel* TFormPrinterStartInterface::ValueLabelOf(int row) const {
  return row >= 0 && row < 16 ? Rows[static_cast<std::size_t>(row)].value : nullptr;
}

void TFormPrinterStartInterface::SpeedButtonDownModusClick(QObject* sender) {
  platform::RepaintSender(sender);
  EditInterfaceMode = EditInterfaceMode < 0 ? 0 : EditInterfaceMode - 1;
  UpdateView();
}

void TFormPrinterStartInterface::SpeedButtonUpModusClick(QObject* sender) {
  platform::RepaintSender(sender);
  ++EditInterfaceMode;
  UpdateView();
}

void TFormPrinterStartInterface::SpeedButtonDownAnzahlClick(QObject* sender) {
  platform::RepaintSender(sender);
  --EditSignalLines;
  UpdateView();
}

void TFormPrinterStartInterface::SpeedButtonUpAnzahlClick(QObject* sender) {
  platform::RepaintSender(sender);
  ++EditSignalLines;
  UpdateView();
}

void TFormPrinterStartInterface::StepText(QObject* sender, int step) {
  platform::RepaintSender(sender);
  const int row = SignalRowOf(sender);
  if (row < 0) return;
  EditSignalText[static_cast<std::size_t>(row)] += step;
  UpdateView();
}

void TFormPrinterStartInterface::SpeedButtonDownDrucktextClick(QObject* sender) { StepText(sender, -1); }
void TFormPrinterStartInterface::SpeedButtonUpDrucktextClick(QObject* sender) { StepText(sender, +1); }

void TFormPrinterStartInterface::PressRow(QObject* sender, int direction) {
  RepeatRow = SignalRowOf(sender);
  TimerDrucktext0->Start(direction);
  UpdateView();
}

void TFormPrinterStartInterface::SpeedButtonDownDrucktextMouseDown(QObject* sender) { PressRow(sender, -1); }
void TFormPrinterStartInterface::SpeedButtonUpDrucktextMouseDown(QObject* sender) { PressRow(sender, +1); }
void TFormPrinterStartInterface::SpeedButtonDrucktextMouseUp(QObject*) { TimerDrucktext0->Stop(); }
void TFormPrinterStartInterface::TimerDrucktext0Timer() { TimerDrucktext0->Tick(); }

void TFormPrinterStartInterface::UpdateView() {
  // An unknown mode stays unknown until the operator steps it.
  if (EditInterfaceMode != kUnknown) EditInterfaceMode = Clamp(EditInterfaceMode, 0, 2);
  const int mode = EditInterfaceMode;
  SetStepCaptions(RowModus, ModeCaptions(mode, 0, 2));
  RowModus.value->setText(mode >= 0 ? ModeNames[static_cast<std::size_t>(mode)] : QStringLiteral("?"));
  EditSignalLines = Clamp(EditSignalLines, 0, 3);
  SetStepCaptions(RowAnzahl, StepCaptions(EditSignalLines, 0, 3));
  RowAnzahl.value->setText(QString::number(EditSignalLines + 1));
  const int inUse = mode == 1 || mode == 2 ? 2 << EditSignalLines : 0;
  for (int n = 0; n < 16; ++n) {
    const auto i = static_cast<std::size_t>(n);
    const ValueRow& row = Rows[i];
    const bool used = n < inUse;
    LightChoice(row.panel, used);
    row.panel->setEnabled(used);
    int& text = EditSignalText[i];
    text = Clamp(text, 0, 99);
    SetStepCaptions(row, StepCaptions(text, 0, 99));
    row.value->setText(text == 0 ? ModeNames[0] : PrintTextWord + QLatin1Char(' ') + QString::number(text));
  }
  const SelectionPictures pictures = SelectionModePictures(mode, EditSignalLines, printerStartMode_);
  if (pictures.upper) PanelHilfe->SetPicture(0, *pictures.upper);
  PanelHilfe->SetPicture(1, pictures.middle);
  PanelHilfe->SetPicture(2, pictures.lower);
  GateOk();
}

void TFormPrinterStartInterface::TakePrinterValues(const printerthread::DisplayView& view, bool) {
  const printerthread::PrinterMirror& m = view.mirror;
  PrinterInterfaceMode = m.InterfaceMode;
  PrinterSignalLines = m.SignalLines;
  PrinterSignalText = m.SignalText;
  printerStartMode_ = m.StartMode;
}

void TFormPrinterStartInterface::CopyPrinterToEdit() {
  EditInterfaceMode = PrinterInterfaceMode;
  EditSignalLines = PrinterSignalLines;
  EditSignalText = PrinterSignalText;
  RepeatRow = -1;
}

bool TFormPrinterStartInterface::OkAllowed() const {
  return ChoiceToSend(EditInterfaceMode, PrinterInterfaceMode) >= 0;
}

void TFormPrinterStartInterface::PublishCaptions(printerthread::PrinterCaptions& c) const {
  for (std::size_t i = 0; i < 3; ++i) c.InterfaceMode[i] = platform::FromQt(ModeNames[i]);
}

printerthread::InterfaceStartRequest TFormPrinterStartInterface::MakeRequest() const {
  printerthread::InterfaceStartRequest r;
  r.EditInterfaceMode = ChoiceToSend(EditInterfaceMode, PrinterInterfaceMode);
  r.EditSignalLines = EditSignalLines;
  r.EditSignalText = EditSignalText;
  return r;
}
