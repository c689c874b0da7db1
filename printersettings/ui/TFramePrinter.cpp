#include "printersettings/ui/TFramePrinter.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <exception>

#include "filedialog/ui/TForm_FileDialog.h"
#include "platform/FileIO.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/Hardcopy.h"
#include "platform/qt/LanguageTexts.h"
#include "platform/qt/NamedColours.h"
#include "platform/qt/TextCodec.h"
#include "printerlink/thread/CaptionTable.h"
#include "printerlink/thread/DisplayRegistry.h"
#include "printerlink/thread/RequestBoard.h"
#include "printersettings/StartCoupling.h"
#include "printersettings/SettingValues.h"
#include "printersettings/ui/ConfigFileDialog.h"
#include "printersettings/ui/PrinterWindowHooks.h"
#include "printersettings/ui/SettingFormServices.h"
#include "printersettings/ui/TFormPrinterAuslaufModus.h"
#include "printersettings/ui/TFormPrinterGeraetAufstarten.h"
#include "printersettings/ui/TFormPrinterGeraetAusrichtung.h"
#include "printersettings/ui/TFormPrinterGeraetDPI.h"
#include "printersettings/ui/TFormPrinterGeraetSleep.h"
#include "printersettings/ui/TFormPrinterGeraetTyp.h"
#include "printersettings/ui/TFormPrinterGeschwindigkeitFaktor.h"
#include "printersettings/ui/TFormPrinterGeschwindigkeitTaktquelle.h"
#include "printersettings/ui/TFormPrinterStartInterface.h"
#include "printersettings/ui/TFormPrinterStartModus.h"
#include "printersettings/ui/TFormPrinterStartVerschieben.h"
#include "printersettings/ui/TFormPrinterUnterdrueckungModus.h"
#include "printersettings/ui/TFormPrinterUnterdrueckungVerschieben.h"

using namespace printersettings;
using namespace printersettings::ui;
using namespace platform::colours;
using printerthread::kOfferedColour;
using printerthread::kWithheldColour;

namespace {

constexpr int kTitleBarHeight = 32;
constexpr int kBottomBarHeight = 64;
constexpr int kTileWidth = 176;
constexpr int kTileHeight = 48;
constexpr int kGap = 8;
constexpr int kSectionTitle = 22;  // the title line above a section's tiles
constexpr int kRowGap = 6;
constexpr int kTileTitleHeight = 15;  // a tile's title line; its value has the rest

platform::Panel* AddSection(QWidget* view, const char* name, const QString& title, QLabel*& titleLabel,
                            const char* titleName) {
  auto* section = new platform::Panel(view);
  section->setObjectName(QString::fromLatin1(name));
  section->SetColor(kLightGrey);
  section->SetTopLine(true);
  titleLabel = new QLabel(title, section);
  titleLabel->setObjectName(QString::fromLatin1(titleName));
  titleLabel->setFont(platform::VerdanaPx(11, true));
  platform::SetTextColour(titleLabel, kNavy);
  return section;
}

// A tile named after `stem` (PanelGeraetTyp, SpeedButtonGeraetTyp); its
// lines after `labelStem` (LabelGeraetTypTitel, LabelGeraetTyp). With
// `valueLine` false the button carries the caption.
TFramePrinter::Tile AddTile(QWidget* section, const QString& stem, const QString& labelStem, const QString& caption,
                            bool valueLine) {
  TFramePrinter::Tile t;
  t.panel = new platform::Panel(section);
  t.panel->setObjectName(QStringLiteral("Panel") + stem);
  t.panel->SetColor(kOfferedColour);
  if (valueLine) {
    t.title = new QLabel(caption, t.panel);
    t.title->setObjectName(QStringLiteral("Label") + labelStem + QStringLiteral("Titel"));
    t.value = new QLabel(QStringLiteral("?"), t.panel);
    t.value->setObjectName(QStringLiteral("Label") + labelStem);
    t.value->setFont(platform::VerdanaPx(11, true));
    for (QLabel* l : {t.title, t.value}) {
      l->setAlignment(Qt::AlignCenter);
      l->setAttribute(Qt::WA_TransparentForMouseEvents);
      platform::SetTextColour(l, kNavy);
    }
    // A long value takes two lines where the tiles are narrow.
    t.value->setWordWrap(true);
  }
  t.button = new platform::SpeedButton(t.panel);
  t.button->setObjectName(QStringLiteral("SpeedButton") + stem);
  if (!valueLine) t.button->SetCaption(caption);
  t.button->raise();
  return t;
}

bool Exists(const QWidget* w) { return w != nullptr; }

void SetBold(QWidget* w, bool bold) {
  QFont font = w->font();
  font.setBold(bold);
  w->setFont(font);
}

// The largest font from 11 pixels down to 8 in which `label` shows its text
// whole, so that a long word in a narrow tile is smaller rather than cut.
void FitText(QLabel* label, bool bold) {
  const QRect room = label->contentsRect();
  const int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
  int px = 11;
  for (; px > 8; --px) {
    const QRect needed = QFontMetrics(platform::VerdanaPx(px, bold)).boundingRect(room, flags, label->text());
    if (needed.width() <= room.width() && needed.height() <= room.height()) break;
  }
  label->setFont(platform::VerdanaPx(px, bold));
}

// A tile's value, fitted when it changed: the display steps write every
// value after each poll, mostly the same as before.
void ShowValue(QLabel* value, const QString& text) {
  if (value->text() == text) return;
  value->setText(text);
  FitText(value, true);
}

// The tiles whose look the display rules decide, with their rule.
using printerthread::SettingsTiles;
using printerthread::TileState;
struct RuledTile {
  TFramePrinter::Tile TFramePrinter::*tile;
  TileState SettingsTiles::*state;
};
constexpr RuledTile kRuledTiles[] = {
    {&TFramePrinter::GeraetSleep, &SettingsTiles::GeraetSleep},
    {&TFramePrinter::GeraetDPI, &SettingsTiles::GeraetDPI},
    {&TFramePrinter::DruckstartVerschieben, &SettingsTiles::DruckstartVerschieben},
    {&TFramePrinter::DruckstartInterface, &SettingsTiles::DruckstartInterface},
    {&TFramePrinter::UnterdrueckungVerschieben, &SettingsTiles::UnterdrueckungVerschieben},
    {&TFramePrinter::AuslaufModus, &SettingsTiles::AuslaufModus},
    {&TFramePrinter::DruckgeschwindigkeitTaktquelle, &SettingsTiles::DruckgeschwindigkeitTaktquelle},
    {&TFramePrinter::DruckgeschwindigkeitFaktor, &SettingsTiles::DruckgeschwindigkeitFaktor},
    {&TFramePrinter::BedienteilOption, &SettingsTiles::BedienteilOption},
    {&TFramePrinter::BedienteilProgramme, &SettingsTiles::BedienteilProgramme},
};

}  // namespace

