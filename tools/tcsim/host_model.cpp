#include "host_model.h"

#include "ini_text.h"

namespace kestrix::tcsim {

std::string PanelState::FocusedName() const {
  if (focus < 0 || focus >= static_cast<int>(entries.size())) return {};
  return entries[focus].name;
}

HostModel::HostModel(Lister lister, IsFile is_file)
    : lister_(std::move(lister)), is_file_(std::move(is_file)) {}

bool HostModel::Open(Side side, const std::string& path, const std::string& focus_name) {
  std::string normalized = NormalizePanelPath(path);
  if (normalized.empty()) return false;
  PanelState panel;
  panel.path = normalized;
  panel.kind = ClassifyPath(normalized, is_file_);
  if (IsFakeKind(panel.kind)) {
    panel.entries = FakeListing();
  } else {
    std::optional<std::vector<Entry>> entries = lister_(normalized);
    if (!entries) return false;
    panel.entries = std::move(*entries);
  }
  SortListing(panel.entries);
  int found = focus_name.empty() ? -1 : FindEntry(panel.entries, focus_name);
  panel.focus = found < 0 ? 0 : found;
  Mutable(side) = std::move(panel);
  return true;
}

void HostModel::Reread(Side side) {
  PanelState& panel = Mutable(side);
  Open(side, panel.path, panel.FocusedName());
}

void HostModel::SetFocus(Side side, int index) {
  PanelState& panel = Mutable(side);
  if (index >= 0 && index < static_cast<int>(panel.entries.size())) panel.focus = index;
}

std::optional<std::string> HostModel::Answer(const std::string& query) const {
  std::string q = UpperCase(Trim(query));
  if (q == "A") return active_ == Side::kLeft ? "L" : "R";
  if (q == "SP") return Panel(active_).path;
  if (q == "SN") return Panel(active_).FocusedName();
  return std::nullopt;
}

Outcome HostModel::OpenOutcome(Side side, const std::string& path, const std::string& focus_name) {
  const char* name = side == Side::kLeft ? "left" : "right";
  if (Open(side, path, focus_name)) return {std::string(name) + " changed"};
  return {std::string(name) + " unchanged: cannot list " + LogQuote(path)};
}

Outcome HostModel::ChangeDir(const ChangeDirRequest& request) {
  Side first = request.SourceTarget() ? active_ : Side::kLeft;
  std::vector<std::string> parts;
  if (!Trim(request.left).empty()) parts.push_back(OpenOutcome(first, request.left, "").text);
  if (!Trim(request.right).empty()) {
    parts.push_back(OpenOutcome(Other(first), request.right, "").text);
  }
  std::string text;
  for (const std::string& part : parts) text += (text.empty() ? "" : ", ") + part;
  return {text.empty() ? "nothing to change" : text};
}

Outcome HostModel::ChangeActiveDir(const std::string& path) {
  return OpenOutcome(active_, path, "");
}

Outcome HostModel::GoParent() {
  std::optional<ParentStep> step = ParentOf(Panel(active_).path);
  if (!step) return {"already at the root"};
  return OpenOutcome(active_, step->parent, step->child);
}

Outcome HostModel::EnterFocused() {
  const PanelState& panel = Panel(active_);
  if (panel.focus < 0 || panel.focus >= static_cast<int>(panel.entries.size())) {
    return {"no item under the cursor"};
  }
  const Entry& entry = panel.entries[panel.focus];
  if (entry.name == "..") return GoParent();
  if (!entry.directory) return {"not a directory: " + LogQuote(entry.name)};
  return OpenOutcome(active_, panel.path + entry.name, "");
}

Outcome HostModel::Command(int number) {
  switch (number) {
    case kCmdOwnMkDir:
      return {"the host's own create-directory dialog would open"};
    case kCmdReread:
      Reread(active_);
      return {"re-read the active panel"};
    case kCmdRoot:
      return OpenOutcome(active_, RootOf(Panel(active_).path), "");
    case kCmdParent:
      return GoParent();
    case kCmdEnter:
      return EnterFocused();
    case kCmdFocusLeft:
      active_ = Side::kLeft;
      return {"left panel focused"};
    case kCmdFocusRight:
      active_ = Side::kRight;
      return {"right panel focused"};
    case kCmdExit:
      return {"closing", true};
    default:
      return {"unknown command"};
  }
}

std::string HostModel::Describe() const {
  return std::string("active=") + (active_ == Side::kLeft ? "L" : "R") +
         " left=" + LogQuote(left_.path) + " right=" + LogQuote(right_.path) +
         " focus=" + LogQuote(Panel(active_).FocusedName());
}

}  // namespace kestrix::tcsim
