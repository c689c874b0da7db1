// Qt's own dialogs speak the UI language: the standard buttons of a message
// box (the firmware warning's Yes and No), the print dialog and its question
// before it overwrites a file. They start German with the program, follow
// every language change and go back to English; the program's own button
// texts stay as they are.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <filesystem>

#include "LanguageFixtures.h"
#include "app/language/QtTranslations.h"
#include "app/language/TFormSprache.h"
#include "app/TForm_Main.h"
#include "printing/ui/TAbortDialog.h"

namespace {

class QtTexts : public apptest::LanguageApp {};

// The text of a message box's standard button, without its mnemonic.
QString StandardButtonText(QMessageBox::StandardButton which) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("t"), QStringLiteral("x"), QMessageBox::Yes | QMessageBox::No);
  return box.button(which)->text().remove(QLatin1Char('&'));
}

QString PrintDialogTitle() {
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  QPrintDialog dialog(&printer);
  return dialog.windowTitle();
}

QString OverwriteQuestion() {
  return QCoreApplication::translate("QPrintDialog", "%1 already exists.\nDo you want to overwrite it?");
}

struct Language {
  int id;
  const char* yes;
  const char* no;
  const char* print;
  const char* overwrite;  // a word of the overwrite question
};

const Language kLanguages[] = {
    {0, "Ja", "Nein", "Drucken", "überschrieben"},
    {1, "Yes", "No", "Print", "overwrite"},
    {2, "Oui", "Non", "Imprimer", "écraser"},
    {3, "Sì", "No", "Stampa", "sostituirlo"},
    {4, "Sí", "No", "Imprimir", "sobrescribirlo"},
};

TEST_F(QtTexts, FollowTheUiLanguageAndBack) {
  // German from the start, before any language file was loaded.
  EXPECT_EQ(StandardButtonText(QMessageBox::Yes), QStringLiteral("Ja"));
  for (const Language& l : kLanguages) {
    ASSERT_EQ(FormSprache->SetLanguage(l.id), 1) << l.id;
    EXPECT_EQ(StandardButtonText(QMessageBox::Yes), QString::fromUtf8(l.yes)) << l.id;
    EXPECT_EQ(StandardButtonText(QMessageBox::No), QString::fromUtf8(l.no)) << l.id;
    EXPECT_EQ(PrintDialogTitle(), QString::fromUtf8(l.print)) << l.id;
    EXPECT_TRUE(OverwriteQuestion().contains(QString::fromUtf8(l.overwrite)))
        << l.id << ": " << OverwriteQuestion().toStdString();
  }
  // French, then back to English and German.
  ASSERT_EQ(FormSprache->SetLanguage(2), 1);
  ASSERT_EQ(FormSprache->SetLanguage(1), 1);
  EXPECT_EQ(StandardButtonText(QMessageBox::Yes), QStringLiteral("Yes"));
  EXPECT_EQ(PrintDialogTitle(), QStringLiteral("Print"));
  ASSERT_EQ(FormSprache->SetLanguage(0), 1);
  EXPECT_EQ(StandardButtonText(QMessageBox::Yes), QStringLiteral("Ja"));
}

// A language whose file does not load leaves Qt's texts as they were; the
// program's own button texts never change with Qt's.
TEST_F(QtTexts, StayWithARefusedLanguageAndLeaveTheProgramsTexts) {
  ASSERT_EQ(FormSprache->SetLanguage(2), 1);
  std::filesystem::remove(Form_Main->LanguageDir + "Deutsch23.lng");
  EXPECT_EQ(FormSprache->SetLanguage(0), -1);
  EXPECT_EQ(StandardButtonText(QMessageBox::Yes), QStringLiteral("Oui"));

  TAbortDialog abort(nullptr);
  EXPECT_EQ(abort.btnCancel->text(), QStringLiteral("&Cancel"));
  EXPECT_EQ(abort.windowTitle(), QStringLiteral("Printing"));
}

// Every language of the program has Qt's translation where the package
// puts it; English is Qt's own.
TEST(QtTranslations, EveryLanguageLoads) {
  for (int id = 0; id < 5; ++id) {
    app::QtTranslations texts;
    EXPECT_TRUE(texts.Use(id)) << app::QtTranslations::LanguageCode(id).toStdString()
                               << ": install qt6-translations-l10n (scripts/install-deps.sh)";
  }
  EXPECT_EQ(StandardButtonText(QMessageBox::Yes), QStringLiteral("Yes"));  // gone with the object
}

}  // namespace
