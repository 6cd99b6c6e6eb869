# Series kinds, value lists and marks: target_sources(pikutora_chart PRIVATE ...)
target_sources(pikutora_chart PRIVATE
  BarWidth.cpp
  ChartValueList.cpp
)
