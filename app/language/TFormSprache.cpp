#include "app/language/TFormSprache.h"

#include <QKeyEvent>

#include "app/Centre.h"
#include "app/DialogKeys.h"
#include "app/language/LanguageLoader.h"
#include "app/pc/TFormBedienungsmodus.h"
#include "app/TForm_Main.h"
#include "platform/FileIO.h"
#include "platform/qt/DialogFlags.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/LanguageTexts.h"
#include "platform/qt/NamedColours.h"

TFormSprache* FormSprache = nullptr;

namespace {
using platform::colours::kGrey;
using platform::colours::kLightGrey;
using platform::colours::kRed;
using platform::colours::kSilver;
constexpr int kWidth = 201;
constexpr int kMainHeight = 288;
constexpr int kBottomHeight = 65;
constexpr std::uint32_t kFontColour = 0x3C3C3C;

const char* const kFiles[TFormSprache::kLanguages] = {"Deutsch23.lng", "English23.lng", "Francais23.lng",
                                                      "Italiano23.lng", "Espanol23.lng"};

int ValidLanguage(int id) { return id >= 1 && id <= 4 ? id : 0; }

void SetFieldColour(QLineEdit* field, std::uint32_t colour) {
  field->setStyleSheet(
      QStringLiteral("QLineEdit { background: %1; border: none; }").arg(platform::VclColor(colour).name()));
}

}  // namespace

std::string TFormSprache::FileName(int id) { return kFiles[ValidLanguage(id)]; }

TFormSprache::TFormSprache(QWidget* owner) : QDialog(owner, platform::FixedDialogFlags()) {
  FormSprache = this;
  setObjectName(QStringLiteral("FormSprache"));
  setWindowTitle(QStringLiteral(" Sprache"));
  setFont(platform::VerdanaPx(11));
  platform::SetWindowColour(this, kLightGrey);
  platform::SetTextColour(this, kFontColour);

  PanelMain = new platform::Panel(this);
  PanelMain->SetColor(kLightGrey);
  PanelMain->setGeometry(0, 0, kWidth, kMainHeight);
  auto language = [this](int top, const QString& caption, platform::Panel*& panel, platform::SpeedButton*& button) {
    platform::AddButtonPanel(PanelMain, QRect(8, top, 184, 48), caption, panel, button);
    panel->SetColor(kSilver);
  };
  // The five language names stay as they are in every language.
  language(8, QStringLiteral("Deutsch"), PanelDE, SpeedButtonDE);
  language(64, QStringLiteral("English"), PanelEN, SpeedButtonEN);
  language(120, QStringLiteral("Español"), PanelES, SpeedButtonES);
  language(176, QStringLiteral("Français"), PanelFR, SpeedButtonFR);
  language(232, QStringLiteral("Italiano"), PanelIT, SpeedButtonIT);

  PanelUnten = platform::AddButtonRow(this, QRect(0, kMainHeight, kWidth, kBottomHeight));
  platform::AddButtonPanel(PanelUnten, QRect(8, 9, 88, 48), QStringLiteral("OK"), PanelOK, SpeedButtonOK);
  platform::AddButtonPanel(PanelUnten, QRect(104, 9, 88, 48), QStringLiteral("Abbrechen"), PanelAbbrechen,
                           SpeedButtonAbbrechen);
  NAME_AFTER_MEMBER(SpeedButtonOK);
  NAME_AFTER_MEMBER(SpeedButtonAbbrechen);

  Edit_SpracheCRC = new QLineEdit(this);
  Edit_SpracheCRC->setGeometry(68, 282, 64, 14);
  Edit_SpracheCRC->setReadOnly(true);
  Edit_SpracheCRC->setFocusPolicy(Qt::NoFocus);
  Edit_SpracheCRC->setFrame(false);
  Edit_SpracheCRC->setAlignment(Qt::AlignCenter);
  Edit_SpracheCRC->setTextMargins(0, 0, 0, 0);
  Edit_SpracheCRC->setFont(platform::VerdanaPx(10));
  SetFieldColour(Edit_SpracheCRC, kRed);
  // No context menu: the field offers nothing.
  PopupMenuLeer = new QMenu(this);
  Edit_SpracheCRC->setContextMenuPolicy(Qt::NoContextMenu);
  Edit_SpracheCRC->clear();
  Edit_SpracheCRC->hide();
  Edit_SpracheCRC->raise();

  setFixedSize(kWidth, kMainHeight + kBottomHeight);

  connect(SpeedButtonDE, &QAbstractButton::clicked, this, [this] { SpeedButtonDEClick(SpeedButtonDE); });
  connect(SpeedButtonEN, &QAbstractButton::clicked, this, [this] { SpeedButtonENClick(SpeedButtonEN); });
  connect(SpeedButtonFR, &QAbstractButton::clicked, this, [this] { SpeedButtonFRClick(SpeedButtonFR); });
  connect(SpeedButtonIT, &QAbstractButton::clicked, this, [this] { SpeedButtonITClick(SpeedButtonIT); });
  connect(SpeedButtonES, &QAbstractButton::clicked, this, [this] { SpeedButtonESClick(SpeedButtonES); });
  connect(SpeedButtonOK, &QAbstractButton::clicked, this, [this] { SpeedButtonOKClick(SpeedButtonOK); });
  connect(SpeedButtonAbbrechen, &QAbstractButton::clicked, this,
          [this] { SpeedButtonAbbrechenClick(SpeedButtonAbbrechen); });

  ActiveLanguage.store(0);
  ChosenLanguage = 0;
  (void)qtTexts_.Use(0);
  UpdateLanguageView();
}

