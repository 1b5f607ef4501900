#include "host_window_win32.h"

#include <cstdio>

#include "base/utf8.h"
#include "platform/win32/wide_text.h"
#include "user_commands.h"

namespace kestrix::tcsim {
namespace {

WNDPROC g_base_list_proc = nullptr;

constexpr COLORREF kBarColor = RGB(212, 208, 200);
constexpr COLORREF kActivePathColor = RGB(10, 36, 106);
constexpr COLORREF kInactivePathColor = RGB(128, 128, 128);
constexpr int kBarHeight = 22;

struct ClassNames {
  const char* panel;
  const char* tab;
  const char* path;
  const char* list;
};
constexpr ClassNames kDelphiClasses{"TMyPanel", "TMyTabControl", "TPathPanel", "TMyListBox"};
constexpr ClassNames kLclClasses{"Window", "Window", "Window", "LCLListBox"};

HostWindow* FromHandle(HWND hwnd) {
  return reinterpret_cast<HostWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void SetColor(HWND part, COLORREF color) {
  SetWindowLongPtrW(part, GWLP_USERDATA, static_cast<LONG_PTR>(color));
  InvalidateRect(part, nullptr, TRUE);
}

// Each window's own kind: the ANSI build's windows keep their text in the code page.
LRESULT DefaultProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  return IsWindowUnicode(hwnd) ? DefWindowProcW(hwnd, message, wparam, lparam)
                               : DefWindowProcA(hwnd, message, wparam, lparam);
}

void SetText(HWND window, const std::string& text) {
  SetWindowTextW(window, Wide(text).c_str());
}

// A window of the host's. Its kind comes from its class: one the ANSI build registers with
// the ANSI call makes an ANSI window, which holds its text and list items in the code page
// as the old host's did, whatever call creates it.
HWND MakeWindow(const char* cls, const char* text, DWORD style, HWND parent, HINSTANCE instance,
                void* param) {
  return CreateWindowExW(0, Wide(cls).c_str(), Wide(text).c_str(), style, 0, 0, 0, 0, parent,
                         nullptr, instance, param);
}

// What both builds' classes share: our procedure, and for a class of our own (no system
// class under it) the arrow and the face colour. A superclass hands its base procedure out.
template <typename Class>
void FillHostClass(Class& cls, WNDPROC proc, HINSTANCE instance, bool own, WNDPROC* base_proc) {
  if (base_proc) *base_proc = cls.lpfnWndProc;
  cls.lpfnWndProc = proc;
  cls.hInstance = instance;
  cls.style &= ~CS_GLOBALCLASS;
  if (own) {
    cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  }
}

// RegisterClassEx of the build's kind; `base_list` names the system class to superclass
// and receives its procedure.
bool RegisterHostClass(bool unicode, HINSTANCE instance, const char* name, WNDPROC proc,
                       const char* base_list = nullptr, WNDPROC* base_proc = nullptr) {
  if (unicode) {
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    if (base_list && !GetClassInfoExW(nullptr, Wide(base_list).c_str(), &cls)) return false;
    const std::wstring wide_name = Wide(name);
    FillHostClass(cls, proc, instance, base_list == nullptr, base_proc);
    cls.lpszClassName = wide_name.c_str();
    return RegisterClassExW(&cls) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }
  // The ANSI build's classes: only an ANSI registration makes ANSI windows, the old host's
  // kind that the tests read across processes; no text of ours crosses here.
  WNDCLASSEXA cls{};
  cls.cbSize = sizeof cls;
  if (base_list && !GetClassInfoExA(nullptr, base_list, &cls)) return false;
  FillHostClass(cls, proc, instance, base_list == nullptr, base_proc);
  cls.lpszClassName = name;
  return RegisterClassExA(&cls) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool IsDark(COLORREF color) {
  return GetRValue(color) + GetGValue(color) + GetBValue(color) < 384;
}

}  // namespace

HostWindow::HostWindow(HostModel& model, const HostSetup& setup, LogFile& log)
    : model_(model),
      setup_(setup),
      log_(log),
      // Read once at start, as the host does: a binding written while it runs is seen by
      // the next start.
      wincmd_text_(ReadWholeFile(setup.options.wincmd_ini)),
      wincmd_(IniText::Parse(ConfigurationText(wincmd_text_))),
      usercmd_(IniText::Parse(ConfigurationText(ReadWholeFile(setup.options.usercmd_ini)))) {}

void HostWindow::SaveConfiguration() {
  // The host writes its configuration when it closes: whatever another program changed
  // in the file meanwhile is lost, which is why the installer closes it first.
  std::string text = wincmd_text_;
  for (Side side : {Side::kLeft, Side::kRight})
    text = ReplaceIniValue(text, side == Side::kLeft ? "left" : "right", "path",
                           AnsiFromUtf8(model_.Panel(side).path));
  if (!text.empty() && WriteWholeFile(setup_.options.wincmd_ini, text))
    log_.Line("SAVED " + LogQuote(setup_.options.wincmd_ini));
}

bool HostWindow::RegisterClasses(HINSTANCE instance) {
  const ClassNames& names = setup_.options.lcl ? kLclClasses : kDelphiClasses;
  const bool unicode = setup_.options.unicode;
  if (!RegisterHostClass(unicode, instance, "TTOTAL_CMD", Proc)) return false;
  // The LCL build uses one class for all three parts: registered once, then found.
  for (const char* part : {names.panel, names.tab, names.path})
    if (!RegisterHostClass(unicode, instance, part, PartProc)) return false;
  // The file lists are superclassed list boxes, as in the host.
  return RegisterHostClass(unicode, instance, names.list, ListProc, "LISTBOX", &g_base_list_proc);
}

HWND HostWindow::Part(HWND parent, const char* cls, const char* text, bool visible) {
  HWND part = MakeWindow(cls, text, WS_CHILD | WS_CLIPSIBLINGS | (visible ? WS_VISIBLE : 0), parent,
                         GetModuleHandleW(nullptr), nullptr);
  SetColor(part, kBarColor);
  return part;
}

bool HostWindow::Create(HINSTANCE instance) {
  if (!RegisterClasses(instance)) return false;
  hwnd_ = MakeWindow("TTOTAL_CMD", "Total Commander (tcsim)", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                     nullptr, instance, this);
  if (!hwnd_) return false;
  MoveWindow(hwnd_, 20, 20, 1000, 640, FALSE);
  font_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  CreateChildren();
  Layout();
  ShowState();
  ShowWindow(hwnd_, SW_SHOW);
  UpdateWindow(hwnd_);
  SetForegroundWindow(hwnd_);
  FocusActiveList();
  return true;
}

// Children in the order the utility counts them: the host's n-th "TMyPanel" child is the
// n-th created. The lists are direct children of the main window, the right one first.
void HostWindow::CreateChildren() {
  const ClassNames& names = setup_.options.lcl ? kLclClasses : kDelphiClasses;
  top_bar_ = Part(hwnd_, names.panel, "Total Commander stand-in (tcsim)", true);
  command_area_ = Part(hwnd_, names.panel, "", true);
  command_label_ = Part(command_area_, names.panel, "", true);
  left_alt_ = Part(command_area_, names.panel, "", false);
  left_header_ = Part(hwnd_, names.panel, "", true);
  left_tab_ = Part(left_header_, names.tab, "", true);
  left_path_ = Part(left_tab_, names.path, "", true);
  Part(left_header_, names.panel, "", false);
  right_alt_ = Part(left_header_, names.panel, "", false);
  right_header_ = Part(hwnd_, names.panel, "", true);
  right_tab_ = Part(right_header_, names.tab, "", true);
  right_path_ = Part(right_tab_, names.path, "", true);
  DWORD list_style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_BORDER | LBS_NOTIFY | LBS_HASSTRINGS |
                     LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT;
  right_list_ = MakeWindow(names.list, "", list_style, hwnd_, GetModuleHandleW(nullptr), nullptr);
  left_list_ = MakeWindow(names.list, "", list_style, hwnd_, GetModuleHandleW(nullptr), nullptr);
  INT tab_stops[] = {110, 150, 215};
  for (HWND list : {left_list_, right_list_}) {
    SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    SendMessageW(list, LB_SETTABSTOPS, 3, reinterpret_cast<LPARAM>(tab_stops));
  }
}

void HostWindow::Layout() {
  RECT client;
  GetClientRect(hwnd_, &client);
  int width = client.right, height = client.bottom, half = width / 2;
  int list_top = 2 * kBarHeight, list_height = height - list_top - kBarHeight - 2;
  MoveWindow(top_bar_, 0, 0, width, kBarHeight, TRUE);
  MoveWindow(left_header_, 0, kBarHeight, half, kBarHeight, TRUE);
  MoveWindow(right_header_, half, kBarHeight, width - half, kBarHeight, TRUE);
  for (HWND tab : {left_tab_, left_path_}) MoveWindow(tab, 0, 0, half, kBarHeight, TRUE);
  for (HWND tab : {right_tab_, right_path_}) {
    MoveWindow(tab, 0, 0, width - half, kBarHeight, TRUE);
  }
  MoveWindow(left_list_, 0, list_top, half, list_height, TRUE);
  MoveWindow(right_list_, half, list_top, width - half, list_height, TRUE);
  MoveWindow(command_area_, 0, height - kBarHeight, width, kBarHeight, TRUE);
  MoveWindow(command_label_, 2, 0, width - 4, kBarHeight, TRUE);
}

void HostWindow::FillList(Side side) {
  HWND list = List(side);
  const PanelState& panel = model_.Panel(side);
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const Entry& entry : panel.entries) {
    // An ANSI build's list box keeps the item in the code page.
    const std::wstring item = Wide(FormatItem(entry, setup_.options.view));
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  SendMessageW(list, LB_SETCURSEL, panel.focus, 0);
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

void HostWindow::ShowState() {
  ShowPaths();
  FillList(Side::kLeft);
  FillList(Side::kRight);
  FocusActiveList();
}

void HostWindow::ShowPaths() {
  std::string left = PathPanelText(model_.Panel(Side::kLeft).path);
  std::string right = PathPanelText(model_.Panel(Side::kRight).path);
  SetText(left_path_, left);
  SetText(left_alt_, left);
  SetText(right_path_, right);
  SetText(right_alt_, right);
  SetText(command_label_, CommandLineLabel(model_.Panel(model_.Active()).path));
  bool left_active = model_.Active() == Side::kLeft;
  SetColor(left_path_, left_active ? kActivePathColor : kInactivePathColor);
  SetColor(right_path_, left_active ? kInactivePathColor : kActivePathColor);
}

void HostWindow::FocusActiveList() {
  HWND list = List(model_.Active());
  if (GetFocus() != list) SetFocus(list);
}

void HostWindow::StateLine(const std::string& text) {
  log_.Line(text + " | " + model_.Describe());
}

LRESULT CALLBACK HostWindow::PartProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_SETTEXT) {
    LRESULT result = DefaultProc(hwnd, message, wparam, lparam);
    InvalidateRect(hwnd, nullptr, TRUE);
    return result;
  }
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    RECT rect;
    GetClientRect(hwnd, &rect);
    auto color = static_cast<COLORREF>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
    wchar_t text[512];
    int length = GetWindowTextW(hwnd, text, 512);
    HGDIOBJ old_font = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, IsDark(color) ? RGB(255, 255, 255) : RGB(0, 0, 0));
    rect.left += 4;
    DrawTextW(dc, text, length, &rect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    SelectObject(dc, old_font);
    EndPaint(hwnd, &paint);
    return 0;
  }
  return DefaultProc(hwnd, message, wparam, lparam);
}

