#include "app/TAlignedEdit.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include "platform/ErrorBox.h"

TAlignedEdit::TAlignedEdit(QWidget* parent) : QLineEdit(parent) {
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // Characters come only through keyPressEvent, where OnKeyPress sees each of them.
  setAttribute(Qt::WA_InputMethodEnabled, false);
}

void TAlignedEdit::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  // Delete edits the text like the cursor keys; it is not a typed character.
  if (OnKeyPress && text.size() == 1 && event->key() != Qt::Key_Delete) {
    QChar key = text[0];
    RunHandler([&] { OnKeyPress(key); });
    if (key.isNull()) {
      event->accept();
      return;
    }
  }
  QLineEdit::keyPressEvent(event);
}

void TAlignedEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  bool leftClick = event->reason() == Qt::MouseFocusReason &&
                   (QGuiApplication::mouseButtons() & Qt::LeftButton) != 0;
  if (!leftClick) selectAll();
}
