#pragma once
// The main window's layout: its controls made from one table (some only when first
// needed), their captions and hints in the language, the vertical stacking of the modes
// with the groups and the divider the window paints, and the window's place by the host.
// It owns what the controls were last laid out for.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/key_commands.h"
#include "app/mode_rules.h"
#include "platform/window_system.h"
#include "settings/language_table.h"
#include "settings/settings_model.h"
#include "ui/main/form_look.h"
#include "window/frameless_paint.h"

namespace kestrix {
struct HostSnapshot;
}

namespace kestrix {

class MainLayout {
 public:
  struct Wiring {
    ControlSet& controls;
    FormLook& look;
    const MainMode& mode;
    std::function<const LanguageTable&()> language;
    // Passes the keys of a control that can hold the focus through the window's hook.
    std::function<void(HWND)> hook_keys;
  };
  explicit MainLayout(Wiring wiring) : w_(std::move(wiring)) {}

  // The controls made with the window, placed for normal mode.
  void CreateControls(HWND form, HINSTANCE instance);
  // The batch group's controls, the flat push buttons and the path field, made when first
  // needed.
  void EnsureBatchControls();
  void EnsureFlatPushButtons();
  void EnsurePathEditor();
  void ApplyCaptions();
  // The vertical places of the visible groups, from the visible input down.
  void Relayout(bool normal);
  // WM_ERASEBKGND: the background with the divider and the groups' frames where the last
  // layout put them.
  void PaintBackground(HDC dc) const;

  // Centred on the area the settings choose: the host, its active list or the screen.
  void PlaceWindow(WindowSystem& windows, const HostSnapshot& host, WindowPosition position);
  // Re-centres vertically on the host window, `extra_up` pixels higher.
  void CenterOnHost(WindowSystem& windows, WindowHandle host, int extra_up);
  // A re-centring waits for the mode that follows.
  void RecenterLater(bool pending) { recenter_pending_ = pending; }
  void RecenterIfPending(WindowSystem& windows, WindowHandle host) {
    if (recenter_pending_) CenterOnHost(windows, host, 0);
    recenter_pending_ = false;
  }

  // The controls made with the window, and those made when first needed.
  enum class ControlGroup { kWindow, kBatch, kFlatPush, kPathEditor };

 private:
  std::vector<HWND> CreateControlsOf(ControlGroup group);
  void MakeLateControls(ControlGroup group);
  void HookKeys(const std::vector<HWND>& controls);
  void SetGroupCaptions(const std::string& additional, const std::string& batch);
  FormLook::Decorations Decorations() const;
  bool BatchControlsMade() const;
  LayoutOutput LayoutFor(bool normal) const;

  Wiring w_;
  HWND form_ = nullptr;
  HINSTANCE instance_ = nullptr;
  // What the controls were last laid out for.
  struct LayoutKey {
    bool normal, batch, batch_made;
    LONG_PTR style, ex_style;
    bool operator==(const LayoutKey&) const = default;
  };
  std::optional<LayoutKey> laid_out_;
  LayoutOutput layout_ = {};
  std::string additional_caption_, batch_caption_;
  bool recenter_pending_ = false;
  FramelessPaint frameless_paint_;
};

}  // namespace kestrix
