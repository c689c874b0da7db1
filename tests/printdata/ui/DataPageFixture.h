#pragma once
// The data page with its six menus in a stand-in main window, and stand-ins
// for the windows around it that record what they are asked.
#include <gtest/gtest.h>

#include <QString>
#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "rendering/LocalClock.h"
#include "platform/Beep.h"
#include "printdata/ui/DataViewHost.h"
#include "printdata/ui/TFrameDaten.h"

namespace dataviewtest {

struct Notice {
  QString title, line1, line2;
  std::uint32_t colour;
};

class FakeHost : public DataViewHost {
 public:
  TFrameDaten* daten = nullptr;
  std::vector<QWidget*> menus;
  int mode = 1;
  bool messageVisible = false;
  bool pasteVisible = false;
  int idleSteps = 0, pasteDialogs = 0, quickHelps = 0;
  std::vector<std::array<bool, 5>> reports;
  std::vector<Notice> notices;
  // Further catalogue texts by number.
  std::map<int, QString> catalogue;

  void CloseMenusAndRefresh() override;
  int HideMenuFrames() override;
  int OperatingMode() const override { return mode; }
  bool MessageVisible() const override { return messageVisible; }
  QString CatalogueText(int number) const override;
  void ShowNotice(const QString& title, const QString& text, std::uint32_t colour) override {
    notices.push_back({title, text, QString(), colour});
  }
  void ShowNotice2(const QString& title, const QString& l1, const QString& l2, std::uint32_t colour) override {
    notices.push_back({title, l1, l2, colour});
  }
  void ProcessMessages() override {}
  bool PasteDialogVisible() const override { return pasteVisible; }
  void ShowPasteDialog() override { ++pasteDialogs; }
  void PrintReport(bool a, bool l, bool p, bool n, bool i) override { reports.push_back({a, l, p, n, i}); }
  void ShowQuickHelp() override { ++quickHelps; }
};

class FakeEditor final : public DataViewEditor {
 public:
  bool accepts = true;
  bool visible = false;
  bool viewMenu = false;
  bool printView = false;
  int viewed = 0;
  printdata::PrintText work;
  struct Opened {
    printdata::PrintText text;
    QString title;
    int view;
  };
  std::vector<Opened> opened;
  std::vector<std::pair<int, std::uint32_t>> rendered;  // layer, colour
  std::vector<int> thumbnails;
  int printViews = 0;
  editor::RowWords words;

  bool OpenInEditor(const printdata::PrintText& text, const QString& title, int view) override {
    opened.push_back({text, title, view});
    return accepts;
  }
  editor::RowWords RowWords() const override { return words; }
  bool EditorVisible() const override { return visible; }
  printdata::PrintText* WorkText() override { return &work; }
  int ViewedLayer() const override { return viewed; }
  void RenderLayer(int layer, std::uint32_t colour) override { rendered.emplace_back(layer, colour); }
  bool ViewMenuVisible() const override { return viewMenu; }
  void UpdateThumbnail(int which) override { thumbnails.push_back(which); }
  bool PrintViewVisible() const override { return printView; }
  void DrawPrintView() override { ++printViews; }
};

class DataPage : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Count print texts with a text layer each ("Text 1", "Text 2", ...).
  void Open(int count, const QString& title = QStringLiteral("Eier"));
  // The local clock the rows and the refresher see.
  void SetClock(int hour, int minute, int second, int day = 14);

  // Mouse events as the window system delivers them.
  static void Click(QWidget* w, Qt::MouseButton button = Qt::LeftButton);
  static void DoubleClick(QWidget* w);

  std::unique_ptr<QWidget> main_;
  TFrameDaten* d = nullptr;
  DataPageMenus menus;
  FakeHost host;
  FakeEditor editor;
  std::vector<platform::BeepKind> beeps_;
  editor::LocalDateTime clock_;
};

}  // namespace dataviewtest