LRESULT CALLBACK HostWindow::ListProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  HostWindow* self = FromHandle(GetParent(hwnd));
  if (self && (message == WM_KEYDOWN || message == WM_SYSKEYDOWN || message == WM_SETFOCUS)) {
    try {
      Side side = hwnd == self->left_list_ ? Side::kLeft : Side::kRight;
      if (message == WM_SETFOCUS && self->model_.Active() != side) {
        self->model_.SetActive(side);
        self->ShowPaths();
      } else if (message != WM_SETFOCUS) {
        KeyPress press{static_cast<uint32_t>(wparam), GetKeyState(VK_CONTROL) < 0,
                       GetKeyState(VK_MENU) < 0, GetKeyState(VK_SHIFT) < 0,
                       GetKeyState(VK_LWIN) < 0 || GetKeyState(VK_RWIN) < 0};
        if (self->OnKey(side, press)) return 0;
      }
    } catch (...) {
      self->log_.Line("ERROR unexpected failure while handling a key");
      return 0;
    }
  }
  // The system list box's procedure in the list's own kind, which keeps its items' text.
  return IsWindowUnicode(hwnd) ? CallWindowProcW(g_base_list_proc, hwnd, message, wparam, lparam)
                               : CallWindowProcA(g_base_list_proc, hwnd, message, wparam, lparam);
}

