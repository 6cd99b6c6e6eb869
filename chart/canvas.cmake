# Canvas sources: the 2D canvas interface, its QPainter and recording implementations, the 3D canvas.
target_sources(pikutora_chart PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ChartCanvas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartCanvas3D.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CoverageMask.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CoveredPixels.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImagePixels.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PolygonSpans.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QtChartCanvas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RecordingCanvas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextCache.cpp
)
