#pragma once
// A fresh file dialog over a folder tree in a temporary folder, with its
// questions, input boxes, folder picker and messages scripted, so tests
// run without anybody at the keyboard.
#include <gtest/gtest.h>

#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "filedialog/TreeFixture.h"

class TForm_FileDialog;
class QWidget;

namespace fdtest {

class DialogFixture : public TreeFixture {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Shows the dialog modally, runs `step` once it is up and returns what
  // ShowModal returned (99 when the step left the dialog open).
  int RunModal(const std::function<void()>& step);
  // Selects the row with this caption (by clicking it, as a user would).
  void Select(const std::string& caption);
  std::vector<std::string> Captions() const;
  // Presses a key in the list.
  void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier);
  void DoubleClickSelected();
  QString NameField() const;

  TForm_FileDialog* dialog_ = nullptr;
  std::deque<bool> confirmAnswers_;
  std::deque<std::optional<QString>> textAnswers_;
  std::deque<std::optional<std::string>> pickedFolders_;
  std::vector<std::string> pickerRoots_;
  std::vector<QString> errors_;
  int hardcopies_ = 0;
  int userGuides_ = 0;
};

// Runs `step` once the next modal dialog has started its event loop.
void WhenModal(std::function<void()> step);

}  // namespace fdtest
