# tests of the chart canvas area