LRESULT CALLBACK HostWindow::Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    // The creation parameter sits at the same place in both kinds of record.
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    auto* self = static_cast<HostWindow*>(create->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->hwnd_ = hwnd;
  }
  HostWindow* self = FromHandle(hwnd);
  if (!self || !self->left_list_) return DefaultProc(hwnd, message, wparam, lparam);
  try {
    return self->Handle(message, wparam, lparam);
  } catch (...) {
    self->log_.Line("ERROR unexpected failure while handling message " + std::to_string(message));
    return 0;
  }
}

LRESULT HostWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SIZE:
      Layout();
      return 0;
    case WM_SETFOCUS:
      FocusActiveList();
      return 0;
    case WM_COPYDATA:
      if (!lparam) return FALSE;
      return OnCopyData(reinterpret_cast<HWND>(wparam),
                        *reinterpret_cast<const COPYDATASTRUCT*>(lparam));
    case kHostCommandMessage:
      OnHostCommand(static_cast<int>(wparam));
      return 0;
    case kPressKeyMessage: {
      KeyPress press =
          FromModifierBits(static_cast<uint32_t>(wparam), static_cast<uint32_t>(lparam));
      if (!OnKey(model_.Active(), press)) {
        log_.Line("KEY " + DescribeKeyPress(press) + " not handled");
      }
      return 0;
    }
    case WM_COMMAND: {
      HWND list = reinterpret_cast<HWND>(lparam);
      if (list != left_list_ && list != right_list_) break;
      Side side = list == left_list_ ? Side::kLeft : Side::kRight;
      if (HIWORD(wparam) == LBN_SELCHANGE) {
        model_.SetFocus(side, static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0)));
      } else if (HIWORD(wparam) == LBN_DBLCLK) {
        model_.SetActive(side);
        model_.SetFocus(side, static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0)));
        Outcome outcome = model_.EnterFocused();
        ShowState();
        StateLine("MOUSE double-click -> " + outcome.text);
      }
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefaultProc(hwnd_, message, wparam, lparam);
}

