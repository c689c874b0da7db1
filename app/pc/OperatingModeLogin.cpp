#include "app/pc/OperatingModeLogin.h"

namespace app {

LoginCheck CheckLogin(unsigned chosen, unsigned current, const QString& typed) {
  if (chosen > 3) return {true, true, 0};
  current = ValidMode(current);
  if (chosen == 0) return {true, current != 0, 0};
  if (chosen == 1) {
    if (current >= 1) return {true, current >= 2, 1};
    if (typed == kPasswordAdministrator) return {true, false, 1};
    if (typed == kPasswordAdministrator + QStringLiteral("*")) return {true, true, 1};
    return {false, false, 1};
  }
  // Chosen 2 or 3, the third button.
  if (current >= 2) return {true, false, chosen};
  if (typed == kPasswordTechnician) return {true, false, 2};
  if (typed == kPasswordTechnician + QStringLiteral("**")) return {true, true, 2};
  if (typed == kPasswordTechnicianPlus) return {true, false, 3};
  if (typed == kPasswordTechnicianPlus + QStringLiteral("***")) return {true, true, 3};
  return {false, false, 2};
}

bool NeedsPassword(unsigned chosen, unsigned current) {
  if (current > 3) return true;
  return (chosen == 1 && current == 0) || ((chosen == 2 || chosen == 3) && current <= 1);
}

}  // namespace app
