#include "app/language/LanguageSections.h"

#include <initializer_list>
#include <string>

namespace app {

std::string LanguageTarget::Name() const {
  std::string name = window + ".";
  switch (kind) {
    case TextTarget::WindowCaption:
    case TextTarget::WindowCaptionPlain: return name + "caption";
    case TextTarget::Hint: return name + member + ".hint";
    case TextTarget::Column: return name + member + ".column[" + std::to_string(index) + "]";
    default: break;
  }
  return entry ? name + member + "[" + std::to_string(index) + "]" : name + member;
}

namespace {

using Line = std::vector<LanguageTarget>;

// Targets of one window, written the short way the table below needs.
struct Win {
  const char* name;

  LanguageTarget Make(const std::string& member, TextTarget kind, int index = 0, bool entry = false,
                      const std::string& follow = {}) const {
    LanguageTarget t;
    t.window = name;
    t.member = member;
    t.index = index;
    t.kind = kind;
    t.follow = follow;
    t.entry = entry;
    return t;
  }
  LanguageTarget Title() const { return Make("", TextTarget::WindowCaption); }
  LanguageTarget PlainTitle() const { return Make("", TextTarget::WindowCaptionPlain); }
  LanguageTarget C(const std::string& member) const { return Make(member, TextTarget::Caption); }
  LanguageTarget H(const std::string& member) const { return Make(member, TextTarget::Hint); }
  // A registered text of its own.
  LanguageTarget T(const std::string& member) const { return Make(member, TextTarget::Text); }
  // Entry `index` of a registered text array.
  LanguageTarget E(const std::string& member, int index) const { return Make(member, TextTarget::Text, index, true); }
  LanguageTarget BlankE(const std::string& member, int index) const {
    return Make(member, TextTarget::TextBlankPrefix, index, true);
  }
  LanguageTarget TBlank(const std::string& member) const { return Make(member, TextTarget::TextTrailingBlank); }
  LanguageTarget TWithTitle(const std::string& member, const std::string& title) const {
    return Make(member, TextTarget::TextWithTitle, 0, false, title);
  }
  LanguageTarget Col(const std::string& member, int column) const { return Make(member, TextTarget::Column, column); }

  // One line per component: the captions of `members`.
  std::vector<Line> Captions(std::initializer_list<const char*> members) const {
    std::vector<Line> lines;
    for (const char* m : members) lines.push_back({C(m)});
    return lines;
  }
  // One line per entry: `member`[first] to `member`[first + count - 1].
  std::vector<Line> Texts(const char* member, int first, int count) const {
    std::vector<Line> lines;
    for (int i = first; i < first + count; ++i) lines.push_back({E(member, i)});
    return lines;
  }
  // One line per component named prefix + n + suffix, n from `first` to `last`.
  std::vector<Line> Numbered(const char* prefix, int first, int last, const char* suffix) const {
    std::vector<Line> lines;
    for (int n = first; n <= last; ++n) lines.push_back({C(prefix + std::to_string(n) + suffix)});
    return lines;
  }
  // One line setting the captions of several components.
  Line All(std::initializer_list<std::string> members) const {
    Line line;
    for (const std::string& m : members) line.push_back(C(m));
    return line;
  }
};

// Builds one section from value lines and runs of value lines, in order.
class Section {
 public:
  Section(std::vector<LanguageSection>& table, const char* header) : table_(table) { section_.header = header; }
  ~Section() { table_.push_back(std::move(section_)); }
  Section& operator<<(Line line) {
    section_.values.push_back(std::move(line));
    return *this;
  }
  Section& operator<<(LanguageTarget target) { return *this << Line{std::move(target)}; }
  Section& operator<<(std::vector<Line> lines) {
    for (Line& l : lines) section_.values.push_back(std::move(l));
    return *this;
  }

