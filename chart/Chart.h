#pragma once
// The chart control: the axis panel with its title and foot, its three walls and its legend
// switch.
#include "chart/AxisPanel.h"
#include "chart/ChartLegend.h"
#include "chart/ChartTitle.h"
#include "chart/ChartWall.h"

class TCustomChart : public TCustomAxisPanel {
  Q_OBJECT

 public:
  explicit TCustomChart(QWidget* parent = nullptr);

  TChartTitle& Title() { return title_; }
  TChartTitle& Foot() { return foot_; }
  TChartWall& BackWall() { return backWall_; }
  TChartWall& LeftWall() { return leftWall_; }
  TChartWall& BottomWall() { return bottomWall_; }
  TChartLegend& Legend() { return legend_; }
  const TChartTitle& Title() const { return title_; }
  const TChartTitle& Foot() const { return foot_; }
  const TChartWall& BackWall() const { return backWall_; }
  const TChartWall& LeftWall() const { return leftWall_; }
  const TChartWall& BottomWall() const { return bottomWall_; }
  const TChartLegend& Legend() const { return legend_; }

  // The left and bottom walls' thickness for their axes in the 3D view with walls; else 0.
  int AxisWallSize(const TCustomChartAxis* axis) const override;

 protected:
  void DrawTitlesAndLegend() override;
  void DrawWalls() override;
  int BackWallSize() const override;

 private:
  TChartTitle title_;
  TChartTitle foot_;
  TChartWall backWall_;
  TChartWall leftWall_;
  TChartLegend legend_;
  TChartWall bottomWall_;
};

class TChart : public TCustomChart {
  Q_OBJECT

 public:
  using TCustomChart::TCustomChart;
};
