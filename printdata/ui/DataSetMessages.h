#pragma once
// The message window around a data-set operation of the open and save
// menus: the busy message while it runs, closed after a success, and the
// notices (the red failure, the silver refusals) from the message
// catalogue. `view` may be null (no message window to show them in).
#include <QString>
#include <cstdint>

class DataSetHost;
class DataViewHost;

namespace printdata::ui {

// Shows the busy message and waits a second, so it is seen even when the
// operation is quick.
void ShowDataSetBusy(DataViewHost* view, DataSetHost& sets, const QString& title);
void CloseDataSetBusy(DataViewHost* view, DataSetHost& sets);
// The notice with catalogue text `number` (DataSetHost::kMsg...).
void ShowDataSetNotice(DataViewHost* view, const QString& title, int number, std::uint32_t colour);

}  // namespace printdata::ui