 private:
  std::vector<LanguageSection>& table_;
  LanguageSection section_;
};

// The setting forms' OK and "Abbrechen".
std::vector<Line> OkCancel(const Win& w) { return w.Captions({"SpeedButtonOK", "SpeedButtonAbbrechen"}); }

// The ten lines of position and font controls that the text, date and time
// panes share, with the pane's own alignment and proportional words.
std::vector<Line> PositionAndFont(const Win& w) {
  std::vector<Line> lines = w.Captions({"LabelPositionTitel", "LabelPositionXTitel", "LabelPositionYTitel",
                                        "LabelAusrichtenTitel"});
  lines.push_back({w.E("AlignTexts", 0)});
  lines.push_back({w.E("AlignTexts", 1)});
  for (Line& l : w.Captions({"LabelSchriftTitel", "LabelSchriftBreiteTitel", "LabelSchriftHoeheTitel",
                             "LabelSchriftAbstandTitel", "LabelSchriftArtTitel", "LabelSchriftProportionalTitel"}))
    lines.push_back(std::move(l));
  lines.push_back({w.E("ProportionalTexts", 0)});
  lines.push_back({w.E("ProportionalTexts", 1)});
  return lines;
}

// The twenty slots dialogs' shared tail: window caption, management
// buttons, OK, Abbrechen.
std::vector<Line> SlotDialog(const Win& w) {
  std::vector<Line> lines{{w.Title()}};
  for (Line& l : w.Captions({"SpeedButtonVerwalten", "SpeedButtonDEL", "SpeedButtonCUT", "SpeedButtonCOPY",
                             "SpeedButtonPASTE", "SpeedButtonOK", "SpeedButtonAbbrechen"}))
    lines.push_back(std::move(l));
  return lines;
}

std::vector<LanguageSection> BuildSections() {
  std::vector<LanguageSection> t;
  t.reserve(62);

  const Win main{"Form_Main"};
  const Win message{"FormMessage"};
  {
    Section s(t, "[Meldungen]");
    for (const char* m :
         {"MsgSaveOrCloseFirst", "MsgSaveFirst", "MsgBackupNoOverwrite", "MsgDeniedUser", "MsgDeniedUserAdmin",
          "MsgRunning", "MsgTransferring", "MsgDoneOk", "MsgNoData", "MsgDoneFailed", "MsgUnplugUsb",
          "MsgStarting", "MsgClosing", "MsgNotAvailable", "MsgPrinterNoSupport", "MsgNoPrinter",
          "MsgUserCannotChange", "MsgProtectionOn", "MsgPrinterProtection", "MsgFirewall", "MsgFixAndRestart",
          "MsgServerDown", "MsgTryLater", "MsgNoInternet", "MsgBrowserAccess", "MsgYes", "MsgNo", "MsgRestart",
          "MsgUpdateNewest"})
      s << message.T(m);
    s << message.C("SpeedButtonInformationOK");
  }
  {
    const Win menu{"FrameMenuPrinter"};
    Section(t, "[Printer]") << main.C("SpeedButtonPrinter")
                            << menu.Captions({"SpeedButtonOeffnenVonDrucker", "SpeedButtonSpeichernAufDrucker",
                                              "SpeedButtonFernsteuerungDrucker", "SpeedButtonEinstellen"});
  }
  {
    const Win w{"FormPrinterFernsteuerung"};
    // The window keeps the five special names first and the twelve state
    // names after them; the file gives the states first.
    Section(t, "[Printer Fernsteuerung]")
        << w.Title()
        << w.Captions({"LabelDruckersteuerungStatusTitel", "LabelDrucktextIstTitel", "LabelDruckmodusIstTitel",
                       "SpeedButtonStart", "SpeedButtonStop", "SpeedButtonStandby"})
        << w.Texts("NameTexts", 5, 12) << w.Texts("NameTexts", 0, 5);
  }
  {
    const Win w{"FramePrinter"};
    Section(t, "[Printer Einstellen]") << w.Captions(
        {"PanelTitel",
         "LabelGeraetTitel",
         "LabelGeraetTypTitel",
         "LabelAusrichtungTitel",
         "LabelGeraetAufstartenTitel",
         "LabelGeraetSleepTitel",
         "LabelGeraetDPITitel",
         "LabelDruckstartTitel",
         "LabelDruckstartModusTitel",
         "LabelDruckstartVerschiebenTitel",
         "LabelDruckstartInterfaceTitel",
         "LabelUnterdrueckungTitel",
         "LabelUnterdrueckungModusTitel",
         "LabelUnterdrueckungVerschiebenTitel",
         "LabelAuslaufTitel",
         "LabelAuslaufModusTitel",
         "LabelDruckgeschwindigkeitTitel",
         "LabelDruckgeschwindigkeitTaktquelleTitel",
         "LabelDruckgeschwindigkeitFaktorTitel",
         "LabelDruckgeschwindigkeitAktuellTitel",
         "LabelBedienteilTitel",
         "LabelBedienteilTypTitel",
         "LabelBedienteilOptionTitel",
         "SpeedButtonBedienteilProgramme",
         "LabelDruckersteuerungTitel",
         "SpeedButtonDruckersteuerungSichern",
         "SpeedButtonDruckersteuerungHerstellen",
         "SpeedButtonDruckersteuerungDiagnose",
         "SpeedButtonDruckersteuerungCLI",
         "LabelDruckersteuerungUhrTitel",
         "LabelDruckersteuerungZaehlerTitel",
         "LabelDruckersteuerungVendrelTitel",
         "LabelDruckersteuerungStatusTitel",
         "SpeedButtonDruckersteuerungPulsdauer",
         "SpeedButtonOK",
         "SpeedButtonRapport"});
  }
  const Win quickHelp{"FormSchnellhilfe"};
  Section(t, "[Printer ?]") << quickHelp.BlankE("PrinterHelp", 0) << quickHelp.Texts("PrinterHelp", 1, 5);
  {
    const Win w{"FormPrinterGeraetTyp"};
    Section(t, "[Printer Einstellen Ger\xE4t Typ]")
        << w.Title() << w.Captions({"SpeedButton0", "SpeedButton1", "SpeedButton2"}) << OkCancel(w);
  }
  {
    const Win w{"FormPrinterGeraetAusrichtung"};
    Section s(t, "[Printer Einstellen Ger\xE4t Ausrichtung]");
    s << w.Title()
      << w.Captions({"LabelModusTitel", "LabelVerschiebenTitel", "LabelVerschieben1Titel", "LabelVerschieben2Titel"});
    for (int n = 0; n <= 5; ++n) {
      const std::string b = "SpeedButton" + std::to_string(n);
      s << w.All({b, b + "1", b + "2"});
    }
    s << OkCancel(w);
  }
  {
    const Win w{"FormPrinterGeraetAufstarten"};
    Section(t, "[Printer Einstellen Ger\xE4t Aufstarten]")
        << w.Title() << w.Captions({"SpeedButton0", "SpeedButton1"}) << OkCancel(w);
  }
  {
    const Win w{"FormPrinterGeraetSleep"};
    Section(t, "[Printer Einstellen Ger\xE4t Sleep]")
        << w.Title() << w.Numbered("Label", 0, 2, "Titel") << OkCancel(w);
  }
  {
    const Win w{"FormPrinterGeraetDPI"};
    Section(t, "[Printer Einstellen Ger\xE4t DPI]")
        << w.Title() << w.Captions({"LabelAnzahlTitel", "SpeedButtonExpertenModus"})
        << w.Numbered("LabelKonfiguration", 1, 4, "Titel") << w.C("LabelKonfigurationTestTitel") << OkCancel(w);
  }
  {
    const Win w{"FormPrinterStartModus"};
    Section(t, "[Printer Einstellen Start Modus]")
        << w.Title()
        << w.Captions({"SpeedButton1", "SpeedButton2", "Label4Titel", "Label4", "Label5Titel", "Label5",
                       "Label6Titel", "Label6", "Label7Titel", "Label7", "Label3Titel"})
        << OkCancel(w);
  }
  {
    const Win w{"FormPrinterStartVerschieben"};
    Section(t, "[Printer Einstellen Start Verschieben]")
        << w.Title() << w.Captions({"SpeedButton0", "Label1Titel", "Label2Titel"}) << OkCancel(w);
  }
  {
    const Win w{"FormPrinterStartInterface"};
    Section(t, "[Printer Einstellen Start Interface]")
        << w.Title() << w.C("LabelModusTitel") << w.Texts("ModeNames", 0, 3) << w.C("LabelAnzahlTitel")
        << w.Numbered("LabelDrucktext", 0, 15, "Titel") << w.T("PrintTextWord") << OkCancel(w);
  }
  {
    const Win w{"FormPrinterUnterdrueckungModus"};
    Section(t, "[Printer Einstellen Unterdr\xFC"
               "ckung Modus]")
        << w.Title() << w.Numbered("SpeedButton", 0, 4, "") << w.C("Label5Titel") << OkCancel(w);
  }
  {
    const Win w{"FormPrinterUnterdrueckungVerschieben"};
    Section(t, "[Printer Einstellen Unterdr\xFC"
               "ckung Verschieben]")
        << w.Title() << w.Captions({"SpeedButton0", "Label1Titel", "Label2Titel"}) << OkCancel(w);
  }
  {
    const Win w{"FormPrinterAuslaufModus"};
    Section(t, "[Printer Einstellen Auslauf Modus]")
        << w.Title() << w.Numbered("SpeedButton", 0, 2, "") << w.C("Label5Titel") << OkCancel(w);
  }
  {
    const Win w{"FormPrinterGeschwindigkeitTaktquelle"};
    Section(t, "[Printer Einstellen Geschwindigkeit Taktquelle]")
        << w.Title() << w.C("Label0Titel") << w.Numbered("SpeedButton", 1, 6, "") << OkCancel(w);
  }
  {
    const Win w{"FormPrinterGeschwindigkeitFaktor"};
    Section(t, "[Printer Einstellen Geschwindigkeit Faktor]")
        << w.Title()
        << w.Captions({"LabelDruckgeschwindigkeitTaktquelleTitel", "SpeedButton0", "Label1Titel",
                       "LabelDruckgeschwindigkeitSollTitel"})
        << OkCancel(w);
  }
  {
    const Win w{"FormPrinterBedienteilTyp"};
    Section(t, "[Printer Einstellen Bedienteil Typ]")
        << w.Title() << w.Captions({"SpeedButton0", "SpeedButton1", "Label2Titel"}) << w.Texts("ModeNames", 0, 2)
        << w.C("SpeedButton3") << OkCancel(w);
  }
  {
    const Win w{"FormPrinterBedienteilOption"};
    Section s(t, "[Printer Einstellen Bedienteil Option]");
    s << w.Title() << w.Captions({"SpeedButton0", "Label1Titel"}) << w.Texts("ModeNames", 0, 2)
      << w.Captions({"SpeedButton2", "Label3Titel", "Label4Titel"}) << w.Texts("TypeNames", 0, 2)
      << w.TBlank("ModeWord") << w.C("Label30Titel");
    for (int n = 31; n <= 34; ++n) {
      const std::string label = "Label" + std::to_string(n);
      s << w.All({label + "Titel", label + "01Titel"});
    }
    auto row = [&w](const std::string& suffix) {
      Line line;
      for (int n = 40; n <= 44; ++n) line.push_back(w.C("Label" + std::to_string(n) + suffix));
      return line;
    };
    s << row("_0Titel") << w.Captions({"Label40_0", "Label41_0", "Label42_0", "Label43_0", "Label44_0"})
      << row("_1Titel") << row("_2Titel") << row("_3Titel") << OkCancel(w);
  }
  {
    const Win w{"FormPrinterBedienteilProgramme"};
    Section(t, "[Printer Einstellen Bedienteil Programme]")
        << w.Title() << w.Numbered("LabelProgramm", 1, 3, "Titel")
        << w.All({"LabelModus1Titel", "LabelModus2Titel", "LabelModus3Titel"}) << w.Texts("ModeNames", 0, 2)
        << w.All({"LabelDrucktext1Titel", "LabelDrucktext2Titel", "LabelDrucktext3Titel"})
        << w.All({"LabelGeschwindigkeit1Titel", "LabelGeschwindigkeit2Titel", "LabelGeschwindigkeit3Titel"})
        << w.All({"LabelPause1Titel", "LabelPause2Titel", "LabelPause3Titel"}) << OkCancel(w);
  }
  {
    const Win w{"FormPrinterSteuerungDiagnose"};
    Section(t, "[Printer Einstellen Steuerung Diagnose]")
        << w.Title()
        << w.Captions({"LabelDruckstartTitel",
                       "LabelDruckstartSignalTitel",
                       "LabelDruckstartWahlsignalTitel",
                       "LabelUnterdrueckungTitel",
                       "LabelUnterdrueckungSignalTitel",
                       "LabelAuslaufTitel",
                       "LabelAuslaufSignalTitel",
                       "LabelBandTitel",
                       "LabelBandSignalTitel",
                       "LabelDruckgeschwindigkeitTitel",
                       "LabelDruckgeschwindigkeitSignalTitel",
                       "LabelDruckgeschwindigkeitTaktquelleTitel",
                       "LabelDruckgeschwindigkeitFaktorTitel",
                       "LabelDruckgeschwindigkeitAktuellTitel",
                       "LabelDruckgeschwindigkeitMaximumTitel",
                       "LabelDruckersteuerungTitel",
                       "LabelDruckersteuerungDeviceTitel",
                       "LabelDruckersteuerungFirmwareTitel",
                       "LabelDruckersteuerungStatusTitel",
                       "LabelDruckersteuerung24VTitel",
                       "LabelDruckersteuerung5VTitel",
                       "LabelDruckersteuerung3VTitel",
                       "LabelDruckersteuerungReferenzTitel",
                       "LabelDruckersteuerungTemperaturTitel"});
  }
  {
    const Win w{"FormPrinterCLI"};
    Section(t, "[Printer Einstellen Steuerung CLI]")
        << w.Title() << w.Captions({"LabelKommandoTitel", "SpeedButtonKommandoAusfuehren", "LabelAntwortTitel"});
  }
  {
    const Win w{"FormPrinterSteuerungUhr"};
    Section(t, "[Printer Einstellen Steuerung Uhr]")
        << w.Title() << w.Captions({"Label0Titel", "Label1Titel"}) << OkCancel(w);
  }
  {
    const Win w{"FormPrinterSteuerungCounter"};
    Section(t, "[Printer Einstellen Steuerung Z\xE4hler]")
        << w.Title() << w.Captions({"LabelStandTitel", "LabelInkrementTitel", "SpeedButtonReset"}) << OkCancel(w);
  }
  {
    const Win w{"FormPrinterSteuerungVendrel"};
    Section(t, "[Printer Einstellen Steuerung Kommunikation]")
        << w.Title()
        << w.Captions({"LabelBT", "LabelBT_NameTitel", "LabelBT_KeyTitel", "LabelLAN", "LabelLAN_NameTitel",
                       "LabelLAN_MACTitel", "LabelLAN_IPTitel", "LabelWLAN", "LabelWLAN_NameTitel",
                       "LabelWLAN_MACTitel", "LabelWLAN_IPTitel", "LabelWLAN_SSIDTitel", "LabelWLAN_SignalTitel",
                       "LabelLK", "LabelLK_NameTitel", "LabelLK_DomainTitel", "LabelNTP", "LabelNTP_ServerTitel",
                       "LabelNTP_ZeitzoneTitel", "LabelNTP_ZeitTitel", "SpeedButtonAbbrechen"});
  }
  {
    const Win w{"FormPrinterSteuerungPulsdauer"};
    Section(t, "[Printer Einstellen Steuerung Pulsdauer]")
        << w.Title() << w.Numbered("Label", 0, 4, "Titel") << w.Numbered("LabelKonfiguration", 1, 4, "Titel")
        << OkCancel(w);
  }
  {
    const Win menu{"FrameMenuPC"};
    Section(t, "[PC]") << main.C("SpeedButtonPC")
                       << menu.Captions({"SpeedButtonBedienungsmodus", "SpeedButtonSprache", "SpeedButtonSichern",
                                         "SpeedButtonHerstellen", "SpeedButtonEinstellen", "SpeedButtonUpdate"});
  }
  {
    const Win w{"FormBedienungsmodus"};
    Section(t, "[PC Bedienungsmodus]") << w.Title() << w.T("NameBenutzer") << w.T("NameAdministrator")
                                       << w.T("NameTechniker") << w.C("LabelPasswortTitel") << OkCancel(w);
  }
  {
    const Win w{"FormSprache"};
    Section(t, "[PC Sprache]") << w.Title() << OkCancel(w);
  }
  {
    const Win w{"FormHerstellen"};
    Section(t, "[PC Herstellen]")
        << w.Title()
        << w.Captions({"LabelWasTitel", "SpeedButtonDaten", "SpeedButtonBilder", "SpeedButtonEinstellungen"})
        << OkCancel(w);
  }
  {
    const Win w{"FormEinstellenPC"};
    Section(t, "[PC Einstellen]") << w.Title() << w.Captions({"SpeedButtonTreiberUSB", "SpeedButtonSimulation"})
                                  << OkCancel(w);
  }
  {
    const Win w{"Form_Update"};
    Section(t, "[Update]") << w.T("QuestionLine1") << w.T("QuestionLine2") << w.T("YesText") << w.T("NoText");
  }
  {
    const Win menu{"FrameMenuHilfe"};
    Section(t, "[Hilfe]") << main.C("SpeedButtonHilfe")
                          << menu.Captions({"SpeedButtonBenutzerhandbuch", "SpeedButtonFernsteuerung",
                                            "SpeedButtonEmail", "SpeedButtonInfo"});
  }
  {
    const Win w{"FormInfo"};
    Section(t, "[Info]") << w.Captions(
        {"SpeedButtonEmail", "SpeedButtonInternet", "SpeedButtonSupport", "SpeedButtonAbbrechen"});
  }

  const Win daten{"FrameDaten"};
  Section(t, "[Daten]") << daten.TWithTitle("TitleNone", "PanelTitel") << daten.TWithTitle("TitleNew", "PanelTitel");
  {
    const Win menu{"FrameMenuAnsicht"};
    Section(t, "[Daten Ansicht]") << daten.C("SpeedButtonAnsichtDown")
                                  << menu.Captions({"SpeedButtonEbenen", "SpeedButtonParameter",
                                                    "SpeedButtonNotizen", "LabelZoomTitel"});
  }
  {
    const Win menu{"FrameMenuOeffnen"};
    Section(t, "[Daten \xD6"
               "ffnen]")
        << daten.C("SpeedButtonOeffnen")
        << menu.Captions({"SpeedButtonNeu", "SpeedButtonOeffnen", "SpeedButtonImportieren"})
        << SlotDialog(Win{"FormOeffnen"});
  }
  {
    const Win menu{"FrameMenuSpeichern"};
    Section(t, "[Daten Speichern]")
        << daten.C("SpeedButtonSpeichern")
        << menu.Captions({"SpeedButtonSpeichern", "SpeedButtonSpeichernUnter", "SpeedButtonExportieren"})
        << SlotDialog(Win{"FormSpeichern"});
  }
  {
    const Win menu{"FrameMenuSchliessen"};
    Section(t, "[Daten Schliessen]") << daten.C("SpeedButtonSchliessen")
                                     << menu.Captions({"SpeedButtonSchliessenJa", "SpeedButtonSchliessenNein"});
  }
  {
    const Win menu{"FrameMenuBearbeiten"};
    Section(t, "[Daten Werkzeug]") << daten.C("SpeedButtonWerkzeug")
                                   << menu.Captions({"SpeedButtonBearbeiten", "SpeedButtonNeu",
                                                     "SpeedButtonEntfernen", "SpeedButtonAusschneiden",
                                                     "SpeedButtonKopieren", "SpeedButtonEinfuegen",
                                                     "SpeedButtonEinfuegenErweitert"});
  }
  {
    const Win w{"FormEinfuegen"};
    Section(t, "[Daten Werkzeug Einf\xFCgen...]")
        << w.Title()
        << w.Captions({"LabelWasTitel", "SpeedButtonEbenen", "SpeedButtonParameter", "SpeedButtonNotiz",
                       "LabelWoTitel", "SpeedButtonEinfuegenMarkierterDrucktext", "SpeedButtonEinfuegenFuerAlle"})
        << OkCancel(w);
  }
  {
    const Win menu{"FrameMenuSchutz"};
    Section(t, "[Daten Schutz]") << daten.C("SpeedButtonSchutz")
                                 << menu.Captions({"SpeedButtonEbenen", "SpeedButtonParameter", "SpeedButtonNotizen"});
  }
  {
    const Win w{"FormRapport"};
    Section(t, "[Daten Rapport]")
        << Line{daten.C("SpeedButtonRapport"), w.PlainTitle()}
        << w.Captions({"SpeedButtonDrucktexte", "SpeedButtonEbenen", "SpeedButtonParameter", "SpeedButtonNotizen",
                       "SpeedButtonInfo"})
        << OkCancel(w);
  }
  Section(t, "[Daten ?]") << quickHelp.BlankE("DataHelp", 0) << quickHelp.Texts("DataHelp", 1, 25);

  const Win editor{"FrameBearbeiten"};
  {
    const Win menu{"FrameMenuAnsichtBearbeiten"};
    Section(t, "[Daten Bearbeiten Ansicht]") << editor.C("LabelAnsichtTitel") << menu.Numbered("LabelEbene", 1, 5, "")
                                             << menu.Captions({"LabelParameter", "LabelNotiz"});
  }
  Section(t, "[Daten Bearbeiten Zoom]") << editor.C("LabelZoomTitel")
                                        << Win{"FrameMenuZoomBearbeiten"}.C("LabelZoomTitel");
  {
    const Win menu{"FrameMenuRasterBearbeiten"};
    Section(t, "[Daten Bearbeiten Raster]")
        << editor.C("LabelRasterTitel")
        << menu.Captions({"SpeedButtonAus", "SpeedButtonPixel", "SpeedButtonMillimeter", "SpeedButtonBereich"});
  }
  Section(t, "[Daten Bearbeiten Vorschau]") << editor.C("SpeedButtonDruckansicht")
                                            << Win{"FormBearbeitenDruckansicht"}.Title();
  Section(t, "[Daten Bearbeiten ?]") << quickHelp.BlankE("EditorHelp", 0) << quickHelp.Texts("EditorHelp", 1, 17);
  Section(t, "[Daten Bearbeiten Objekt]") << editor.Captions({"LabelObjektTitel", "LabelObjektTypTitel"})
                                          << editor.Texts("KindNames", 0, 6);
  {
    const Win w{"Form_Font"};
    Section(t, "[Daten Bearbeiten Schriftauswahl]")
        << w.PlainTitle() << w.C("CheckBox_BesteBreite") << w.T("WidthWord")
        << w.Captions({"CheckBox_Bolt", "CheckBox_Italic", "CheckBox_Underline", "CheckBox_StrikeOut",
                       "Label_Vorschau"})
        << OkCancel(w);
  }
  {
    const Win w{"FrameBearbeitenText"};
    Section(t, "[Daten Bearbeiten Text]") << PositionAndFont(w) << w.C("LabelTextTitel");
  }
  {
    const Win w{"FrameBearbeitenDatum"};
    Section(t, "[Daten Bearbeiten Datum]")
        << PositionAndFont(w) << w.Captions({"LabelDatumTitel", "LabelDatumOffsetTitel", "LabelDatumWechselTitel"})
        << w.Texts("ChangeTexts", 0, 12) << w.C("LabelDatumFormatTitel");
  }
  {
    const Win w{"FrameBearbeitenZeit"};
    Section(t, "[Daten Bearbeiten Zeit]")
        << PositionAndFont(w) << w.Captions({"LabelZeitTitel", "LabelZeitOffsetTitel", "LabelZeitWechselTitel"})
        << w.Texts("ChangeTexts", 0, 6) << w.C("LabelZeitFormatTitel");
  }
  {
    const Win w{"FrameBearbeitenGrafik"};
    Section(t, "[Daten Bearbeiten Grafik]")
        << w.Captions({"LabelPositionTitel", "LabelPositionXTitel", "LabelPositionYTitel", "LabelAusrichtenTitel"})
        << w.Texts("AlignTexts", 0, 2)
        << w.Captions({"LabelGrafikTitel", "LabelGrafikBreiteTitel", "LabelGrafikHoeheTitel",
                       "LabelGrafikProportionalTitel"})
        << w.Texts("ProportionalTexts", 0, 2)
        << w.Captions({"LabelWerkzeugTitel", "SpeedButtonWerkzeugRuskavel", "SpeedButtonWerkzeugImportieren",
                       "SpeedButtonWerkzeugExportieren"});
  }
  {
    const Win w{"Form_Paint"};
    Section s(t, "[Daten Bearbeiten Grafik Ruskavel]");
    s << Line{w.H("Panel_Zoom"), w.H("ComboBox_Zoom")}
      << Line{w.H("Panel_Raster"), w.H("CheckBox_Raster"), w.C("CheckBox_Raster")} << w.H("SpeedButton_SW")
      << w.H("SpeedButton_WS") << Line{w.H("Panel_Dicke"), w.H("ComboBox_Dicke")}
      << Line{w.H("Panel_Transparent"), w.H("CheckBox_Transparent"), w.C("CheckBox_Transparent")};
    for (const char* m :
         {"SpeedButton_Invertieren", "SpeedButton_RasternH", "SpeedButton_RasternV", "SpeedButton_Rastern",
          "SpeedButton_SpiegelnH", "SpeedButton_SpiegelnV", "SpeedButton_UndoBwd", "SpeedButton_UndoFwd",
          "SpeedButton_Zeichnen", "SpeedButton_Pinsel", "SpeedButton_Linie", "SpeedButton_Rechteck",
          "SpeedButton_RechteckGefuellt", "SpeedButton_Kreis", "SpeedButton_KreisGefuellt", "SpeedButton_Fuellen",
          "SpeedButton_Kopieren", "SpeedButton_Ausschneiden", "SpeedButton_Einfuegen"})
      s << w.H(m);
    s << OkCancel(w);
  }
  {
    const Win w{"FrameBearbeitenParameter"};
    Section(t, "[Daten Bearbeiten Parameter]")
        << w.T("TitleSingle") << w.T("TitleX1") << w.T("TitleX2") << w.T("TitleY") << w.T("TotalWord")
        << w.Captions({"LabelVorlaufTitel",      "LabelDrucklaengeTitel",   "LabelLageTitel",
                       "LabelAnzahlTitel",       "LabelAbstandTitel",       "LabelAnzahl2Titel",
                       "LabelAbstand2Titel",     "LabelNachlaufTitel",      "LabelVorlaufX2Titel",
                       "LabelDrucklaengeX2Titel", "LabelLageX2Titel",       "LabelAnzahlX2Titel",
                       "LabelAbstandX2Titel",    "LabelAnzahl2X2Titel",     "LabelAbstand2X2Titel",
                       "LabelNachlaufX2Titel",   "LabelVorlaufZTitel",      "LabelAnzahlZTitel",
                       "LabelAbstandZTitel",     "LabelNachlaufZTitel",     "LabelKopierenX1X2Titel",
                       "LabelKopierenX2X1Titel", "LabelTauschenX1X2Titel",  "LabelLoeschenX1Titel",
                       "LabelLoeschenX2Titel",   "LabelLoeschenZTitel"});
  }
  Section(t, "[Daten Bearbeiten Notiz]") << Win{"FrameBearbeitenNotiz"}.C("LabelNotizTitel");
  Section(t, "[Daten Bearbeiten Ok Abbrechen]") << OkCancel(editor);
  {
    const Win w{"Form_FileDialog"};
    Section s(t, "[File Dialog]");
    for (const char* m : {"SpeedButton_Back", "SpeedButton_Home", "SpeedButton_Browse", "SpeedButton_Refresh",
                          "SpeedButton_Icons", "SpeedButton_List", "SpeedButton_Report", "SpeedButton_Delete",
                          "SpeedButton_Cut", "SpeedButton_Copy", "SpeedButton_Insert", "SpeedButton_Rename",
                          "SpeedButton_MakeDir"})
      s << w.H(m);
    s << w.C("InsertListeLoeschen");
    for (int column = 0; column < 5; ++column) s << w.Col("lstvwVirtualList", column);
    s << w.C("Label_FileName");
    // New-folder title, prompt and name, rename title and prompt, then the
    // cancel, open and save captions.
    for (int entry : {3, 4, 5, 6, 7, 2, 0, 1}) s << w.E("DialogTexts", entry);
  }
  {
    const Win w{"Form_Browser"};
    Section(t, "[Browser]") << w.T("NoConnectionText") << w.T("NoDataText") << w.T("LoadingText");
  }
  return t;
}

}  // namespace

const std::vector<LanguageSection>& LanguageSections() {
  static const std::vector<LanguageSection> sections = BuildSections();
  return sections;
}

}  // namespace app
