#include "printdata/ui/TFormEinfuegen.h"

#include <QKeyEvent>

#include "platform/Beep.h"
#include "platform/qt/DialogFlags.h"
#include "platform/qt/DialogServices.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/KeyModifiers.h"
#include "platform/qt/LanguageTexts.h"
#include "platform/qt/NamedColours.h"
#include "printdata/ui/DataSetHost.h"
#include "printdata/ui/TFrameDaten.h"
#include "printdata/ui/ToggleLook.h"

TFormEinfuegen* FormEinfuegen = nullptr;

namespace {

using namespace platform::colours;

constexpr int kToggleWidth = 176;
constexpr int kToggleHeight = 48;
constexpr int kWidth = 8 + kToggleWidth + 8 + kToggleWidth + 8;
constexpr int kMainHeight = 32 + 3 * (kToggleHeight + 8);
constexpr int kBottomHeight = 65;

}  // namespace

TFormEinfuegen::TFormEinfuegen(QWidget* owner) : QDialog(owner, platform::FixedDialogFlags(true)) {
  if (!FormEinfuegen) FormEinfuegen = this;
  setObjectName(QStringLiteral("FormEinfuegen"));
  setWindowTitle(QStringLiteral(" Einfügen..."));
  setFont(platform::VerdanaPx(11));
  platform::SetWindowColour(this, kLightGrey);
  platform::SetTextColour(this, kNavy);

  PanelMain = new platform::Panel(this);
  NAME_AFTER_MEMBER(PanelMain);
  PanelMain->SetColor(kLightGrey);
  PanelMain->setGeometry(0, 0, kWidth, kMainHeight);
  auto title = [this](int left, const QString& caption) {
    auto* label = new QLabel(caption, PanelMain);
    label->setGeometry(left, 8, kToggleWidth, 20);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
  };
  LabelWasTitel = title(8, QStringLiteral("Auswahl"));
  LabelWoTitel = title(8 + kToggleWidth + 8, QStringLiteral("Ziel"));
  NAME_AFTER_MEMBER(LabelWasTitel);
  NAME_AFTER_MEMBER(LabelWoTitel);
  auto toggle = [this](int column, int row, const QString& caption, platform::Panel*& panel,
                       platform::SpeedButton*& button) {
    platform::AddButtonPanel(PanelMain,
                             QRect(8 + column * (kToggleWidth + 8), 32 + row * (kToggleHeight + 8), kToggleWidth,
                                   kToggleHeight),
                             caption, panel, button);
  };
  toggle(0, 0, QStringLiteral("Ebenen"), PanelEbenen, SpeedButtonEbenen);
  toggle(0, 1, QStringLiteral("Parameter"), PanelParameter, SpeedButtonParameter);
  toggle(0, 2, QStringLiteral("Notiz"), PanelNotiz, SpeedButtonNotiz);
  toggle(1, 0, QStringLiteral("Markierter Drucktext"), PanelEinfuegenMarkierterDrucktext,
         SpeedButtonEinfuegenMarkierterDrucktext);
  toggle(1, 1, QStringLiteral("Alle Drucktexte"), PanelEinfuegenFuerAlle, SpeedButtonEinfuegenFuerAlle);
  NAME_AFTER_MEMBER(PanelEbenen);
  NAME_AFTER_MEMBER(SpeedButtonEbenen);
  NAME_AFTER_MEMBER(PanelParameter);
  NAME_AFTER_MEMBER(SpeedButtonParameter);
  NAME_AFTER_MEMBER(PanelNotiz);
  NAME_AFTER_MEMBER(SpeedButtonNotiz);
  NAME_AFTER_MEMBER(PanelEinfuegenMarkierterDrucktext);
  NAME_AFTER_MEMBER(SpeedButtonEinfuegenMarkierterDrucktext);
  NAME_AFTER_MEMBER(PanelEinfuegenFuerAlle);
  NAME_AFTER_MEMBER(SpeedButtonEinfuegenFuerAlle);

  PanelUnten = platform::AddButtonRow(this, QRect(0, kMainHeight, kWidth, kBottomHeight));
  NAME_AFTER_MEMBER(PanelUnten);
  const int buttons = (kWidth - 88 - 8 - 88) / 2;
  platform::AddButtonPanel(PanelUnten, QRect(buttons, 9, 88, 48), QStringLiteral("Einfügen"), PanelOK,
                           SpeedButtonOK);
  platform::AddButtonPanel(PanelUnten, QRect(buttons + 96, 9, 88, 48), QStringLiteral("Abbrechen"), PanelAbbrechen,
                           SpeedButtonAbbrechen);
  NAME_AFTER_MEMBER(PanelOK);
  NAME_AFTER_MEMBER(SpeedButtonOK);
  NAME_AFTER_MEMBER(PanelAbbrechen);
  NAME_AFTER_MEMBER(SpeedButtonAbbrechen);
  setFixedSize(kWidth, kMainHeight + kBottomHeight);

  auto onClick = [this](platform::SpeedButton* b, void (TFormEinfuegen::*handler)(QObject*)) {
    connect(b, &QAbstractButton::clicked, this, [this, b, handler] { (this->*handler)(b); });
  };
  onClick(SpeedButtonEbenen, &TFormEinfuegen::SpeedButtonEbenenClick);
  onClick(SpeedButtonParameter, &TFormEinfuegen::SpeedButtonParameterClick);
  onClick(SpeedButtonNotiz, &TFormEinfuegen::SpeedButtonNotizClick);
  onClick(SpeedButtonEinfuegenMarkierterDrucktext, &TFormEinfuegen::SpeedButtonEinfuegenMarkierterDrucktextClick);
  onClick(SpeedButtonEinfuegenFuerAlle, &TFormEinfuegen::SpeedButtonEinfuegenFuerAlleClick);
  onClick(SpeedButtonOK, &TFormEinfuegen::SpeedButtonOKClick);
  onClick(SpeedButtonAbbrechen, &TFormEinfuegen::SpeedButtonAbbrechenClick);
}

