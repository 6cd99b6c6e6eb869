#pragma once
// The platform's panel control: a window with a fill colour, bevels and a border band.
// Its setters store a changed value and ask for a repaint.
#include <QWidget>

#include "platform/Color.h"

enum TBevelCut { bvNone, bvLowered, bvRaised };

class TCustomPanel : public QWidget {
  Q_OBJECT

 public:
  explicit TCustomPanel(QWidget* parent = nullptr);

  TColor Color() const { return color_; }
  void SetColor(TColor value);
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut value);
  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut value);
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int value);
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int value);

  // Asks the window system to repaint the control; the chart also marks its image stale.
  virtual void RequestRepaint();

 private:
  TColor color_ = clBtnFace;
  TBevelCut bevelOuter_ = bvRaised;
  TBevelCut bevelInner_ = bvNone;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
};