TFramePrinter::TFramePrinter(QWidget* owner) : QWidget(owner) {
  setObjectName(QStringLiteral("FramePrinter"));
  setFont(platform::VerdanaPx(11));
  platform::SetWindowColour(this, kLightGrey);
  PanelTitel = platform::AddTitleBar(this, QStringLiteral("Einstellungen"));
  NAME_AFTER_MEMBER(PanelTitel);

  PanelGeraet = AddSection(this, "PanelGeraet", QStringLiteral("Gerät"), LabelGeraetTitel, "LabelGeraetTitel");
  PanelDruckstart =
      AddSection(this, "PanelDruckstart", QStringLiteral("Start"), LabelDruckstartTitel, "LabelDruckstartTitel");
  PanelUnterdrueckung = AddSection(this, "PanelUnterdrueckung", QStringLiteral("Unterdrückung"),
                                   LabelUnterdrueckungTitel, "LabelUnterdrueckungTitel");
  LabelAuslaufTitel = new QLabel(QStringLiteral("Auslauf"), PanelUnterdrueckung);
  NAME_AFTER_MEMBER(LabelAuslaufTitel);
  LabelAuslaufTitel->setFont(LabelUnterdrueckungTitel->font());
  platform::SetTextColour(LabelAuslaufTitel, kNavy);
  PanelDruckgeschwindigkeit = AddSection(this, "PanelDruckgeschwindigkeit", QStringLiteral("Geschwindigkeit"),
                                         LabelDruckgeschwindigkeitTitel, "LabelDruckgeschwindigkeitTitel");
  PanelBedienteil =
      AddSection(this, "PanelBedienteil", QStringLiteral("Bedienteil"), LabelBedienteilTitel, "LabelBedienteilTitel");
  PanelDruckersteuerung = AddSection(this, "PanelDruckersteuerung", QStringLiteral("Steuerung"),
                                     LabelDruckersteuerungTitel, "LabelDruckersteuerungTitel");

  struct Spec {
    Tile* tile;
    int section, column, row;
    const char *stem, *labelStem, *caption;
    bool value;
    void (TFramePrinter::*click)(QObject*);
  };
  const Spec specs[] = {
      {&GeraetTyp, 0, 0, 0, "GeraetTyp", "GeraetTyp", "Typ", true, &TFramePrinter::SpeedButtonGeraetTypClick},
      {&GeraetAusrichtung, 0, 1, 0, "GeraetAusrichtung", "Ausrichtung", "Ausrichtung", true,
       &TFramePrinter::SpeedButtonGeraetAusrichtungClick},
      {&GeraetAufstarten, 0, 2, 0, "GeraetAufstarten", "GeraetAufstarten", "Aufstarten", true,
       &TFramePrinter::SpeedButtonGeraetAufstartenClick},
      {&GeraetSleep, 0, 3, 0, "GeraetSleep", "GeraetSleep", "Pause", true,
       &TFramePrinter::SpeedButtonGeraetSleepClick},
      {&GeraetDPI, 0, 4, 0, "GeraetDPI", "GeraetDPI", "Druckmodus", true, &TFramePrinter::SpeedButtonGeraetDPIClick},
      {&DruckstartModus, 1, 0, 0, "DruckstartModus", "DruckstartModus", "Modus", true,
       &TFramePrinter::SpeedButtonDruckstartModusClick},
      {&DruckstartInterface, 1, 1, 0, "DruckstartInterface", "DruckstartInterface", "Wahl", true,
       &TFramePrinter::SpeedButtonDruckstartInterfaceClick},
      {&DruckstartVerschieben, 1, 2, 0, "DruckstartVerschieben", "DruckstartVerschieben", "Verschieben", true,
       &TFramePrinter::SpeedButtonDruckstartVerschiebenClick},
      {&UnterdrueckungModus, 2, 0, 0, "UnterdrueckungModus", "UnterdrueckungModus", "Modus", true,
       &TFramePrinter::SpeedButtonUnterdrueckungModusClick},
      {&UnterdrueckungVerschieben, 2, 1, 0, "UnterdrueckungVerschieben", "UnterdrueckungVerschieben", "Verschieben",
       true, &TFramePrinter::SpeedButtonUnterdrueckungVerschiebenClick},
      {&AuslaufModus, 2, 2, 0, "AuslaufModus", "AuslaufModus", "Modus", true,
       &TFramePrinter::SpeedButtonAuslaufModusClick},
      {&DruckgeschwindigkeitTaktquelle, 3, 0, 0, "DruckgeschwindigkeitTaktquelle", "DruckgeschwindigkeitTaktquelle",
       "Taktquelle", true, &TFramePrinter::SpeedButtonDruckgeschwindigkeitTaktquelleClick},
      {&DruckgeschwindigkeitFaktor, 3, 1, 0, "DruckgeschwindigkeitFaktor", "DruckgeschwindigkeitFaktor", "Faktor",
       true, &TFramePrinter::SpeedButtonDruckgeschwindigkeitFaktorClick},
      {&DruckgeschwindigkeitAktuell, 3, 2, 0, "DruckgeschwindigkeitAktuell", "DruckgeschwindigkeitAktuell", "Aktuell",
       true, &TFramePrinter::SpeedButtonDruckgeschwindigkeitAktuellClick},
      {&BedienteilTyp, 4, 0, 0, "BedienteilTyp", "BedienteilTyp", "Typ", true,
       &TFramePrinter::SpeedButtonBedienteilTypClick},
      {&BedienteilOption, 4, 1, 0, "BedienteilOption", "BedienteilOption", "Option", true,
       &TFramePrinter::SpeedButtonBedienteilOptionClick},
      {&BedienteilProgramme, 4, 2, 0, "BedienteilProgramme", "", "Programme", false,
       &TFramePrinter::SpeedButtonBedienteilProgrammeClick},
      {&DruckersteuerungSichern, 5, 0, 0, "DruckersteuerungSichern", "", "Sichern", false,
       &TFramePrinter::SpeedButtonDruckersteuerungSichernClick},
      {&DruckersteuerungDiagnose, 5, 1, 0, "DruckersteuerungDiagnose", "", "Diagnose", false,
       &TFramePrinter::SpeedButtonDruckersteuerungDiagnoseClick},
      {&DruckersteuerungUhr, 5, 2, 0, "DruckersteuerungUhr", "DruckersteuerungUhr", "Uhr", true,
       &TFramePrinter::SpeedButtonDruckersteuerungUhrClick},
      {&DruckersteuerungVendrel, 5, 3, 0, "DruckersteuerungVendrel", "DruckersteuerungVendrel", "Kommunikation", true,
       &TFramePrinter::SpeedButtonDruckersteuerungVendrelClick},
      {&DruckersteuerungStatus, 5, 4, 0, "DruckersteuerungStatus", "DruckersteuerungStatus", "Zustand", true,
       &TFramePrinter::SpeedButtonDruckersteuerungStatusClick},
      {&DruckersteuerungHerstellen, 5, 0, 1, "DruckersteuerungHerstellen", "", "Herstellen", false,
       &TFramePrinter::SpeedButtonDruckersteuerungHerstellenClick},
      {&DruckersteuerungCLI, 5, 1, 1, "DruckersteuerungCLI", "", "CLI", false,
       &TFramePrinter::SpeedButtonDruckersteuerungCLIClick},
      {&DruckersteuerungZaehler, 5, 2, 1, "DruckersteuerungZaehler", "DruckersteuerungZaehler", "Druckzähler", true,
       &TFramePrinter::SpeedButtonDruckersteuerungZaehlerClick},
      {&DruckersteuerungPulsdauer, 5, 3, 1, "DruckersteuerungPulsdauer", "", "Pulsdauer", false,
       &TFramePrinter::SpeedButtonDruckersteuerungPulsdauerClick},
  };
  const std::vector<platform::Panel*> sections = Sections();
  for (const Spec& s : specs) {
    *s.tile = AddTile(sections[static_cast<std::size_t>(s.section)], QString::fromLatin1(s.stem),
                      QString::fromLatin1(s.labelStem), QString::fromUtf8(s.caption), s.value);
    placed_.push_back({s.tile, s.section, s.column, s.row});
    connect(s.tile->button, &QAbstractButton::clicked, this,
            [this, click = s.click, b = s.tile->button] { (this->*click)(b); });
  }
  // The measured speed is only shown; its tile never changes colour.
  DruckgeschwindigkeitAktuell.panel->SetColor(kSilver);

  PanelUnten = platform::AddButtonRow(this, QRect(0, 0, 100, kBottomBarHeight));
  NAME_AFTER_MEMBER(PanelUnten);
  platform::AddButtonPanel(PanelUnten, QRect(8, 8, 88, 48), QStringLiteral("Rapport"), PanelRapport,
                           SpeedButtonRapport);
  platform::AddButtonPanel(PanelUnten, QRect(0, 8, 88, 48), QStringLiteral("OK"), PanelOK, SpeedButtonOK);
  platform::AddButtonPanel(PanelUnten, QRect(0, 8, 48, 48), QStringLiteral("?"), PanelHilfe, SpeedButtonHilfe);
  NAME_AFTER_MEMBER(SpeedButtonRapport);
  NAME_AFTER_MEMBER(SpeedButtonOK);
  NAME_AFTER_MEMBER(SpeedButtonHilfe);
  connect(SpeedButtonRapport, &QAbstractButton::clicked, this, [this] { SpeedButtonRapportClick(SpeedButtonRapport); });
  connect(SpeedButtonOK, &QAbstractButton::clicked, this, [this] { SpeedButtonOKClick(SpeedButtonOK); });
  connect(SpeedButtonHilfe, &QAbstractButton::clicked, this, [this] { SpeedButtonHilfeClick(SpeedButtonHilfe); });

  tiles_ = printerthread::TilesAfterRefresh(printerthread::PrinterMirror{});
  ApplyWindowHooks();
  printerthread::PrinterDisplays().Add(this);
  hide();
}

