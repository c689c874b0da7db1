#include "printersettings/ui/TFormPrinterGeraetAusrichtung.h"

#include "platform/qt/LanguageTexts.h"
#include "printerlink/thread/DisplayRules.h"
#include "printersettings/SettingValues.h"

TFormPrinterGeraetAusrichtung* FormPrinterGeraetAusrichtung = nullptr;

using namespace printersettings;
using namespace printersettings::ui;

namespace {

// The widths of the form by the number of positions: the form (and its
// bottom row), then the "Modus" row.
struct Widths {
  int form, modus;
};
constexpr Widths kWidths[3] = {{201, 184}, {405, 388}, {609, 592}};
constexpr int kPositionLeft[3] = {8, 212, 416};

const char* const kOrientations[6] = {"0° -->", "0° <--", "0° <->", "180° -->", "180° <--", "180° <->"};

// "", "1" or "2": what the names of position n's components end in.
QString Suffix(int position) { return position == 0 ? QString() : QString::number(position); }

}  // namespace

TFormPrinterGeraetAusrichtung::TFormPrinterGeraetAusrichtung(
    QWidget* owner, printerthread::RequestSlot<printerthread::AlignmentRequest>& slot)
    : SettingFormFor(slot, owner, "FormPrinterGeraetAusrichtung", QStringLiteral(" Gerät Ausrichtung")) {
  FormPrinterGeraetAusrichtung = this;
  const ValueRow modus = AddValueRow(this, RowRect(0), QStringLiteral("Modus"));
  NameRow(modus, QStringLiteral("Modus"));
  PanelModus = modus.panel;
  LabelModusTitel = modus.title;
  LabelModus = modus.value;
  SpeedButtonDownModus = modus.down;
  SpeedButtonUpModus = modus.up;
  connect(SpeedButtonDownModus, &QAbstractButton::clicked, this,
          [this] { SpeedButtonDownModusClick(SpeedButtonDownModus); });
  connect(SpeedButtonUpModus, &QAbstractButton::clicked, this, [this] { SpeedButtonUpModusClick(SpeedButtonUpModus); });
  for (int p = 0; p < 3; ++p) {
    const auto i = static_cast<std::size_t>(p);
    const int left = kPositionLeft[p];
    ValueRow& offset = OffsetRows[i];
    offset = AddValueRow(this, RowRect(1, 8, left), QStringLiteral("Verschieben"));
    NameRow(offset, QStringLiteral("Verschieben") + Suffix(p));
    connect(offset.down, &QAbstractButton::clicked, this, [this, p, b = offset.down] { OffsetClick(b, p, -1); });
    connect(offset.up, &QAbstractButton::clicked, this, [this, p, b = offset.up] { OffsetClick(b, p, +1); });
    for (int o = 0; o < 6; ++o) {
      const auto j = static_cast<std::size_t>(o);
      AddChoice(this, RowRect(2 + o, 8, left), QString::fromUtf8(kOrientations[o]), OrientationPanels[i][j],
                OrientationButtons[i][j]);
      platform::SpeedButton* b = OrientationButtons[i][j];
      b->setObjectName(QStringLiteral("SpeedButton%1").arg(o) + Suffix(p));
      OrientationPanels[i][j]->setObjectName(QStringLiteral("Panel%1").arg(o) + Suffix(p));
      connect(b, &QAbstractButton::clicked, this, [this, p, o, b] { OrientationClick(b, p, o); });
    }
  }
  PlaceButtonRow(RowTop(8), kWidths[0].form);
  UpdateView();
}

TFormPrinterGeraetAusrichtung::~TFormPrinterGeraetAusrichtung() {
  if (FormPrinterGeraetAusrichtung == this) FormPrinterGeraetAusrichtung = nullptr;
}

void TFormPrinterGeraetAusrichtung::showEvent(QShowEvent* event) {
  SettingFormFor::showEvent(event);
  // The refresh may have changed the width.
  Centre();
}

void TFormPrinterGeraetAusrichtung::SpeedButtonDownModusClick(QObject* sender) {
  platform::RepaintSender(sender);
  --EditHeadMode;
  UpdateView();
}

void TFormPrinterGeraetAusrichtung::SpeedButtonUpModusClick(QObject* sender) {
  platform::RepaintSender(sender);
  ++EditHeadMode;
  UpdateView();
}

void TFormPrinterGeraetAusrichtung::OffsetClick(QObject* sender, int position, int step) {
  platform::RepaintSender(sender);
  EditHeadOffset[static_cast<std::size_t>(position)] += step;
  UpdateView();
}

