#pragma once
// The "Printing" window with its "Cancel" button, shown while a print job
// runs: the button stops the job, and the document it was printing is
// discarded. One instance, AbortDialog, created at start-up.
#include <QDialog>
#include <QPushButton>
#include <cstdint>

class TAbortDialog : public QDialog {
 public:
  explicit TAbortDialog(QWidget* owner);
  ~TAbortDialog() override;

  QPushButton* btnCancel;
  // 1 once Cancel was pressed; a print job sets it back to 0 when it starts.
  std::uint8_t Aborted = 0;

  void btnCancelClick(QObject* sender);

 protected:
  // Esc and the window's close button cancel like the button.
  void reject() override;
  // Centred on the screen at every show.
  void showEvent(QShowEvent* event) override;
};

extern TAbortDialog* AbortDialog;
