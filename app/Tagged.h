#pragma once
// Controls with the general-purpose integer tag the window keeps its drill state in.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

template <class Widget>
class Tagged : public Widget {
 public:
  using Widget::Widget;
  int Tag = 0;
};

using TButton = Tagged<QPushButton>;
using TCheckBox = Tagged<QCheckBox>;
using TLabel = Tagged<QLabel>;
// A text that takes no focus; the window shows the problem in three of them.
using TStaticText = Tagged<QLabel>;

// A timer that is switched on and off; switching on a running timer keeps its period going.
class TTimer : public Tagged<QTimer> {
 public:
  using Tagged<QTimer>::Tagged;
  void SetEnabled(bool enabled) {
    if (enabled && !isActive()) start();
    if (!enabled) stop();
  }
};
