#include "printdata/ui/TFrameMenuOeffnen.h"

#include "filedialog/ui/TForm_FileDialog.h"
#include "platform/qt/LanguageTexts.h"
#include "platform/qt/NamedColours.h"
#include "printdata/DataSetArchive.h"
#include "printdata/DataSetNames.h"
#include "printdata/Init.h"
#include "printdata/ui/ClickRouting.h"
#include "printdata/ui/ComputerPlaces.h"
#include "printdata/ui/DataSetHost.h"
#include "printdata/ui/DataSetMessages.h"
#include "printdata/ui/MenuFrame.h"
#include "printdata/ui/TFormOeffnen.h"
#include "printdata/ui/TFrameDaten.h"
#include "printdata/ui/TFrameMenuSchliessen.h"

namespace {

using namespace platform::colours;

std::vector<int> IndexesOf(const printdata::GroupLoadReport& report) {
  std::vector<int> indexes;
  for (const printdata::PrintTextLoadFailure& f : report.FailedTexts) indexes.push_back(f.Index);
  return indexes;
}

}  // namespace

TFrameMenuOeffnen::TFrameMenuOeffnen(QWidget* owner) : QWidget(owner) {
  using printdata::ui::AddMenuButton;
  PanelEingang = printdata::ui::SetUpMenuFrame(this, "FrameMenuOeffnen");
  PanelMain1 = printdata::ui::AddMenuBlock(this, "PanelMain1", 0, 64);
  AddMenuButton(PanelMain1, "PanelNeu", "SpeedButtonNeu", QStringLiteral("Neu"), 8, 8, PanelNeu, SpeedButtonNeu);
  PanelMain2 = printdata::ui::AddMenuBlock(this, "PanelMain2", 64, 64);
  AddMenuButton(PanelMain2, "PanelOeffnen", "SpeedButtonOeffnen", QStringLiteral("Öffnen"), 8, 8, PanelOeffnen,
                SpeedButtonOeffnen);
  PanelMain3 = printdata::ui::AddMenuBlock(this, "PanelMain3", 128, 64);
  AddMenuButton(PanelMain3, "PanelImportieren", "SpeedButtonImportieren", QStringLiteral("Importieren"), 8, 8,
                PanelImportieren, SpeedButtonImportieren);
  PanelEingang->raise();

  auto onClick = [this](platform::SpeedButton* b, void (TFrameMenuOeffnen::*handler)(QObject*)) {
    connect(b, &QAbstractButton::clicked, this, [this, b, handler] { (this->*handler)(b); });
  };
  onClick(SpeedButtonNeu, &TFrameMenuOeffnen::SpeedButtonNeuClick);
  onClick(SpeedButtonOeffnen, &TFrameMenuOeffnen::SpeedButtonOeffnenClick);
  onClick(SpeedButtonImportieren, &TFrameMenuOeffnen::SpeedButtonImportierenClick);
  for (platform::Panel* p : {PanelMain1, PanelMain2, PanelMain3})
    printdata::ui::OnClick(p, [this, p] { PanelMain1Click(p); });

  resize(printdata::ui::kMenuWidth, 192);
  hide();
}

void TFrameMenuOeffnen::IdleStep() {
  if (view_ && view_->Host()) view_->Host()->CloseMenusAndRefresh();
}

void TFrameMenuOeffnen::PanelMain1Click(QObject*) { IdleStep(); }

bool TFrameMenuOeffnen::RefuseWhileModified(const QString& title) {
  if (!view_ || !view_->IsModified()) return false;
  printdata::ui::ShowDataSetNotice(view_->Host(), title, DataSetHost::kMsgSaveOrCloseFirst, kSilver);
  return true;
}

void TFrameMenuOeffnen::EndLoad(const QString& title, int result) {
  if (result == 1) {
    printdata::ui::CloseDataSetBusy(view_->Host(), *host_);
    ReportUnreadTexts(title);
  } else {
    printdata::ui::ShowDataSetNotice(view_->Host(), title, DataSetHost::kMsgDoneFailed, kRed);
  }
  IdleStep();
}

void TFrameMenuOeffnen::CloseData() {
  if (!view_) return;
  if (TFrameMenuSchliessen* close = view_->Menus().Schliessen) {
    close->SpeedButtonSchliessenJaClick(close->SpeedButtonSchliessenJa);
  } else {
    view_->CloseData();
  }
  // Nothing is drawn until the new rows are in.
  view_->FreezeList();
}

void TFrameMenuOeffnen::SpeedButtonNeuClick(QObject*) {
  SpeedButtonNeu->repaint();
  IdleStep();
  if (!view_ || RefuseWhileModified(SpeedButtonNeu->Caption())) return;
  TFrameDaten& d = *view_;
  d.PanelTitel->SetCaption(d.TitleNew);
  d.PanelTitel->SetHint(QString());
  d.SetModified(true);
  d.Selected = 0;
  d.Count = 1;
  printdata::GroupInit(d.Group);
  UnreadTexts.clear();
  d.RenderRow(0);
  d.SelectRow(d.RowImages[0]);
  d.Repaint();
  IdleStep();
}

