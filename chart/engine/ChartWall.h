#pragma once
// A wall of the 3D box (back, left or bottom): its fill, outline and thickness.
#include "chart/settings/ChartBrush.h"
#include "chart/settings/ChartPen.h"
#include "platform/Color.h"

class TCustomChartPanel;

class TCustomChartWall {
 public:
  explicit TCustomChartWall(TCustomChartPanel* chart);
  virtual ~TCustomChartWall() = default;
  TCustomChartWall(const TCustomChartWall&) = delete;
  TCustomChartWall& operator=(const TCustomChartWall&) = delete;

  TChartBrush& Brush() { return brush_; }
  const TChartBrush& Brush() const { return brush_; }
  void SetBrush(const TChartBrush& value) { brush_ = value; }
  // clAutoColor: the wall has no colour of its own.
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  bool Dark3D() const { return dark3D_; }
  void SetDark3D(bool value);
  TChartPen& Pen() { return pen_; }
  const TChartPen& Pen() const { return pen_; }
  void SetPen(const TChartPen& value) { pen_ = value; }
  // Thickness in pixels; 0 draws the wall as a flat plane.
  int Size() const { return size_; }
  void SetSize(int value);

  // Selects the wall's pen and brush (and background) on the chart's canvas.
  void PrepareCanvas() const;

 private:
  void Repaint() const;

  TCustomChartPanel* chart_;
  TChartBrush brush_;
  TColor color_ = clAutoColor;
  bool dark3D_ = true;
  TChartPen pen_;
  int size_ = 0;
};

class TChartWall : public TCustomChartWall {
 public:
  using TCustomChartWall::TCustomChartWall;
};