TFramePrinter::~TFramePrinter() { printerthread::PrinterDisplays().Remove(this); }

std::vector<platform::Panel*> TFramePrinter::Sections() const {
  return {PanelGeraet, PanelDruckstart, PanelUnterdrueckung, PanelDruckgeschwindigkeit, PanelBedienteil,
          PanelDruckersteuerung};
}

// ---- layout ----

void TFramePrinter::resizeEvent(QResizeEvent*) { LayOut(); }

void TFramePrinter::LayOut() {
  const int w = width();
  const int h = height();
  PanelTitel->setGeometry(0, 0, w, kTitleBarHeight);
  PanelUnten->setGeometry(0, h - kBottomBarHeight, w, kBottomBarHeight);
  PanelOK->move(w / 2 - PanelOK->width() / 2, 8);
  PanelHilfe->move(w - kGap - PanelHilfe->width(), 8);
  // The grid of five columns; narrower tiles where the page is narrow, and
  // lower ones where it is low, so that every tile stays whole.
  const int tileWidth = std::min(kTileWidth, (w - 6 * kGap) / 5);
  const int rows = 7;  // one per section, two for "Steuerung"
  const int free = h - kTitleBarHeight - kBottomBarHeight - 6 * (kSectionTitle + kGap) - kRowGap;
  const int tileHeight = std::max(24, std::min(kTileHeight, free / rows));
  int y = kTitleBarHeight;
  const std::vector<platform::Panel*> sections = Sections();
  for (std::size_t s = 0; s < sections.size(); ++s) {
    const int sectionRows = s + 1 == sections.size() ? 2 : 1;
    const int height = kSectionTitle + sectionRows * tileHeight + (sectionRows - 1) * kRowGap + kGap;
    sections[s]->setGeometry(0, y, w, height);
    y += height;
  }
  const int step = tileWidth + kGap;
  for (QLabel* title : {LabelGeraetTitel, LabelDruckstartTitel, LabelUnterdrueckungTitel,
                        LabelDruckgeschwindigkeitTitel, LabelBedienteilTitel, LabelDruckersteuerungTitel})
    title->setGeometry(kGap, 3, 2 * step - kGap, kSectionTitle - 4);
  LabelAuslaufTitel->setGeometry(kGap + 2 * step, 3, 2 * step - kGap, kSectionTitle - 4);
  for (const Placed& p : placed_) {
    Tile& t = *p.tile;
    t.panel->setGeometry(kGap + p.column * step, kSectionTitle + p.row * (tileHeight + kRowGap), tileWidth,
                         tileHeight);
    if (t.title) {
      t.title->setGeometry(2, 1, tileWidth - 4, kTileTitleHeight);
      t.value->setGeometry(2, kTileTitleHeight + 1, tileWidth - 4, tileHeight - kTileTitleHeight - 2);
    }
  }
  FitTexts();
}

