#include <gtest/gtest.h>

#include "printerlink/thread/RequestBoard.h"

using namespace printerthread;

TEST(RequestSlot, TakesTheFlagWithTheValuesOfItsRaising) {
  RequestSlot<MachineTypeRequest> slot;
  EXPECT_FALSE(slot.Take());
  MachineTypeRequest r;
  r.Title = " Typ";
  r.EditMachineType = 2;
  slot.Raise(r);
  r.EditMachineType = 4;  // the window changes its field afterwards
  EXPECT_TRUE(slot.Pending());
  auto taken = slot.Take();
  ASSERT_TRUE(taken);
  EXPECT_EQ(taken->EditMachineType, 2);
  EXPECT_FALSE(slot.Pending());  // idle while its sequence runs
  slot.Raise(r);                 // raised again meanwhile: pending for the next pass
  EXPECT_EQ(slot.Take()->EditMachineType, 4);
  slot.Raise(r);
  slot.Withdraw();  // the form shown again drops what was not taken
  EXPECT_FALSE(slot.Take());
}
