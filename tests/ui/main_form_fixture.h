#pragma once
// The main window created in the test process against a fake host, fake files and fake
// resources, with the helpers the window tests drive it by.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/launch_decision.h"
#include "base/text_utils.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_code_page.h"
#include "fakes/fake_environment.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_message_boxes.h"
#include "fakes/fake_resources.h"
#include "fakes/fake_shared_memory.h"
#include "fakes/fake_system_facts.h"
#include "fakes/fake_window_system.h"
#include "input/typing.h"
#include "names/replacements.h"
#include "platform/win32/wide_text.h"
#include "ui/config/configuration_dialog.h"
#include "ui/main/main_form.h"
#include "window/form.h"

namespace kestrix {

// Names a control in a failure message.
inline std::ostream& operator<<(std::ostream& out, ControlId id) {
  return out << id.value();
}
template <ControlEnum Id>
std::ostream& operator<<(std::ostream& out, Id id) {
  return out << static_cast<int>(id);
}

constexpr char kExe[] = "C:\\Kestrix\\tc Kestrix.exe";
constexpr char kSettingsFile[] = "C:\\Kestrix\\tc Kestrix.ini";
// From the table of names: Japanese, and an emoji outside the first plane (two UTF-16 units).
inline const std::string kCjk = kUnicodeNames[2], kEmoji = kUnicodeNames[4];

class MainFormFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    clock_.now = {2026, 12, 7, 9, 30, 0, 0};
    files_.AddDirectory("C:\\Kestrix");
    files_.AddDirectory("C:\\Work\\Existing");
    host_ = windows_.Add(0, "TTOTAL_CMD", "Total Commander");
    windows_.SetRect(host_, {0, 0, 1000, 800});
    app_.snapshot.host_window = host_;
    BeforeCreate();
    MainFormServices services{windows_,   files_, environment_, kExe,       logger_, variables_,
                              code_page_, boxes_, keys_,        resources_, args_};
    form_.emplace(app_, std::move(services));
    ASSERT_TRUE(form_->Create(GetModuleHandleA(nullptr)));
    loop_window_ = form_->hwnd();
    app_.snapshot.current_path = "C:\\Work\\";
    SetWindowTextA(C(MainControl::kCurrentPathLabel), "C:\\Work\\");
    ShowWindow(form_->hwnd(), SW_SHOW);
    SetForegroundWindow(form_->hwnd());
    Activate();
  }
  void TearDown() override {
    kestrix::ReleaseKeys({VK_CONTROL, VK_SHIFT, VK_MENU});
    Pump();
    form_.reset();
    loop_window_ = nullptr;
  }
  // Settings, language files and arguments the window finds when it is created.
  virtual void BeforeCreate() {}

  // What is queued, handled as the program's message loop handles it.
  static void Pump() { PumpMessages(loop_window_); }
  // Real key input, pumped until the queue holds none of it (nor the characters
  // TranslateMessage posts for it).
  static void HandleInput() {
    for (int i = 0; i < 200; ++i) {
      Pump();
      if (HIWORD(GetQueueStatus(QS_KEY | QS_POSTMESSAGE)) == 0 && i > 0) break;
      Sleep(5);
    }
  }
  HWND C(ControlId id) const { return form_->Control(id); }
  static std::string TextOf(HWND control) {
    wchar_t buffer[4096] = {};
    return Utf8(std::wstring_view(buffer, GetWindowTextW(control, buffer, 4096)));
  }
  std::string T(ControlId id) const { return TextOf(C(id)); }
  bool Visible(ControlId id) const {
    return (GetWindowLongPtrA(C(id), GWL_STYLE) & WS_VISIBLE) != 0;
  }
  bool Enabled(ControlId id) const { return IsWindowEnabled(C(id)) != FALSE; }
  bool Checked(ControlId id) const { return SendMessageA(C(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

  // Typing into the name field: its edit reports the change to the combo box.
  void TypeName(const std::string& text) {
    SetWindowTextW(form_->MkDirEdit(), Wide(text).c_str());
    Pump();
  }
  // Real key input to the focused control of the (foreground) window.
  static void TypeKeys(const std::string& text) { TypeUnicode(text, HandleInput); }
  // A key pressed on the real keyboard in the focused control, with the `held` modifiers.
  static void Press(WORD key, std::initializer_list<WORD> held = {}) {
    PressKey(key, held);
    kestrix::ReleaseKeys(held);
    HandleInput();
  }
  // The same in `control`, given the focus first.
  static void Key(HWND control, WORD key, std::initializer_list<WORD> held = {}) {
    SetFocus(control);
    Press(key, held);
  }
  // The notification `code` of control `id` (a click by default), handled.
  void Click(ControlId id, WORD code = BN_CLICKED) {
    SendMessageA(form_->hwnd(), WM_COMMAND, MAKEWPARAM(id.value(), code),
                 reinterpret_cast<LPARAM>(C(id)));
    Pump();
  }
  void Activate() {
    SendMessageA(form_->hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
    Pump();
  }
  static std::pair<DWORD, DWORD> Selection(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
  }
  // The list's lines, and an empty last one after a final line break, as the field shows them.
  std::vector<std::string> ListLines() const {
    return SplitLines(T(MainControl::kListField) + "\n");
  }
  // `open` shows a modal window of `class_name`; `steps` run in it once shown and end it.
  // Whether it was shown. InConfiguration: Ctrl+P in the name field opens it.
  static bool WhileShown(const char* class_name, const std::function<void()>& open,
                         const std::function<void(HWND)>& steps) {
    shown_class_ = class_name;
    shown_steps_ = &steps;
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, RunWhenShown);
    open();
    KillTimer(nullptr, timer);
    return std::exchange(shown_steps_, nullptr) == nullptr;
  }
  bool InConfiguration(const std::function<void(HWND)>& steps) {
    return WhileShown(
        kConfigurationClass, [&] { Key(form_->MkDirEdit(), 'P', {VK_CONTROL}); }, steps);
  }
  static void CALLBACK RunWhenShown(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND window = FindWindowA(shown_class_, nullptr);
    if (window == nullptr || !IsWindowVisible(window) || shown_steps_ == nullptr) return;
    KillTimer(nullptr, timer);
    (*std::exchange(shown_steps_, nullptr))(window);
  }

  FakeWindowSystem windows_;
  FakeFileSystem files_;
  FakeEnvironment environment_{
      {"ALLUSERSPROFILE", "C:\\ProgramData"}, {"KX_ONE", "1"}, {"KX_TWO", "2"}};
  FakeClock clock_;
  FakeLocale locale_;
  FakeSystemFacts system_;
  FakeSharedMemory shared_memory_;
  FakeCodePage code_page_;
  FakeMessageBoxes boxes_;
  FakeModifierKeys keys_;
  VariablePlatform variables_{clock_,   locale_,        environment_, system_,
                              windows_, shared_memory_, files_,       "C:\\Kestrix"};
  FakeResources resources_;
  std::vector<std::string> args_;
  StartupValues app_;
  ErrorLogger logger_{files_,       "C:\\Kestrix",
                      "tc Kestrix", ErrorLogSystemInfo{"Windows 10", true, "en"},
                      clock_,       app_.current_routine};
  WindowHandle host_ = 0;
  std::optional<MainForm> form_;
  // The window whose controls Tab moves between, as in the program's loop.
  static inline HWND loop_window_ = nullptr;
  static inline const char* shown_class_ = nullptr;
  static inline const std::function<void(HWND)>* shown_steps_ = nullptr;
};

}  // namespace kestrix
