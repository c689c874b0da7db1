#pragma once
// The common scheme of the printer's setting forms. Each form is the PC's
// copy of one group of printer settings: Printer fields (the values last
// read, -1 unknown; written only by the printer thread's display steps),
// Edit fields (what the operator chooses; the form copies the Printer
// fields into them each time it is shown) and its request flag, which the
// settings view raises when the form closes with OK (result 6).
//
// A form derives from SettingFormFor<Request> with the request it raises
// (printerlink/thread/Requests.h) and the board slot that carries it:
//
//   class TFormPrinterGeraetTyp : public SettingFormFor<printerthread::MachineTypeRequest> {
//     TFormPrinterGeraetTyp(QWidget* owner)
//         : SettingFormFor(printerthread::PrinterRequests().MachineType,
//                          owner, "FormPrinterGeraetTyp", QStringLiteral(" Gerät Typ")) {
//       ... its panels (SettingWidgets.h), then PlaceButtonRow(top, width) ...
//     }
//     int PrinterMachineType = -1, EditMachineType = -1;
//     void UpdateView() override;  // lights, clamps, captions, then GateOk()
//    protected:
//     void TakePrinterValues(const printerthread::DisplayView& v, bool reset) override;  // mirror -> Printer
//     void CopyPrinterToEdit() override;                                                // Printer -> Edit
//     printerthread::MachineTypeRequest MakeRequest() const override;                  // Edit -> request
//   };
//
// What the base does for every form:
// - the OK and "Abbrechen" panels in a bottom row (PlaceButtonRow);
//   SpeedButtonOKClick closes with 6, SpeedButtonAbbrechenClick with 7;
//   closing the window by its frame gives kResultClosed and raises nothing;
// - FormShow (at every show): runs the form's enabling rules
//   (ApplyEnablingRules), copies Printer to Edit, UpdateView, withdraws a
//   request not yet taken by the printer thread, and centres the form on
//   the main window as it has then become;
// - keys: Enter (no modifier) as OK while OK is enabled, Esc as
//   "Abbrechen", Ctrl+P the hard copy of the form, F1 the user guide;
// - OK gating (GateOk, the last step of every UpdateView): OK is enabled
//   while the operating mode allows it (MinimumOperatingMode; no
//   operating-mode window counts as allowed) and the form's own OkAllowed
//   agrees; a click on the disabled OK (PanelOKClick) shows the refusal
//   "Kann von Benutzer nicht ausgeführt werden!" (or, for forms that need
//   mode 2, "... von Benutzer und Administrator ...") titled with OK's
//   caption, and nothing when the mode is not what refused;
// - it registers with the printer thread's displays, so the thread's
//   display steps reach TakePrinterValues (reset true after a lost link);
// - it takes its page of the printer-settings hard copy
//   (platform::RegisterSettingsPage): PrepareForHardcopy runs before it is
//   printed, and while its request is raised and not yet taken it is
//   printed as it stands, never shown for it (the show would withdraw the
//   request);
// - on a language change it hands its captions to the printer thread
//   (PublishCaptions), which builds its texts from them.
// Step buttons with auto-repeat: RepeatTimer.h; rows and choices:
// SettingWidgets.h; captions and bands: printersettings/StepCaptions.h and
// StepRepeat.h; clamping and the value a choice sends: SettingValues.h.
#include <QDialog>
#include <QString>
#include <utility>

#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"
#include "platform/qt/TextCodec.h"
#include "printerlink/thread/PrinterCaptions.h"
#include "printerlink/thread/PrinterDisplay.h"
#include "printerlink/thread/RequestSlot.h"
#include "printersettings/ui/SettingFormServices.h"

namespace printersettings::ui {

inline constexpr int kResultOk = 6;
inline constexpr int kResultCancel = 7;
inline constexpr int kResultClosed = 2;  // closed by the window's frame

class SettingForm : public QDialog, public printerthread::PrinterDisplay {
 public:
  // `name`: the form's class name without the T ("FormPrinterGeraetTyp");
  // `caption`: the window caption with its leading blank.
  SettingForm(QWidget* owner, const char* name, const QString& caption);
  ~SettingForm() override;

