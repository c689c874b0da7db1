#include "printersettings/ui/TFormPrinterGeraetDPI.h"

#include <QCoreApplication>

#include "platform/qt/LanguageTexts.h"
#include "platform/qt/NamedColours.h"
#include "printerlink/thread/DisplayRules.h"
#include "printersettings/SettingValues.h"
#include "printdata/ui/ClickRouting.h"

TFormPrinterGeraetDPI* FormPrinterGeraetDPI = nullptr;

using namespace printersettings;
using namespace printersettings::ui;
using platform::colours::kLightGrey;
using printerthread::kOfferedColour;
using printerthread::kWithheldColour;

namespace {

constexpr int kRowLeft = 36;
constexpr int kRowWidth = 300;
constexpr int kCountPadding = 27;
constexpr int kRowPadding = 35;
constexpr int kExpertLeft = 400;

}  // namespace

TFormPrinterGeraetDPI::TFormPrinterGeraetDPI(QWidget* owner,
                                             printerthread::RequestSlot<printerthread::PrintModesRequest>& slot)
    : SettingFormFor(slot, owner, "FormPrinterGeraetDPI", QStringLiteral(" Geraet Druckmodus")) {
  FormPrinterGeraetDPI = this;
  RowAnzahl = AddValueRow(this, RowRect(0, 8, kRowLeft, kRowWidth), QStringLiteral("Anzahl"));
  NameRow(RowAnzahl, QStringLiteral("Anzahl"));
  RowAnzahl.down->setObjectName(QStringLiteral("SpeedButtonAnzahlDown"));
  RowAnzahl.up->setObjectName(QStringLiteral("SpeedButtonAnzahlUp"));
  AddChoice(this, QRect(kRowLeft + kRowWidth + 8, 8, 48, 48), QStringLiteral("..."), PanelPP, SpeedButtonPP);
  PanelPP->SetColor(kLightGrey);
  NAME_AFTER_MEMBER(PanelPP);
  NAME_AFTER_MEMBER(SpeedButtonPP);
  for (int r = 0; r < 8; ++r) {
    const auto i = static_cast<std::size_t>(r);
    const QRect at = RowRect(1 + r, 8, kRowLeft, kRowWidth);
    RowTitles[i] = AddPanelLabel(this, QRect(8, at.y(), kRowLeft - 12, at.height()), QString::number(r + 1));
    Rows[i] = AddValueRow(this, at, QString());
    NameRow(Rows[i], QStringLiteral("Modus%1").arg(r + 1));
    connect(Rows[i].down, &QAbstractButton::clicked, this, [this, b = Rows[i].down] { SpeedButtonDownXClick(b); });
    connect(Rows[i].up, &QAbstractButton::clicked, this, [this, b = Rows[i].up] { SpeedButtonUpXClick(b); });
  }
  PanelRechts = new platform::Panel(this);
  PanelRechts->SetColor(kLightGrey);
  PanelRechts->setGeometry(kExpertLeft, 0, kColumnLeft + kPanelWidth + 8, RowTop(6));
  NAME_AFTER_MEMBER(PanelRechts);
  AddChoice(PanelRechts, RowRect(0), QStringLiteral("Experten Modus"), PanelExpertenModus, SpeedButtonExpertenModus);
  PanelExpertenModus->SetColor(kLightGrey);
  NAME_AFTER_MEMBER(PanelExpertenModus);
  NAME_AFTER_MEMBER(SpeedButtonExpertenModus);
  for (int n = 0; n < kPresets; ++n) {
    const PrintModePreset& p = PresetAt(n);
    TitledChoice& c = Presets[static_cast<std::size_t>(n)];
    c = AddTitledChoice(PanelRechts, RowRect(1 + n), QString::fromLatin1(p.title), QString::fromLatin1(p.caption));
    const QString member = n < 4 ? QStringLiteral("Konfiguration%1").arg(n + 1) : QStringLiteral("KonfigurationTest");
    c.panel->setObjectName(QStringLiteral("Panel") + member);
    c.panel->SetColor(kLightGrey);
    c.title->setObjectName(QStringLiteral("Label") + member + QStringLiteral("Titel"));
    c.caption->setObjectName(QStringLiteral("Label") + member);
    c.button->setObjectName(QStringLiteral("SpeedButton") + member);
    connect(c.button, &QAbstractButton::clicked, this, [this, n, b = c.button] { PresetClick(b, n); });
  }
  connect(RowAnzahl.down, &QAbstractButton::clicked, this, [this] { SpeedButtonAnzahlDownClick(RowAnzahl.down); });
  connect(RowAnzahl.up, &QAbstractButton::clicked, this, [this] { SpeedButtonAnzahlUpClick(RowAnzahl.up); });
  connect(SpeedButtonPP, &QAbstractButton::clicked, this, [this] { SpeedButtonPPClick(SpeedButtonPP); });
  connect(SpeedButtonExpertenModus, &QAbstractButton::clicked, this,
          [this] { SpeedButtonExpertenModusClick(SpeedButtonExpertenModus); });
  printdata::ui::PassClicksWhenDisabled(SpeedButtonExpertenModus);
  printdata::ui::OnClick(PanelExpertenModus, [this] { PanelExpertenModusClick(PanelExpertenModus); });
  PanelRechts->hide();
  ShowExpertPanel();
  UpdateView();
}

