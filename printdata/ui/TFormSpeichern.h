#pragma once
// The save dialog of the storage slots (" Speichern unter..."): chooses a
// slot and the name to save the open data under, or a file below DATA
// through "...".
#include "printdata/ui/SlotDialog.h"

class TFormSpeichern : public printdata::ui::SlotDialog {
 public:
  explicit TFormSpeichern(QWidget* owner);
  ~TFormSpeichern() override;
};

// The one instance, created at start-up.
extern TFormSpeichern* FormSpeichern;
