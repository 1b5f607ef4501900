// libFuzzer entry points for every parser of text from outside the program. This file is
// compiled once per target with -DKX_FUZZ_<TARGET>; each build defines one entry point.
// A crash, sanitizer report or broken invariant (FUZZ_CHECK) is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "fakes/fake_clock.h"
#include "fakes/fake_code_page.h"
#include "fakes/fake_environment.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_shared_memory.h"
#include "fakes/fake_system_facts.h"
#include "fakes/fake_views.h"
#include "fakes/fake_window_system.h"

#define FUZZ_CHECK(condition) \
  if (!(condition)) std::abort()

using namespace kestrix;

namespace {

// The input split at `separator` into at most `parts` pieces (the last takes the rest).
[[maybe_unused]] std::vector<std::string> Split(const uint8_t* data, size_t size, char separator,
                                                size_t parts) {
  std::vector<std::string> out(1);
  for (size_t i = 0; i < size; ++i)
    if (data[i] == static_cast<uint8_t>(separator) && out.size() < parts)
      out.emplace_back();
    else
      out.back().push_back(static_cast<char>(data[i]));
  return out;
}

}  // namespace

#if defined(KX_FUZZ_INI)
#include "base/utf8.h"
#include "settings/big_ini_file.h"

// First byte: bit 0 makes the rest a UTF-16 file (read as bytes, as the host's Unicode
// wincmd.ini is), bit 1 the host's file rather than the program's. Every reader runs on
// every key; one write of UTF-8 text (the input's own, malformed or not, and a name no code
// page holds) and a flush follow.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  FakeFileSystem fs;
  FakeCodePage code_page;
  const IniOwner owner = data[0] & 2 ? IniOwner::kHost : IniOwner::kProgram;
  fs.AddFile("C:\\tc\\wincmd.ini", data[0] & 1 ? "\xFF\xFE" + Utf16LeFromUtf8(text) : text);
  BigIniFile ini(fs, "C:\\tc\\wincmd.ini", owner, &code_page);
  std::vector<std::string> sections, keys;
  ini.ReadSections(sections);
  for (size_t s = 0; s < sections.size() && s < 32; ++s) {
    keys.clear();
    ini.ReadSection(sections[s], keys);
    for (size_t k = 0; k < keys.size() && k < 32; ++k) {
      const std::string &section = sections[s], &key = keys[k];
      ini.ReadString(section, key, "");
      ini.ReadInteger(section, key, 0);
    }
  }
  if (!sections.empty())
    ini.WriteString(sections.back(), "Kestrix", text.substr(0, 16) + "\u0141\U0001F600");
  std::vector<std::string> content;
  ini.GetStrings(content);
  const std::string before = *fs.FileContent("C:\\tc\\wincmd.ini");
  try {
    ini.UpdateFile();
  } catch (const InOutError& error) {
    // Refused: the file stays as it was.
    FUZZ_CHECK(error.Code() == kErrorNoUnicodeTranslation);
    FUZZ_CHECK(*fs.FileContent("C:\\tc\\wincmd.ini") == before);
    return 0;
  }
  // What was written reads back as the same content.
  std::vector<std::string> written;
  BigIniFile(fs, "C:\\tc\\wincmd.ini", owner, &code_page).GetStrings(written);
  FUZZ_CHECK(!ini.Modified() && written == content);
  return 0;
}

#elif defined(KX_FUZZ_REPLACEMENTS)
#include "names/player_sources.h"
#include "names/replacements.h"
#include "names/user_apps.h"
#include "names/variable_error.h"