TFormSprache::~TFormSprache() {
  if (FormSprache == this) FormSprache = nullptr;
}

std::array<platform::Panel*, TFormSprache::kLanguages> TFormSprache::LanguagePanels() const {
  return {PanelDE, PanelEN, PanelFR, PanelIT, PanelES};
}

std::array<platform::SpeedButton*, TFormSprache::kLanguages> TFormSprache::LanguageButtons() const {
  return {SpeedButtonDE, SpeedButtonEN, SpeedButtonFR, SpeedButtonIT, SpeedButtonES};
}

int TFormSprache::SetLanguage(int id) {
  if (!Form_Main) return -1;
  // The same file is loaded again when the id is the active one.
  if (app::LoadLanguageFile(Form_Main->LanguageDir + FileName(id)) != 1) return -1;
  ActiveLanguage.store(ValidLanguage(id));
  (void)qtTexts_.Use(ActiveLanguage.load());
  return 1;
}

void TFormSprache::ShowChecksumWrong(bool wrong) { SetFieldColour(Edit_SpracheCRC, wrong ? kRed : kLightGrey); }

void TFormSprache::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TFormSprache::FormShow() {
  app::CentreOnMainWindow(this);
  const std::array<platform::SpeedButton*, kLanguages> buttons = LanguageButtons();
  for (int id = 0; id < kLanguages; ++id) {
    const bool present = Form_Main && platform::IsFile(Form_Main->LanguageDir + kFiles[id]);
    buttons[static_cast<std::size_t>(id)]->setEnabled(present);
  }
  Edit_SpracheCRC->setVisible(FormBedienungsmodus && FormBedienungsmodus->GetOperatingMode() > 2);
  ChosenLanguage = ActiveLanguage.load();
  UpdateLanguageView();
}

void TFormSprache::UpdateLanguageView() {
  const std::array<platform::Panel*, kLanguages> panels = LanguagePanels();
  for (platform::Panel* p : panels) p->SetColor(kSilver);
  panels[static_cast<std::size_t>(ValidLanguage(ChosenLanguage))]->SetColor(kGrey);
}

void TFormSprache::Choose(int id, platform::SpeedButton* button) {
  button->repaint();
  ChosenLanguage = id;
  UpdateLanguageView();
}

void TFormSprache::SpeedButtonDEClick(QObject*) { Choose(0, SpeedButtonDE); }
void TFormSprache::SpeedButtonENClick(QObject*) { Choose(1, SpeedButtonEN); }
void TFormSprache::SpeedButtonFRClick(QObject*) { Choose(2, SpeedButtonFR); }
void TFormSprache::SpeedButtonITClick(QObject*) { Choose(3, SpeedButtonIT); }
void TFormSprache::SpeedButtonESClick(QObject*) { Choose(4, SpeedButtonES); }

void TFormSprache::SpeedButtonOKClick(QObject*) {
  SpeedButtonOK->repaint();
  done(6);
}

void TFormSprache::SpeedButtonAbbrechenClick(QObject*) {
  SpeedButtonAbbrechen->repaint();
  done(7);
}

void TFormSprache::keyPressEvent(QKeyEvent* event) {
  app::HandleOkCancelKeys(
      this, event, SpeedButtonOK, [this] { SpeedButtonOKClick(SpeedButtonOK); },
      [this] { SpeedButtonAbbrechenClick(SpeedButtonAbbrechen); });
}