TFormEinfuegen::~TFormEinfuegen() {
  if (FormEinfuegen == this) FormEinfuegen = nullptr;
}

void TFormEinfuegen::Connect(TFrameDaten* view, DataSetHost* host, QWidget* sideBar) {
  view_ = view;
  host_ = host;
  sideBar_ = sideBar;
}

printdata::PasteParts TFormEinfuegen::Parts() const {
  return {SpeedButtonEbenen->Tag == 1, SpeedButtonParameter->Tag == 1, SpeedButtonNotiz->Tag == 1};
}

printdata::PasteTarget TFormEinfuegen::Target() const {
  return SpeedButtonEinfuegenFuerAlle->Tag == 1 ? printdata::PasteTarget::EveryText : printdata::PasteTarget::Marked;
}

void TFormEinfuegen::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TFormEinfuegen::hideEvent(QHideEvent* event) {
  FormClose();
  QDialog::hideEvent(event);
}

void TFormEinfuegen::FormShow() {
  if (host_) move(platform::CentredOn(host_->MainWindowFrame(), frameGeometry().size()));
  if (sideBar_) sideBar_->setEnabled(false);
  if (view_) view_->PanelTop->setEnabled(false);
  // Every showing starts from layers alone into the marked print text: the
  // parts' Tags are set to the opposite and each toggle runs once, which
  // paints every panel and the OK button; choosing the target sets both of
  // its Tags.
  SpeedButtonEbenen->Tag = 0;
  SpeedButtonParameter->Tag = 1;
  SpeedButtonNotiz->Tag = 1;
  SpeedButtonEbenenClick(nullptr);
  SpeedButtonParameterClick(nullptr);
  SpeedButtonNotizClick(nullptr);
  SpeedButtonEinfuegenMarkierterDrucktextClick(nullptr);
}

void TFormEinfuegen::FormClose() {
  if (sideBar_) sideBar_->setEnabled(true);
  if (view_) view_->PanelTop->setEnabled(true);
}

void TFormEinfuegen::TogglePart(platform::SpeedButton* button, platform::Panel* panel) {
  button->repaint();
  button->Tag = button->Tag == 1 ? 0 : 1;
  printdata::ui::SetChoiceLook(panel, button->Tag == 1);
  SpeedButtonOK->setEnabled(Parts().Any());
}

void TFormEinfuegen::SpeedButtonEbenenClick(QObject*) { TogglePart(SpeedButtonEbenen, PanelEbenen); }
void TFormEinfuegen::SpeedButtonParameterClick(QObject*) { TogglePart(SpeedButtonParameter, PanelParameter); }
void TFormEinfuegen::SpeedButtonNotizClick(QObject*) { TogglePart(SpeedButtonNotiz, PanelNotiz); }