// The name text, then after a zero byte the file of user application "app". Every player,
// system fact and environment variable answers, so every token has a value to insert.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> parts = Split(data, size, '\0', 2);
  FakeClock clock;
  clock.now = {2024, 2, 29, 23, 59, 58, 999};
  clock.ticks = 123456789;
  FakeLocale locale;
  FakeEnvironment environment{{"USERNAME", "ann"}, {"P", "%Y{un}"}, {"E", ""}};
  FakeSystemFacts system;
  FakeWindowSystem windows;
  FakeSharedMemory memory;
  FakeFileSystem files;
  windows.Add(0, "TTOTAL_CMD", "Total Commander");
  windows.Add(0, "Winamp v1.x", "12. Artist - Tune - Winamp");
  windows.Add(0, "Winamp PE", "[1/3] clip.avi (00:01)");
  windows.Add(0, "QWidget", "movie.mkv - VLC media player");
  WindowHandle bs = windows.Add(0, "BSPlayer", "");
  windows.SetCopyDataHandler(bs, [&windows](WindowHandle, uintptr_t, const void* data, uint32_t) {
    uint32_t address = 0;  // where the 260-byte buffer lies
    std::memcpy(&address, data, sizeof address);
    return intptr_t{windows.WriteAtAddress(address, "C:\\Films\\bs clip.mp4")};
  });
  std::vector<uint8_t> aimp(kAimpRecordBytes, 0);
  aimp[44] = aimp[60] = 2;
  aimp[88] = 'A', aimp[90] = 'T';
  memory.mappings[kAimpMappingName] = aimp;
  windows.Add(0, "Notes", "  C:\\memo.txt  ");
  VariablePlatform platform{clock,  locale, environment,     system, windows,
                            memory, files,  "C:\\Kestrix\\", 0x99};
  if (parts.size() > 1) files.AddFile(UserAppFileName(platform.program_dir, "app"), parts[1]);
  try {
    Replacements(parts[0], platform, {"app", "none"});
  } catch (const VariableError&) {
  }
  HoldsVariables(parts[0], environment, {"app"});
  return 0;
}

#elif defined(KX_FUZZ_DIRECTORY_TEXT)
#include "app/mode_rules.h"
#include "base/path_text.h"
#include "create/directory_structure.h"

// A Normal text as ChangeToExt carries it into the list, and the text as an Extended list.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  IsAbsolutePath(text);
  SplitLevels(text);
  CarriedText carried = CarryNameIntoList(text, text);
  for (const std::string& list : {text, carried.list.value_or(text)}) {
    ListPlan plan = PlanList(PrepareListRunText(list));
    for (const PlannedLine& line : plan.lines) {
      FUZZ_CHECK(!line.text.empty());
      FUZZ_CHECK(!line.chain || line.levels == SplitLevels(line.text));
    }
  }
  return 0;
}

#elif defined(KX_FUZZ_FOCUSED_ITEM)
#include "host/focused_item.h"

// A line of the host's file list as the list box holds it, in either view.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  FakeWindowSystem windows;
  FakeFileSystem fs;
  fs.AddDirectory("C:\\Data\\Photos.old");
  WindowHandle list = windows.Add(0, "TMyListBox");
  windows.SetListItems(list, {std::string(reinterpret_cast<const char*>(data) + 1, size - 1)}, 0);
  std::string selection = ListBoxSelection(windows, list);
  FocusedItem item = ParseListItem(selection, data[0] & 1, fs, "C:\\Data\\");
  AffixSettings affixes{"pre_", (data[0] & 2) != 0, "_suf", (data[0] & 4) != 0};
  SuggestFromListItem(item, affixes, "C:\\Data\\");
  IsAbsoluteHostPath(item.name);
  return 0;
}

#elif defined(KX_FUZZ_HOST_REPLIES)
#include "host/host_commands.h"
#include "host/host_snapshot.h"

// The host's copy-data replies, one per line in the order it is asked, as the window
// procedure hands them on; the last line is typed into the path field.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> replies = Split(data, size, '\n', 8);
  size_t next = 0;
  FakeWindowSystem windows;
  FakeFileSystem fs;
  fs.AddDirectory("C:\\Data\\Photos.old");
  FakeEnvironment env{{"TEMP", "C:\\Temp"}};
  FakeSnapshotView view;
  FakeHostFocus focus;
  HostSnapshot snapshot;
  HostMethodFlags flags;
  AffixSettings affixes{"pre_", true, "", false};
  snapshot.host_window = windows.Add(0, "TTOTAL_CMD", "Total Commander");
  WindowHandle app = windows.Add(0, "Ttc_KestrixForm", "Kestrix");
  HostCommands commands(windows, env, app);
  HostSnapshotReader reader(snapshot, flags, affixes, windows, fs, focus, commands, view, app);
  windows.SetCopyDataHandler(snapshot.host_window,
                             [&](WindowHandle, uintptr_t dw_data, const void*, uint32_t) {
                               if (dw_data != kCopyDataQuery || next + 1 >= replies.size())
                                 return intptr_t{0};
                               const std::string& reply = replies[next++];
                               reader.OnHostReply(CopyDataText(reply.data(), reply.size()));
                               return intptr_t{1};
                             });
  reader.Acquire();
  reader.Refresh();
  reader.PathFieldChanged(replies.back(), true, true);
  EditedCurrentPath(replies.back(), env, 'C');
  IsArchivePanelPath(snapshot.current_path);
  ShortenPath(snapshot.current_path);
  return 0;
}

