#pragma once
// The data page of the main window: the one open print data (Group, with
// Count print texts in use), the clipboard print text, the marked row and
// the identity of the open data set (the title in PanelTitel, its file in
// PanelTitel's hint), listed in 99 rows built once. Each row shows its print
// text's picture and, as the view menu switches them on, its layers,
// parameters and note. The top bar opens the data page's menus, the report
// and the quick help.
//
// The main window creates one instance, connects it with the menus and the
// windows around (Connect), builds the rows (CreateRows) and keeps it until
// the program ends. Everything here runs in the GUI thread.
#include <QLabel>
#include <QScrollArea>
#include <QString>
#include <QWidget>
#include <array>
#include <memory>

#include "rendering/PreviewImages.h"
#include "rendering/RowPainting.h"
#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"
#include "printdata/PrintGroup.h"
#include "printdata/RowLayout.h"
#include "printdata/ui/DataViewHost.h"
#include "printdata/ui/RowFrames.h"
#include "printdata/ui/RowImage.h"

class Thread_Daten;
class TFrameMenuAnsicht;
class TFrameMenuOeffnen;
class TFrameMenuSpeichern;
class TFrameMenuSchliessen;
class TFrameMenuBearbeiten;
class TFrameMenuSchutz;

// The six menu frames of the data page's top bar.
struct DataPageMenus {
  TFrameMenuAnsicht* Ansicht = nullptr;
  TFrameMenuOeffnen* Oeffnen = nullptr;
  TFrameMenuSpeichern* Speichern = nullptr;
  TFrameMenuSchliessen* Schliessen = nullptr;
  TFrameMenuBearbeiten* Bearbeiten = nullptr;
  TFrameMenuSchutz* Schutz = nullptr;
};

class TFrameDaten : public QWidget {
 public:
  explicit TFrameDaten(QWidget* owner);
  ~TFrameDaten() override;

  // Controls, top to bottom.
  platform::Panel* PanelTitel;  // caption: the title; hint: the data set's file ("" when never saved)
  platform::Panel* PanelTop;
  platform::Panel* PanelAnsicht;
  platform::Panel* PanelOeffnen;
  platform::Panel* PanelSpeichern;
  platform::Panel* PanelSchliessen;
  platform::Panel* PanelWerkzeug;
  platform::Panel* PanelSchutz;
  platform::Panel* PanelRapport;
  platform::Panel* PanelHilfe;
  platform::SpeedButton* SpeedButtonAnsichtDown;
  platform::SpeedButton* SpeedButtonOeffnen;
  platform::SpeedButton* SpeedButtonSpeichern;
  platform::SpeedButton* SpeedButtonSchliessen;
  platform::SpeedButton* SpeedButtonWerkzeug;
  platform::SpeedButton* SpeedButtonSchutz;
  platform::SpeedButton* SpeedButtonRapport;
  platform::SpeedButton* SpeedButtonHilfe;
  platform::Panel* PanelDumy1;
  platform::Panel* PanelMain;
  QScrollArea* ScrollBoxMain;
  QWidget* ShapeSelector;  // the navy frame around the marked row's picture
  platform::Panel* PanelDumy2;

  QString TitleNone = QStringLiteral("Daten");  // title while nothing is open
  QString TitleNew = QStringLiteral("Neu");     // title of new data never saved
  int Count = 0;                                // print texts in use, 0 (nothing open) to 99
  int Selected = 0;                             // the marked print text, 0 to 98
  printdata::PrintText Clipboard;
  printdata::PrintGroup Group;
  std::array<QLabel*, printdata::kMaxPrintTexts> RowNumbers{};
  std::array<printdata::ui::RowImage*, printdata::kMaxPrintTexts> RowImages{};
  std::array<TFrameDatenEbenen*, printdata::kMaxPrintTexts> RowLayers{};
  std::array<TFrameDatenParameter*, printdata::kMaxPrintTexts> RowParameters{};
  std::array<TFrameDatenNotiz*, printdata::kMaxPrintTexts> RowNotes{};
  std::unique_ptr<Thread_Daten> Refresher;

