// The folders under src/ form layers: an include may only point down. Every quoted include
// of every source file is checked against one table, so a new edge is a decision made
// here, not an accident. Reads the source tree, so it runs in the native build only.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;

// Folder -> the folders its files may include (its own is always allowed). "(entry)" is
// src/main_win32.cpp, which wires the program together.
const std::map<std::string, std::set<std::string>> kAllowed = {
    {"base", {}},
    {"platform", {"base"}},
    {"platform/win32", {"base", "platform"}},
    {"settings", {"base", "platform"}},
    {"host", {"base", "platform", "platform/win32"}},
    {"names", {"base", "platform", "settings"}},
    {"create", {"base", "platform", "settings", "names", "host"}},
    {"app", {"base", "platform", "platform/win32", "settings", "names", "host", "create"}},
    {"installer", {"base", "platform", "settings"}},
    // Windows, dialogs, controls, menus and DPI: the ground every window stands on.
    {"window", {"base", "platform", "platform/win32", "settings", "app"}},
    {"ui",
     {"base", "platform", "platform/win32", "settings", "names", "host", "create", "app",
      "installer", "window"}},
    {"(entry)",
     {"base", "platform", "platform/win32", "settings", "names", "host", "create", "app",
      "installer", "window", "ui"}}};

// The folder of a path relative to src/ ("a/b.h" is "a"; platform/win32 is its own).
std::string FolderOf(const std::string& relative) {
  if (relative.rfind("platform/win32/", 0) == 0) return "platform/win32";
  const std::size_t slash = relative.find('/');
  return slash == std::string::npos ? "(entry)" : relative.substr(0, slash);
}

TEST(IncludeLayers, EveryIncludeUnderSrcFollowsTheTable) {
  const fs::path src = fs::path(KESTRIX_SOURCE_DIR) / "src";
  ASSERT_TRUE(fs::is_directory(src)) << src;
  const std::regex include_line(R"(^\s*#\s*include\s*"([^"]+)\")");
  int files = 0;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(src)) {
    const std::string ext = entry.path().extension().string();
    if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
    ++files;
    const std::string file = fs::relative(entry.path(), src).generic_string();
    const std::string from = FolderOf(file);
    ASSERT_TRUE(kAllowed.contains(from)) << "folder missing from the table: " << file;
    std::ifstream in(entry.path());
    std::string line;
    std::smatch m;
    while (std::getline(in, line)) {
      if (!std::regex_search(line, m, include_line)) continue;
      const std::string to = FolderOf(m[1].str());
      EXPECT_TRUE(to == from || kAllowed.at(from).contains(to))
          << file << " includes " << m[1].str() << ": " << from << " -> " << to;
    }
  }
  EXPECT_GT(files, 100);
}

}  // namespace
