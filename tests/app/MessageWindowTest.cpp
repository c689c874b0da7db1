#include <gtest/gtest.h>

#include <QApplication>
#include <QWindow>

#include "AppFixture.h"
#include "app/TFormMessage.h"
#include "app/TForm_Main.h"
#include "platform/qt/SpeedButton.h"

using platform::BeepKind;

namespace {

using MessageWindow = apptest::AppFixture;
using apptest::EventCounter;
using apptest::PressKey;

}  // namespace

TEST_F(MessageWindow, CatalogueDefaultsInLanguageFileOrder) {
  const char* expected[] = {
      "Bitte speichern oder schliessen Sie zuerst die geöffneten Daten.",
      "Bitte speichern Sie zuerst die geöffneten Daten.",
      "Sicherung kann von Benutzer nicht überschrieben werden!",
      "Kann von Benutzer nicht ausgeführt werden!",
      "Kann von Benutzer und Administrator nicht ausgeführt werden!",
      "Wird ausgeführt...",
      "Wird übertragen...",
      "Erfolgreich beendet.",
      "Keine Daten vorhanden.",
      "Nicht erfolgreich beendet.",
      "Bitte ziehen Sie das USB Kabel zum Drucker aus.",
      "Wird gestartet...",
      "Wird beendet...",
      "Die Funktion ist noch nicht verfügbar.",
      "Der Drucker unterstützt die Einstellung noch nicht.",
      "Es wurde noch kein Drucker gefunden.",
      "Kann von Benutzer nicht verändert werden!",
      "Schutz für Benutzer ist eingeschaltet!",
      "Schutz für Benutzer auf dem Drucker erkannt!",
      "Die Firewall blockiert das Programm!",
      "Bitte beheben Sie das Problem und starten Sie das Programm neu.",
      "Der Server ist momentan nicht verfügbar.",
      "Bitte versuchen Sie es später nochmals.",
      "Es besteht keine Verbindung zum Internet.",
      "Haben Sie mit einem Internetbrowser Zugang zum Internet?",
      "Ja",
      "Nein",
      "Bitte starten Sie das Programm neu.",
      "Bitte updaten Sie auf die neueste Version!",
  };
  for (int n = 1; n <= 29; ++n) {
    ASSERT_NE(FormMessage->CatalogueEntry(n), nullptr);
    EXPECT_EQ(*FormMessage->CatalogueEntry(n), QString::fromUtf8(expected[n - 1])) << n;
  }
  EXPECT_EQ(FormMessage->CatalogueEntry(0), nullptr);
  EXPECT_EQ(FormMessage->CatalogueEntry(30), nullptr);
  EXPECT_EQ(FormMessage->CatalogueEntry(16), &FormMessage->MsgNoPrinter);
  EXPECT_EQ(FormMessage->CatalogueEntry(20), &FormMessage->MsgFirewall);
}

TEST_F(MessageWindow, EachCatalogueTextShowsWithItsColour) {
  const std::uint32_t colours[] = {TFormMessage::kYellow, TFormMessage::kGreen, TFormMessage::kRed};
  for (int n = 1; n <= 29; ++n) {
    const std::uint32_t colour = colours[n % 3];
    FormMessage->ShowNotice(QStringLiteral("T"), *FormMessage->CatalogueEntry(n), colour, false);
    EXPECT_EQ(FormMessage->PanelMain->Caption(), *FormMessage->CatalogueEntry(n));
    EXPECT_EQ(FormMessage->PanelMain->Color(), colour);
  }
  FormMessage->ShowNotice(QStringLiteral("T"), FormMessage->MsgNoData, TFormMessage::kSilver, false);
  EXPECT_EQ(FormMessage->PanelMain->Color(), 15790320u);
  FormMessage->close();
}