LRESULT HostWindow::OnCopyData(HWND sender, const COPYDATASTRUCT& data) {
  const char* bytes = static_cast<const char*>(data.lpData);
  size_t size = bytes ? data.cbData : 0;
  // The requests' texts are the code page's bytes, whichever build answers them.
  std::string text = Utf8FromAnsi(TextUpToZero(bytes, size));
  const bool wide_query = data.dwData == kCopyDataGetWide && setup_.options.unicode;
  switch (wide_query ? kCopyDataGetAnswer : data.dwData) {
    case kCopyDataGetAnswer: {
      const std::string request = wide_query ? "GW " : "GA ";
      if (setup_.options.ignore_ga) {
        log_.Line(request + LogQuote(text) + " ignored");
        return FALSE;
      }
      std::optional<std::string> answer = model_.Answer(text);
      if (!answer) {
        log_.Line(request + LogQuote(text) + " unknown query, no answer");
        return FALSE;
      }
      // The answer goes back before the sender's SendMessage returns: UTF-16 to "GW", the
      // code page's bytes to "GA".
      const std::string reply_bytes = wide_query ? Utf16LeFromUtf8(*answer) + std::string(2, '\0')
                                                 : AnsiFromUtf8(*answer) + '\0';
      COPYDATASTRUCT reply{wide_query ? kCopyDataReplyWide : kCopyDataGetAnswer,
                           static_cast<DWORD>(reply_bytes.size()),
                           const_cast<char*>(reply_bytes.data())};
      bool sent =
          IsWindow(sender) && SendMessageW(sender, WM_COPYDATA, reinterpret_cast<WPARAM>(hwnd_),
                                           reinterpret_cast<LPARAM>(&reply));
      log_.Line(request + LogQuote(text) + " -> " + LogQuote(*answer) +
                (IsWindow(sender) ? (sent ? "" : " (reply not accepted)") : " (no reply window)"));
      return TRUE;
    }
    case kCopyDataChangeDir: {
      ChangeDirRequest request = DecodeChangeDir(bytes, size);
      request.left = Utf8FromAnsi(request.left);
      request.right = Utf8FromAnsi(request.right);
      Outcome outcome = model_.ChangeDir(request);
      ShowState();
      StateLine("CD hex=" + HexBytes(bytes, size) + " left=" + LogQuote(request.left) +
                " right=" + LogQuote(request.right) + " flags=" + LogQuote(request.flags) + " -> " +
                outcome.text);
      return TRUE;
    }
    case kCopyDataUserCmd: {
      EmText em = SplitEmText(text);
      RunUserCommand("EM " + LogQuote(text), em.name, em.params);
      return TRUE;
    }
    case kCopyDataHandOver:
      HandOver(Utf8FromUtf16Le(std::string_view(bytes, size)));
      return TRUE;
  }
  char id[32];
  std::snprintf(id, sizeof id, "0x%llX", static_cast<unsigned long long>(data.dwData));
  log_.Line(std::string("COPYDATA dwData=") + id + " hex=" + HexBytes(bytes, size) + " ignored");
  return FALSE;
}