void TFormPrinterGeraetAusrichtung::OrientationClick(QObject* sender, int position, int value) {
  platform::RepaintSender(sender);
  EditOrientation[static_cast<std::size_t>(position)] = value;
  UpdateView();
}

void TFormPrinterGeraetAusrichtung::UpdateView() {
  EditHeadMode = Clamp(EditHeadMode, 0, 2);
  SetStepCaptions(SpeedButtonDownModus, SpeedButtonUpModus, ModeCaptions(EditHeadMode, 0, 2));
  LabelModus->setText(QString::number(EditHeadMode + 1));
  for (std::size_t p = 0; p < 3; ++p) {
    int& offset = EditHeadOffset[p];
    offset = Clamp(offset, 0, 500);
    SetStepCaptions(OffsetRows[p], StepCaptions(offset, 0, 500));
    OffsetRows[p].value->setText(QStringLiteral("%1 mm").arg(offset));
    EditOrientation[p] = ChoiceIn(EditOrientation[p], 0, 5);
    for (std::size_t o = 0; o < 6; ++o)
      LightChoice(OrientationPanels[p][o], EditOrientation[p] == static_cast<int>(o));
  }
  const Widths w = kWidths[EditHeadMode];
  PanelModus->resize(w.modus, PanelModus->height());
  SpeedButtonDownModus->setGeometry(0, 0, w.modus / 2, PanelModus->height());
  SpeedButtonUpModus->setGeometry(w.modus / 2, 0, w.modus - w.modus / 2, PanelModus->height());
  LabelModusTitel->resize(w.modus - 4, LabelModusTitel->height());
  LabelModus->resize(w.modus - 4, LabelModus->height());
  PlaceButtonRow(PanelUnten->y(), w.form);
  GateOk();
}

void TFormPrinterGeraetAusrichtung::TakePrinterValues(const printerthread::DisplayView& view, bool) {
  const printerthread::PrinterMirror& m = view.mirror;
  PrinterHeadMode = m.HeadMode;
  PrinterOrientation = m.Orientation;
  PrinterHeadOffset = m.HeadOffset;
  cliWord_ = m.CliWord;
  const std::array<bool, 6> enabled = printerthread::OrientationButtonsEnabled(m.MachineType);
  for (const auto& row : OrientationButtons)
    for (std::size_t o = 0; o < 6; ++o) row[o]->setEnabled(enabled[o]);
}

void TFormPrinterGeraetAusrichtung::ApplyEnablingRules() {
  // Firmware before print positions has one orientation and no offsets.
  const bool positions = cliWord_ >= 10;
  SpeedButtonDownModus->setEnabled(positions);
  SpeedButtonUpModus->setEnabled(positions);
  for (const ValueRow& row : OffsetRows) {
    row.down->setEnabled(positions);
    row.up->setEnabled(positions);
  }
}

void TFormPrinterGeraetAusrichtung::CopyPrinterToEdit() {
  EditOrientation = PrinterOrientation;
  EditHeadOffset = PrinterHeadOffset;
  EditHeadMode = PrinterHeadMode;
}

std::array<int, 3> TFormPrinterGeraetAusrichtung::OrientationsToSend() const {
  std::array<int, 3> sent{};
  for (std::size_t p = 0; p < 3; ++p) sent[p] = ChoiceToSend(EditOrientation[p], PrinterOrientation[p]);
  // A position not in use that nobody knows takes position 1's, so that no
  // unknown value goes out.
  for (std::size_t p = static_cast<std::size_t>(EditHeadMode) + 1; p < 3; ++p)
    if (sent[p] < 0) sent[p] = sent[0];
  return sent;
}

bool TFormPrinterGeraetAusrichtung::OkAllowed() const {
  const std::array<int, 3> sent = OrientationsToSend();
  for (int p = 0; p <= EditHeadMode; ++p)
    if (sent[static_cast<std::size_t>(p)] < 0) return false;
  return true;
}

void TFormPrinterGeraetAusrichtung::PublishCaptions(printerthread::PrinterCaptions& c) const {
  for (std::size_t o = 0; o < 6; ++o) c.Orientation[o] = platform::FromQt(OrientationButtons[0][o]->Caption());
}

printerthread::AlignmentRequest TFormPrinterGeraetAusrichtung::MakeRequest() const {
  printerthread::AlignmentRequest r;
  r.EditOrientation = OrientationsToSend();
  r.EditHeadOffset = EditHeadOffset;
  r.EditHeadMode = EditHeadMode;
  return r;
}