void TFramePrinter::FitTexts() {
  for (const Placed& p : placed_) {
    if (!p.tile->title) continue;
    FitText(p.tile->title, false);
    FitText(p.tile->value, true);
  }
}

void TFramePrinter::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    // The language file gave the tiles new titles.
    FitTexts();
    // The setting forms hand their new captions on as they learn of the
    // change, in no fixed order before or after this view: the values are
    // named again once every window has.
    QMetaObject::invokeMethod(this, [this] { ShowValuesInNewLanguage(); }, Qt::QueuedConnection);
  }
  QWidget::changeEvent(event);
}

// ---- the page ----

void TFramePrinter::showEvent(QShowEvent* event) {
  ApplyWindowHooks();
  QWidget::showEvent(event);
}

void TFramePrinter::ShowView() {
  if (host_) host_->HideOtherPages();
  ApplyWindowHooks();
  show();
  raise();
}

void TFramePrinter::CloseView() {
  hide();
  if (host_) {
    host_->CloseMenusAndRefresh();
    host_->ShowDataPage();
  }
}

void TFramePrinter::SpeedButtonOKClick(QObject* sender) {
  platform::RepaintSender(sender);
  CloseView();
}

void TFramePrinter::SpeedButtonRapportClick(QObject* sender) {
  platform::RepaintSender(sender);
  platform::PrintPrinterSettings();
}

