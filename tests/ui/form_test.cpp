// The window base: messages reach the form's handler, a failure inside it is logged
// instead of crossing the window procedure, and a dialog made from the base ends as the
// user ends it.
#include "ui/form.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "fakes/fake_clock.h"
#include "fakes/fake_file_system.h"
#include "input/typing.h"
#include "ui/dialog.h"

namespace kestrix {
namespace {

constexpr UINT kThrow = WM_APP + 1;
constexpr UINT kAnswer = WM_APP + 2;

class ProbeForm : public Form {
 public:
  bool Create() {
    return CreateForm(GetModuleHandleA(nullptr), "KestrixProbeForm", "probe", WS_OVERLAPPEDWINDOW,
                      200, 100);
  }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override {
    if (message == kThrow) throw std::runtime_error("probe failure");
    if (message == kAnswer) return 42;
    return DefaultHandling(message, wparam, lparam);
  }
};

TEST(Form, FailureIsLoggedAndTheWindowLivesAsLongAsItsObject) {
  FakeFileSystem files;
  files.AddDirectory("C:\\Probe");
  FakeClock clock;
  std::string routine = "ProbeRoutine";
  ErrorLogger logger(files, "C:\\Probe", "probe", ErrorLogSystemInfo{"Windows 10", true, "en"},
                     clock, routine);
  HWND window = nullptr;
  {
    ProbeForm form;
    form.SetErrorLogger(&logger);
    ASSERT_TRUE(form.Create());
    window = form.hwnd();
    EXPECT_EQ(SendMessageA(window, kThrow, 0, 0), 0);
    // The window still works after the failure.
    EXPECT_EQ(SendMessageA(window, kAnswer, 0, 0), 42);
  }
  EXPECT_FALSE(IsWindow(window));  // destroying the object destroys the window
  const std::string log = files.FileContent(ErrorLogPath("C:\\Probe", "probe")).value_or("");
  EXPECT_NE(log.find("FormName.......: KestrixProbeForm"), std::string::npos) << log;
  EXPECT_NE(log.find("Func/Proc......: ProbeRoutine"), std::string::npos) << log;
  EXPECT_NE(log.find("probe failure"), std::string::npos) << log;
}

// A dialog with a field, OK and Cancel; the keys are pressed once it is shown. It gives up
// after five seconds, so that input that never arrives fails instead of hanging.
class ProbeDialog : public Dialog {
 public:
  explicit ProbeDialog(std::vector<WORD> keys)
      : Dialog("KestrixProbeDialog", "probe", 220, 80), keys_(std::move(keys)) {}

 protected:
  bool OnInit() override {
    AddControl("EDIT", "", WS_TABSTOP | WS_BORDER, 100, 8, 8, 200, 20);
    AddControl("BUTTON", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK, 60, 36, 70, 24);
    AddControl("BUTTON", "Cancel", WS_TABSTOP, IDCANCEL, 140, 36, 70, 24);
    SetTimer(hwnd(), 1, 5000, nullptr);
    PostMessageA(hwnd(), kAnswer, 0, 0);
    return true;
  }
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override {
    if (message == kAnswer)
      for (WORD key : keys_) PressKey(key);  // real key presses, one after the other
    if (message == WM_TIMER) EndDialog(-1);
    return Dialog::HandleMessage(message, wparam, lparam);
  }

 private:
  std::vector<WORD> keys_;
};

TEST(Dialog, EscapeAndCancelCancelWhileEnterConfirms) {
  const struct {
    const char* step;
    std::vector<WORD> keys;
    int result;
  } cases[] = {
      {"Enter", {VK_RETURN}, IDOK},
      {"Escape", {VK_ESCAPE}, IDCANCEL},
      {"Cancel", {VK_TAB, VK_TAB, VK_SPACE}, IDCANCEL},  // from the field over OK to Cancel
  };
  // Input left over from earlier tests must not reach the dialogs.
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  for (const auto& c : cases)
    EXPECT_EQ(ProbeDialog(c.keys).ShowModal(GetModuleHandleA(nullptr), nullptr), c.result)
        << c.step;
}

}  // namespace
}  // namespace kestrix
