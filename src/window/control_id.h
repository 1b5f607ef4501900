#pragma once
// A control's numeric id. Each window names its ids in an enum class of its own; Windows
// carries them as ints, and this is the one place where one turns into the other.
#include <compare>
#include <type_traits>

#include "platform/win32/windows_api.h"

namespace kestrix {

// Set for each window's id enum (and its menu command enum) beside its declaration.
template <typename Id>
inline constexpr bool kIsControlEnum = false;
template <typename Id>
concept ControlEnum = kIsControlEnum<Id>;

class ControlId {
 public:
  // Ids arrive from Windows as ints (WM_COMMAND, GetDlgCtrlID): they convert implicitly.
  constexpr ControlId(int value) : value_(value) {}  // NOLINT(google-explicit-constructor)
  template <ControlEnum Id>
  constexpr ControlId(Id id) : value_(static_cast<int>(id)) {}  // NOLINT
  constexpr int value() const { return value_; }
  // A menu command or a message parameter carries the id unsigned.
  constexpr UINT command() const { return static_cast<UINT>(value_); }
  // One window's id, for a switch over its enum class.
  template <ControlEnum Id>
  explicit constexpr operator Id() const {
    return static_cast<Id>(value_);
  }

 private:
  int value_;
};

constexpr bool operator==(ControlId a, ControlId b) {
  return a.value() == b.value();
}
constexpr auto operator<=>(ControlId a, ControlId b) {
  return a.value() <=> b.value();
}
// A run of like controls (steps, language buttons, menu entries): the id `steps` on, and
// how far one lies from another.
constexpr ControlId operator+(ControlId id, int steps) {
  return id.value() + steps;
}
template <ControlEnum Id>
constexpr ControlId operator+(Id id, int steps) {
  return static_cast<int>(id) + steps;
}
constexpr int operator-(ControlId a, ControlId b) {
  return a.value() - b.value();
}
template <ControlEnum Id>
constexpr int operator-(ControlId a, Id b) {
  return a.value() - static_cast<int>(b);
}

inline HWND Item(HWND parent, ControlId id) {
  return GetDlgItem(parent, id.value());
}
// The control a WM_NOTIFY comes from.
inline ControlId IdFrom(const NMHDR& header) {
  return static_cast<int>(header.idFrom);
}

}  // namespace kestrix
