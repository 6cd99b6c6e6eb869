# Panel, axes, walls, titles and the series base: target_sources(pikutora_chart PRIVATE ...)
target_sources(pikutora_chart PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AxisDrawing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AxisPanel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Chart.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartMouse.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartLegend.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartTitle.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartWall.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartAxis.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartAxisTitle.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartBrush.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartFont.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartFontObject.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartPanel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartPanelExtended.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartPen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartSeries.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CustomPanel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormatFloat.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ResultGraphChart.cpp
  ${CMAKE_CURRENT_LIST_DIR}/View3DOptions.cpp
)
