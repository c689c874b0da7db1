#include "filedialog/ui/FileDialogServices.h"

#include <QApplication>
#include <QInputDialog>
#include <QWidget>

#include "platform/qt/DialogFlags.h"
#include "platform/qt/FixedMessageBox.h"
#include "zip/ui/TFolderPickerDialog.h"

FileDialogServices FileDialogServices::Defaults() {
  FileDialogServices s;
  static_cast<platform::DialogServices&>(s) = platform::DialogServices::Defaults();
  s.ShowError = [](QWidget* dialog, const QString& title, const QString& text) {
    platform::FixedMessageBox(dialog, QMessageBox::Warning, title, text);
  };
  s.Confirm = [](QWidget* dialog, const QString& question) {
    return platform::FixedMessageBox(dialog, QMessageBox::Question, QApplication::applicationName(), question,
                                     QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
  };
  s.AskText = [](QWidget* dialog, const QString& title, const QString& prompt,
                 const QString& proposal) -> std::optional<QString> {
    bool ok = false;
    const QString text =
        QInputDialog::getText(dialog, title, prompt, QLineEdit::Normal, proposal, &ok, platform::FixedDialogFlags());
    if (!ok) return std::nullopt;
    return text;
  };
  s.PickFolder = [](QWidget* dialog, const std::string& root) -> std::optional<std::string> {
    TFolderPickerDialog picker;
    picker.ParentWindow = dialog;
    picker.RootPath = root;
    picker.SetLabelCaptions({});
    picker.Flags = TFolderPickerDialog::OnlyFileSystem | TFolderPickerDialog::ShowPath;
    if (!picker.Execute()) return std::nullopt;
    return picker.Folder;
  };
  return s;
}
