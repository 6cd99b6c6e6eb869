#pragma once
// The scales of the four side axes as they were before the first zoom or pan step, so that
// an undo can bring them back.
class TCustomChartAxis;

struct TAxisScale {
  bool Automatic = true;
  bool AutomaticMinimum = true;
  bool AutomaticMaximum = true;
  double Minimum = 0;
  double Maximum = 0;
};

struct TScaleSnapshot {
  TAxisScale Top;
  TAxisScale Bottom;
  TAxisScale Left;
  TAxisScale Right;
};
