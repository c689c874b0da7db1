#include "printersettings/ui/RunFromTile.h"

#include "printersettings/ui/SettingForm.h"

namespace printersettings::ui {

int RunFromTile(SettingForm& form) {
  form.PrepareForTile();
  const int result = form.exec();
  if (result == kResultOk) form.RaiseRequest();
  return result;
}

}  // namespace printersettings::ui
