#include "app/TAlignedEdit.h"

#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>
#include <qdrawutil.h>

#include "platform/ErrorBox.h"

TAlignedEdit::TAlignedEdit(QWidget* parent) : QLineEdit(parent) {
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  setInputMethodHints(Qt::ImhPreferNumbers);
  // No frame of the style's: the sunken border is drawn over the edge, and the text keeps the
  // place it had inside the style's one-pixel frame.
  setFrame(false);
  setContentsMargins(1, 1, 1, 1);
}

void TAlignedEdit::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  // The panel a sunken frame of two pixels draws, as the log's.
  QPainter painter(this);
  qDrawShadePanel(&painter, rect(), palette(), true, 2);
}

void TAlignedEdit::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  // Delete edits the text like the cursor keys; it is not a typed character.
  if (!OnKeyPress || text.isEmpty() || event->key() == Qt::Key_Delete) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  // Every character of the key's text goes through the handler and is in the box before the next
  // one is offered, as if they were typed one by one; a character outside the basic plane is
  // offered as its two halves. A single character let through unchanged keeps the box's own
  // handling of the key.
  for (QChar c : text) {
    QChar key = c;
    RunHandler([&] { OnKeyPress(key); });
    if (text.size() == 1 && key == c) {
      QLineEdit::keyPressEvent(event);
      return;
    }
    if (key == QChar(u'\b')) {
      backspace();
    } else if (!key.isNull()) {
      insert(QString(key));
    }
  }
  event->accept();
}

void TAlignedEdit::inputMethodEvent(QInputMethodEvent* event) {
  if (!OnKeyPress || event->commitString().isEmpty()) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  // The committed text reaches the box as the characters the handler lets through; the
  // composition still in progress is shown unchanged.
  QString admitted;
  for (QChar c : event->commitString()) {
    QChar key = c;
    RunHandler([&] { OnKeyPress(key); });
    if (!key.isNull()) admitted += key;
  }
  QInputMethodEvent filtered(event->preeditString(), event->attributes());
  filtered.setCommitString(admitted, event->replacementStart(), event->replacementLength());
  QLineEdit::inputMethodEvent(&filtered);
  event->accept();
}

void TAlignedEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  bool leftClick = event->reason() == Qt::MouseFocusReason &&
                   (QGuiApplication::mouseButtons() & Qt::LeftButton) != 0;
  if (!leftClick) selectAll();
}
