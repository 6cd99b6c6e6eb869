#pragma once
// The rule of every chart setting: a new value is stored only when it differs, and only then
// does the owner react (usually with a repaint request).

// Stores value into field when it differs; answers whether it did.
template <typename T>
bool StoreChanged(T& field, const T& value) {
  if (field == value) return false;
  field = value;
  return true;
}
