#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QColor>
#include <QWheelEvent>

#include "DialogFixture.h"
#include "filedialog/ui/ShellListModel.h"
#include "filedialog/ui/TForm_FileDialog.h"
#include "filedialog/ui/VirtualListView.h"

using namespace filedialog;

namespace {

class ListModel : public fdtest::DialogFixture {
 protected:
  void SetUp() override {
    DialogFixture::SetUp();
    Folder("d/Ordner");
    Write("d/leer.zg23", "");
    Write("d/fest.zg23", "12345");
    ::chmod(Path("d/fest.zg23").c_str(), 0444);
    dialog_->SetHomeEntry(0, QStringLiteral("D"), Path("d"), Path("d"));
    dialog_->SetHomeEntry(1, QString(), "", "");
    dialog_->Setup(QStringLiteral("T"), "zg23", 0x60, 3, 0x3FF7F, 0, "", 0);
  }
  int Row(const char* caption) const {
    for (int row = 0; row < dialog_->Listing.Count(); ++row)
      if (dialog_->Listing.ItemAt(row)->caption == caption) return row;
    return -1;
  }
};

}  // namespace

TEST_F(ListModel, DetailsColumns) {
  ShellListModel* model = dialog_->ListModel;
  for (int c = 0; c < 5; ++c)
    EXPECT_EQ(model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(), dialog_->ColumnCaptions[c]);
  EXPECT_EQ(dialog_->ColumnCaptions[1], QStringLiteral("Grösse"));
  const int folder = Row("Ordner"), empty = Row("leer.zg23"), readOnly = Row("fest.zg23");
  EXPECT_EQ(model->CellText(folder, 1), QString());
  EXPECT_EQ(model->CellText(empty, 1), QStringLiteral("0"));
  EXPECT_EQ(model->CellText(readOnly, 1), QStringLiteral("5"));
  EXPECT_EQ(model->CellText(readOnly, 2), QStringLiteral("ZG23-Datei"));
  EXPECT_EQ(model->CellText(readOnly, 4), QStringLiteral("RA"));
  EXPECT_EQ(model->CellText(folder, 4), QString());
  EXPECT_EQ(model->data(model->index(readOnly, 0), Qt::ForegroundRole).value<QColor>(), QColor(192, 192, 192));
  EXPECT_EQ(model->data(model->index(empty, 0), Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
  EXPECT_FALSE(model->data(model->index(readOnly, 4), Qt::ForegroundRole).isValid());  // the window text colour
  EXPECT_EQ(model->data(model->index(readOnly, 1), Qt::TextAlignmentRole).toInt() & Qt::AlignRight, Qt::AlignRight);
  EXPECT_EQ(ShellListModel::AttributeText(kAttrReadOnly | kAttrHidden | kAttrSystem | kAttrArchive),
            QStringLiteral("RHSA"));
}

TEST_F(ListModel, TheWheelStepsTheSelectionInsteadOfScrolling) {
  dialog_->show();
  dialog_->lstvwVirtualList->SelectRow(0);
  QWidget* viewport = dialog_->lstvwVirtualList->ActiveView()->viewport();
  auto wheel = [&](int delta) {
    QWheelEvent e(QPointF(5, 5), viewport->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &e);
    return e.isAccepted();
  };
  EXPECT_TRUE(wheel(-120));
  EXPECT_EQ(dialog_->lstvwVirtualList->SelectedRow(), 1);
  wheel(-120);
  wheel(-120);  // past the last row: stays
  EXPECT_EQ(dialog_->lstvwVirtualList->SelectedRow(), 2);
  wheel(120);
  EXPECT_EQ(dialog_->lstvwVirtualList->SelectedRow(), 1);
  EXPECT_EQ(NameField().toStdString(), dialog_->Listing.ItemAt(1)->caption);
  dialog_->hide();
}