void TFramePrinter::SpeedButtonHilfeClick(QObject* sender) {
  platform::RepaintSender(sender);
  if (!host_) return;
  host_->CloseMenusAndRefresh();
  host_->ShowQuickHelp();
}

// ---- tiles ----

void TFramePrinter::OpenSetting(QObject* sender, SettingForm* form, const std::function<void()>& couple) {
  platform::RepaintSender(sender);
  if (host_) host_->CloseMenusAndRefresh();
  if (!form) return;
  form->PrepareForTile();
  if (form->exec() != kResultOk) return;
  if (couple) couple();
  form->RaiseRequest();
}

void TFramePrinter::Toggle(QObject* sender, QWidget* window) {
  platform::RepaintSender(sender);
  if (host_) host_->CloseMenusAndRefresh();
  ToggleWindow(window);
}

void TFramePrinter::SpeedButtonGeraetTypClick(QObject* s) { OpenSetting(s, FormPrinterGeraetTyp); }
void TFramePrinter::SpeedButtonGeraetAusrichtungClick(QObject* s) { OpenSetting(s, FormPrinterGeraetAusrichtung); }
void TFramePrinter::SpeedButtonGeraetAufstartenClick(QObject* s) { OpenSetting(s, FormPrinterGeraetAufstarten); }
void TFramePrinter::SpeedButtonGeraetSleepClick(QObject* s) { OpenSetting(s, FormPrinterGeraetSleep); }
void TFramePrinter::SpeedButtonGeraetDPIClick(QObject* s) { OpenSetting(s, FormPrinterGeraetDPI); }
void TFramePrinter::SpeedButtonDruckstartModusClick(QObject* s) {
  OpenSetting(s, FormPrinterStartModus, [this] { CoupleAfterStart(); });
}
void TFramePrinter::SpeedButtonDruckstartInterfaceClick(QObject* s) {
  OpenSetting(s, FormPrinterStartInterface, [this] { CoupleAfterSelection(); });
}
void TFramePrinter::SpeedButtonDruckstartVerschiebenClick(QObject* s) { OpenSetting(s, FormPrinterStartVerschieben); }
void TFramePrinter::SpeedButtonUnterdrueckungModusClick(QObject* s) { OpenSetting(s, FormPrinterUnterdrueckungModus); }
void TFramePrinter::SpeedButtonUnterdrueckungVerschiebenClick(QObject* s) {
  OpenSetting(s, FormPrinterUnterdrueckungVerschieben);
}
void TFramePrinter::SpeedButtonAuslaufModusClick(QObject* s) { OpenSetting(s, FormPrinterAuslaufModus); }
void TFramePrinter::SpeedButtonDruckgeschwindigkeitTaktquelleClick(QObject* s) {
  OpenSetting(s, FormPrinterGeschwindigkeitTaktquelle);
}
void TFramePrinter::SpeedButtonDruckgeschwindigkeitFaktorClick(QObject* s) {
  OpenSetting(s, FormPrinterGeschwindigkeitFaktor);
}
void TFramePrinter::SpeedButtonBedienteilTypClick(QObject* s) { OpenSetting(s, OtherPrinterWindows().BedienteilTyp); }
void TFramePrinter::SpeedButtonBedienteilOptionClick(QObject* s) {
  OpenSetting(s, OtherPrinterWindows().BedienteilOption);
}
void TFramePrinter::SpeedButtonBedienteilProgrammeClick(QObject* s) {
  OpenSetting(s, OtherPrinterWindows().BedienteilProgramme);
}
void TFramePrinter::SpeedButtonDruckersteuerungUhrClick(QObject* s) {
  OpenSetting(s, OtherPrinterWindows().SteuerungUhr);
}
void TFramePrinter::SpeedButtonDruckersteuerungZaehlerClick(QObject* s) {
  OpenSetting(s, OtherPrinterWindows().SteuerungCounter);
}
void TFramePrinter::SpeedButtonDruckersteuerungPulsdauerClick(QObject* s) {
  OpenSetting(s, OtherPrinterWindows().SteuerungPulsdauer);
}

