#include "DataSetAppFixture.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <filesystem>

#include "app/TFormMessage.h"
#include "app/TForm_Main.h"
#include "app/archive/TForm_ZipUnzip.h"
#include "filedialog/ui/TForm_FileDialog.h"
#include "platform/qt/SpeedButton.h"

namespace apptest {

void DataSetApp::SetUp() {
  AppFixture::SetUp();
  context_ = std::make_unique<QObject>();
  std::filesystem::create_directories(Home("Documents"));
  std::filesystem::create_directories(Home("Desktop"));
  zip_ = Form_ZipUnzip;
  files_ = Form_FileDialog;
  files_->Services.ShowError = [](QWidget*, const QString& title, const QString& text) {
    ADD_FAILURE() << "file dialog: " << title.toStdString() << ": " << text.toStdString();
  };
}

void DataSetApp::TearDown() {
  context_.reset();
  steps_.clear();
  AppFixture::TearDown();
}

void DataSetApp::Then(QWidget* window, std::function<void()> step) {
  steps_.push_back({window, std::move(step)});
  if (!polling_) {
    polling_ = true;
    QTimer::singleShot(0, context_.get(), [this] { Poll(); });
  }
}

void DataSetApp::ThenNotice() {
  Then(FormMessage, [this] {
    const QString text =
        FormMessage->LabelText1->text().isEmpty() ? FormMessage->PanelMain->Caption() : FormMessage->LabelText1->text();
    notices_.push_back(FormMessage->windowTitle().trimmed() + ": " + text);
    FormMessage->SpeedButtonInformationOK->click();
  });
}

void DataSetApp::Poll() {
  if (steps_.empty()) {
    polling_ = false;
    return;
  }
  // The next poll is due before the step runs: a step may open a modal
  // window of its own, which the following steps answer.
  QTimer::singleShot(0, context_.get(), [this] { Poll(); });
  QWidget* active = QApplication::activeModalWidget();
  if (active && active == steps_.front().window && active->isVisible()) {
    Step step = std::move(steps_.front());
    steps_.pop_front();
    step.run();
  }
}

}  // namespace apptest
