# tests of the chart series area
add_executable(chart_series_tests
  series/SeriesTestMain.cpp
  series/ChartValueListTest.cpp
  series/BarWidthTest.cpp
  series/PointStoreTest.cpp
  series/SeriesLayoutTest.cpp
  series/BarDrawingTest.cpp
  series/LineDrawingTest.cpp
  series/ResultGraphPngTest.cpp
  series/DirectPixelsTest.cpp
  series/OverpaintedShapesTest.cpp
)
target_include_directories(chart_series_tests PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(chart_series_tests PRIVATE pikutora_graph_layout GTest::gtest)
gtest_discover_tests(chart_series_tests PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
# Pictures rendered by the tests are left here for a look.
target_compile_definitions(chart_series_tests PRIVATE SERIES_TEST_OUTPUT_DIR="${CMAKE_CURRENT_BINARY_DIR}")
