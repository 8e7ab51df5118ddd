#pragma once

#include <utility>
#include <variant>

namespace morvana {

// Why a calculation gave no value: a field that is not a number, or a number
// (or an XOR of two) too large for the integer widths the mask works in.
enum class MaskFailure { Conversion, Range };

// A value or the failure that prevented it. The calculation is called once per
// button press and from fuzzers, so failures are plain values, not exceptions.
template <typename T>
class [[nodiscard]] Outcome {
 public:
  Outcome(T value) : state_(std::move(value)) {}     // NOLINT(google-explicit-constructor)
  Outcome(MaskFailure failure) : state_(failure) {}  // NOLINT(google-explicit-constructor)

  [[nodiscard]] bool HasValue() const { return std::holds_alternative<T>(state_); }
  explicit operator bool() const { return HasValue(); }

  // Asking for the side that is not there is the caller's fault: check
  // HasValue first. It throws std::bad_variant_access where exceptions are
  // on, and ends the program at once where they are off (Morvana.exe).
  [[nodiscard]] const T& Value() const { return std::get<T>(state_); }
  [[nodiscard]] MaskFailure Failure() const { return std::get<MaskFailure>(state_); }

  friend bool operator==(const Outcome&, const Outcome&) = default;

 private:
  std::variant<T, MaskFailure> state_;
};

}  // namespace morvana
