# tests of the chart engine area