TEST_F(MessageWindow, BusyMessageLook) {
  FormMessage->ShowBusy(QStringLiteral("  Daten  speichern "), FormMessage->MsgRunning, TFormMessage::kYellow, false);
  EXPECT_TRUE(FormMessage->isVisible());
  EXPECT_EQ(FormMessage->windowTitle(), QStringLiteral(" Daten  speichern"));
  EXPECT_EQ(FormMessage->Kind, MessageKind::Busy);
  EXPECT_EQ(FormMessage->PanelMain->Caption(), QStringLiteral("Wird ausgeführt..."));
  EXPECT_TRUE(FormMessage->LabelText1->text().isEmpty());
  EXPECT_TRUE(FormMessage->PanelUnten1->isHidden());
  EXPECT_TRUE(FormMessage->PanelUnten2->isHidden());
  EXPECT_EQ(FormMessage->height(), 152);
  EXPECT_EQ(FormMessage->PanelMain->cursor().shape(), Qt::WaitCursor);

  FormMessage->ShowNotice2(QStringLiteral("T"), QStringLiteral("eins"), QStringLiteral("zwei"), TFormMessage::kGreen,
                           false);
  EXPECT_EQ(FormMessage->Kind, MessageKind::Notice);
  EXPECT_TRUE(FormMessage->PanelMain->Caption().isEmpty());
  EXPECT_EQ(FormMessage->LabelText1->text(), QStringLiteral("eins"));
  EXPECT_EQ(FormMessage->LabelText2->text(), QStringLiteral("zwei"));
  EXPECT_FALSE(FormMessage->PanelUnten1->isHidden());
  EXPECT_EQ(FormMessage->height(), 152 + 65);
  EXPECT_NE(FormMessage->PanelMain->cursor().shape(), Qt::WaitCursor);
  FormMessage->close();
  EXPECT_EQ(FormMessage->Kind, MessageKind::None);
}

TEST_F(MessageWindow, BusyMessageIsOnTheScreenBeforeTheWorkStarts) {
  // The caller blocks right after a busy message (the closing wait, an
  // archive, a transfer): the message must be painted by then, not when the
  // event loop runs again.
  Form_Main->show();
  EventCounter panel(FormMessage->PanelMain, QEvent::Paint);
  FormMessage->ShowBusy(QStringLiteral("T"), FormMessage->MsgClosing, TFormMessage::kYellow, false);
  ASSERT_NE(FormMessage->windowHandle(), nullptr);
  EXPECT_TRUE(FormMessage->windowHandle()->isExposed());
  EXPECT_GE(panel.count, 1);
  // Replacing the text of a message that is up paints the new one as well.
  panel.count = 0;
  FormMessage->ShowBusy(QStringLiteral("T"), FormMessage->MsgRunning, TFormMessage::kYellow, false);
  EXPECT_GE(panel.count, 1);
  FormMessage->close();
}

TEST_F(MessageWindow, BeepsWhenTheKindChanges) {
  FormMessage->ShowBusy(QStringLiteral("T"), QStringLiteral("a"), TFormMessage::kYellow, false);
  FormMessage->ShowBusy(QStringLiteral("T"), QStringLiteral("b"), TFormMessage::kYellow, false);
  EXPECT_EQ(beeps_, (std::vector<BeepKind>{BeepKind::Exclamation}));
  FormMessage->ShowNotice(QStringLiteral("T"), QStringLiteral("c"), TFormMessage::kRed, false);
  FormMessage->ShowNotice(QStringLiteral("T"), QStringLiteral("d"), TFormMessage::kRed, false);
  EXPECT_EQ(beeps_, (std::vector<BeepKind>{BeepKind::Exclamation, BeepKind::Stop}));
  FormMessage->close();
}

TEST_F(MessageWindow, ModalNoticeClosesTheBusyMessageFirst) {
  FormMessage->ShowBusy(QStringLiteral("T"), QStringLiteral("busy"), TFormMessage::kYellow, false);
  bool sawNotice = false;
  apptest::WhenModal([&] {
    sawNotice = FormMessage->Kind == MessageKind::Notice && FormMessage->PanelMain->Caption() == "done" &&
                FormMessage->PanelUnten2->isHidden();
    PressKey(FormMessage, Qt::Key_Return);
  });
  FormMessage->ShowNotice(QStringLiteral("T"), QStringLiteral("done"), TFormMessage::kGreen, true);
  EXPECT_TRUE(sawNotice);
  EXPECT_FALSE(FormMessage->isVisible());
  EXPECT_EQ(FormMessage->Kind, MessageKind::None);
  // Busy, then the notice after the busy message was closed.
  EXPECT_EQ(beeps_, (std::vector<BeepKind>{BeepKind::Exclamation, BeepKind::Exclamation}));
}