TFormPrinterGeraetDPI::~TFormPrinterGeraetDPI() {
  if (FormPrinterGeraetDPI == this) FormPrinterGeraetDPI = nullptr;
}

std::uint8_t TFormPrinterGeraetDPI::SetExpertPanel(std::uint8_t visible) {
  ExpertPanelVisible = visible;
  return visible;
}

void TFormPrinterGeraetDPI::ShowExpertPanel() {
  const bool shown = ExpertPanelVisible == 1;
  PanelRechts->setVisible(shown);
  PanelPP->SetColor(shown ? kOfferedColour : kWithheldColour);
  // The form is as wide as what it shows.
  PlaceButtonRow(RowTop(9), shown ? kExpertLeft + PanelRechts->width() : kExpertLeft);
}

void TFormPrinterGeraetDPI::ApplyEnablingRules() {
  ShowExpertPanel();
  // Every opening starts with single steps off.
  ExpertMode = 1;
  SpeedButtonExpertenModusClick(nullptr);
  SpeedButtonExpertenModus->setEnabled(FormServices().ModeReaches(2));
}

void TFormPrinterGeraetDPI::SpeedButtonPPClick(QObject* sender) {
  platform::RepaintSender(sender);
  ExpertPanelVisible = ExpertPanelVisible == 1 ? 0 : 1;
  ShowExpertPanel();
  UpdateView();
  Centre();
}

void TFormPrinterGeraetDPI::SpeedButtonExpertenModusClick(QObject* sender) {
  platform::RepaintSender(sender);
  ExpertMode = ExpertMode == 1 ? 0 : 1;
  PanelExpertenModus->SetColor(ExpertMode == 1 ? kOfferedColour : kLightGrey);
  UpdateView();
}

void TFormPrinterGeraetDPI::PanelExpertenModusClick(QObject*) {
  SettingFormServices& s = FormServices();
  if (s.ModeReaches(2)) return;
  QCoreApplication::processEvents();
  if (s.ShowNotice)
    s.ShowNotice(SpeedButtonOK->Caption(), s.CatalogueText(Catalogue::DeniedUserAdmin), platform::colours::kSilver);
}

void TFormPrinterGeraetDPI::SpeedButtonAnzahlDownClick(QObject* sender) {
  platform::RepaintSender(sender);
  --EditModeCount;
  UpdateView();
}

void TFormPrinterGeraetDPI::SpeedButtonAnzahlUpClick(QObject* sender) {
  platform::RepaintSender(sender);
  ++EditModeCount;
  UpdateView();
}

