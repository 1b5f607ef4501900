#include "host/host_commands.h"

#include <gtest/gtest.h>

#include "fakes/fake_environment.h"
#include "fakes/fake_window_system.h"

namespace kestrix {
namespace {

using namespace std::string_literals;

TEST(ChangeDirPayload, ExtraTextAndTheFinalZero) {
  // The side forms are checked through SendHostChangeDir below.
  EXPECT_EQ(ChangeDirPayload("D:\\x", "S", PanelSide::kLeft), "D:\\x\r\0S\0"s);
  // cbData is the payload (path, CR, zero) plus the final zero byte.
  EXPECT_EQ(ChangeDirPayload("D:\\x", "", PanelSide::kRight).size(), 4u + 3u);
  EXPECT_EQ(EnterCommandPayload("a%%b"), "em_KestrixEnter a%%%%b\0"s);
}

TEST(CopyDataText, StopsAtZeroOrAtTheGivenSize) {
  const char with_zero[] = {'C', ':', '\\', '\0', 'x', 'y'};
  EXPECT_EQ(CopyDataText(with_zero, sizeof with_zero), "C:\\");
  // No zero byte inside cbData: taken whole, never read beyond.
  const char no_zero[] = {'L', 'R', 'X'};
  EXPECT_EQ(CopyDataText(no_zero, 2), "LR");
  EXPECT_EQ(CopyDataText(no_zero, 0), "");
  EXPECT_EQ(CopyDataText(nullptr, 5), "");
}

struct HostFixture {
  FakeWindowSystem windows;
  FakeEnvironment env;
  WindowHandle host = windows.Add(0, kHostWindowClass, "Total Commander");
  WindowHandle app = windows.Add(0, "Ttc_KestrixForm", "Kestrix");
  HostCommands commands{windows, env, app};
};

TEST(SendHostChangeDir, ChoosesChangeDirOrUserCommand) {
  struct Case {
    std::string path;
    bool allow_em;
    PanelSide side;
    uint32_t dw_data;
    WindowHandle (*reply)(const HostFixture&);
    std::string bytes;
  } cases[] = {
      {"C:\\Work\\", true, PanelSide::kLeft, kCopyDataChangeDir,
       [](const HostFixture& f) { return f.app; }, "C:\\Work\\\r\0\0"s},
      {"C:\\Work\\", false, PanelSide::kRight, kCopyDataChangeDir,
       [](const HostFixture& f) { return f.app; }, "\rC:\\Work\\\0\0"s},
      // An environment reference goes through the user command, with "%" doubled.
      {"%TEMP%\\x", true, PanelSide::kLeft, kCopyDataUserCmd,
       [](const HostFixture&) { return WindowHandle{0}; }, "em_KestrixEnter %%TEMP%%\\x\0"s},
      // Without the user command installed the unexpanded text goes as it is.
      {"%TEMP%\\x", false, PanelSide::kRight, kCopyDataChangeDir,
       [](const HostFixture& f) { return f.app; }, "\r%TEMP%\\x\0\0"s},
      // A "%" that expands to nothing different is no reference.
      {"50%\\off", true, PanelSide::kLeft, kCopyDataChangeDir,
       [](const HostFixture& f) { return f.app; }, "50%\\off\r\0\0"s},
  };
  for (const Case& c : cases) {
    HostFixture f;
    f.env.Set("TEMP", "C:\\Temp");
    f.commands.SendHostChangeDir(f.host, c.path, "", c.side, c.allow_em);
    ASSERT_EQ(f.windows.copy_data_sent().size(), 1u) << c.path;
    const auto& sent = f.windows.copy_data_sent()[0];
    EXPECT_EQ(sent.window, f.host);
    EXPECT_EQ(sent.dw_data, c.dw_data) << c.path;
    EXPECT_EQ(sent.reply_to, c.reply(f)) << c.path;
    EXPECT_EQ(sent.bytes, c.bytes) << c.path;
  }
}

TEST(SendHostChangeDir, NothingWithoutHostOrPath) {
  HostFixture f;
  f.commands.SendHostChangeDir(0, "C:\\x", "", PanelSide::kLeft, true);
  f.commands.SendHostChangeDir(f.host, "  ", "", PanelSide::kLeft, true);
  f.commands.SendHostChangeDir(f.host, "", "", PanelSide::kLeft, true);
  EXPECT_TRUE(f.windows.copy_data_sent().empty());
}

TEST(HostCommands, PostsCommandNumbersWithTheCommandMessage) {
  HostFixture f;
  for (HostCommand c : {kCmdRereadSource, kCmdGoToParent, kCmdFocusLeft, kCmdFocusRight})
    f.commands.Post(f.host, c);
  f.commands.Post(0, kCmdRereadSource);  // no host: nothing, not a thread message
  ASSERT_EQ(f.windows.posted().size(), 4u);
  const uintptr_t expected[] = {540, 2002, 4001, 4002};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(f.windows.posted()[i].window, f.host);
    EXPECT_EQ(f.windows.posted()[i].message, 0x433u);
    EXPECT_EQ(f.windows.posted()[i].wparam, expected[i]);
    EXPECT_EQ(f.windows.posted()[i].lparam, 0);
  }
}

TEST(HostCommands, QueryAndFreshLookupGoToTheFirstHostWindow) {
  HostFixture f;
  WindowHandle second_host = f.windows.Add(0, kHostWindowClass, "Another");
  f.commands.SendHostQuery(f.app, "sn");
  f.commands.PostToFirstHost(kCmdRereadSource);
  ASSERT_EQ(f.windows.copy_data_sent().size(), 1u);
  EXPECT_EQ(f.windows.copy_data_sent()[0].window, f.host);
  EXPECT_EQ(f.windows.copy_data_sent()[0].reply_to, f.app);
  EXPECT_EQ(f.windows.copy_data_sent()[0].dw_data, 0x4147u);
  EXPECT_EQ(f.windows.copy_data_sent()[0].bytes, "SN\0"s);
  ASSERT_EQ(f.windows.posted().size(), 1u);
  EXPECT_NE(f.windows.posted()[0].window, second_host);
}

}  // namespace
}  // namespace kestrix
