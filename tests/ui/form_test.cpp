// The window base: messages reach the form's handler, a failure inside it is logged
// instead of crossing the window procedure, and subclass chains run and unwind in order.
#include "window/form.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "fakes/fake_clock.h"
#include "fakes/fake_file_system.h"
#include "window/window.h"

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

// An object on a control's subclass chain: it records the messages it saw and answers
// kAnswer with its mark added to what the rest of the chain answers.
class ChainProbe : public Window {
 public:
  ChainProbe(std::string* seen, char mark) : Window("ChainProbe"), seen_(seen), mark_(mark) {}
  using Window::Subclass;

 protected:
  LRESULT OnMessage(HWND control, UINT message, WPARAM wparam, LPARAM lparam) override {
    if (message != kAnswer) return DefaultHandling(control, message, wparam, lparam);
    *seen_ += mark_;
    // A message the latest object sends from inside its handler runs the whole chain again.
    if (wparam == 1 && mark_ == 'b') SendMessageW(control, kAnswer, 0, 0);
    return DefaultHandling(control, message, wparam, lparam) * 10 + (mark_ - 'a' + 1);
  }

 private:
  std::string* seen_;
  char mark_;
};

LRESULT CALLBACK AnswerSeven(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return message == kAnswer ? 7 : DefWindowProcW(window, message, wparam, lparam);
}

TEST(Window, SubclassChainRunsLatestFirstDownToTheControlAndUnwindsOnDestruction) {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = AnswerSeven;
  wc.lpszClassName = L"KestrixChainProbe";
  RegisterClassW(&wc);
  HWND control = CreateWindowW(L"KestrixChainProbe", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               nullptr, nullptr);
  ASSERT_NE(control, nullptr);
  std::string seen;
  {
    ChainProbe first(&seen, 'a');
    {
      ChainProbe second(&seen, 'b');
      ASSERT_TRUE(first.Subclass(control));
      ASSERT_TRUE(second.Subclass(control));
      ASSERT_TRUE(first.Subclass(control));  // once is enough
      EXPECT_EQ(SendMessageW(control, kAnswer, 0, 0), 712);
      EXPECT_EQ(seen, "ba");
      seen.clear();
      EXPECT_EQ(SendMessageW(control, kAnswer, 1, 0), 712);
      EXPECT_EQ(seen, "bbaa");  // the nested send ran b, a before the outer pass-on to a
      seen.clear();
    }
    EXPECT_EQ(SendMessageW(control, kAnswer, 0, 0), 71);
    EXPECT_EQ(seen, "a");
  }
  EXPECT_EQ(GetWindowLongPtrW(control, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(AnswerSeven));
  DestroyWindow(control);
}

}  // namespace
}  // namespace kestrix
