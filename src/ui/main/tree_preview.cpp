#include "ui/main/tree_preview.h"

#include <algorithm>
#include <optional>

#include "platform/win32/wide_text.h"
#include "window/dpi_win32.h"
// After the Windows headers they need.
#include <commctrl.h>

namespace kestrix {

namespace {

constexpr char kClassName[] = "TKestrixTreePreview";
constexpr UINT kRecomputeDelayMs = 40;
constexpr int kIndent = 4;  // blanks per level

std::string UpperKey(const std::string& path) {
  std::string key = path;
  for (char& c : key)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return key;
}

// The colour of a mark: green for new, grey for existing, red for what cannot be made.
COLORREF MarkColour(PathMark mark) {
  switch (mark) {
    case PathMark::kNew:
      return RGB(0, 128, 0);
    case PathMark::kExists:
    case PathMark::kUnchecked:
      return GetSysColor(COLOR_GRAYTEXT);
    default:
      return RGB(192, 0, 0);
  }
}

}  // namespace

void TreePreview::Show(HWND owner, HFONT font, bool shown) {
  if (shown && hwnd() == nullptr && !Make(owner, font)) return;
  if (hwnd() == nullptr) return;
  if (shown) {
    Recompute();
    ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
    Follow();
  } else {
    KillTimer(hwnd(), kTimerRecompute);
    KillTimer(hwnd(), kTimerCheckMore);
    ShowWindow(hwnd(), SW_HIDE);
  }
}

bool TreePreview::Make(HWND owner, HFONT font) {
  owner_ = owner;
  INITCOMMONCONTROLSEX common = {sizeof common, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&common);
  const std::wstring class_name = Wide(kClassName);
  WNDCLASSEXW wc = {};
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = class_name.c_str();
  if (!RegisterClassOnce(wc)) return false;

  const RECT bounds = PlaceBesideOwner();
  const std::string title = sources_.language().Text(lng::tree_preview::kTitle);
  if (!CreateOwnWindow(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClassName, title.c_str(),
                       WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_CLIPCHILDREN, bounds, owner, 0))
    return false;
  count_ =
      CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX | SS_LEFTNOWORDWRAP, 0,
                      0, 0, 0, hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
  list_ = CreateWindowExW(
      WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
      WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA | LVS_NOCOLUMNHEADER | LVS_SINGLESEL, 0, 0,
      0, 0, hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  for (int column = 0; column < 2; ++column) {
    LVCOLUMNW format = {};
    format.mask = LVCF_WIDTH;
    format.cx = Scale96(100);
    SendMessageW(list_, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&format));
  }
  for (HWND control : {count_, list_})
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  Layout();
  return true;
}

RECT TreePreview::PlaceBesideOwner() const {
  RECT at = {};
  GetWindowRect(owner_, &at);
  RECT work = {};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  int width = std::max<int>(at.right - at.left, Scale96(380));
  int height = Scale96(300);
  if (hwnd() != nullptr) {
    // The user's own size stays.
    RECT now = {};
    GetWindowRect(hwnd(), &now);
    width = now.right - now.left;
    height = now.bottom - now.top;
  }
  if (at.bottom + height <= work.bottom)
    return {at.left, at.bottom, at.left + width, at.bottom + height};
  const int left =
      at.right + width <= work.right ? at.right : std::max<int>(work.left, at.left - width);
  return {left, at.top, left + width, at.top + height};
}

void TreePreview::Follow() {
  if (!Shown()) return;
  const RECT place = PlaceBesideOwner();
  SetWindowPos(hwnd(), nullptr, place.left, place.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TreePreview::Layout() {
  RECT client = {};
  GetClientRect(hwnd(), &client);
  const int margin = Scale96(6), line = Scale96(17);
  MoveWindow(count_, margin, margin / 2, client.right - 2 * margin, line, TRUE);
  MoveWindow(list_, 0, line + margin / 2, client.right, client.bottom - line - margin / 2, TRUE);
  const int mark_width = Scale96(150);
  const int name_width =
      std::max<int>(Scale96(80), client.right - mark_width - GetSystemMetrics(SM_CXVSCROLL) - 4);
  SendMessageW(list_, LVM_SETCOLUMNWIDTH, 0, name_width);
  SendMessageW(list_, LVM_SETCOLUMNWIDTH, 1, mark_width);
}

void TreePreview::Changed() {
  if (Shown()) SetTimer(hwnd(), kTimerRecompute, kRecomputeDelayMs, nullptr);
}

void TreePreview::Recompute() {
  if (hwnd() == nullptr) return;
  KillTimer(hwnd(), kTimerRecompute);
  const PlanInput input = sources_.input();
  // Another folder: what was asked about the last one says nothing here.
  if (input.current_path != base_) known_.clear();
  base_ = input.current_path;
  try {
    paths_ = PlannedPaths(PlanCreation(input, sources_.expand, sources_.replace), base_);
  } catch (...) {
    // A variable the name engine refuses: OK would say why; the tree stays empty.
    paths_.clear();
  }
  rows_ = TreeOrder(paths_);
  const bool done = MarkAll();
  // Setting the count costs as much as drawing the list: only a new count is set, and the
  // rows on screen are drawn again when the queue is idle.
  const auto count = static_cast<int>(rows_.size() + 1);
  if (SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0) != count)
    SendMessageW(list_, LVM_SETITEMCOUNT, count, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
  InvalidateRect(list_, nullptr, FALSE);
  if (!done) SetTimer(hwnd(), kTimerCheckMore, 1, nullptr);
}

bool TreePreview::MarkAll() {
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  const auto budget = static_cast<LONGLONG>(kCheckMsPerTick * frequency.QuadPart / 1000);
  bool spent = false;
  auto attributes = [&](const std::string& path) -> std::optional<uint32_t> {
    const std::string key = UpperKey(path);
    if (auto found = known_.find(key); found != known_.end()) return found->second;
    if (spent) return std::nullopt;
    QueryPerformanceCounter(&now);
    spent = now.QuadPart - start.QuadPart > budget;
    return known_[key] = sources_.files.GetAttributes(path);
  };
  std::string base = base_;
  if (base.size() > 3 && base.back() == '\\') base.pop_back();
  base_exists_ = attributes(base).value_or(kAttrDirectory) != kAttrInvalid;
  MarkPaths(paths_, base_exists_, attributes);
  const MarkCounts counts = CountMarks(paths_);
  std::string text = CountLine(counts, sources_.language());
  if (text != count_text_) {
    count_text_ = std::move(text);
    SetWindowTextW(count_, Wide(count_text_).c_str());
  }
  return counts[static_cast<std::size_t>(PathMark::kUnchecked)] == 0;
}

std::string TreePreview::CellText(std::size_t row, int column) const {
  const LanguageTable& language = sources_.language();
  if (row == 0)
    return column == 0
               ? base_
               : language.Text(base_exists_ ? lng::tree_preview::kExists : lng::tree_preview::kNew);
  if (row > rows_.size()) return {};
  const PlannedPath& entry = paths_[rows_[row - 1]];
  if (column == 1) return MarkText(entry, language);
  return std::string(static_cast<std::size_t>(entry.depth) * kIndent, ' ') + entry.name +
         (entry.file ? "" : "\\");
}

LRESULT TreePreview::OnMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_MOUSEACTIVATE:
      // The typing goes on in the main window.
      return MA_NOACTIVATE;
    case WM_SIZE:
      if (list_ != nullptr) Layout();
      break;
    case WM_TIMER:
      KillTimer(window, wparam);
      if (wparam == kTimerRecompute) {
        Recompute();
      } else if (wparam == kTimerCheckMore) {
        if (!MarkAll()) SetTimer(window, kTimerCheckMore, 1, nullptr);
        InvalidateRect(list_, nullptr, FALSE);
      }
      return 0;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lparam);
      if (header->hwndFrom != list_) break;
      if (header->code == LVN_GETDISPINFOW) {
        auto* info = reinterpret_cast<NMLVDISPINFOW*>(lparam);
        if ((info->item.mask & LVIF_TEXT) == 0 || info->item.cchTextMax <= 0) return 0;
        // A cell wider than the list's buffer loses its end, never half a character.
        const std::string text =
            CellText(static_cast<std::size_t>(info->item.iItem), info->item.iSubItem);
        const std::wstring cell =
            Wide(HeadOfUtf16Length(text, static_cast<std::size_t>(info->item.cchTextMax - 1)));
        cell.copy(info->item.pszText, cell.size());
        info->item.pszText[cell.size()] = L'\0';
        return 0;
      }
      if (header->code == NM_CUSTOMDRAW) {
        auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(lparam);
        switch (draw->nmcd.dwDrawStage) {
          case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW;
          case CDDS_ITEMPREPAINT:
            return CDRF_NOTIFYSUBITEMDRAW;
          case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
            const std::size_t row = draw->nmcd.dwItemSpec;
            PathMark mark = base_exists_ ? PathMark::kExists : PathMark::kNew;
            if (row > 0 && row <= rows_.size()) mark = paths_[rows_[row - 1]].mark;
            draw->clrText = draw->iSubItem == 1 ? MarkColour(mark) : GetSysColor(COLOR_WINDOWTEXT);
            return CDRF_NEWFONT;
          }
        }
      }
      break;
    }
  }
  return DefaultHandling(window, message, wparam, lparam);
}

}  // namespace kestrix
