#pragma once
// The tree preview: a small window beside the main window that lists what OK will create
// as a tree under the current folder, each entry with its mark and a count line above.
// Its window is made when it is first shown, so start-up does not pay for it. The list is
// virtual: it asks only for the rows it draws. The plan is recomputed on a short timer
// after the texts change, and existence is checked a bounded number of paths per timer
// tick, remembered until the next run, so a keystroke never waits for the disk.
#include <cstddef>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "create/creation_plan.h"
#include "platform/file_system.h"
#include "settings/language_table.h"
#include "window/window.h"

namespace kestrix {

class TreePreview : public Window {
 public:
  struct Sources {
    FileSystem& files;
    // The window's texts and options as the run would read them now.
    std::function<PlanInput()> input;
    TextStep expand;
    TextStep replace;  // may throw: the tree is then empty
    std::function<const LanguageTable&()> language;
  };

  // The timers of the preview's own window.
  static constexpr UINT_PTR kTimerRecompute = 1;
  static constexpr UINT_PTR kTimerCheckMore = 2;
  // The time a tick may spend asking the disk, so a key waits at most that long.
  static constexpr double kCheckMsPerTick = 8.0;

  explicit TreePreview(Sources sources) : Window("TreePreview"), sources_(std::move(sources)) {}

  bool Shown() const { return hwnd() != nullptr && IsWindowVisible(hwnd()); }
  // Shows the window beside `owner` (made the first time, in the font of `font`) or hides it.
  void Show(HWND owner, HFONT font, bool shown);
  // The main window moved or changed its size: the preview keeps its place beside it.
  void Follow();
  // The texts may have changed: the tree follows on the timer while it is shown.
  void Changed();
  // What the disk holds may have changed (a run, a return from another program): the
  // paths are asked again.
  void Forget() {
    known_.clear();
    Changed();
  }
  // Recomputes now (the timer's work).
  void Recompute();

 protected:
  LRESULT OnMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  bool Make(HWND owner, HFONT font);
  // Below the main window, or beside it when the screen ends there.
  RECT PlaceBesideOwner() const;
  void Layout();
  // The text of a row's column: 0 the indented name, 1 the mark.
  std::string CellText(std::size_t row, int column) const;
  // True when every path asked has its answer.
  bool MarkAll();

  Sources sources_;
  HWND owner_ = nullptr;
  HWND count_ = nullptr;
  HWND list_ = nullptr;
  std::string base_;
  std::vector<PlannedPath> paths_;
  std::vector<std::size_t> rows_;  // indices of paths_ in tree order
  std::string count_text_;
  bool base_exists_ = true;
  // The attributes asked, by upper-case path, kept until Forget.
  std::unordered_map<std::string, uint32_t> known_;
};

}  // namespace kestrix
