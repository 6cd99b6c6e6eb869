# Tests of the chart canvas area: the 2D canvases and the 3D canvas.
add_executable(chart_canvas_tests
  ${CMAKE_CURRENT_LIST_DIR}/canvas/CanvasTestMain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/canvas/ProjectionTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/canvas/Canvas3DDrawingTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/canvas/BoxPixelsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/canvas/OffscreenBitmapTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/canvas/QtChartCanvasTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/canvas/CanvasSceneTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/canvas/PolygonFillTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/canvas/CoverageMaskTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/canvas/CoveredPixelsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/canvas/TextCacheTest.cpp
)
target_link_libraries(chart_canvas_tests PRIVATE pikutora_graph_layout GTest::gtest)
gtest_discover_tests(chart_canvas_tests PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