TEST_F(MessageWindow, QuestionAnswers) {
  const struct {
    int key;
    Qt::KeyboardModifiers mods;
    int expected;
  } keys[] = {{Qt::Key_Return, Qt::NoModifier, 6}, {Qt::Key_Escape, Qt::NoModifier, 7}};
  for (const auto& k : keys) {
    apptest::WhenModal([&] {
      // Held modifiers make the keys do nothing.
      PressKey(FormMessage, k.key, Qt::ShiftModifier);
      PressKey(FormMessage, k.key, k.mods);
    });
    EXPECT_EQ(FormMessage->AskYesNo(QStringLiteral("T"), QStringLiteral("1"), QStringLiteral("2"),
                                    FormMessage->MsgYes, FormMessage->MsgNo, TFormMessage::kSilver),
              k.expected);
  }
  apptest::WhenModal([] {
    EXPECT_EQ(FormMessage->SpeedButtonJa->Caption(), QStringLiteral("Sichern"));
    EXPECT_FALSE(FormMessage->PanelUnten2->isHidden());
    EXPECT_TRUE(FormMessage->PanelUnten1->isHidden());
    FormMessage->SpeedButtonNein->click();
  });
  EXPECT_EQ(FormMessage->AskYesNo(QStringLiteral("T"), QStringLiteral("1"), QStringLiteral("2"), "Sichern", "Weiter",
                                  TFormMessage::kSilver),
            7);
  apptest::WhenModal([] { FormMessage->close(); });
  EXPECT_EQ(FormMessage->AskYesNo(QStringLiteral("T"), QStringLiteral("1"), QStringLiteral("2"), "Ja", "Nein",
                                  TFormMessage::kSilver),
            7);
}

TEST_F(MessageWindow, ClosingRestoresWhatTheMainWindowHadBefore) {
  // The paste dialog keeps the side bar off while it is open; a message on
  // top of it must not switch the side bar back on.
  Form_Main->PanelLinks->setEnabled(false);
  FormMessage->ShowBusy(QStringLiteral("T"), QStringLiteral("a"), TFormMessage::kYellow, false);
  EXPECT_FALSE(platform::OwnEnabled(Form_Main->PanelMain));
  FormMessage->ShowNotice(QStringLiteral("T"), QStringLiteral("b"), TFormMessage::kSilver, false);
  FormMessage->close();
  EXPECT_FALSE(platform::OwnEnabled(Form_Main->PanelLinks));
  EXPECT_TRUE(platform::OwnEnabled(Form_Main->PanelMain));

  Form_Main->PanelLinks->setEnabled(true);
  FormMessage->ShowBusy(QStringLiteral("T"), QStringLiteral("a"), TFormMessage::kYellow, false);
  apptest::WhenModal([] {
    EXPECT_FALSE(platform::OwnEnabled(Form_Main->PanelLinks));
    FormMessage->SpeedButtonInformationOK->click();
  });
  FormMessage->ShowNotice(QStringLiteral("T"), QStringLiteral("b"), TFormMessage::kSilver, true);
  EXPECT_TRUE(platform::OwnEnabled(Form_Main->PanelLinks));
  EXPECT_TRUE(platform::OwnEnabled(Form_Main->PanelMain));
}

TEST_F(MessageWindow, CentredOnTheMainWindow) {
  Form_Main->setGeometry(100, 50, 900, 700);
  Form_Main->show();
  FormMessage->ShowBusy(QStringLiteral("T"), QStringLiteral("a"), TFormMessage::kYellow, false);
  const QRect m = Form_Main->frameGeometry();
  const QRect f = FormMessage->frameGeometry();
  EXPECT_EQ(f.left(), m.left() + m.width() / 2 - f.width() / 2);
  EXPECT_EQ(f.top(), m.top() + m.height() / 2 - f.height() / 2);
  FormMessage->close();
}
