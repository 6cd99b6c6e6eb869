#pragma once
// The title of an axis: a caption drawn beside the axis at an angle, in its own font.
#include <QString>

#include "chart/engine/ChartFontObject.h"

class TChartAxisTitle : public TChartFontObject {
 public:
  using TChartFontObject::TChartFontObject;

  int Angle() const { return angle_; }
  void SetAngle(int value);
  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& value);
  // Copies angle, caption and font.
  void Assign(const TChartAxisTitle& other);

 private:
  int angle_ = 0;
  QString caption_;
};
