#include "app/TListBox.h"

#include <QStyledItemDelegate>

#include "platform/Cp932.h"

namespace {

class FixedHeightDelegate : public QStyledItemDelegate {
 public:
  FixedHeightDelegate(QObject* parent, int height) : QStyledItemDelegate(parent), height_(height) {}
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), height_};
  }

 private:
  int height_;
};

}  // namespace

TListBox::TListBox(QWidget* parent, int itemHeight) : QListWidget(parent) {
  setItemDelegate(new FixedHeightDelegate(this, itemHeight));
  setUniformItemSizes(true);
  // A sunken border of two pixels, which leaves whole lines in the view.
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(2);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void TListBox::InsertLine(int index, const QByteArray& line) {
  auto* item = new QListWidgetItem(DecodeCp932(line));
  item->setData(Qt::UserRole, line);
  insertItem(index, item);
}

QByteArray TListBox::Line(int index) const { return item(index)->data(Qt::UserRole).toByteArray(); }
