#pragma once
// The stand-in host's state and its answers: two panels with their paths, listings and
// cursors, the active side, and what each request does to them. The window only shows
// this state and forwards requests here.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "host_paths.h"
#include "listing.h"
#include "requests.h"

namespace kestrix::tcsim {

enum class Side { kLeft, kRight };
inline Side Other(Side side) {
  return side == Side::kLeft ? Side::kRight : Side::kLeft;
}

struct PanelState {
  std::string path;  // normalized, ends with "\"
  PathKind kind = PathKind::kDirectory;
  std::vector<Entry> entries;
  int focus = 0;
  std::string FocusedName() const;
};

// Host command numbers (wParam of message 0x433).
enum HostCommand : int {
  kCmdOwnMkDir = 907,
  kCmdReread = 540,
  kCmdRoot = 2001,
  kCmdParent = 2002,
  kCmdEnter = 2003,
  kCmdFocusLeft = 4001,
  kCmdFocusRight = 4002,
  kCmdExit = 24340,
};

struct Outcome {
  std::string text;  // what happened, for the log
  bool close = false;
};

class HostModel {
 public:
  // Lists a real directory ("C:\x\"); nothing when it cannot be read.
  using Lister = std::function<std::optional<std::vector<Entry>>(const std::string&)>;
  using IsFile = std::function<bool(const std::string&)>;
  HostModel(Lister lister, IsFile is_file);

  // Shows `path` in a panel with the cursor on `focus_name` (else the first item). The
  // panel stays as it was when the path cannot be listed.
  bool Open(Side side, const std::string& path, const std::string& focus_name = "");
  void Reread(Side side);

  const PanelState& Panel(Side side) const { return side == Side::kLeft ? left_ : right_; }
  Side Active() const { return active_; }
  void SetActive(Side side) { active_ = side; }
  void SetFocus(Side side, int index);

  // "GA": "A" -> "L"/"R", "SP" -> active path, "SN" -> name under the cursor.
  std::optional<std::string> Answer(const std::string& query) const;
  Outcome ChangeDir(const ChangeDirRequest& request);
  Outcome Command(int number);
  Outcome ChangeActiveDir(const std::string& path);  // the built-in "cd"
  Outcome EnterFocused();
  Outcome GoParent();

  // active=L left="C:\a\" right="C:\b\" focus="x.txt"
  std::string Describe() const;

 private:
  PanelState& Mutable(Side side) { return side == Side::kLeft ? left_ : right_; }
  Outcome OpenOutcome(Side side, const std::string& path, const std::string& focus_name);

  Lister lister_;
  IsFile is_file_;
  PanelState left_, right_;
  Side active_ = Side::kLeft;
};

}  // namespace kestrix::tcsim
