# Series kinds, value lists and marks: target_sources(pikutora_chart PRIVATE ...)
target_sources(pikutora_chart PRIVATE
  BarSeries.cpp
  BarWidth.cpp
  ChartValueList.cpp
  LineSeries.cpp
  OverpaintedShapes.cpp
  ResultGraphSeries.cpp
  SeriesMarks.cpp
  SeriesPointer.cpp
)
