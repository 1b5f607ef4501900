#include "ui/main/form_look.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "app/group_frame.h"
#include "app/launch_decision.h"
#include "app/mode_rules.h"
#include "base/text_utils.h"
#include "platform/win32/wide_text.h"
#include "ui/main/control_ids.h"
#include "window/dpi_win32.h"
// After the Windows headers it needs.
#include <commctrl.h>
#include <uxtheme.h>
#include <vssym32.h>

namespace kestrix {

namespace {

// A group caption's strip, at 96 DPI: painted over the frame's top line behind the text.
constexpr int kCaptionStrip96 = 15;

// Buttons that show only a glyph: their table caption stands in while no glyph loads.
bool ShowsGlyphOnly(ControlId id) {
  return (id >= MainControl::kQuick1Button && id <= MainControl::kQuick4Button) ||
         id == MainControl::kBatchButton || id == MainControl::kUndoButton ||
         id == MainControl::kSignButton;
}

HFONT StyledOf(HFONT font, bool italic, bool underline) {
  LOGFONTW description = {};
  if (GetObjectW(font, sizeof description, &description) != sizeof description) return nullptr;
  description.lfItalic = italic ? TRUE : FALSE;
  description.lfUnderline = underline ? TRUE : FALSE;
  return CreateFontIndirectW(&description);
}

bool SameFont(HFONT a, HFONT b) {
  LOGFONTW first = {}, second = {};
  return GetObjectW(a, sizeof first, &first) == sizeof first &&
         GetObjectW(b, sizeof second, &second) == sizeof second &&
         std::memcmp(&first, &second, sizeof first) == 0;
}

void SetFont(HWND control, HFONT font) {
  if (font != nullptr)
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), IsWindowVisible(control));
}

}  // namespace

FormLook::FormLook(ControlSet& controls, FileSystem& files, ErrorLogger* logger,
                   std::string program_dir, Feedback feedback)
    : Window(kMainWindowClass),
      controls_(controls),
      files_(files),
      program_dir_(std::move(program_dir)),
      feedback_(std::move(feedback)) {
  SetErrorLogger(logger);
}

FormLook::~FormLook() {
  flat_buttons_.clear();
  if (font_ != nullptr) DeleteObject(font_);
}

void FormLook::CreateDesignedFont() {
  NONCLIENTMETRICSW metrics = {};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
    font_ = CreateFontIndirectW(&metrics.lfMessageFont);
}

// --- Flat buttons and tooltips -------------------------------------------------------

HWND FormLook::CreateFlatButton(HWND parent, ControlId id, const char* text, DWORD style,
                                const RECT& bounds) {
  auto button = std::make_unique<FlatButton>();
  // Made with its final style: each change after it is a server request.
  if (!button->Create(parent, id, bounds, text, Logger(), style)) return nullptr;
  HWND control = button->hwnd();
  flat_buttons_.push_back(std::move(button));
  return control;
}

const FlatButton* FormLook::FlatControl(ControlId id) const {
  return FlatFor(id);
}

FlatButton* FormLook::FlatFor(ControlId id) const {
  HWND control = controls_[id];
  for (const auto& button : flat_buttons_)
    if (control != nullptr && button->hwnd() == control) return button.get();
  return nullptr;
}

