#pragma once
// The chart panel: the 3D view settings, the panel geometry (PanelRect, PlotRect, depth)
// and the buffered repaint. A repaint draws the whole chart into the off-screen bitmap of
// the 3D canvas and copies it to the window; a window paint with nothing changed only copies
// the bitmap again.
#include <QCursor>
#include <QImage>
#include <memory>

#include "chart/canvas/ChartCanvas3D.h"
#include "chart/engine/CustomPanel.h"
#include "chart/engine/View3DOptions.h"
#include "chart/engine/ZoomPanningRecord.h"
#include "platform/Geometry.h"

class TCustomChartPanel : public TCustomPanel {
  Q_OBJECT

 public:
  explicit TCustomChartPanel(QWidget* parent = nullptr);
  ~TCustomChartPanel() override;

  TView3DOptions& View3DOptions() { return view3DOptions_; }
  const TView3DOptions& View3DOptions() const { return view3DOptions_; }
  TChartCanvas3D& Canvas() { return canvas_; }
  const TChartCanvas3D& Canvas() const { return canvas_; }

  TZoomPanningRecord ZoomDrag;
  TZoomPanningRecord PanDrag;

  // Margins in percent of the panel's width (left, right) or height (top, bottom).
  int MarginLeft() const { return marginLeft_; }
  void SetMarginLeft(int value);
  int MarginTop() const { return marginTop_; }
  void SetMarginTop(int value);
  int MarginRight() const { return marginRight_; }
  void SetMarginRight(int value);
  int MarginBottom() const { return marginBottom_; }
  void SetMarginBottom(int value);

  bool View3D() const { return view3D_; }
  void SetView3D(bool value);
  // Depth of the 3D view, 1..100; other values raise ChartException and are not stored.
  int Chart3DPercent() const { return chart3DPercent_; }
  void SetChart3DPercent(int value);
  bool Monochrome() const { return canvas_.Monochrome(); }
  void SetMonochrome(bool value);
  // Paging: 0 points per page means every point can be shown.
  int MaxPointsPerPage() const { return maxPointsPerPage_; }
  void SetMaxPointsPerPage(int value);
  int Page() const { return page_; }
  void SetPage(int value);
  bool ScaleLastPage() const { return scaleLastPage_; }
  void SetScaleLastPage(bool value);

  // Geometry of the last repaint.
  const TRect& PanelRect() const { return panelRect_; }
  const TRect& PlotRect() const { return plotRect_; }
  int PlotWidth() const { return plotWidth_; }
  int PlotHeight() const { return plotHeight_; }
  int PlotCenterX() const { return plotCenterX_; }
  int PlotCenterY() const { return plotCenterY_; }
  int ChartDepth() const { return chartDepth_; }

  // Marks the bitmap stale and asks the window system for a paint (ignored while the
  // chart is being constructed).
  void RequestRepaint() override;

  // While the chart takes its settings from a stored layout, range checks of the axes are
  // skipped and Automatic does not touch the two automatic ends.
  bool Loading() const { return loading_; }
  void BeginLoading() { loading_ = true; }
  // Ends loading; the control's cursor as loaded becomes LoadedCursor.
  void EndLoading();
  // The cursor the chart returns to when the mouse leaves it or moves over nothing special.
  const QCursor& LoadedCursor() const { return loadedCursor_; }

  // One repaint onto a window canvas (null: into the bitmap only) for the client rectangle.
  void Draw(ChartCanvas* windowCanvas, const TRect& clientRect);
  // Runs a repaint of the whole control into the bitmap and gives the bitmap.
  const QImage& RenderToImage();

 protected:
  // Steps of a repaint between the canvas set-up and the final copy.
  virtual void InternalDraw() = 0;
  // Drawn on the window after the chart image in every window paint (nothing here).
  virtual void DrawOverlay(ChartCanvas& windowCanvas);

  // PlotRect from PanelRect, the border width and the margins.
  void CalcPlotRectFromPanel();
  void SetPlotRect(const TRect& r);
  // Keeps PlotRect inside the panel and non-empty, then recomputes its width, height, centre.
  void NormalizePlotRect();
  // Fill, picture and bevels of the whole PanelRect.
  virtual void PaintPanel();
  void SetChartDepth(int value) { chartDepth_ = value; }

  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // One bevel ring set: width rings from the outside in, top/left in one colour, bottom/right
  // in the other.
  void DrawBevel(TRect& r, TBevelCut cut, int width);

  TView3DOptions view3DOptions_;
  TChartCanvas3D canvas_;
  bool repaintEnabled_ = false;
  bool loading_ = false;
  QCursor loadedCursor_;
  int marginLeft_ = 3;
  int marginTop_ = 4;
  int marginRight_ = 3;
  int marginBottom_ = 4;
  bool view3D_ = true;
  int chart3DPercent_ = 15;
  int maxPointsPerPage_ = 0;
  int page_ = 1;
  bool scaleLastPage_ = true;
  TRect panelRect_;
  TRect plotRect_;
  int plotWidth_ = 0;
  int plotHeight_ = 0;
  int plotCenterX_ = 0;
  int plotCenterY_ = 0;
  int chartDepth_ = 0;
};