void TFramePrinter::SpeedButtonDruckersteuerungVendrelClick(QObject* sender) {
  platform::RepaintSender(sender);
  if (host_) host_->CloseMenusAndRefresh();
  if (QDialog* d = OtherPrinterWindows().Kommunikation) (void)d->exec();
}

void TFramePrinter::SpeedButtonDruckgeschwindigkeitAktuellClick(QObject* s) {
  Toggle(s, OtherPrinterWindows().Diagnose);
}
void TFramePrinter::SpeedButtonDruckersteuerungDiagnoseClick(QObject* s) { Toggle(s, OtherPrinterWindows().Diagnose); }
void TFramePrinter::SpeedButtonDruckersteuerungCLIClick(QObject* s) { Toggle(s, OtherPrinterWindows().Konsole); }
void TFramePrinter::SpeedButtonDruckersteuerungStatusClick(QObject* s) {
  Toggle(s, OtherPrinterWindows().Fernsteuerung);
}

// ---- the start/selection coupling ----

void TFramePrinter::CoupleAfterStart() {
  TFormPrinterStartModus* start = FormPrinterStartModus;
  TFormPrinterStartInterface* selection = FormPrinterStartInterface;
  if (!start || !selection) return;
  const SelectionSetting printer{selection->PrinterInterfaceMode, selection->PrinterSignalLines,
                                 selection->PrinterSignalText};
  const auto s = SelectionAfterStart(cliWord_, ChoiceToSend(start->EditStartMode, start->PrinterStartMode), printer);
  if (!s) return;
  selection->EditInterfaceMode = s->mode;
  selection->EditSignalLines = s->lines;
  selection->EditSignalText = s->texts;
  selection->RaiseRequest();
}

void TFramePrinter::CoupleAfterSelection() {
  TFormPrinterStartModus* start = FormPrinterStartModus;
  TFormPrinterStartInterface* selection = FormPrinterStartInterface;
  if (!start || !selection) return;
  const auto s = StartAfterSelection(
      cliWord_, ChoiceToSend(selection->EditInterfaceMode, selection->PrinterInterfaceMode),
      {start->PrinterStartMode, start->PrinterFilter});
  if (!s) return;
  start->EditStartMode = s->mode;
  start->EditFilter = s->filter;
  start->RaiseRequest();
}

