#include "printdata/ui/TFrameMenuSpeichern.h"

#include "filedialog/ui/TForm_FileDialog.h"
#include "platform/Beep.h"
#include "platform/FileIO.h"
#include "platform/qt/NamedColours.h"
#include "printdata/DataSetArchive.h"
#include "printdata/DataSetNames.h"
#include "printdata/SlotStore.h"
#include "printdata/ui/ClickRouting.h"
#include "printdata/ui/ComputerPlaces.h"
#include "printdata/ui/DataSetHost.h"
#include "printdata/ui/DataSetMessages.h"
#include "printdata/ui/MenuFrame.h"
#include "printdata/ui/TFormSpeichern.h"
#include "printdata/ui/TFrameDaten.h"

namespace {

using namespace platform::colours;

}  // namespace

TFrameMenuSpeichern::TFrameMenuSpeichern(QWidget* owner) : QWidget(owner) {
  using printdata::ui::AddMenuButton;
  PanelEingang = printdata::ui::SetUpMenuFrame(this, "FrameMenuSpeichern");
  PanelMain1 = printdata::ui::AddMenuBlock(this, "PanelMain1", 0, 120);
  AddMenuButton(PanelMain1, "PanelSpeichern", "SpeedButtonSpeichern", QStringLiteral("Speichern"), 8, 8,
                PanelSpeichern, SpeedButtonSpeichern);
  AddMenuButton(PanelMain1, "PanelSpeichernUnter", "SpeedButtonSpeichernUnter", QStringLiteral("Speichern unter..."),
                8, 64, PanelSpeichernUnter, SpeedButtonSpeichernUnter);
  PanelMain2 = printdata::ui::AddMenuBlock(this, "PanelMain2", 120, 64);
  AddMenuButton(PanelMain2, "PanelExportieren", "SpeedButtonExportieren", QStringLiteral("Exportieren"), 8, 8,
                PanelExportieren, SpeedButtonExportieren);
  PanelEingang->raise();

  auto onClick = [this](platform::SpeedButton* b, void (TFrameMenuSpeichern::*handler)(QObject*)) {
    connect(b, &QAbstractButton::clicked, this, [this, b, handler] { (this->*handler)(b); });
  };
  onClick(SpeedButtonSpeichern, &TFrameMenuSpeichern::SpeedButtonSpeichernClick);
  onClick(SpeedButtonSpeichernUnter, &TFrameMenuSpeichern::SpeedButtonSpeichernUnterClick);
  onClick(SpeedButtonExportieren, &TFrameMenuSpeichern::SpeedButtonExportierenClick);
  for (platform::Panel* p : {PanelMain1, PanelMain2}) printdata::ui::OnClick(p, [this, p] { PanelMain1Click(p); });

  resize(printdata::ui::kMenuWidth, 184);
  hide();
}

void TFrameMenuSpeichern::IdleStep() {
  if (view_ && view_->Host()) view_->Host()->CloseMenusAndRefresh();
}

void TFrameMenuSpeichern::PanelMain1Click(QObject*) { IdleStep(); }

void TFrameMenuSpeichern::StartBusy(const QString& title) {
  printdata::ui::ShowDataSetBusy(view_->Host(), *host_, title);
}

void TFrameMenuSpeichern::EndBusy() { printdata::ui::CloseDataSetBusy(view_->Host(), *host_); }

void TFrameMenuSpeichern::ShowFailure(const QString& title) {
  printdata::ui::ShowDataSetNotice(view_->Host(), title, DataSetHost::kMsgDoneFailed, kRed);
}

int TFrameMenuSpeichern::SaveArchive(const std::string& folder, const std::string& name) {
  if (!view_ || !host_) return -1;
  const std::string target = printdata::ArchivePathFor(folder, name);
  return printdata::SaveDataSetArchive(host_->Archives(), host_->TmpDir(), view_->Group, view_->Count, target) ? 1
                                                                                                              : -1;
}

void TFrameMenuSpeichern::SpeedButtonSpeichernClick(QObject*) {
  SpeedButtonSpeichern->repaint();
  IdleStep();
  if (!view_ || !host_) return;
  const std::string path = view_->PanelTitel->Hint().toStdString();
  if (!platform::IsFile(path)) {
    // New, imported or vanished data has no file to go back to.
    SpeedButtonSpeichernUnterClick(SpeedButtonSpeichern);
    return;
  }
  const QString title = SpeedButtonSpeichern->Caption();
  StartBusy(title);
  if (SaveArchive(printdata::FolderOf(path), printdata::FileNameOf(path)) == 1) {
    view_->SetModified(false);
    EndBusy();
  } else {
    view_->SetModified(true);
    ShowFailure(title);
  }
  IdleStep();
}

void TFrameMenuSpeichern::SpeedButtonSpeichernUnterClick(QObject* sender) {
  // "Speichern" of data without a file comes here with its own button.
  platform::SpeedButton* pressed =
      sender == SpeedButtonSpeichern ? SpeedButtonSpeichern : SpeedButtonSpeichernUnter;
  pressed->repaint();
  IdleStep();
  if (!view_ || !host_) return;
  TFormSpeichern* dialog = Dialog ? Dialog : FormSpeichern;
  if (!dialog) return;
  dialog->Connect(view_, host_);
  if (dialog->ShowModal() != 6) {
    IdleStep();
    return;
  }
  const QString title = pressed->Caption();
  StartBusy(title);
  const std::string path = printdata::ArchivePathFor(dialog->SelectedFolder, dialog->SelectedFile);
  if (SaveArchive(printdata::FolderOf(path), printdata::FileNameOf(path)) == 1) {
    // The slot's earlier content goes only now that the new data set is
    // there; a failed save leaves the slot as it was.
    if (dialog->SlotChosen && !printdata::KeepOnly(dialog->SelectedFolder, printdata::FileNameOf(path)))
      platform::Beep(platform::BeepKind::Error);
    view_->SetModified(false);
    view_->PanelTitel->SetCaption(QString::fromStdString(printdata::WithoutExtension(printdata::FileNameOf(path))));
    view_->PanelTitel->SetHint(QString::fromStdString(path));
    EndBusy();
  } else {
    view_->SetModified(true);
    ShowFailure(title);
  }
  IdleStep();
}

void TFrameMenuSpeichern::SpeedButtonExportierenClick(QObject*) {
  SpeedButtonExportieren->repaint();
  IdleStep();
  if (!view_ || !host_) return;
  const QString title = SpeedButtonExportieren->Caption();
  if (view_->IsModified()) {
    printdata::ui::ShowDataSetNotice(view_->Host(), title, DataSetHost::kMsgSaveFirst, kSilver);
    return;
  }
  TForm_FileDialog* files = host_->FileDialog();
  if (!files) return;
  printdata::ui::SetUpComputerFileDialog(*files, title, printdata::kArchiveExtension, 1,
                                         view_->PanelTitel->Caption().toStdString(), host_->TmpDir() + "ZG12");
  if (files->ShowModal() != 1) {
    IdleStep();
    return;
  }
  StartBusy(title);
  const std::string path = files->GetFileName();
  if (SaveArchive(printdata::FolderOf(path), printdata::FileNameOf(path)) == 1)
    EndBusy();
  else
    ShowFailure(title);
  IdleStep();
}
