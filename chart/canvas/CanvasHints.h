#pragma once
// What a canvas that writes pixels itself may be told by the speed machinery beneath the chart:
// which pixels of what it draws next later drawing paints over (it may leave them out), and which
// rows of what it draws next are alike (it may draw one and copy it). A canvas without hints
// draws everything as it is asked; the picture is the same either way.
class CoveredPixels;

class CanvasHints {
 public:
  // The rows top..bottom (none when top > bottom) of what is drawn from now on will be painted
  // over entirely by what follows.
  virtual void LeaveOutRows(int top, int bottom) = 0;
  // Likewise for the pixels from column left rightwards in those rows; either call replaces what
  // the other said.
  virtual void LeaveOutColumns(int left, int top, int bottom) = 0;
  // The covered pixels (none when null) of what is drawn from now on will be painted over by what
  // follows. They outlive their use.
  virtual void LeaveOutCovered(const CoveredPixels* covered) = 0;
  // What is drawn from now until EndRepeatedRows, with the pen, brush and mode as they are now,
  // sets in each of the rows from+1..to, in the columns left..right, just what it sets in row
  // from, and nothing in those rows elsewhere: the canvas may draw row from alone and copy it.
  // A pair inside another repeats nothing, and its end ends the outer one early.
  virtual void BeginRepeatedRows(int from, int to, int left, int right) = 0;
  virtual void EndRepeatedRows() = 0;

 protected:
  ~CanvasHints() = default;
};
