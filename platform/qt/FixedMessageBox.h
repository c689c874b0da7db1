#pragma once
// Qt's message box with the window functions of the program's fixed dialogs
// (FixedDialogFlags): a title bar offering only the close function.
#include <QMessageBox>
#include <QString>

class QWidget;

namespace platform {

QMessageBox::StandardButton FixedMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                            const QString& text,
                                            QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

}  // namespace platform
