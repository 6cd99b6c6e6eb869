#pragma once
// What the planner of a repaint decided for the drawing of one series: which shapes of its values
// and which of its marks are left out, because what is drawn after them paints over every pixel
// they would set, and what of each shape that is drawn later shapes paint over. The series draws
// by it; without a plan it draws every shape and every mark.
#include <span>
#include <vector>

class SeriesPlan {
 public:
  virtual ~SeriesPlan() = default;

  // One flag per visible point (by index - VisibleFrom), nonzero where its shape or its mark is
  // left out; empty when none is.
  std::span<const char> HiddenValues() const { return hiddenValues_; }
  std::span<const char> HiddenMarks() const { return hiddenMarks_; }
  // Told before and after the shape of point index is drawn: the plan may tell the canvas which
  // of its pixels later shapes paint over.
  virtual void BeforeShape(int /*index*/) const {}
  virtual void AfterShape() const {}

 protected:
  std::vector<char> hiddenValues_;
  std::vector<char> hiddenMarks_;
};

// The drawing of the shape of point index under a plan (none when null), the plan told of its
// start and of its end, however the drawing ends.
class PlannedShape {
 public:
  PlannedShape(const SeriesPlan* plan, int index) : plan_(plan) {
    if (plan_ != nullptr) plan_->BeforeShape(index);
  }
  ~PlannedShape() {
    if (plan_ != nullptr) plan_->AfterShape();
  }
  PlannedShape(const PlannedShape&) = delete;
  PlannedShape& operator=(const PlannedShape&) = delete;

 private:
  const SeriesPlan* plan_;
};
