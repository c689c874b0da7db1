// Dialogs with a single fixed border and no border icons: the window manager
// is told that they cannot be minimised or maximised.
#include <gtest/gtest.h>

#include <QDialog>

#include "AppFixture.h"
#include "app/pc/TFormBedienungsmodus.h"
#include "app/pc/TFormEinstellenPC.h"
#include "app/pc/TFormHerstellen.h"
#include "app/pc/TFormInfo.h"
#include "app/TFormMessage.h"
#include "app/pc/TFormSchnellhilfe.h"
#include "app/language/TFormSprache.h"
#include "printdata/ui/TFormOeffnen.h"
#include "printdata/ui/TFormSpeichern.h"

namespace {

class DialogBorders : public apptest::AppFixture {};

}  // namespace

TEST_F(DialogBorders, NoMinimiseOrMaximise) {
  const struct {
    const char* name;
    QDialog* dialog;
    bool onTop;
  } dialogs[] = {
      {"message", FormMessage, true},
      {"login", FormBedienungsmodus, false},
      {"language", FormSprache, false},
      {"PC settings", FormEinstellenPC, false},
      {"restore choice", FormHerstellen, false},
      {"info", FormInfo, false},
      {"quick help", FormSchnellhilfe, false},
      {"open slots", FormOeffnen, false},
      {"save slots", FormSpeichern, false},
  };
  for (const auto& d : dialogs) {
    const Qt::WindowFlags f = d.dialog->windowFlags();
    EXPECT_EQ(f & Qt::WindowType_Mask, Qt::Dialog) << d.name;
    EXPECT_TRUE(f & Qt::CustomizeWindowHint) << d.name;
    EXPECT_TRUE(f & Qt::WindowTitleHint) << d.name;
    EXPECT_FALSE(f & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint))
        << d.name;
    // A window that names none of its functions is offered all of them by
    // the window manager; the close function is the one named.
    EXPECT_TRUE(f & Qt::WindowCloseButtonHint) << d.name;
    EXPECT_EQ(bool(f & Qt::WindowStaysOnTopHint), d.onTop) << d.name;
  }
}
