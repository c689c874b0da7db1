#pragma once
// The editor page as the main window holds it, at the main window's
// smallest size, with a recording main window, data view and font chooser
// and a fixed local clock.
#include <gtest/gtest.h>

#include <QString>
#include <QWidget>
#include <memory>
#include <ostream>
#include <optional>
#include <string>
#include <vector>

#include "rendering/LocalClock.h"
#include "editor/ui/EditorDataView.h"
#include "editor/ui/EditorFontChooser.h"
#include "editor/ui/EditorHost.h"
#include "editor/ui/TFrameBearbeiten.h"
#include "editor/ui/TFrameMenuAnsichtBearbeiten.h"
#include "editor/ui/TFrameMenuRasterBearbeiten.h"
#include "editor/ui/TFrameMenuZoomBearbeiten.h"
#include "platform/Beep.h"
#include "printdata/PrintText.h"

// Readable failure messages for Qt's strings.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace editortest {

class FakeHost : public editor::ui::EditorHost {
 public:
  // Every menu frame of the window, as the main window hides them.
  std::vector<QWidget*> Menus;
  int Mode = 1;  // -1: no operating-mode window
  int Refreshes = 0;
  std::vector<QString> Notices;
  bool DataPageShown = false;
  bool OthersHidden = false;
  int QuickHelps = 0;
  std::optional<std::string> BitmapFile;
  QString BitmapTitle;

  void CloseMenusAndRefresh() override {
    ++Refreshes;
    HideMenuFrames();
  }
  int HideMenuFrames() override {
    int shown = 0;
    for (QWidget* m : Menus) {
      if (!m->isHidden()) ++shown;
      m->hide();
    }
    return shown;
  }
  int OperatingMode() const override { return Mode; }
  void ShowProtectionNotice(const QString& title) override { Notices.push_back(title); }
  void HideOtherPages() override { OthersHidden = true; }
  void ShowDataPage() override { DataPageShown = true; }
  void ShowQuickHelp() override { ++QuickHelps; }
  void ShowUserGuide() override {}
  std::optional<std::string> ChooseBitmapFile(const QString& title) override {
    BitmapTitle = title;
    return BitmapFile;
  }
};

class FakeDataView : public editor::ui::EditorDataView {
 public:
  int SelectedRow = 0;
  bool ParametersLocked = false;
  bool NotesLocked = false;
  std::vector<std::pair<int, printdata::PrintText>> Stored;
  std::vector<bool> Modified;

  int Selected() const override { return SelectedRow; }
  QString DataTitle() const override { return QStringLiteral("Eier"); }
  bool ParametersProtected() const override { return ParametersLocked; }
  bool NotesProtected() const override { return NotesLocked; }
  void StorePrintText(int index, const printdata::PrintText& text) override { Stored.emplace_back(index, text); }
  void SetModified(bool modified) override { Modified.push_back(modified); }
};

class FakeFontChooser : public editor::ui::EditorFontChooser {
 public:
  std::string Name = "Arial";
  std::uint8_t Style = 0;
  int Answer = 2;
  int Width = 7;
  int ShownHeight = 0, ShownWidth = 0;
  std::string ShownText;
  int Shows = 0;

  void SetNameAndStyle(const std::string& name, std::uint8_t style) override {
    Name = name;
    Style = style;
  }
  std::string PreviewFontName() const override { return Name; }
  std::uint8_t PreviewFontStyle() const override { return Style; }
  void SetSizeAndWidth(int height, int width, const std::string& text) override {
    ShownHeight = height;
    ShownWidth = width;
    ShownText = text;
  }
  int ShowModal() override {
    ++Shows;
    return Answer;
  }
  int ResultWidth() const override { return Width; }
};

// 5 March 2024, a Tuesday, 13:05:09.
editor::LocalDateTime FixedNow();

class EditorFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Opens `text` (or the defaults) on `view` as the data view does.
  void Open(const printdata::PrintText* text, int view = 0);
  printdata::LayerObject& Layer(int n) { return editor->WorkText.Layers[static_cast<std::size_t>(n)]; }
  // Whether any pixel of layer image `n` has `colour`.
  bool LayerHas(int n, std::uint32_t colour) const;

  // The main window's client area at its smallest size: the side bar and
  // the page area with the editor page in it; the menus lie on the window.
  std::unique_ptr<QWidget> window;
  TFrameBearbeiten* editor = nullptr;
  TFrameMenuAnsichtBearbeiten* viewMenu = nullptr;
  TFrameMenuZoomBearbeiten* zoomMenu = nullptr;
  TFrameMenuRasterBearbeiten* gridMenu = nullptr;
  FakeHost host;
  FakeDataView data;
  FakeFontChooser fonts;
  editor::LocalDateTime now;
  std::vector<platform::BeepKind> beeps;
};

}  // namespace editortest
