#include "app/pc/TFormSchnellhilfe.h"

#include "app/Centre.h"
#include "app/DialogKeys.h"
#include "app/pc/MemoView.h"
#include "app/Shortcuts.h"
#include "app/TForm_Main.h"
#include "platform/qt/DialogFlags.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/LanguageTexts.h"
#include "platform/qt/NamedColours.h"

TFormSchnellhilfe* FormSchnellhilfe = nullptr;

namespace {
using namespace platform::colours;
constexpr int kWidth = 393;
constexpr int kBottomHeight = 65;
// The memo's panel per page; the memo fills it less an 8-pixel margin.
constexpr int kDataHeight = 450;
constexpr int kEditorHeight = 306;
constexpr int kPrinterHeight = 90;

template <std::size_t N>
void Set(std::array<QString, 50>& list, const char* const (&texts)[N]) {
  for (std::size_t i = 0; i < N; ++i) list[i] = QString::fromUtf8(texts[i]);
}

const char* const kData[] = {" Daten ?",
                             "Ansicht Ebenen ............... Strg+1",
                             "Ansicht Parameter ............ Strg+6",
                             "Ansicht Notizen .............. Strg+7",
                             "Zoom+ ........................ Strg+>",
                             "Zoom- ........................ Strg+<",
                             "",
                             "Öffnen ....................... Strg+O",
                             "Speichern .................... Strg+S",
                             "",
                             "Bearbeiten ................... Strg+E",
                             "Bearbeiten ................... Return",
                             "",
                             "Neu .......................... Strg+N",
                             "Neu .......................... Insert",
                             "Entfernen .................... Delete",
                             "",
                             "Ausschneiden ................. Strg+X",
                             "Kopieren ..................... Strg+C",
                             "Einfügen ..................... Strg+V",
                             "",
                             "Bildschirm drucken ........... Strg+P",
                             "Rapport drucken .............. Strg+Q",
                             "",
                             "Benutzerhandbuch ............. F1",
                             "Abbrechen"};

const char* const kEditor[] = {" Bearbeiten ?",
                               "Ansicht Ebene 1 .............. Strg+1",
                               "Ansicht Ebene 2 .............. Strg+2",
                               "Ansicht Ebene 3 .............. Strg+3",
                               "Ansicht Ebene 4 .............. Strg+4",
                               "Ansicht Ebene 5 .............. Strg+5",
                               "",
                               "Ansicht Parameter ............ Strg+6",
                               "",
                               "Ansicht Notiz ................ Strg+7",
                               "",
                               "Zoom+ ........................ Strg+>",
                               "Zoom- ........................ Strg+<",
                               "",
                               "Bildschirm drucken ........... Strg+P",
                               "",
                               "Benutzerhandbuch ............. F1",
                               "Abbrechen"};

const char* const kPrinter[] = {" Printer ?",
                                "Bildschirm drucken ........... Strg+P",
                                "Rapport drucken .............. Strg+Q",
                                "",
                                "Benutzerhandbuch ............. F1",
                                "Abbrechen"};

static_assert(std::size(kData) == TFormSchnellhilfe::kDataEntries);
static_assert(std::size(kEditor) == TFormSchnellhilfe::kEditorEntries);
static_assert(std::size(kPrinter) == TFormSchnellhilfe::kPrinterEntries);

}  // namespace

TFormSchnellhilfe::TFormSchnellhilfe(QWidget* owner)
    : QDialog(owner, platform::FixedDialogFlags()) {
  FormSchnellhilfe = this;
  setObjectName(QStringLiteral("FormSchnellhilfe"));
  setWindowTitle(QStringLiteral("?"));
  setFont(platform::VerdanaPx(11));
  platform::SetWindowColour(this, kLightGrey);

  PanelMain = new platform::Panel(this);
  PanelMain->SetColor(kLightGrey);
  PanelMain->setEnabled(false);
  Memo = new app::MemoView(PanelMain, platform::CourierNewPx(16), kNavy, kLightGrey);
  NAME_AFTER_MEMBER(Memo);
  PanelUnten = platform::AddButtonRow(this, QRect(0, 288, kWidth, kBottomHeight));
  platform::AddButtonPanel(PanelUnten, QRect(153, 9, 88, 48), QStringLiteral("Abbrechen"), PanelOK, SpeedButtonOK);
  NAME_AFTER_MEMBER(SpeedButtonOK);

  Set(DataHelp, kData);
  Set(EditorHelp, kEditor);
  Set(PrinterHelp, kPrinter);
  platform::RegisterTexts(this, "DataHelp", DataHelp);
  platform::RegisterTexts(this, "EditorHelp", EditorHelp);
  platform::RegisterTexts(this, "PrinterHelp", PrinterHelp);

  connect(SpeedButtonOK, &QAbstractButton::clicked, this, [this] { SpeedButtonOKClick(SpeedButtonOK); });
  Fill(DataHelp, kDataEntries, kDataHeight);
}

TFormSchnellhilfe::~TFormSchnellhilfe() {
  if (FormSchnellhilfe == this) FormSchnellhilfe = nullptr;
}

void TFormSchnellhilfe::Fill(const std::array<QString, 50>& list, int entries, int mainHeight) {
  setWindowTitle(list[0]);
  QStringList lines;
  for (int i = 1; i < entries - 1; ++i) lines << list[static_cast<std::size_t>(i)];
  Memo->SetLines(lines);
  SpeedButtonOK->SetCaption(list[static_cast<std::size_t>(entries - 1)]);
  PanelMain->setGeometry(0, 0, kWidth, mainHeight);
  Memo->setGeometry(8, 8, kWidth - 16, mainHeight - 15);
  PanelUnten->move(0, mainHeight);
  setFixedSize(kWidth, mainHeight + kBottomHeight);
}

void TFormSchnellhilfe::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TFormSchnellhilfe::FormShow() {
  switch (Form_Main ? Form_Main->ShownPage() : app::Page::None) {
    case app::Page::Data: Fill(DataHelp, kDataEntries, kDataHeight); break;
    case app::Page::Editor: Fill(EditorHelp, kEditorEntries, kEditorHeight); break;
    case app::Page::Printer: Fill(PrinterHelp, kPrinterEntries, kPrinterHeight); break;
    case app::Page::None: break;
  }
  app::CentreOnMainWindow(this);
}

void TFormSchnellhilfe::SpeedButtonOKClick(QObject*) {
  SpeedButtonOK->repaint();
  done(2);
}

void TFormSchnellhilfe::keyPressEvent(QKeyEvent* event) {
  // Enter does nothing here; Esc without modifiers closes.
  app::HandleOkCancelKeys(this, event, nullptr, {}, [this] { SpeedButtonOKClick(SpeedButtonOK); });
}
