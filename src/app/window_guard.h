#pragma once
// GuardWindowProc keeps C++ exceptions from crossing into Windows: a window procedure,
// dialog procedure or any callback the system calls runs its body through it, and an
// unhandled failure goes to the error log instead of unwinding through system frames.
//
//   LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
//     return GuardWindowProc(app.logger, "Ttc_KestrixForm", LRESULT{0},
//                            [&] { return self->HandleMessage(msg, wp, lp); });
//   }
#include "app/error_log.h"

namespace kestrix {

// Runs `body` and returns its result; on any exception, logs it through `logger` (when
// not null) under `form_name` and returns `fallback`. Never throws.
template <typename Result, typename Body>
Result GuardWindowProc(ErrorLogger* logger, const char* form_name, Result fallback,
                       Body&& body) noexcept {
  try {
    return body();
  } catch (...) {
    if (logger != nullptr) logger->LogCurrentException(form_name != nullptr ? form_name : "");
    return fallback;
  }
}

// The same for bodies without a result.
template <typename Body>
void GuardCallback(ErrorLogger* logger, const char* form_name, Body&& body) noexcept {
  try {
    body();
  } catch (...) {
    if (logger != nullptr) logger->LogCurrentException(form_name != nullptr ? form_name : "");
  }
}

}  // namespace kestrix