void TFormEinfuegen::ChooseTarget(platform::SpeedButton* chosen) {
  chosen->repaint();
  const bool every = chosen == SpeedButtonEinfuegenFuerAlle;
  SpeedButtonEinfuegenFuerAlle->Tag = every ? 1 : 0;
  SpeedButtonEinfuegenMarkierterDrucktext->Tag = every ? 0 : 1;
  printdata::ui::SetChoiceLook(PanelEinfuegenFuerAlle, every);
  printdata::ui::SetChoiceLook(PanelEinfuegenMarkierterDrucktext, !every);
}

void TFormEinfuegen::SpeedButtonEinfuegenMarkierterDrucktextClick(QObject*) {
  ChooseTarget(SpeedButtonEinfuegenMarkierterDrucktext);
}

void TFormEinfuegen::SpeedButtonEinfuegenFuerAlleClick(QObject*) { ChooseTarget(SpeedButtonEinfuegenFuerAlle); }

void TFormEinfuegen::SpeedButtonOKClick(QObject*) {
  SpeedButtonOK->repaint();
  try {
    Paste();
  } catch (...) {
    platform::Beep(platform::BeepKind::Stop);
    if (view_) view_->ScrollBoxMain->show();
  }
}

void TFormEinfuegen::Paste() {
  if (!view_) return;
  TFrameDaten& d = *view_;
  const int n = d.Count, m = d.Selected;
  DataViewHost* host = d.Host();
  // Protection binds in the user operating mode alone.
  const bool binds = host && host->OperatingMode() == 0;
  const printdata::PasteTarget target = Target();
  const printdata::PasteRefusal refusal =
      printdata::PasteInto(d.Group, n, m, d.Clipboard, Parts(), target, binds);
  if (refusal == printdata::PasteRefusal::Protected && host) {
    host->ProcessMessages();
    host->ShowNotice2(SpeedButtonOK->Caption(), host->CatalogueText(DataViewHost::kMsgProtectionOn),
                      host->CatalogueText(DataViewHost::kMsgDeniedUser), kSilver);
  }
  if (refusal != printdata::PasteRefusal::None) return;
  d.SetModified(true);
  if (target == printdata::PasteTarget::Marked) {
    d.RenderRow(m);
  } else {
    d.ScrollBoxMain->hide();
    for (int i : printdata::PasteTargets(n, m, target)) {
      d.RenderRow(i);
      SelectRow(i);
    }
    SelectRow(m);
    d.ScrollBoxMain->show();
  }
  // New parameters may change the rows' sizes: the list is laid out anew
  // and the marked row marked again.
  d.Repaint();
}

void TFormEinfuegen::SpeedButtonAbbrechenClick(QObject*) {
  SpeedButtonAbbrechen->repaint();
  close();
}

void TFormEinfuegen::SelectRow(int row) {
  if (view_ && row >= 0 && row < printdata::kMaxPrintTexts)
    view_->SelectRow(view_->RowImages[static_cast<std::size_t>(row)]);
}

void TFormEinfuegen::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
  platform::DialogKeyActions keys = HostDialogKeys(host_, this);
  keys.okButton = SpeedButtonOK;
  keys.ok = [this] { SpeedButtonOKClick(SpeedButtonOK); };
  keys.cancel = [this] { SpeedButtonAbbrechenClick(SpeedButtonAbbrechen); };
  if (platform::HandleDialogKeys(key, modifiers, keys) || !platform::NoModifierHeld(modifiers) || !view_) return;
  // The rows, so that the operator walks through them pasting into each.
  const int n = view_->Count, m = view_->Selected;
  switch (key) {
    case Qt::Key_Up:
    case Qt::Key_PageUp:
      if (n >= 1 && m >= 1) SelectRow(m - 1);
      break;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
      if (n >= 1 && m + 1 < n) SelectRow(m + 1);
      break;
    case Qt::Key_Home:
      if (n >= 1) SelectRow(0);
      break;
    case Qt::Key_End:
      if (n >= 1) SelectRow(n - 1);
      break;
    default:
      break;
  }
}

void TFormEinfuegen::keyPressEvent(QKeyEvent* event) { FormKeyDown(event->key(), event->modifiers()); }