void TFrameMenuOeffnen::SpeedButtonOeffnenClick(QObject*) {
  SpeedButtonOeffnen->repaint();
  IdleStep();
  const QString title = SpeedButtonOeffnen->Caption();
  if (!view_ || RefuseWhileModified(title)) return;
  TFormOeffnen* dialog = Dialog ? Dialog : FormOeffnen;
  if (!dialog || !host_) return;
  dialog->Connect(view_, host_);
  if (dialog->ShowModal() != 6) {
    IdleStep();
    return;
  }
  printdata::ui::ShowDataSetBusy(view_->Host(), *host_, title);
  const std::string path = dialog->SelectedFolder + dialog->SelectedFile;
  EndLoad(title, printdata::HasExtension(path, printdata::kArchiveExtension)
                     ? LoadArchive(path)
                     : LoadGroupFile(path, QString::fromStdString(printdata::WithoutExtension(dialog->SelectedFile))));
}

void TFrameMenuOeffnen::SpeedButtonImportierenClick(QObject*) {
  SpeedButtonImportieren->repaint();
  IdleStep();
  const QString title = SpeedButtonImportieren->Caption();
  if (!view_ || RefuseWhileModified(title)) return;
  TForm_FileDialog* files = host_ ? host_->FileDialog() : nullptr;
  if (!files) return;
  printdata::ui::SetUpComputerFileDialog(*files, title, printdata::kArchiveExtension, 0, "", host_->TmpDir() + "ZG12");
  if (files->ShowModal() != 1) {
    IdleStep();
    return;
  }
  printdata::ui::ShowDataSetBusy(view_->Host(), *host_, title);
  EndLoad(title, LoadArchive(files->GetFileName(), LoadAs::Changed));
}

int TFrameMenuOeffnen::LoadArchive(const std::string& path, LoadAs as) {
  UnreadTexts.clear();
  if (!view_ || !host_) return -1;
  CloseData();
  auto loaded = printdata::LoadDataSetArchive(host_->Archives(), host_->TmpDir(), path, view_->Group);
  if (!loaded) {
    CloseData();
    view_->Repaint();
    return -1;
  }
  const std::string base = printdata::WithoutExtension(printdata::FileNameOf(path));
  ShowLoaded(loaded->Count, IndexesOf(loaded->Report), QString::fromStdString(base), path, as);
  return 1;
}

int TFrameMenuOeffnen::LoadGroupFile(const std::string& path, const QString& title, LoadAs as) {
  const GroupFileEnd end = LoadGroupFileEnding(path, title, as);
  return end == GroupFileEnd::Loaded || end == GroupFileEnd::Incomplete ? 1 : -1;
}

TFrameMenuOeffnen::GroupFileEnd TFrameMenuOeffnen::LoadGroupFileEnding(const std::string& path,
                                                                         const QString& title, LoadAs as,
                                                                         const std::function<void()>& perText) {
  UnreadTexts.clear();
  if (!view_) return GroupFileEnd::Failed;
  CloseData();
  auto loaded = printdata::ReadGroupFile(path, view_->Group);
  if (!loaded || loaded->Count < 1) {
    CloseData();
    view_->Repaint();
    return loaded ? GroupFileEnd::Empty : GroupFileEnd::Failed;
  }
  ShowLoaded(loaded->Count, IndexesOf(loaded->Report), title, path, as, perText);
  return UnreadTexts.empty() ? GroupFileEnd::Loaded : GroupFileEnd::Incomplete;
}

void TFrameMenuOeffnen::ShowLoaded(int count, const std::vector<int>& unread, const QString& title,
                                   const std::string& path, LoadAs as, const std::function<void()>& perText) {
  TFrameDaten& d = *view_;
  d.Count = count;
  d.Selected = 0;
  for (int i = 0; i < count; ++i) {
    if (d.Host()) d.Host()->ProcessMessages();
    if (perText) perText();
    d.RenderRow(i);
    d.SelectRow(d.RowImages[static_cast<std::size_t>(i)]);
  }
  d.PanelTitel->SetCaption(title);
  d.PanelTitel->SetHint(as == LoadAs::Saved ? QString::fromStdString(path) : QString());
  UnreadTexts = unread;
  // Data with print texts missing is not what was saved.
  d.SetModified(as == LoadAs::Changed || !unread.empty());
  d.SelectRow(d.RowImages[0]);
  d.Repaint();
  IdleStep();
}

void TFrameMenuOeffnen::ReportUnreadTexts(const QString& title) {
  if (UnreadTexts.empty() || !view_ || !view_->Host()) return;
  const bool german = !host_ || host_->LanguageId() == 0;
  QString numbers;
  for (int i : UnreadTexts) numbers += (numbers.isEmpty() ? QString() : QStringLiteral(", ")) + QString::number(i + 1);
  DataViewHost* h = view_->Host();
  h->ProcessMessages();
  h->ShowNotice2(title,
                 german ? QStringLiteral("Diese Drucktexte konnten nicht gelesen werden:")
                        : QStringLiteral("These print texts could not be read:"),
                 numbers, kRed);
}

std::string TFrameMenuOeffnen::FindFirstFile(const std::string& mask) {
  const std::string pattern = printdata::FileNameOf(mask);
  if (pattern.rfind("*.", 0) != 0) return {};
  return printdata::FindFirstFile(printdata::FolderOf(mask), pattern.substr(2));
}
