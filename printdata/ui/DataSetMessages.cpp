#include "printdata/ui/DataSetMessages.h"

#include "platform/Clock.h"
#include "printdata/ui/DataSetHost.h"
#include "printdata/ui/DataViewHost.h"

namespace printdata::ui {

void ShowDataSetBusy(DataViewHost* view, DataSetHost& sets, const QString& title) {
  if (view) {
    view->ProcessMessages();
    sets.ShowBusy(title, view->CatalogueText(DataSetHost::kMsgRunning));
  }
  platform::SleepMs(1000);
}

void CloseDataSetBusy(DataViewHost* view, DataSetHost& sets) {
  if (view) view->ProcessMessages();
  sets.CloseMessage();
}

void ShowDataSetNotice(DataViewHost* view, const QString& title, int number, std::uint32_t colour) {
  if (!view) return;
  view->ProcessMessages();
  view->ShowNotice(title, view->CatalogueText(number), colour);
}

}  // namespace printdata::ui
