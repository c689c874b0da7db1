#pragma once
// The program's windows over a fresh tree, and a script of answers to the modal
// windows that the data-set menus, backup and restore show.
#include <QString>
#include <deque>
#include <QObject>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "AppFixture.h"

class TForm_FileDialog;
class TForm_ZipUnzip;

namespace apptest {

class DataSetApp : public AppFixture {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Each step runs once `window` is the active modal window, in order.
  void Then(QWidget* window, std::function<void()> step);
  // A message-window notice: its text is recorded and it is confirmed.
  void ThenNotice();
  // The steps not run yet (a test ends with none).
  std::size_t StepsLeft() const { return steps_.size(); }

  std::string Tree(const std::string& relative = "") const { return temp_.path() + "/Tarvik23/" + relative; }
  std::string Home(const std::string& relative = "") const { return temp_.path() + "/home/" + relative; }

  // The program's archive service and file dialog.
  TForm_ZipUnzip* zip_ = nullptr;
  TForm_FileDialog* files_ = nullptr;
  std::vector<QString> notices_;  // title: text

 private:
  void Poll();
  struct Step {
    QWidget* window;
    std::function<void()> run;
  };
  std::deque<Step> steps_;
  bool polling_ = false;
  // The polls' timers go with it, so none outlives the test.
  std::unique_ptr<QObject> context_;
};

}  // namespace apptest
