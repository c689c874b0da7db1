#pragma once
// The open dialog of the storage slots (" Öffnen"): chooses a slot's data
// set, or a data archive or group file below DATA through "...".
#include "printdata/ui/SlotDialog.h"

class TFormOeffnen : public printdata::ui::SlotDialog {
 public:
  explicit TFormOeffnen(QWidget* owner);
  ~TFormOeffnen() override;
};

// The one instance, created at start-up.
extern TFormOeffnen* FormOeffnen;
