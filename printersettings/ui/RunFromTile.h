#pragma once
// What a tile of the settings view does with its setting form: the form's
// own preparation (PrepareForTile), the form shown modally, and its request
// raised when it closed with OK (6). Returns the modal result.
namespace printersettings::ui {

class SettingForm;

int RunFromTile(SettingForm& form);

}  // namespace printersettings::ui