// ---- configuration backup and restore ----

void TFramePrinter::SetUpConfigDialog(TForm_FileDialog& d, const QString& title, bool backup) const {
  ConfigDialogSetup setup;
  setup.title = title;
  setup.save = backup;
  setup.initialName = backup ? "KONFIG.sys23" : "";
  setup.serviceDir = host_ ? host_->ServiceDir() : std::string();
  setup.tmpDir = host_ ? host_->TmpDir() : std::string();
  setup.clipboardName = "SYS12";
  SetUpConfigFileDialog(d, setup);
}

void TFramePrinter::ChooseConfigFile(QObject* sender, bool backup) {
  platform::RepaintSender(sender);
  SettingFormServices& services = FormServices();
  const int mode = services.Mode();
  for (;;) {
    if (host_) host_->CloseMenusAndRefresh();
    const platform::SpeedButton* button =
        backup ? DruckersteuerungSichern.button : DruckersteuerungHerstellen.button;
    const QString title = LabelDruckersteuerungTitel->text() + QStringLiteral(" - ") + button->Caption();
    if (!backup && mode == 0) {
      QCoreApplication::processEvents();
      services.ShowNotice(title, services.CatalogueText(Catalogue::DeniedUser), kSilver);
      return;
    }
    TForm_FileDialog* dialog = host_ ? host_->FileDialog() : nullptr;
    if (!dialog) return;
    SetUpConfigDialog(*dialog, title, backup);
    if (dialog->ShowModal() != 1) return;
    try {
      const std::string path = dialog->GetFileName();
      if (backup && mode == 0 && platform::IsFile(path)) {
        services.ShowNotice(title, services.CatalogueText(Catalogue::BackupNoOverwrite), kSilver);
        continue;  // the dialog again, as it was
      }
      const std::string caption = platform::FromQt(title);
      if (backup) {
        BackupPath = path;
        printerthread::PrinterRequests().BackupConfig.Raise({caption, BackupPath});
      } else {
        RestorePath = path;
        printerthread::PrinterRequests().RestoreConfig.Raise({caption, RestorePath});
      }
    } catch (const std::exception&) {
      services.ShowNotice(title, services.CatalogueText(Catalogue::DoneFailed), kRed);
    }
    return;
  }
}

void TFramePrinter::SpeedButtonDruckersteuerungSichernClick(QObject* s) { ChooseConfigFile(s, true); }
void TFramePrinter::SpeedButtonDruckersteuerungHerstellenClick(QObject* s) { ChooseConfigFile(s, false); }

void TFramePrinter::ShowWindowShown(const Tile& tile, bool shown) {
  tile.panel->SetColor(shown ? kNavy : kOfferedColour);
  const std::uint32_t text = shown ? kWhite : kNavy;
  if (tile.title) {
    platform::SetTextColour(tile.title, text);
    SetBold(tile.title, shown);
    platform::SetTextColour(tile.value, text);  // bold either way, as made
  }
  tile.button->SetFontColor(text);
  tile.button->SetBold(shown);
}

// ---- display steps ----

std::vector<QLabel*> TFramePrinter::ValueLabels() const {
  std::vector<QLabel*> labels;
  for (const Placed& p : placed_)
    if (p.tile->value) labels.push_back(p.tile->value);
  return labels;
}

void TFramePrinter::OfferButton(const Tile& tile, bool offeredByRule) {
  const PrinterWindowHooks& w = OtherPrinterWindows();
  bool exists = true;
  if (&tile == &BedienteilTyp) exists = Exists(w.BedienteilTyp);
  else if (&tile == &BedienteilOption) exists = Exists(w.BedienteilOption);
  else if (&tile == &BedienteilProgramme) exists = Exists(w.BedienteilProgramme);
  else if (&tile == &DruckersteuerungUhr) exists = Exists(w.SteuerungUhr);
  else if (&tile == &DruckersteuerungZaehler) exists = Exists(w.SteuerungCounter);
  else if (&tile == &DruckersteuerungPulsdauer) exists = Exists(w.SteuerungPulsdauer);
  else if (&tile == &DruckersteuerungVendrel) exists = Exists(w.Kommunikation);
  else if (&tile == &DruckersteuerungDiagnose || &tile == &DruckgeschwindigkeitAktuell) exists = Exists(w.Diagnose);
  else if (&tile == &DruckersteuerungStatus) exists = Exists(w.Fernsteuerung);
  else if (&tile == &DruckersteuerungCLI) exists = Exists(w.Konsole);
  tile.button->setVisible(offeredByRule && exists);
  // A tile that only names its window is not shown while there is none.
  if (!tile.value) tile.panel->setVisible(exists);
}