#elif defined(KX_FUZZ_PLAYERS)
#include "base/utf8.h"
#include "names/player_sources.h"
#include "names/text_modifiers.h"

// The bytes as each player's title or path, and as the AIMP record (padded to its size). The
// cuts never split a character: a title of valid UTF-8 gives values of valid UTF-8. A case
// change keeps every character's UTF-16 length.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view title(reinterpret_cast<const char*>(data), size);
  for (const std::string& value : {WinampTitleValue(title), KmPlayerTitleValue(title),
                                   VlcTitleValue(title), BsPlayerPathValue(title)})
    FUZZ_CHECK(!IsValidUtf8(title) || IsValidUtf8(value));
  FUZZ_CHECK(Utf16Length(InvertCase(title, PortableCharCase())) == Utf16Length(title));
  FakeLocale locale;
  FakeSharedMemory memory;
  std::vector<uint8_t> record(data, data + size);
  AimpRecordText(record, locale);
  record.resize(kAimpRecordBytes);
  memory.mappings[kAimpMappingName] = record;
  FUZZ_CHECK(ReadAimpRecord(memory, locale, kAimpMappingName).has_value());
  return 0;
}

#elif defined(KX_FUZZ_HOTKEYS)
#include "tcsim/host_keys.h"

// A key in the host's shortcut notation; what parses must describe itself back the same.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto press = tcsim::ParseKeyPress(std::string(reinterpret_cast<const char*>(data), size));
  if (press) FUZZ_CHECK(tcsim::ParseKeyPress(tcsim::DescribeKeyPress(*press)) == press);
  return 0;
}

#elif defined(KX_FUZZ_LANGUAGE)
#include "settings/language_table.h"

// A language file: every section and key is looked up and shown.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  LanguageTable table =
      LanguageTable::FromText(std::string_view(reinterpret_cast<const char*>(data), size));
  table.ShortId();
  std::vector<std::string> sections = table.SectionNames();
  for (size_t s = 0; s < sections.size() && s < 32; ++s) {
    std::vector<std::string> keys = table.KeyNames(sections[s]);
    for (size_t k = 0; k < keys.size() && k < 32; ++k) {
      std::string text = table.Lookup(sections[s], keys[k], "English");
      ExpandLanguageLineBreaks(FormatLanguageText(text, "C:\\tc"));
      LanguageOfListEntry(text);
    }
  }
  return 0;
}

#elif defined(KX_FUZZ_LIST_FILES)
#include "create/name_list_loading.h"
#include "create/virtual_panel.h"

// A name-list file (first byte: prepend no mark, FF FE, FE FF or the UTF-8 mark), read
// and placed as the "Load" button does; the same bytes as the virtual panel's list file.
// The text comes out as UTF-8 (WTF-8 for a lone surrogate of a UTF-16 file) whatever the
// bytes, and the measures of UTF-16 positions agree with each other on it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  static const char* const kMarks[] = {"", "\xFF\xFE", "\xFE\xFF", "\xEF\xBB\xBF"};
  std::string bytes =
      kMarks[data[0] & 3] + std::string(reinterpret_cast<const char*>(data) + 1, size - 1);
  FakeFileSystem fs;
  FakeCodePage code_page;
  fs.AddFile("C:\\names.txt", bytes);
  LoadedFile loaded = LoadNameListFile(fs, code_page, "C:\\names.txt");
  FUZZ_CHECK(loaded.error == 0);
  FUZZ_CHECK(loaded.names.name_text.find('\0') == std::string::npos);
  const std::string text = DecodeNameListBytes(bytes, code_page);
  FUZZ_CHECK(Utf8FromUtf16(Utf16FromUtf8(text)) == text);
  for (size_t at = 0; at <= text.size(); at += 1 + at / 4) {
    const size_t start = CharStartAtOrBefore(text, at);
    FUZZ_CHECK(start <= at && ByteOffsetOfUtf16(text, Utf16OffsetOfByte(text, at)) == start);
    FUZZ_CHECK(Utf16Length(HeadOfUtf16Length(text, Utf16OffsetOfByte(text, at))) ==
               Utf16OffsetOfByte(text, at));
  }
  PlanNameFieldPaste(loaded.names.list_text, "name", 1, 2);
  RemoveDuplicateLines(loaded.names.list_text);
  ResolveVirtualPanelPath("\\\\\\Virtual Panel\\a", bytes);
  return 0;
}

#else
#error "Define one KX_FUZZ_<TARGET>"
#endif
