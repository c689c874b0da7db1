// Every text a language file sets, in each of the five languages, in every
// window at its smallest size: no text wider or taller than its box. Texts
// are measured where the operator sees them: their window shown, its page,
// view or menu open; every component the language file writes into is seen
// so at least once.
#include <gtest/gtest.h>

#include <QApplication>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "AppFixture.h"
#include "LanguageFixtures.h"
#include "app/language/LanguageSections.h"
#include "app/language/LanguageTargets.h"
#include "app/pc/TFormBedienungsmodus.h"
#include "app/language/TFormSprache.h"
#include "app/TForm_Main.h"
#include "rendering/DateFormats.h"
#include "rendering/TimeFormats.h"
#include "editor/ui/TForm_Font.h"
#include "editor/ui/TForm_Paint.h"
#include "editor/ui/TFrameBearbeiten.h"
#include "editor/ui/TFrameBearbeitenParameter.h"
#include "printdata/ui/TFormOeffnen.h"
#include "printdata/ui/TFormSpeichern.h"
#include "printdata/ui/TFrameDaten.h"
#include "platform/qt/ShowPainted.h"
#include "printersettings/ui/TFormPrinterBedienteilOption.h"
#include "printersettings/ui/TFormPrinterFirmwareInstaller.h"
#include "printersettings/ui/TFormPrinterGeraetDPI.h"
#include "printersettings/ui/TFormPrinterSteuerungPulsdauer.h"
#include "printersettings/ui/TFramePrinter.h"
#include "support/qt/TextFit.h"

namespace {

using Cuts = std::set<std::string>;

// A component the language file writes a caption into: "Window.Member".
struct Captioned {
  std::string window, member;
};

std::vector<Captioned> CaptionedComponents() {
  std::vector<Captioned> all;
  for (const app::LanguageSection& s : app::LanguageSections())
    for (const auto& line : s.values)
      for (const app::LanguageTarget& t : line) {
        if (t.kind == app::TextTarget::Caption) all.push_back({t.window, t.member});
        if (t.kind == app::TextTarget::TextWithTitle) all.push_back({t.window, t.follow});
      }
  return all;
}

class LanguageLayout : public apptest::LanguageApp {
 protected:
  void SetUp() override {
    LanguageApp::SetUp();
    // Open data whose first print text has a text, a date, a time and a
    // graphic layer and shows every parameter, all columns on.
    printdata::PrintText& t = Daten().Group.Texts[0];
    t.Layers[0].Kind = printdata::kKindText;
    t.Layers[0].Text = "Charge";
    t.Layers[1].Kind = printdata::kKindDate;
    editor::ApplyDateFormat(t, 1, 0);
    t.Layers[2].Kind = printdata::kKindTime;
    editor::ApplyTimeFormat(t, 2, 0);
    t.Layers[3].Kind = printdata::kKindGraphic;
    t.Layers[3].GraphicWidth = t.Layers[3].GraphicHeight = 4;
    t.Layers[3].Pixels = std::string(16, '1');
    for (printdata::ParameterSetX* x : {&t.Parameters.X1, &t.Parameters.X2}) {
      x->Anzahl = 3;
      x->Anzahl2 = 2;
    }
    t.Parameters.Y.AnzahlZ = 2;
    ShowOpenData(1);
    ShowAllColumns();
    Form_Main->show();
    Form_Main->resize(Form_Main->minimumSize());
  }

  // Measures every text on the screen now, and notes which of the
  // components the language file writes into were among them. The data
  // view's rows show the editor's layer and parameter titles.
  void Measure() {
    QApplication::processEvents();
    for (QWidget* window : QApplication::topLevelWidgets())
      if (window->isVisible())
        for (const QWidget* w : window->findChildren<QWidget*>())
          if (w->isVisible())
            if (auto cut = testsupport::TextCut(w)) cuts_.insert(window->objectName().toStdString() + ": " + *cut);
    const app::LanguageWindows windows;
    for (const Captioned& c : components_) {
      const auto* w = qobject_cast<const QWidget*>(windows.Member(c.window, c.member));
      if (w && w->isVisible()) seen_.insert(c.window + "." + c.member);
    }
  }

  // Shows `frame` (a menu, a page) alone for a measure.
  void MeasureShown(QWidget* frame) {
    frame->show();
    frame->raise();
    Measure();
    frame->hide();
  }

  // A dialog shown at its smallest size, measured, `then` done in it and
  // measured again.
  void MeasureDialog(QWidget* dialog, const std::function<void()>& then = nullptr) {
    dialog->show();
    dialog->resize(dialog->minimumSize());
    // On the screen before its picture is taken (under a window system).
    platform::WaitUntilExposed(dialog);
    Measure();
    if (then) {
      then();
      Measure();
    }
    apptest::Screenshot(dialog, (dialog->objectName().toStdString() + (then ? "-more-" : "-") +
                                 std::to_string(language_)).c_str());
    dialog->hide();
  }

