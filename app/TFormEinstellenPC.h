#pragma once
// The PC settings: which kinds of serial port the printer thread may use and
// the simulation switch. It keeps the settings in force; the dialog fills it
// in.
#include <QDialog>
#include <atomic>

class TFormEinstellenPC : public QDialog {
 public:
  explicit TFormEinstellenPC(QWidget* owner);
  ~TFormEinstellenPC() override;

  // Each 0 or 1; written by the GUI thread, read by the printer thread.
  std::atomic<unsigned> UseRS232USB{1};
  std::atomic<unsigned> UseBluetooth{0};
  std::atomic<unsigned> UseLANWLAN{0};
  std::atomic<unsigned> UseSimulation{0};

  unsigned GetUseRS232USB() const { return UseRS232USB.load(); }
  unsigned GetUseBluetooth() const { return UseBluetooth.load(); }
  unsigned GetUseLANWLAN() const { return UseLANWLAN.load(); }
  unsigned GetSimulation() const { return UseSimulation.load(); }
  // Any value above 1 is stored as 1.
  void SetUseRS232USB(unsigned value) { UseRS232USB.store(value > 1 ? 1 : value); }
  void SetUseBluetooth(unsigned value) { UseBluetooth.store(value > 1 ? 1 : value); }
  void SetUseLANWLAN(unsigned value) { UseLANWLAN.store(value > 1 ? 1 : value); }
};

extern TFormEinstellenPC* FormEinstellenPC;
