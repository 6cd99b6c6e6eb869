#pragma once
// The chart panel with its background options (gradient, picture) and the mouse switches
// for zooming and panning.
#include <QImage>

#include "chart/engine/ChartPanel.h"

enum TPanningMode { pmNone, pmHorizontal, pmVertical, pmBoth };
enum TBackImageMode { pbmStretch, pbmTile, pbmCenter };

class TCustomChartPanelExtended : public TCustomChartPanel {
  Q_OBJECT

 public:
  explicit TCustomChartPanelExtended(QWidget* parent = nullptr);

  // Background gradient switch (off: the panel is filled with its colour).
  bool GradientVisible() const { return gradientVisible_; }
  void SetGradientVisible(bool value);
  const QImage& BackImage() const { return backImage_; }
  void SetBackImage(const QImage& value);
  TBackImageMode BackImageMode() const { return backImageMode_; }
  void SetBackImageMode(TBackImageMode value);
  bool BackImageInside() const { return backImageInside_; }
  void SetBackImageInside(bool value);

  bool AllowZoom() const { return allowZoom_; }
  void SetAllowZoom(bool value);
  TPanningMode AllowPanning() const { return allowPanning_; }
  void SetAllowPanning(TPanningMode value);
  bool AnimatedZoom() const { return animatedZoom_; }
  void SetAnimatedZoom(bool value);
  int AnimatedZoomSteps() const { return animatedZoomSteps_; }
  void SetAnimatedZoomSteps(int value);

 private:
  bool gradientVisible_ = false;
  QImage backImage_;
  TBackImageMode backImageMode_ = pbmStretch;
  bool backImageInside_ = false;
  bool allowZoom_ = true;
  TPanningMode allowPanning_ = pmBoth;
  bool animatedZoom_ = false;
  int animatedZoomSteps_ = 8;
};
