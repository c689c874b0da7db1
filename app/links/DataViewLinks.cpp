#include "app/links/DataViewLinks.h"

#include <QCoreApplication>

#include "app/pc/TFormBedienungsmodus.h"
#include "app/TFormMessage.h"
#include "app/pc/TFormSchnellhilfe.h"
#include "app/TForm_Main.h"
#include "printdata/ui/TFormEinfuegen.h"

namespace app {

void DataViewLinks::CloseMenusAndRefresh() { main_.CloseMenusAndRefresh(); }

int DataViewLinks::HideMenuFrames() { return main_.HideMenuFrames(); }

int DataViewLinks::OperatingMode() const {
  return FormBedienungsmodus ? static_cast<int>(FormBedienungsmodus->GetOperatingMode()) : -1;
}

bool DataViewLinks::MessageVisible() const { return FormMessage && FormMessage->isVisible(); }

QString DataViewLinks::CatalogueText(int number) const {
  const QString* text = FormMessage ? FormMessage->CatalogueEntry(number) : nullptr;
  return text ? *text : QString();
}

void DataViewLinks::ShowNotice(const QString& title, const QString& text, std::uint32_t colour) {
  if (FormMessage) FormMessage->ShowNotice(title, text, colour, true);
}

void DataViewLinks::ShowNotice2(const QString& title, const QString& line1, const QString& line2,
                                std::uint32_t colour) {
  if (FormMessage) FormMessage->ShowNotice2(title, line1, line2, colour, true);
}

void DataViewLinks::ProcessMessages() { QCoreApplication::processEvents(); }

bool DataViewLinks::PasteDialogVisible() const { return FormEinfuegen && FormEinfuegen->isVisible(); }

void DataViewLinks::ShowPasteDialog() {
  if (!FormEinfuegen) return;
  FormEinfuegen->show();
  FormEinfuegen->raise();
  FormEinfuegen->activateWindow();
}

void DataViewLinks::PrintReport(bool askOptions, bool layers, bool parameters, bool notes, bool info) {
  main_.PrintReport(askOptions, layers, parameters, notes, info);
}

void DataViewLinks::ShowQuickHelp() {
  if (FormSchnellhilfe) FormSchnellhilfe->exec();
}

}  // namespace app
