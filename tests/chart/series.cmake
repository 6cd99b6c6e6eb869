# tests of the chart series area
