#include "chart/settings/ChartException.h"
// The exception classes are complete in their header; this unit anchors the chart library.
