#include "chart/Chart.h"

#include "chart/plan/OverpaintPlanner.h"

TChart::TChart(QWidget* parent) : TCustomChart(parent) { SetPlanner(std::make_unique<OverpaintPlanner>()); }
