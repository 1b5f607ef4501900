#pragma once
// The main window's look: the designed font and the font FontName and FontSize ask for, the theme's
// colours with the WM_CTLCOLOR* answers and the background, the owner-drawn flat buttons and their
// glyphs, the tooltips, and the pointer's feedback over the quick buttons, the "<more>" marker and
// the "New folder" label.
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/error_log.h"
#include "platform/file_system.h"
#include "settings/settings.h"
#include "settings/themes.h"
#include "window/appearance_win32.h"
#include "window/control_set.h"
#include "window/flat_button_win32.h"
#include "window/window.h"

namespace kestrix {

class FormLook : public Window {
 public:
  // What the hover feedback needs from the window.
  struct Feedback {
    std::function<std::string()> more_caption;  // "<more>" in the language
    std::function<std::string()> list_text;
    std::function<bool()> refresh_hidden;  // the letter field covers the refresh marker
  };

  FormLook(ControlSet& controls, FileSystem& files, ErrorLogger* logger, std::string program_dir,
           Feedback feedback);
  ~FormLook() override;

  // The system's message font, which the controls are made in; null when none.
  void CreateDesignedFont();
  HFONT DesignedFont() const { return font_; }
  // A flat button as a child of `parent`; `style` says whether it is shown, enabled and a
  // tab stop.
  HWND CreateFlatButton(HWND parent, ControlId id, const char* text, DWORD style,
                        const RECT& bounds);
  const FlatButton* FlatControl(ControlId id) const;
  // The tooltips belong to `parent`; their window is made at the first mouse message.
  void CreateTooltips(HWND parent) { tooltip_parent_ = parent; }
  // The tooltip of `control`, added or replaced.
  void SetHint(HWND control, const std::string& text);
  // Tells the tooltips of a mouse message taken from the queue.
  void RelayMouse(const MSG& msg);
  // Watches the pointer over the labels and quick buttons.
  void WatchHover();

  // The fonts of every control: FontName and FontSize change the designed font. The texts
  // reach the controls in UTF-16, so one font shows every script the system has glyphs for.
  void ApplyFonts(const ActivationSettings& activation);
  // The fonts of the last ApplyFonts, for controls made after it.
  void SetFontsOf(const std::vector<HWND>& controls) const;
  void ChangeColors(const ActivationSettings& activation);
  void ShowOkGlyph(bool enter);
  void ShowBatchButton(bool active, const std::string& hint);
  // The batch button's tooltip, kept for the colour changes that show the button again.
  void SetBatchHint(const std::string& hint);
  // The direction button's image: 9-1 for a descending series, 1-9 otherwise.
  void ShowSignImage(bool descending);
  // The look's colours on every flat button, those made since the last ChangeColors too.
  void ColorFlatButtons();
  bool SignDescending() const { return sign_descending_; }
  LRESULT ControlColors(UINT message, HDC dc, HWND control);
  void EraseBackground(HWND window, HDC dc);
  // What the window paints itself instead of keeping windows for it: the divider by the
  // quick buttons, and the frames of the options and batch groups, each with its caption on
  // a strip of the background that hides the frame behind it.
  struct FramedGroup {
    RECT frame;
    POINT caption_at;
    std::string caption;
  };
  struct Decorations {
    RECT divider;
    std::vector<FramedGroup> groups;
  };
  void PaintDecorations(HWND window, HDC dc, const Decorations& decorations);
  // Every highlighted quick button but `except` (0: all of them) goes back to its plain image.
  void SetQuickButtons2Default(ControlId except);
  bool MoreHovered() const { return more_hovered_; }
  bool FlatButtons() const { return look_.flat_buttons; }

 protected:
  LRESULT OnMessage(HWND control, UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  FlatButton* FlatFor(ControlId id) const;
  void ApplyGlyph(ControlId id, const GlyphRef& glyph, const char* fallback);
  void QuickButtonMouseMove(ControlId id);
  void MoreEntered();
  void MoreLeft();
  void NewFolderEntered();
  void NewFolderLeft();

  ControlSet& controls_;
  FileSystem& files_;
  std::string program_dir_;
  Feedback feedback_;
  HINSTANCE instance_ = GetModuleHandleW(nullptr);
  HFONT font_ = nullptr;
  HWND tooltip_parent_ = nullptr;
  HWND tooltip_ = nullptr;
  std::vector<std::pair<HWND, std::string>> hints_;
  std::vector<std::unique_ptr<FlatButton>> flat_buttons_;
  Appearance look_;
  SolidBrush main_brush_;
  GlyphRef ok_glyph_shown_;
  bool ok_shows_enter_ = false;
  bool batch_active_ = false;
  bool sign_descending_ = false;
  std::string batch_hint_;
  std::array<bool, 4> quick_highlighted_{};
  bool more_hovered_ = false;
  bool refresh_hovered_ = false;
  // The designed font changed by FontName/FontSize, and the controls' copies of the font in
  // use, plain, italic and underlined.
  WindowFont user_font_;
  OwnedFont shown_font_;
  OwnedFont shown_italic_font_;
  OwnedFont shown_underlined_font_;
};

}  // namespace kestrix
