#pragma once
// The chart control: the axis panel with its title and foot, its three walls and its legend
// switch, and the mouse: zoom into a dragged rectangle, undo the zoom, pan, wheel scrolling.
#include <QRegion>
#include <functional>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/ChartWall.h"
#include "chart/engine/ScaleSnapshot.h"

class TChartSeries;

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

  // --- mouse ---
  // The scales before the first zoom or pan step since the last undo.
  const TScaleSnapshot& ScaleSnapshot() const { return scaleSnapshot_; }
  bool SnapshotTaken() const { return snapshotTaken_; }
  bool ZoomedState() const { return zoomedState_; }
  // Set before an assigned click notification runs; a notification that leaves it set stops
  // the drag from starting.
  bool CancelMouse() const { return cancelMouse_; }
  void SetCancelMouse(bool value) { cancelMouse_ = value; }

  // Zooms the four side axes to ZoomDrag's rectangle.
  void ZoomToRect();
  // Brings back the scales of the snapshot.
  void UndoZoom();

  // Input, in chart pixels (the window's client coordinates). The second press of a double
  // click tells a series its double click instead of its click.
  void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers keys, int x, int y, bool doubleClick = false);
  void MouseMove(Qt::KeyboardModifiers keys, int x, int y);
  void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers keys, int x, int y);
  // One wheel step; down scrolls the vertical scales towards larger values.
  void WheelStep(bool down);
  void MouseLeave();

  // Notifications (none is assigned in this program).
  std::function<void(TChartSeries&, int index)> OnClickSeries;
  std::function<void(TCustomChartAxis&)> OnClickAxis;
  std::function<void()> OnClickBackground;
  std::function<void()> OnZoom;
  std::function<void()> OnUndoZoom;
  std::function<void()> OnScroll;
  // Before a pan step moves an axis: may change the new range, or clear allow to keep it.
  std::function<void(TCustomChartAxis&, double& min, double& max, bool& allow)> OnAllowScroll;

 protected:
  void DrawTitlesAndLegend() override;
  void DrawWalls() override;
  int BackWallSize() const override;
  // The rubber band of a zoom drag in progress, over the chart on the window.
  void DrawOverlay(ChartCanvas& windowCanvas) override;

  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  // What a press can hit.
  enum class TPart { None, Series, Axis, Title, Foot, Plot };
  TPart PartAt(int x, int y, TChartSeries*& series, int& index, TCustomChartAxis*& axis) const;
  // Runs an assigned click notification with the cancel flag set; true when it lets the
  // drag start (or none is assigned).
  bool AllowsDrag(const std::function<void()>& notify);
  void TakeSnapshot();
  // Moves an axis so that the value at pixel from comes to pixel to.
  void ShiftAxisByPixels(TCustomChartAxis& axis, int from, int to);
  void PanTo(int x, int y);
  void UpdateCursor(int x, int y);
  // The rectangle of a zoom drag, from the press to the pointer, and the window pixels its
  // rubber band sets: what a move of the pointer repaints, instead of the whole chart.
  TRect RubberBandRect() const;
  QRegion RubberBandPixels() const;

 private:
  TChartTitle title_;
  TChartTitle foot_;
  TChartWall backWall_;
  TChartWall leftWall_;
  TChartLegend legend_;
  TChartWall bottomWall_;
  TScaleSnapshot scaleSnapshot_;
  bool snapshotTaken_ = false;
  bool zoomedState_ = false;
  bool cancelMouse_ = false;
  int wheelRemainder_ = 0;  // wheel units short of a whole notch, in the direction last turned
};
