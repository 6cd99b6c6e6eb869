#pragma once
// A single-line edit box with right-aligned text. Each typed character, and each character an
// input method commits, goes through OnKeyPress before the box inserts it; a handler that sets
// the character to 0 discards it, one that changes it inserts the changed character. When the
// box receives the focus other than by a left mouse click, its whole text is selected. It has a
// sunken border of two pixels, whatever the style's own frame would be.
#include <QChar>
#include <QLineEdit>
#include <functional>

class TAlignedEdit : public QLineEdit {
 public:
  explicit TAlignedEdit(QWidget* parent = nullptr);

  int Tag = 0;
  std::function<void(QChar& key)> OnKeyPress;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
};
