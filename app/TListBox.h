#pragma once
// A list box of CP932 byte lines with a fixed item height. The lines are kept as bytes and
// decoded only to be shown.
#include <QByteArray>
#include <QListWidget>

class TListBox : public QListWidget {
 public:
  TListBox(QWidget* parent, int itemHeight);

  void InsertLine(int index, const QByteArray& line);
  QByteArray Line(int index) const;
  int Count() const { return count(); }
};