void TFramePrinter::ApplyTileState(const Tile& tile, const printerthread::TileState& state) {
  tile.panel->SetColor(state.colour);
  if (state.buttonVisible) OfferButton(tile, *state.buttonVisible);
  if (state.enabled) tile.panel->setEnabled(*state.enabled);
}

void TFramePrinter::ApplyWindowHooks() {
  for (const Placed& p : placed_) {
    bool offered = true;
    for (const RuledTile& r : kRuledTiles)
      if (&(this->*r.tile) == p.tile && (tiles_.*r.state).buttonVisible) offered = *(tiles_.*r.state).buttonVisible;
    OfferButton(*p.tile, offered);
  }
}

void TFramePrinter::ApplyTiles(const printerthread::SettingsTiles& tiles) {
  for (const RuledTile& r : kRuledTiles) ApplyTileState(this->*r.tile, tiles.*r.state);
}

void TFramePrinter::ResetDisplay(const printerthread::DisplayView&) {
  for (QLabel* label : ValueLabels()) ShowValue(label, QStringLiteral("?"));
  shown_.reset();
  cliWord_ = -1;
  const printerthread::SettingsTiles reset = printerthread::TilesAfterReset();
  // What a reset leaves alone stays as the last refresh offered it.
  for (const RuledTile& r : kRuledTiles) {
    TileState& kept = tiles_.*r.state;
    const TileState& next = reset.*r.state;
    kept.colour = next.colour;
    if (next.buttonVisible) kept.buttonVisible = next.buttonVisible;
    if (next.enabled) kept.enabled = next.enabled;
  }
  ApplyTiles(reset);
  for (platform::Panel* s : Sections()) s->setEnabled(false);
}

void TFramePrinter::RefreshDisplay(const printerthread::DisplayView& view) {
  const printerthread::PrinterMirror& m = view.mirror;
  cliWord_ = m.CliWord;
  shown_ = m;
  ShowTileValues(m, view.captions);
  tiles_ = printerthread::TilesAfterRefresh(m);
  ApplyTiles(tiles_);
  for (platform::Panel* s : Sections()) s->setEnabled(true);
}

void TFramePrinter::ShowValuesInNewLanguage() {
  if (!shown_) return;
  const auto captions = printerthread::PrinterCaptionTable().Get();
  printerthread::DeriveCaptionTexts(*shown_, *captions);
  ShowTileValues(*shown_, *captions);
}

void TFramePrinter::ShowTileValues(const printerthread::PrinterMirror& m, const printerthread::PrinterCaptions& c) {
  auto show = [](const Tile& t, const std::string& text) { ShowValue(t.value, platform::ToQt(text)); };
  show(GeraetTyp, m.MachineTypeText);
  show(GeraetAusrichtung, m.AlignmentText);
  show(GeraetAufstarten, m.StartupText);
  show(GeraetSleep, m.SleepText);
  show(GeraetDPI, m.PrintModeText);
  show(DruckstartModus, m.StartModeText);
  show(DruckstartVerschieben, printerthread::ShiftLabel(m.StartShiftMode, m.StartShiftDistanceText,
                                                        m.StartShiftTimeText, c.StartShiftOff));
  show(DruckstartInterface, m.InterfaceModeText);
  show(UnterdrueckungModus, m.SuppressionText);
  show(UnterdrueckungVerschieben,
       printerthread::ShiftLabel(m.SuppressionShiftMode, m.SuppressionShiftDistanceText,
                                 m.SuppressionShiftTimeText, c.SuppressionShiftOff));
  show(AuslaufModus, m.RunOutText);
  show(DruckgeschwindigkeitTaktquelle, m.ClockSourceText);
  show(DruckgeschwindigkeitFaktor, m.FactorText);
  show(DruckgeschwindigkeitAktuell, m.ActualSpeedText);
  show(BedienteilTyp, m.PanelTypeText);
  show(BedienteilOption, m.OptionText);
  show(DruckersteuerungUhr, m.ClockText);
  show(DruckersteuerungStatus, m.StatusText);
  const auto& pending = OtherPrinterWindows().CounterChangePending;
  show(DruckersteuerungZaehler, printerthread::CounterLabel(m.CounterText, pending && pending()));
  show(DruckersteuerungVendrel, printerthread::CommunicationLabel(m.CommKit));
}
