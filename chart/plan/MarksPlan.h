#pragma once
// The marks of a dense series that the marks drawn after them, and what is drawn after the
// series, paint over entirely. Marks of the same value share their text and box, measured once;
// at the same height they share their layout too, moved across: the first one's position and
// pixels are worked out, and the others' moved from them.
#include <vector>

class CoverageMask;
class TChartSeries;

// Whether the repaint may plan the series' marks ahead: nothing the program adds can change a mark
// or a point between the planning and the drawing.
bool MarksPlannable(const TChartSeries& series);

// One flag per visible point (by index - VisibleFrom), set where the series' mark is painted over
// by the marks after it and the pixels already in covered; the drawing leaves those out, but their
// positions are stored all the same. The boxes of the marks kept are added to covered.
std::vector<char> HiddenMarks(TChartSeries& series, CoverageMask& covered);
