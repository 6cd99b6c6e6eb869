#pragma once
// Range checks of chart settings raise these, with fixed messages.
#include "platform/AppError.h"

class ChartException : public AppError {
 public:
  using AppError::AppError;
};

class AxisException : public ChartException {
 public:
  using ChartException::ChartException;
};

class BarException : public ChartException {
 public:
  using ChartException::ChartException;
};
