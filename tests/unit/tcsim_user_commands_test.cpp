#include <gtest/gtest.h>

#include "tcsim/user_commands.h"

namespace kestrix::tcsim {
namespace {

constexpr uint32_t kF7 = 0x76, kF8 = 0x77;

std::string FakeExpand(const std::string& text) {
  std::string result = text;
  for (size_t at; (at = result.find("%COMMANDER_PATH%")) != std::string::npos;) {
    result.replace(at, 16, "C:\\tc");
  }
  for (size_t at; (at = result.find("%TEMP%")) != std::string::npos;) {
    result.replace(at, 6, "C:\\tmp");
  }
  return result;
}

TEST(TcsimUserCommands, LooksKeysUpInTheirSection) {
  IniText wincmd = IniText::Parse(
      "[Shortcuts]\nF7=em_Kestrix\nSC+F7=em_Other\nF8=cm_Delete\n[ShortcutsWin]\nF8=em_Win\n");
  struct Case {
    KeyPress press;
    std::optional<std::string> command;
  } cases[] = {
      {{kF7}, "em_Kestrix"},
      {{kF7, true, false, true}, "em_Other"},  // written "SC", pressed as "CS"
      {{kF7, false, false, true}, std::nullopt},
      {{kF8}, "cm_Delete"},
      {{kF8, false, false, false, true}, "em_Win"},
      {{kF7, false, false, false, true}, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindShortcutCommand(wincmd, c.press), c.command) << DescribeKeyPress(c.press);
  }
}

TEST(TcsimUserCommands, ReadsUserCommandSections) {
  IniText usercmd = IniText::Parse(
      "[em_Kestrix]\nbutton=x\ncmd=%COMMANDER_PATH%\\Kestrix\\tc Kestrix.exe\n"
      "path=%COMMANDER_PATH%\\Kestrix\\\n[em_KestrixEnter]\ncmd=cd\n");
  std::optional<UserCommand> kestrix = FindUserCommand(usercmd, "EM_KESTRIX");
  ASSERT_TRUE(kestrix);
  EXPECT_EQ(kestrix->cmd, "%COMMANDER_PATH%\\Kestrix\\tc Kestrix.exe");
  EXPECT_EQ(kestrix->param, "");
  EXPECT_EQ(kestrix->path, "%COMMANDER_PATH%\\Kestrix\\");
  EXPECT_EQ(FindUserCommand(usercmd, "em_KestrixEnter")->cmd, "cd");
  EXPECT_EQ(FindUserCommand(usercmd, "em_Missing").has_value(), false);
}

TEST(TcsimUserCommands, SplitsTheCommandNameFromItsParameters) {
  EXPECT_EQ(SplitEmText("em_KestrixEnter C:\\My Dir").name, "em_KestrixEnter");
  EXPECT_EQ(SplitEmText("em_KestrixEnter C:\\My Dir").params, "C:\\My Dir");
  EXPECT_EQ(SplitEmText("  em_Kestrix  ").name, "em_Kestrix");
  EXPECT_EQ(SplitEmText("em_Kestrix").params, "");
  EXPECT_EQ(SplitEmText("").name, "");
}

TEST(TcsimUserCommands, ResolvesWhatACommandDoes) {
  PlaceholderValues values{"C:\\Src\\", "D:\\Dst\\", "a.txt"};
  using K = UserAction::Kind;
  struct Case {
    UserCommand command;
    const char* extra;
    K kind;
    const char* target;
    const char* directory;
  } cases[] = {
      {{"em_Kestrix", "%COMMANDER_PATH%\\Kestrix\\tc Kestrix.exe", "",
        "%COMMANDER_PATH%\\Kestrix\\"},
       "",
       K::Start,
       "\"C:\\tc\\Kestrix\\tc Kestrix.exe\"",
       "C:\\tc\\Kestrix\\"},
      {{"em_View", "notepad.exe", "%P%N", ""},
       "/x",
       K::Start,
       "notepad.exe C:\\Src\\a.txt /x",
       "C:\\Panel\\"},
      {{"em_Quoted", "\"C:\\a b\\p.exe\"", "", "\"C:\\work\""},
       "",
       K::Start,
       "\"C:\\a b\\p.exe\"",
       "C:\\work"},
      {{"em_KestrixEnter", "cd", "", ""}, "%%TEMP%%\\x", K::ChangeDir, "C:\\tmp\\x", ""},
      {{"em_KestrixEnter", "CD", "", ""}, "\"C:\\a b\"", K::ChangeDir, "C:\\a b", ""},
      {{"em_Up", "cd", "..", ""}, "", K::ChangeDir, "..", ""},
      {{"em_Del", "cm_Delete", "", ""}, "", K::Internal, "cm_Delete", ""},
      {{"em_Empty", "", "", ""}, "", K::Internal, "", ""},
  };
  for (const Case& c : cases) {
    UserAction action = ResolveUserCommand(c.command, c.extra, values, "C:\\Panel\\", FakeExpand);
    EXPECT_EQ(action.kind, c.kind) << c.command.name;
    EXPECT_EQ(action.target, c.target) << c.command.name;
    EXPECT_EQ(action.directory, c.directory) << c.command.name;
  }
}

}  // namespace
}  // namespace kestrix::tcsim
