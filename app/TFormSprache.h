#pragma once
// The language choice. It keeps the UI language that the texts built into
// the code are chosen by; the dialog and the language file loader fill it
// in.
#include <QDialog>
#include <atomic>

class TFormSprache : public QDialog {
 public:
  explicit TFormSprache(QWidget* owner);
  ~TFormSprache() override;

  // 0 German, 1 English, 2 French, 3 Italian, 4 Spanish.
  int GetLanguage() const { return ActiveLanguage.load(); }
  int GetChosenLanguage() const { return ChosenLanguage; }
  // 1 when the language's file was loaded and the id stored, -1 otherwise.
  // No language file can be loaded yet, so German stays.
  int SetLanguage(int id);

  std::atomic<int> ActiveLanguage{0};
  int ChosenLanguage = 0;
};

extern TFormSprache* FormSprache;
