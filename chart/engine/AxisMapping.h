#pragma once
// Where an axis puts its values along its side of the plot in a repaint: the pixels its span runs
// between (in unprojected chart coordinates), the range of values shown there, and which way the
// values run. The layout of the axes makes it; the drawing, the series and the mouse read it.
#include <iosfwd>
#include <span>

class AxisMapping {
 public:
  AxisMapping() = default;
  // A horizontal axis shows its values from the start pixel rightwards, a vertical one from the
  // end pixel upwards; an inverted axis the other way round.
  AxisMapping(int startPixel, int endPixel, double shownMinimum, double shownMaximum, bool horizontal, bool inverted)
      : start_(startPixel), end_(endPixel), minimum_(shownMinimum), maximum_(shownMaximum),
        horizontal_(horizontal), inverted_(inverted) {}

  int StartPixel() const { return start_; }
  int EndPixel() const { return end_; }
  int PixelLength() const { return end_ - start_; }
  int CenterPixel() const { return (start_ + end_) / 2; }
  double ShownMinimum() const { return minimum_; }
  double ShownMaximum() const { return maximum_; }
  double ShownRange() const { return maximum_ - minimum_; }
  bool Horizontal() const { return horizontal_; }
  bool Inverted() const { return inverted_; }

  // The pixel of a value, rounded halves to even; a range of 0, and an offset beyond what a
  // pixel can hold, give the centre pixel.
  int ValueToPixel(double value) const;
  // ValueToPixel of each value, into pixels (as many), sooner than a call for each.
  void ValuesToPixels(std::span<const double> values, int* pixels) const;
  // The value at a pixel; 0 for a span of no length.
  double PixelToValue(int pixel) const;

  friend bool operator==(const AxisMapping&, const AxisMapping&) = default;

 private:
  int start_ = 0, end_ = 0;
  double minimum_ = 0, maximum_ = 0;
  bool horizontal_ = true, inverted_ = false;
};

// "pixels 66..519 show 0..4 rightwards", for test output.
std::ostream& operator<<(std::ostream& out, const AxisMapping& mapping);