void HostWindow::HandOver(const std::string& zero_separated_args) {
  std::vector<std::string> args;
  std::string shown;
  for (size_t start = 0, zero; start < zero_separated_args.size(); start = zero + 1) {
    zero = zero_separated_args.find('\0', start);
    if (zero == std::string::npos) zero = zero_separated_args.size();
    args.push_back(zero_separated_args.substr(start, zero - start));
    if (!shown.empty()) shown += ' ';
    shown += LogQuote(args.back());
  }
  OptionsResult parsed = ParseOptions(args);
  if (!parsed.error.empty()) {
    log_.Line("HANDOVER " + shown + " -> " + parsed.error);
    return;
  }
  // As "CD" with its flag "S": /S opens /L in the active panel, /R in the other.
  Outcome outcome = model_.ChangeDir(
      {parsed.options.left, parsed.options.right, parsed.options.source_target ? "S" : ""});
  ShowState();
  StateLine("HANDOVER " + shown + " -> " + outcome.text);
}

void HostWindow::OnHostCommand(int number) {
  Outcome outcome = model_.Command(number);
  if (!outcome.close) ShowState();
  StateLine("CMD " + std::to_string(number) + " -> " + outcome.text);
  if (outcome.close) {
    SaveConfiguration();
    DestroyWindow(hwnd_);
  }
}

bool HostWindow::OnKey(Side side, const KeyPress& press) {
  bool plain = !press.ctrl && !press.alt && !press.shift && !press.win;
  std::string name = "KEY " + DescribeKeyPress(press);
  if (plain && (press.key == VK_TAB || press.key == VK_RETURN || press.key == VK_BACK)) {
    model_.SetActive(side);
    Outcome outcome{"other panel focused"};
    if (press.key == VK_TAB) {
      model_.SetActive(Other(side));
    } else {
      outcome = press.key == VK_RETURN ? model_.EnterFocused() : model_.GoParent();
    }
    ShowState();
    StateLine(name + " -> " + outcome.text);
    return true;
  }
  if (ShortcutNotation(press).empty()) return false;
  std::optional<std::string> command = FindShortcutCommand(wincmd_, press);
  if (command) {
    model_.SetActive(side);
    RunUserCommand(name, *command, "");
    return true;
  }
  if (press.key >= VK_F1 && press.key <= VK_F24) {
    log_.Line(name + " unbound");
    return true;
  }
  return false;
}

void HostWindow::RunUserCommand(const std::string& trigger, const std::string& name,
                                const std::string& extra_params) {
  std::string head = trigger + " -> " + name;
  std::optional<UserCommand> command = FindUserCommand(usercmd_, name);
  if (!command) {
    log_.Line(head + ": no such user command");
    return;
  }
  const PanelState& active = model_.Panel(model_.Active());
  PlaceholderValues values{active.path, model_.Panel(Other(model_.Active())).path,
                           active.FocusedName()};
  std::string panel_directory = active.kind == PathKind::kDirectory ? active.path : "";
  UserAction action =
      ResolveUserCommand(*command, extra_params, values, panel_directory, ExpandEnvironment);
  switch (action.kind) {
    case UserAction::Kind::kChangeDir: {
      Outcome outcome = model_.ChangeActiveDir(action.target);
      ShowState();
      StateLine(head + ": cd " + LogQuote(action.target) + " -> " + outcome.text);
      return;
    }
    case UserAction::Kind::kInternal:
      log_.Line(head + ": internal command " + LogQuote(action.target) + " not simulated");
      return;
    case UserAction::Kind::kStart:
      break;
  }
  log_.Line(head);
  // The started program asks for the focused window of the foreground thread: the
  // active list must hold the focus while it starts.
  SetForegroundWindow(hwnd_);
  FocusActiveList();
  StartResult started = StartProgram(action.target, action.directory, setup_.environment_block);
  std::string where = " dir=" + LogQuote(action.directory) + " cmdline=" + LogQuote(action.target);
  if (started.process_id) {
    log_.Line("RUN pid=" + std::to_string(started.process_id) + where);
  } else {
    log_.Line("RUN failed error=" + std::to_string(started.error) + where);
  }
}

}  // namespace kestrix::tcsim
