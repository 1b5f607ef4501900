#include "window/control_table.h"

#include <algorithm>

#include "platform/win32/wide_text.h"
#include "window/dpi_win32.h"

namespace kestrix {

std::string Caption::In(const LanguageTable& language) const {
  if (key == nullptr) return text;
  return language.Text(*key) + text;
}

void AnchorResizer::SetDesignSize(int width, int height) {
  design_ = {Scale96(width), Scale96(height)};
}

void AnchorResizer::Add(HWND control, Anchor anchor, const RECT& bounds) {
  if (control != nullptr && anchor != Anchor::kNone) entries_.push_back({control, anchor, bounds});
}

void AnchorResizer::Resize(HWND parent, int width, int height) const {
  if (entries_.empty()) return;
  const int dx = width - design_.cx;
  const int dy = height - design_.cy;
  for (const Entry& entry : entries_) {
    RECT r = entry.bounds;
    if (Has(entry.anchor, Anchor::kLeftEdge)) r.left += dx;
    if (Has(entry.anchor, Anchor::kRightEdge)) r.right += dx;
    if (Has(entry.anchor, Anchor::kTopEdge)) r.top += dy;
    if (Has(entry.anchor, Anchor::kBottomEdge)) r.bottom += dy;
    MoveWindow(entry.control, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
  }
  // Group boxes and labels leave their old frames behind otherwise.
  InvalidateRect(parent, nullptr, TRUE);
}

void AnchorResizer::Resize(HWND parent) const {
  RECT client = {};
  GetClientRect(parent, &client);
  Resize(parent, client.right, client.bottom);
}

void CreateControls(HWND window, std::span<const ControlSpec> specs, const LanguageTable& language,
                    AnchorResizer* resizer) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
  const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
  for (const ControlSpec& spec : specs) {
    HWND parent = spec.parent == 0 ? window : Item(window, spec.parent);
    const int x = Scale96(spec.place.x), y = Scale96(spec.place.y);
    const RECT bounds = {x, y, x + Scale96(spec.place.width), y + Scale96(spec.place.height)};
    HWND control = CreateWindowExW(
        spec.ex_style, Wide(spec.class_name).c_str(), Wide(spec.caption.In(language)).c_str(),
        WS_CHILD | spec.style, bounds.left, bounds.top, bounds.right - bounds.left,
        bounds.bottom - bounds.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id.value())), instance, nullptr);
    if (control == nullptr) continue;
    SendMessageW(control, WM_SETFONT, font, FALSE);
    if (resizer != nullptr && spec.parent == 0) resizer->Add(control, spec.anchor, bounds);
  }
}

void ApplyCaptions(HWND window, std::span<const ControlSpec> specs, const LanguageTable& language) {
  for (const ControlSpec& spec : specs)
    if (spec.caption.key != nullptr) {
      HWND holder = spec.parent == 0 ? window : Item(window, spec.parent);
      SetWindowTextW(Item(holder, spec.id), Wide(spec.caption.In(language)).c_str());
    }
}

void FitDroppedWidth(HWND combo) {
  HDC dc = GetDC(combo);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(combo, WM_GETFONT, 0, 0)));
  int widest = 0;
  for (LRESULT i = 0, count = SendMessageW(combo, CB_GETCOUNT, 0, 0); i < count; ++i) {
    std::wstring item(static_cast<size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
    item.resize(static_cast<size_t>(
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()))));
    SIZE size = {};
    GetTextExtentPoint32W(dc, item.c_str(), static_cast<int>(item.size()), &size);
    widest = std::max<int>(widest, size.cx);
  }
  SelectObject(dc, old);
  ReleaseDC(combo, dc);
  RECT box = {};
  GetWindowRect(combo, &box);
  const int needed = widest + GetSystemMetrics(SM_CXVSCROLL) + Scale96(8);
  SendMessageW(combo, CB_SETDROPPEDWIDTH, std::max<int>(needed, box.right - box.left), 0);
}

}  // namespace kestrix