int TFormPrinterGeraetDPI::RowOf(const QObject* button, bool down) const {
  for (int r = 0; r < 8; ++r) {
    const ValueRow& row = Rows[static_cast<std::size_t>(r)];
    if (button == (down ? row.down : row.up)) return r;
  }
  return -1;
}

void TFormPrinterGeraetDPI::SpeedButtonDownXClick(QObject* sender) {
  platform::RepaintSender(sender);
  const int r = RowOf(sender, true);
  if (r < 0) return;
  int& index = EditModeIndex[static_cast<std::size_t>(r)];
  index = PrintModeDown(index, ExpertMode == 1);
  UpdateView();
}

void TFormPrinterGeraetDPI::SpeedButtonUpXClick(QObject* sender) {
  platform::RepaintSender(sender);
  const int r = RowOf(sender, false);
  if (r < 0) return;
  int& index = EditModeIndex[static_cast<std::size_t>(r)];
  index = PrintModeUp(index, ExpertMode == 1);
  UpdateView();
}

void TFormPrinterGeraetDPI::PresetClick(QObject* sender, int preset) {
  platform::RepaintSender(sender);
  const PrintModePreset& p = PresetAt(preset);
  EditModeCount = p.count;
  EditModeIndex = p.indexes;
  UpdateView();
}

void TFormPrinterGeraetDPI::UpdateModeRow(int r) {
  const auto i = static_cast<std::size_t>(r);
  int& index = EditModeIndex[i];
  index = Clamp(index, 0, kPrintModeEntries - 1);
  EditModeCount = Clamp(EditModeCount, 1, kMaxPrintModes);
  SetStepCaptions(RowAnzahl, StepCaptions(EditModeCount, 1, kMaxPrintModes, '-', '+', kCountPadding));
  RowAnzahl.value->setText(QString::number(EditModeCount));
  const ValueRow& row = Rows[i];
  if (r + 1 > EditModeCount) {
    LightChoice(row.panel, false);
    row.title->clear();
    row.value->clear();
    EditModeCode[i] = 0;
    row.down->setEnabled(false);
    row.up->setEnabled(false);
    row.down->SetCaption(QString());
    row.up->SetCaption(QString());
    return;
  }
  LightChoice(row.panel, true);
  const PrintModeEntry& entry = PrintModeAt(index);
  row.title->setText(QString::fromLatin1(entry.coverage));
  row.value->setText(QString::fromStdString(ResolutionText(index, ExpertPanelVisible == 1)));
  EditModeCode[i] = entry.code;
  const StepCaptionPair captions = StepCaptions(index, 0, kPrintModeEntries - 1, '<', '>', kRowPadding);
  row.down->setEnabled(index > 0);
  row.up->setEnabled(index < kPrintModeEntries - 1);
  SetStepCaptions(row, captions);
}

void TFormPrinterGeraetDPI::UpdateView() {
  for (int r = 0; r < 8; ++r) UpdateModeRow(r);
  const int preset = MatchingPreset(EditModeCount, EditModeIndex);
  for (int n = 0; n < kPresets; ++n)
    Presets[static_cast<std::size_t>(n)].panel->SetColor(n == preset ? kOfferedColour : kLightGrey);
  GateOk();
}

void TFormPrinterGeraetDPI::TakePrinterValues(const printerthread::DisplayView& view, bool) {
  PrinterModeCount = view.mirror.ModeCount;
  PrinterModeIndex = view.mirror.ModeIndex;
  // The printer is never asked for the codes; the table gives them.
  PrinterModeCode.fill(-1);
}

void TFormPrinterGeraetDPI::CopyPrinterToEdit() {
  EditModeCount = PrinterModeCount;
  EditModeIndex = PrinterModeIndex;
  EditModeCode = PrinterModeCode;
}

printerthread::PrintModesRequest TFormPrinterGeraetDPI::MakeRequest() const {
  printerthread::PrintModesRequest r;
  r.EditModeCount = EditModeCount;
  r.EditModeIndex = EditModeIndex;
  r.EditModeCode = EditModeCode;
  return r;
}