  void MeasureEverything() {
    TFrameDaten& d = Daten();
    Form_Main->CloseMenusAndRefresh();
    Measure();
    for (QWidget* menu : Form_Main->findChildren<QWidget*>())
      if (menu->objectName().startsWith(QStringLiteral("FrameMenu"))) MeasureShown(menu);
    // The editor in each of its views, the parameters with their second set.
    for (int view = 0; view <= 6; ++view) {
      ASSERT_TRUE(d.OpenInEditor(view)) << view;
      Measure();
      if (view == 5) {
        Form_Main->FrameBearbeiten->FrameBearbeitenParameter->SpeedButtonMoreLess->click();
        Measure();
        Form_Main->FrameBearbeiten->FrameBearbeitenParameter->SpeedButtonMoreLess->click();
      }
      Form_Main->FrameBearbeiten->CloseEditor();
    }
    d.HidePage();
    MeasureShown(Form_Main->FramePrinter);
    d.ShowPage();
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w != Form_Main && app::IsLanguageWindowName(w->objectName())) MeasureDialog(w);
    // The states of dialogs that show more.
    MeasureDialog(FormBedienungsmodus, [] { FormBedienungsmodus->SpeedButtonAdministrator->click(); });
    // The font chooser when the width asked for is not the font's own.
    MeasureDialog(Form_Font, [] { Form_Font->CheckBox_BesteBreite->show(); });
    // The painter with the paste tool (once something was copied), which
    // can paste white as transparent.
    MeasureDialog(Form_Paint, [] { Form_Paint->ChooseTool(editor::PaintTool::Einfuegen); });
    for (printdata::ui::SlotDialog* slotDialog : {static_cast<printdata::ui::SlotDialog*>(FormOeffnen),
                                                  static_cast<printdata::ui::SlotDialog*>(FormSpeichern)})
      MeasureDialog(slotDialog, [slotDialog] { slotDialog->SpeedButtonVerwalten->click(); });
    // The print-mode and pulse forms as their tiles open them, then with
    // the expert panel their "..." shows.
    FormPrinterGeraetDPI->PrepareForTile();
    MeasureDialog(FormPrinterGeraetDPI, [] { FormPrinterGeraetDPI->SpeedButtonPP->click(); });
    FormPrinterSteuerungPulsdauer->PrepareForTile();
    MeasureDialog(FormPrinterSteuerungPulsdauer, [] { FormPrinterSteuerungPulsdauer->SpeedButtonExperte->click(); });
    // The option form with the panel of the unit the printer reports: the
    // display unit with its fixed lines and with its own, the signal unit.
    TFormPrinterBedienteilOption* option = FormPrinterBedienteilOption;
    for (const auto& [unit, mode] : {std::pair{3, 0}, std::pair{3, 2}, std::pair{4, 0}}) {
      option->PrinterOption = unit;
      option->PrinterDisplayMode = mode;
      MeasureDialog(option);
    }
    option->PrinterOption = option->PrinterDisplayMode = -1;
    // The firmware installer has no section of its own (German in German,
    // English in every other language): its buttons, then its progress.
    MeasureDialog(FormPrinterFirmwareInstaller, [] {
      FormPrinterFirmwareInstaller->ShowProgress(100, 5296, QStringLiteral("Installieren..."));
    });
    FormPrinterFirmwareInstaller->ShowProgress(0, 0, QString());
  }

  const std::vector<Captioned> components_ = CaptionedComponents();
  std::set<std::string> seen_;
  Cuts cuts_;
  int language_ = 0;
};

}  // namespace

TEST_F(LanguageLayout, EveryRegisteredTextFitsItsBoxInEveryLanguage) {
  for (int language = 0; language <= 4; ++language) {
    SCOPED_TRACE(TFormSprache::FileName(language));
    ASSERT_EQ(FormSprache->SetLanguage(language), 1);
    language_ = language;
    Daten().RenderRow(0);
    apptest::Screenshot(Form_Main, ("dataview-columns-" + std::to_string(language)).c_str());
    cuts_.clear();
    MeasureEverything();
    EXPECT_EQ(cuts_, Cuts());
  }
  // Every component that exists was seen on the screen.
  const app::LanguageWindows windows;
  std::set<std::string> unseen;
  for (const Captioned& c : components_)
    if (qobject_cast<const QWidget*>(windows.Member(c.window, c.member)) && !seen_.count(c.window + "." + c.member))
      unseen.insert(c.window + "." + c.member);
  EXPECT_EQ(unseen, std::set<std::string>());
}
