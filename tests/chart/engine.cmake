# Tests of the chart engine area: panel geometry, walls, axes and their drawing, the repaint.
add_executable(chart_engine_tests
  ${CMAKE_CURRENT_LIST_DIR}/engine/EngineTestMain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/engine/ChartGeometryTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/engine/WallsAndClipTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/engine/AxisScaleTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/engine/FormatFloatTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/engine/AxisDrawingTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/engine/ChartMouseTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/engine/ResultGraphRenderTest.cpp
)
target_link_libraries(chart_engine_tests PRIVATE pikutora_graph_layout GTest::gtest Qt6::Test)
gtest_discover_tests(chart_engine_tests NO_PRETTY_VALUES PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS chart)
# Pictures rendered by the tests are left here for a look.
target_compile_definitions(chart_engine_tests PRIVATE ENGINE_TEST_OUTPUT_DIR="${CMAKE_CURRENT_BINARY_DIR}")