  // Ties the page to its menus and the windows around; before CreateRows.
  void Connect(DataViewHost* host, DataViewEditor* editor, const DataPageMenus& menus);
  DataViewHost* Host() const { return host_; }
  DataViewEditor* Editor() const { return editor_; }
  const DataPageMenus& Menus() const { return menus_; }

  // Builds the 99 rows at the view menu's zoom and starts the refresher.
  void CreateRows();
  // Lays the rows out (zoom and columns of the view menu) and re-marks the
  // marked row.
  void Repaint();
  // Draws row `index` from Group print text `index`: its picture (rendered
  // through the editor's layer rendering), layer summaries, parameters and
  // note. Neither the group, the mark nor the modified state changes. This
  // is the one place a row is drawn.
  void RenderRow(int index);

  // Hides the page and opens the marked print text in the editor on `view`
  // (DataViewEditor::kStartView: the editor's start view), titled
  // "Bearbeiten - <title> [<row>]"; the page shows again when the editor
  // could not take it. True when the editor opened.
  bool OpenInEditor(int view);
  // No open data any more: the title back to TitleNone without a file, no
  // unsaved changes, the group reset, count and mark 0, the rows laid out
  // anew.
  void CloseData();
  // The editor's OK: `text` replaces Group print text `index` (0 to 98),
  // whose row is drawn anew and marked. The caller marks the data modified.
  void StoreEditedText(int index, const printdata::PrintText& text);

  // Row events; the control is any control of a row.
  void SelectRow(QWidget* control);
  void OpenRow(QWidget* control);
  void RowMouseDown(QWidget* control, Qt::MouseButton button);

  // The PC number the info window shows (platform::PcIdentifier).
  static std::uint32_t PcIdentifier();

  // The unsaved-changes mark; the colours of "Speichern" show it.
  void SetModified(bool modified);
  bool IsModified() const { return modified_; }

  void ShowPage();
  void HidePage();

  // Bits of the group's protection value (0 or 1); the operating mode is
  // the callers' to look at.
  int LayersProtected() const;
  int ParametersProtected() const;
  int NotesProtected() const;
  bool AnyProtected() const;
  // The protection value into the protection menu and the Schutz button.
  void ShowProtection();
  // What the back-to-idle step sets on the data page: the top bar by Count,
  // the protection marks and the edit menu's buttons.
  void ApplyIdleState();

  // The view menu's settings as the layout uses them.
  int Zoom() const;
  std::array<bool, printdata::kRowColumnCount> Columns() const;
  // The list's visible height (the scroll box's client area).
  int ListHeight() const;

  void SpeedButtonAnsichtDownClick(QObject* sender);
  void SpeedButtonOeffnenClick(QObject* sender);
  void SpeedButtonSpeichernClick(QObject* sender);
  void SpeedButtonSchliessenClick(QObject* sender);
  void SpeedButtonWerkzeugClick(QObject* sender);
  void SpeedButtonSchutzClick(QObject* sender);
  void SpeedButtonRapportClick(QObject* sender);
  void SpeedButtonHilfeClick(QObject* sender);

  // Layout and painting are held back while the list is being changed and
  // let go by Repaint.
  void FreezeList();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ToggleMenu(platform::SpeedButton* button, QWidget* menu);
  void UpdateListExtent();
  // The row that owns `control`, or -1.
  int RowOf(const QWidget* control) const;
  // The editor view that `control` of the marked row opens.
  int ViewOf(const QWidget* control) const;
  void IdleStep();

  DataViewHost* host_ = nullptr;
  DataViewEditor* editor_ = nullptr;
  DataPageMenus menus_;
  QWidget* list_ = nullptr;  // what ScrollBoxMain scrolls: the rows
  bool modified_ = false;
  bool rowsCreated_ = false;
  // The row renderer's working copy and pictures (the editor keeps its own).
  printdata::PrintText work_;
  editor::PreviewImages images_;
};

// The restart notice ("Bitte starten Sie das Programm neu."), then the
// process ends with exit code -1.
[[noreturn]] void TerminateWithMessage(DataViewHost& host);
