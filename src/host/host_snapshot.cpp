#include "host/host_snapshot.h"

#include "base/path_text.h"
#include "base/utf8.h"

namespace kestrix {

using namespace pathtext;

namespace {

constexpr size_t kPanelTextChars = 255;  // WM_GETTEXT into a buffer of 256 characters

const char* const kArchiveExtensions[] = {
    ".zip", ".rar", ".ace", ".arj", ".arc", ".cab", ".dmg", ".gzip", ".gz",  ".bz2", ".lz",
    ".7z",  ".s7z", ".sfx", ".tar", ".afa", ".alz", ".uha", ".uc2",  ".lha", ".tgz", ".iso",
};

}  // namespace

std::string HostReplyText(uintptr_t dw_data, const void* data, size_t size, CodePage& code_page) {
  if (data == nullptr) return {};
  const char* bytes = static_cast<const char*>(data);
  if (dw_data != kCopyDataReplyWide) return code_page.Utf8FromCodePage(CopyDataText(bytes, size));
  size_t length = 0;
  while (length + 1 < size && (bytes[length] != '\0' || bytes[length + 1] != '\0')) length += 2;
  return Utf8FromUtf16Le(std::string_view(bytes, length));
}

std::string ShortenPath(const std::string& text, size_t limit) {
  const size_t units = Utf16Length(text);
  if (units <= limit) return text;
  const size_t head = limit / 2 >= 2 ? limit / 2 - 2 : 0;
  return std::string(HeadOfUtf16Length(text, head)) + "..." +
         text.substr(ByteOffsetOfUtf16(text, units - (head + 1)));
}

std::string CleanPanelPath(const std::string& text) {
  std::string path = ReplaceAllIgnoreCase(ReplaceAll(text, "*.*", ""), ">", "");
  return WithTrailingSeparator(path);
}

bool IsArchivePanelPath(const std::string& panel_path) {
  const std::string path = ReplaceAllIgnoreCase(panel_path, "\\*.*", "");
  for (const char* ext : kArchiveExtensions)
    if (path.ends_with(ext)) return true;
  return false;
}

std::string TypedCurrentPath(const std::string& field_text) {
  return ReplaceAll(TrimLeft(field_text), "/", "\\");
}

std::string EditedCurrentPath(const std::string& field_text, Environment& environment,
                              char current_drive) {
  const std::string text = TrimLeft(ReplaceAll(environment.Expand(field_text), "/", "\\"));
  const std::string root = std::string(1, current_drive) + ":\\";
  if (text.empty()) return root;
  if (IsAbsoluteHostPath(text)) return WithTrailingSeparator(text);
  return root + WithTrailingSeparator(text);
}

void HostSnapshotReader::PathFieldChanged(const std::string& field_text, bool field_visible,
                                          bool allow_em) {
  s_.current_path = TypedCurrentPath(field_text);
  if (field_visible && fs_.DirectoryExists(s_.current_path))
    commands_.SendHostChangeDir(s_.host_window, s_.current_path, "", s_.FocusedSide(), allow_em);
}

void HostSnapshotReader::Query(const std::string& pending, const std::string& request) {
  // The host answers inside the send, so the pending name must be in place before it.
  s_.pending_query = pending;
  if (!ansi_queries_) {
    commands_.SendHostQuery(reply_window_, request, true);
    if (s_.pending_query.empty()) return;
    ansi_queries_ = true;
  }
  commands_.SendHostQuery(reply_window_, request, false);
}

void HostSnapshotReader::SetCurrentPath(const std::string& path) {
  s_.current_path = path;
  s_.acquired_path = path;
  view_.ShowCurrentPath(ShortenPath(path));
}

void HostSnapshotReader::ApplySuggestion(const NameSuggestion& suggestion) {
  s_.selected_name = suggestion.selected_name;
  view_.SetNameText(suggestion.field_text);
  s_.focused_text_file = suggestion.text_file;
  s_.focused_text_path = suggestion.text_file_path;
  if (suggestion.text_file) view_.ShowTextFileItem(suggestion.text_file_name);
}

void HostSnapshotReader::Acquire() {
  if (!flags_.tc8b10_method && !flags_.tc8b10_func_checked) {
    Query("CheckTC8B10Func", "A");
    flags_.tc8b10_func_checked = true;
  }
  std::string focused_class;
  if (!flags_.tc8b10_method) {
    if (focus_.ForegroundWindow() == s_.host_window && s_.host_window != 0) {
      if (s_.first_list == 0) {
        FileLists lists = FindFileLists(windows_, s_.host_window);
        s_.first_list = lists.first;
        s_.second_list = lists.second;
      }
      if (s_.focused_window == 0) s_.focused_window = focus_.GetForeignFocus();
      focused_class = windows_.ClassName(s_.focused_window);
    }
    SetCurrentPath(CleanPanelPath(s_.start_path));
    SuggestFromWindows(focused_class);
  } else {
    Query("CurrPath", "SP");
    Query("CurrFocusedFile", "SN");
    Query("RefreshSide", "A");
  }
  TakeOverFullPathItem();
}

void HostSnapshotReader::SuggestFromWindows(const std::string& focused_class) {
  const bool on_list = s_.focused_window != 0 &&
                       (s_.focused_window == s_.first_list || s_.focused_window == s_.second_list);
  if (!on_list && focused_class != "TTabEdit" && focused_class != "Edit") return;
  if (focused_class == "Edit") {
    focus_.SendKeyDown(s_.host_window, 0x1B);
    s_.focused_window = focus_.GetForeignFocus();
    Refresh();
  }
  std::string item;
  if (s_.focused_window != 0 && s_.focused_window == s_.second_list) {
    s_.active_side = PanelSide::kLeft;
    item = ListBoxSelection(windows_, s_.second_list);
  } else if (s_.focused_window != 0 && s_.focused_window == s_.first_list) {
    s_.active_side = PanelSide::kRight;
    item = ListBoxSelection(windows_, s_.first_list);
  }
  FocusedItem parsed = ParseListItem(item, flags_.tc8b10_fix_ext, fs_, s_.current_path);
  ApplySuggestion(SuggestFromListItem(parsed, affixes_, s_.current_path));
}

void HostSnapshotReader::TakeOverFullPathItem() {
  const std::string text = Trim(view_.NameText());
  if (!IsAbsoluteHostPath(text)) return;
  // A tree or a list of full paths: the item is the place, not a name.
  SetCurrentPath(WithTrailingSeparator(text));
  view_.SetNameText(pathtext::ExtractFileName(s_.current_path));
  if (s_.FocusedSide() == PanelSide::kRight) {
    s_.focused_window = s_.second_list;
    s_.active_side = PanelSide::kLeft;
    commands_.Post(s_.host_window, kCmdFocusLeft);
  } else {
    s_.focused_window = s_.first_list;
    s_.active_side = PanelSide::kRight;
    commands_.Post(s_.host_window, kCmdFocusRight);
  }
}

void HostSnapshotReader::Refresh() {
  if (flags_.tc8b10_method) {
    Query("RefreshPath", "SP");
    Query("RefreshSide", "A");
  } else if (s_.host_window != 0) {
    RefreshFromWindows();
  }
  view_.RefreshDone();
}

void HostSnapshotReader::RefreshFromWindows() {
  FileLists lists = FindFileListsOfClass(windows_, s_.host_window, kHostListClass);
  const char* label_class = "TMyPanel";
  if (lists.first == 0) {
    lists = FindFileListsOfClass(windows_, s_.host_window, kHostListClassAlt);
    label_class = "Window";
  }
  s_.first_list = lists.first;
  s_.second_list = lists.second;
  WindowHandle label = FindNthChildWindow(
      windows_, FindNthChildWindow(windows_, s_.host_window, label_class, 2), label_class, 1);
  // Without the label (0) the text is empty and the path is read the other way.
  std::string path = windows_.SendGetText(label, kPanelTextChars);
  focus_.ForceForeground(s_.host_window);
  s_.focused_window = focus_.GetForeignFocus();
  if (path.size() < 2 || path[1] != ':')
    path = ReadPanelPathAlt(windows_, s_.host_window, s_.FocusedSide());
  SetCurrentPath(CleanPanelPath(path));
  bool known_side = false;
  if (s_.focused_window != 0 && s_.focused_window == s_.second_list) {
    s_.active_side = PanelSide::kLeft;
    known_side = true;
  } else if (s_.focused_window != 0 && s_.focused_window == s_.first_list) {
    s_.active_side = PanelSide::kRight;
    known_side = true;
  }
  if (known_side && IsArchivePanelPath(ReadPanelPath(windows_, s_.host_window, s_.active_side))) {
    view_.Terminate();
    return;
  }
  focus_.Pause(1);
  focus_.ForceForeground(reply_window_);
}

void HostSnapshotReader::OnHostReply(const std::string& text) {
  const std::string pending = s_.pending_query;
  s_.pending_query.clear();
  if (pending == "CurrPath" || pending == "RefreshPath") {
    SetCurrentPath(text);
  } else if (pending == "CheckTC8B10Func") {
    const std::string side = Trim(text);
    if (side == "L" || side == "R") {
      flags_.tc8b10_method = true;
      flags_.tc8b10_fix_ext = true;
    }
  } else if (pending == "CurrFocusedFile") {
    ApplySuggestion(
        SuggestFromHostReply(text, flags_.tc8b10_fix_ext, fs_, s_.current_path, affixes_));
  } else if (pending == "RefreshSide") {
    const std::string side = Trim(text);
    if (side == "L") {
      s_.focused_window = s_.second_list;
      s_.active_side = PanelSide::kLeft;
    } else if (side == "R") {
      s_.focused_window = s_.first_list;
      s_.active_side = PanelSide::kRight;
    }
  }
}

}  // namespace kestrix