namespace {

void AddTool(HWND tooltip, HWND control, const std::string& text) {
  std::wstring wide = Wide(text);
  TOOLINFOW tool = {};
  tool.cbSize = TTTOOLINFOW_V1_SIZE;
  // The message loop relays the tools' mouse messages: a tooltip's own subclass would put
  // comctl32's property reads, each a server round trip under Wine, on every message of
  // the tool.
  tool.uFlags = TTF_IDISHWND;
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = wide.data();
  SendMessageW(tooltip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace

void FormLook::SetHint(HWND control, const std::string& text) {
  auto known = std::find_if(hints_.begin(), hints_.end(),
                            [&](const auto& hint) { return hint.first == control; });
  if (known == hints_.end())
    hints_.emplace_back(control, text);
  else
    known->second = text;
  if (tooltip_ != nullptr) AddTool(tooltip_, control, text);
}

// The tooltip window waits for the pointer: a start that is never touched by the mouse
// (most are typed into and closed) does not make it.
void FormLook::RelayMouse(const MSG& msg) {
  if (msg.message < WM_MOUSEFIRST || msg.message > WM_MOUSELAST || tooltip_parent_ == nullptr)
    return;
  if (tooltip_ == nullptr) {
    tooltip_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                               tooltip_parent_, nullptr, instance_, nullptr);
    if (tooltip_ == nullptr) return;
    for (const auto& [control, text] : hints_) AddTool(tooltip_, control, text);
  }
  SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

void FormLook::ApplyGlyph(ControlId id, const GlyphRef& glyph, const char* fallback) {
  FlatButton* button = FlatFor(id);
  if (button == nullptr) return;
  PngImage image;
  std::string error;
  if (!LoadGlyphOr(instance_, files_, glyph, fallback, SystemDpi(), image, error)) {
    if (Logger() != nullptr) Logger()->Log(kMainWindowClass, {"EInvalidGraphic", error});
    return;
  }
  button->SetGlyph(std::move(image));
  if (ShowsGlyphOnly(id)) Control(button->hwnd()).SetText("");
}

// The flat OK shows "Enter" over an existing directory and the theme's OK otherwise.
void FormLook::ShowOkGlyph(bool enter) {
  ok_shows_enter_ = enter;
  const GlyphRef wanted = enter ? GlyphRef::Resource(kEnterGlyph) : look_.Glyph(GlyphRole::kOk);
  if (wanted == ok_glyph_shown_) return;
  ok_glyph_shown_ = wanted;
  ApplyGlyph(MainControl::kOkFlatButton, wanted,
             ThemeGlyphName(kDefaultThemeName, GlyphRole::kOk).c_str());
}

void FormLook::ColorFlatButtons() {
  const FlatButtonColors colors = FlatButtonColorsFor(look_);
  FlatButtonColors quick_text = colors;
  quick_text.text = ResolveColor(look_.quick_button_text);
  for (const auto& button : flat_buttons_) {
    const ControlId id = GetDlgCtrlID(button->hwnd());
    const bool text_button = id == MainControl::kLoadButton ||
                             id == MainControl::kVariablesButton ||
                             id == MainControl::kExtendedButton;
    button->SetColors(text_button ? quick_text : colors);
  }
}

void FormLook::ShowSignImage(bool descending) {
  sign_descending_ = descending;
  const char* image = kSignImages[descending ? 1 : 0];
  ApplyGlyph(MainControl::kSignButton, GlyphRef::Resource(image), image);
}

void FormLook::ShowBatchButton(bool active, const std::string& hint) {
  batch_active_ = active;
  ApplyGlyph(MainControl::kBatchButton,
             GlyphRef::Resource(active ? kBatchActiveGlyph : kBatchInactiveGlyph),
             kBatchInactiveGlyph);
  SetBatchHint(hint);
}

void FormLook::SetBatchHint(const std::string& hint) {
  batch_hint_ = hint;
  SetHint(controls_[MainControl::kBatchButton], hint);
}

// --- Fonts ---------------------------------------------------------------------------

void FormLook::ApplyFonts(const ActivationSettings& activation) {
  const FontChoice choice = ChooseFont(activation.font_name, activation.font_size);
  HFONT base = font_ != nullptr ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  if (choice.apply) {
    HFONT chosen = user_font_.Create(choice, font_, SystemDpi());
    if (chosen != nullptr) base = chosen;
  }
  // The controls hold a copy: the user's font is made anew at each activation.
  OwnedFont shown(StyledOf(base, false, false));
  if (!shown) return;
  // Each WM_SETFONT lays a control out and repaints it, a large share of the start-up, so
  // the fonts in use stay when the new ones would look the same. The old fonts are deleted
  // only after no control uses them, at the end of this scope.
  OwnedFont old_shown, old_italic, old_underlined;
  if (!shown_font_ || !SameFont(shown.get(), shown_font_.get())) {
    old_shown = std::exchange(shown_font_, std::move(shown));
    old_italic =
        std::exchange(shown_italic_font_, OwnedFont(StyledOf(shown_font_.get(), true, false)));
    old_underlined =
        std::exchange(shown_underlined_font_, OwnedFont(StyledOf(shown_font_.get(), false, true)));
  }
  SetFontsOf(controls_.All());
}

// Only a control whose font looks different gets one.
void FormLook::SetFontsOf(const std::vector<HWND>& controls) const {
  for (HWND control : controls) {
    if (control == nullptr) continue;
    HFONT font = shown_font_.get();
    if (control == controls_[MainControl::kMoreLink] && !more_hovered_ && shown_italic_font_)
      font = shown_italic_font_.get();
    if (control == controls_[MainControl::kNewFolderLink] && refresh_hovered_ &&
        shown_underlined_font_)
      font = shown_underlined_font_.get();
    if (font == nullptr) continue;
    HFONT current = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    if (current != font && !SameFont(current, font)) SetFont(control, font);
  }
}

// --- Colours and glyphs --------------------------------------------------------------

void FormLook::ChangeColors(const ActivationSettings& activation) {
  ChangeColorsResult result =
      ::kestrix::ChangeColors(look_, ThemeSettingsFrom(activation), files_, program_dir_);
  if (Logger() != nullptr)
    for (const std::string& problem : result.problems)
      Logger()->Log(kMainWindowClass, {"EConvertError", problem});
  look_ = std::move(result.appearance);

  for (auto [plain, flat] : {std::pair{MainControl::kOkButton, MainControl::kOkFlatButton},
                             {MainControl::kCancelButton, MainControl::kCancelFlatButton},
                             {MainControl::kOptionsButton, MainControl::kOptionsFlatButton}}) {
    controls_.SetVisible(plain, !look_.flat_buttons);
    controls_.SetVisible(flat, look_.flat_buttons);
  }
  ColorFlatButtons();
  ApplyGlyph(MainControl::kCancelFlatButton, look_.Glyph(GlyphRole::kCancel),
             ThemeGlyphName(kDefaultThemeName, GlyphRole::kCancel).c_str());
  ApplyGlyph(MainControl::kOptionsFlatButton, look_.Glyph(GlyphRole::kOptions),
             ThemeGlyphName(kDefaultThemeName, GlyphRole::kOptions).c_str());
  ApplyGlyph(MainControl::kUndoButton, look_.Glyph(GlyphRole::kUndo), kPlainUndoGlyph);
  ShowSignImage(sign_descending_);
  ok_glyph_shown_ = {};
  ShowOkGlyph(ok_shows_enter_);
  for (size_t i = 0; i < kQuickButtonImages.size(); ++i) {
    const std::string name =
        Concat({kQuickButtonImages[i], quick_highlighted_[i] ? "_ACT" : "_INACT"});
    ApplyGlyph(MainControl::kQuick1Button + static_cast<int>(i), GlyphRef::Resource(name),
               name.c_str());
  }
  ShowBatchButton(batch_active_, batch_hint_);
  RedrawWindow(GetParent(controls_[MainControl::kNameField]), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

LRESULT FormLook::ControlColors(UINT message, HDC dc, HWND control) {
  const COLORREF main = ResolveColor(look_.main);
  const COLORREF plain_text = GetSysColor(COLOR_WINDOWTEXT);
  switch (message) {
    case WM_CTLCOLOREDIT:
      // Only the path and attribute fields sit in the window's colour; input fields stay
      // as the system draws them.
      if (control == controls_[MainControl::kPathField])
        return ColorControl(dc, ResolveColor(look_.curdir_text), main, main_brush_);
      if (control == controls_[MainControl::kAttributeField])
        return ColorControl(dc, plain_text, main, main_brush_);
      return 0;
    case WM_CTLCOLORSTATIC: {
      COLORREF text = plain_text;
      if (control == controls_[MainControl::kCurrentPathLabel] ||
          control == controls_[MainControl::kPathField])
        text = ResolveColor(look_.curdir_text);
      else if (control == controls_[MainControl::kNewNameLabel])
        text = ResolveColor(look_.newdirname_text);
      else if (control == controls_[MainControl::kRefreshLink])
        text = ResolveColor(look_.refresh_text);
      else if (control == controls_[MainControl::kAttributeImage] ||
               control == controls_[MainControl::kMoreLink] ||
               (control == controls_[MainControl::kNewFolderLink] && refresh_hovered_))
        text = ResolveColor(ThemeColor::Fixed(kPlainQuickButtonText));
      return ColorControl(dc, text, main, main_brush_);
    }
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
      return ColorControl(dc, plain_text, main, main_brush_);
    default:
      return 0;
  }
}

void FormLook::EraseBackground(HWND window, HDC dc) {
  RECT client;
  GetClientRect(window, &client);
  FillRect(dc, &client, main_brush_.Get(ResolveColor(look_.main)));
}

// As the system draws a group box and an etched divider: the frame's top runs through the
// middle of the caption's line, and the caption's strip hides it there.
void FormLook::PaintDecorations(HWND window, HDC dc, const Decorations& decorations) {
  // An erase that reaches no frame line or caption leaves them alone: no theme is opened for
  // a label that shrank, nor for the themed controls inside a group, which have their
  // parent paint the background behind them on every paint.
  HGDIOBJ old_font = SelectObject(
      dc, shown_font_ ? shown_font_.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
  TEXTMETRICW metrics = {};
  GetTextMetricsW(dc, &metrics);
  auto reached = [dc, &metrics](const FramedGroup& group) {
    const RECT& f = group.frame;
    const int caption_top = group.caption_at.y;
    const auto bands =
        GroupFrameEdges({f.left, f.top, f.right, f.bottom}, caption_top,
                        caption_top + Scale96(kCaptionStrip96), metrics.tmHeight, Scale96(4));
    return std::any_of(bands.begin(), bands.end(), [dc](const WindowRect& band) {
      const RECT rect = {band.left, band.top, band.right, band.bottom};
      return RectVisible(dc, &rect) != FALSE;
    });
  };
  if (!RectVisible(dc, &decorations.divider) &&
      std::none_of(decorations.groups.begin(), decorations.groups.end(), reached)) {
    SelectObject(dc, old_font);
    return;
  }
  RECT divider = decorations.divider;
  DrawEdge(dc, &divider, EDGE_ETCHED, BF_TOP | BF_BOTTOM);
  HTHEME theme = OpenThemeData(window, L"Button");
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  for (const FramedGroup& group : decorations.groups) {
    RECT frame = group.frame;
    frame.top = GroupFrameLineTop(frame.top, metrics.tmHeight);
    if (theme != nullptr)
      DrawThemeBackground(theme, dc, BP_GROUPBOX, GBS_NORMAL, &frame, nullptr);
    else
      DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    const std::wstring caption = Wide(group.caption);
    SIZE size = {};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
    const POINT at = group.caption_at;
    RECT strip = {at.x, at.y, at.x + size.cx + Scale96(4), at.y + Scale96(kCaptionStrip96)};
    FillRect(dc, &strip, main_brush_.Get(ResolveColor(look_.main)));
    RECT text = {at.x + Scale96(2), at.y, strip.right, strip.bottom};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
  }
  if (theme != nullptr) CloseThemeData(theme);
  SelectObject(dc, old_font);
}

// --- Hover feedback ------------------------------------------------------------------

void FormLook::WatchHover() {
  for (ControlId id :
       {MainControl::kMoreLink, MainControl::kNewFolderLink, MainControl::kQuick1Button,
        MainControl::kQuick2Button, MainControl::kQuick3Button})
    Subclass(controls_[id]);
}

LRESULT FormLook::OnMessage(HWND control, UINT message, WPARAM wparam, LPARAM lparam) {
  const ControlId id = GetDlgCtrlID(control);
  const bool label = id == MainControl::kMoreLink || id == MainControl::kNewFolderLink;
  const bool hovered = id == MainControl::kMoreLink ? more_hovered_ : refresh_hovered_;
  if (label && message == WM_MOUSEMOVE && !hovered) {
    TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, control, 0};
    TrackMouseEvent(&track);
    if (id == MainControl::kMoreLink)
      MoreEntered();
    else
      NewFolderEntered();
  } else if (label && message == WM_MOUSELEAVE) {
    if (id == MainControl::kMoreLink)
      MoreLeft();
    else
      NewFolderLeft();
  } else if (!label && message == WM_MOUSEMOVE) {
    QuickButtonMouseMove(id);
  }
  return DefaultHandling(control, message, wparam, lparam);
}

void FormLook::QuickButtonMouseMove(ControlId id) {
  const size_t index = static_cast<size_t>(id - MainControl::kQuick1Button);
  if (index >= quick_highlighted_.size() || quick_highlighted_[index]) return;
  SetQuickButtons2Default(id);
  quick_highlighted_[index] = true;
  const std::string name = Concat({kQuickButtonImages[index], "_ACT"});
  ApplyGlyph(id, GlyphRef::Resource(name), name.c_str());
}

void FormLook::SetQuickButtons2Default(ControlId except) {
  for (size_t i = 0; i < quick_highlighted_.size(); ++i) {
    const ControlId id = MainControl::kQuick1Button + static_cast<int>(i);
    if (id == except || !quick_highlighted_[i]) continue;
    quick_highlighted_[i] = false;
    const std::string name = Concat({kQuickButtonImages[i], "_INACT"});
    ApplyGlyph(id, GlyphRef::Resource(name), name.c_str());
  }
}

void FormLook::MoreEntered() {
  more_hovered_ = true;
  const std::string list = feedback_.list_text();
  if (list.empty()) return;
  SetFont(controls_[MainControl::kMoreLink], shown_font_.get());
  controls_.SetText(MainControl::kMoreLink,
                    Concat({"<", std::to_string(CountNonBlankLines(list)), ">"}));
}

void FormLook::MoreLeft() {
  more_hovered_ = false;
  SetFont(controls_[MainControl::kMoreLink], shown_italic_font_.get());
  controls_.SetText(MainControl::kMoreLink, feedback_.more_caption());
}

// Over the "New folder" label the attribute image gives way to the "(refresh)" marker,
// unless the attribute letters are being edited there.
void FormLook::NewFolderEntered() {
  if (feedback_.refresh_hidden()) return;
  refresh_hovered_ = true;
  controls_.SetVisible(MainControl::kAttributeImage, false);
  controls_.SetVisible(MainControl::kRefreshLink, true);
  SetFont(controls_[MainControl::kNewFolderLink], shown_underlined_font_.get());
}

void FormLook::NewFolderLeft() {
  if (!refresh_hovered_) return;
  refresh_hovered_ = false;
  controls_.SetVisible(MainControl::kRefreshLink, false);
  controls_.SetVisible(MainControl::kAttributeImage, true);
  SetFont(controls_[MainControl::kNewFolderLink], shown_font_.get());
}

}  // namespace kestrix