  platform::Panel* PanelUnten = nullptr;
  platform::Panel* PanelOK = nullptr;
  platform::SpeedButton* SpeedButtonOK = nullptr;
  platform::Panel* PanelAbbrechen = nullptr;
  platform::SpeedButton* SpeedButtonAbbrechen = nullptr;

  // The request flag (SendRequest): raised with a copy of the Edit values,
  // titled with the form's caption; withdrawn while not yet taken.
  virtual void RaiseRequest() = 0;
  virtual void WithdrawRequest() = 0;
  virtual bool RequestPending() const = 0;

  // What the settings view's tile runs before it opens the form (the
  // print-mode and pulse forms hide their expert panel).
  virtual void PrepareForTile() {}
  // What the printer-settings hard copy runs before it prints the form
  // (the print-mode and pulse forms print their expert panel).
  virtual void PrepareForHardcopy() {}

  void FormShow();
  // Lights the choices, clamps the values, sets captions and labels; last
  // step GateOk().
  virtual void UpdateView() = 0;

  void PanelOKClick(QObject* sender);
  void SpeedButtonOKClick(QObject* sender);
  void SpeedButtonAbbrechenClick(QObject* sender);
  void FormKeyDown(QKeyEvent* event);

  // The printer thread's display steps.
  void ResetDisplay(const printerthread::DisplayView& view) override;
  void RefreshDisplay(const printerthread::DisplayView& view) override;

  // Closing by the frame (or reject()) gives kResultClosed.
  void reject() override;

 protected:
  // Mirror -> Printer fields (reset: after a lost link, the mirror holds
  // its unknown values); also the rows the display steps enable.
  virtual void TakePrinterValues(const printerthread::DisplayView& view, bool reset) = 0;
  virtual void CopyPrinterToEdit() = 0;
  // The form's own enabling rules, run at every show before the copy.
  virtual void ApplyEnablingRules() {}
  // A further condition of OK besides the operating mode (a required
  // choice still unknown, the clock form's "PC").
  virtual bool OkAllowed() const { return true; }
  // 1: OK is refused in mode 0 only; 2: also in mode 1.
  virtual int MinimumOperatingMode() const { return 1; }
  // The captions the printer thread builds its texts from.
  virtual void PublishCaptions(printerthread::PrinterCaptions& captions) const { (void)captions; }

  // Enables OK by the operating mode and OkAllowed.
  void GateOk();
  // The bottom row at `top`, `width` wide (OK and "Abbrechen" centred as a
  // pair), and the form's size: `width` x `top` + 65.
  void PlaceButtonRow(int top, int width);
  // Centres the form on the main window (also for forms whose refresh
  // changes their size).
  void Centre();
  // Publishes the captions now (a form whose captions change after the
  // language load calls it).
  void HandCaptions();

  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  bool ModeAllowsOk() const;
};

// The request half of a form: `Base` is SettingForm or a shared layout
// derived from it (several forms of one kind share one); the slot comes
// first, then the base's own arguments.
template <class Request, class Base = SettingForm>
class SettingFormFor : public Base {
 public:
  template <class... BaseArgs>
  explicit SettingFormFor(printerthread::RequestSlot<Request>& slot, BaseArgs&&... args)
      : Base(std::forward<BaseArgs>(args)...), slot_(slot) {}

  void RaiseRequest() override {
    Request r = MakeRequest();
    r.Title = platform::FromQt(this->windowTitle());
    slot_.Raise(std::move(r));
  }
  void WithdrawRequest() override { slot_.Withdraw(); }
  bool RequestPending() const override { return slot_.Pending(); }

 protected:
  // The Edit values to send.
  virtual Request MakeRequest() const = 0;

 private:
  printerthread::RequestSlot<Request>& slot_;
};

}  // namespace printersettings::ui
