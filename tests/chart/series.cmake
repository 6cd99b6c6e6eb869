# tests of the chart series area
add_executable(chart_series_tests
  series/ChartValueListTest.cpp
  series/BarWidthTest.cpp
)
target_link_libraries(chart_series_tests PRIVATE pikutora_chart GTest::gtest_main GTest::gmock)
gtest_discover_tests(chart_series_tests PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
