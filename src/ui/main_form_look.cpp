// The main window's language and appearance: LoadLanguage with the fonts in the
// language's character set, ChangeColors with the theme's colours and glyphs on the flat
// buttons, the WM_CTLCOLOR* answers, and the hover feedback of the quick buttons and the
// "<more>" marker.

#include "names/text_utils.h"
#include "platform/win32/font_charset_win32.h"
#include "ui/main_form.h"
// After the Windows headers it needs.
#include <commctrl.h>

namespace kestrix {

namespace {

constexpr char kProgramSection[] = "Captions - Program";

// Buttons that show only a glyph: their table caption stands in while no glyph loads.
bool ShowsGlyphOnly(int id) {
  return (id >= kId_btn_Quick1 && id <= kId_btn_Quick4) || id == kId_btn_BatchDir ||
         id == kId_btn_undo;
}

// The control kinds whose font takes the language's character set; edit fields and
// memos keep the designed one.
bool TakesLanguageCharset(HWND control) {
  char class_name[32] = {};
  GetClassNameA(control, class_name, sizeof class_name);
  return lstrcmpiA(class_name, "Edit") != 0 && lstrcmpiA(class_name, UPDOWN_CLASSA) != 0;
}

HFONT StyledOf(HFONT font, bool italic, bool underline) {
  LOGFONTA description = {};
  if (GetObjectA(font, sizeof description, &description) != sizeof description) return nullptr;
  description.lfItalic = italic ? TRUE : FALSE;
  description.lfUnderline = underline ? TRUE : FALSE;
  return CreateFontIndirectA(&description);
}

void SetFont(HWND control, HFONT font) {
  if (font != nullptr) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

}  // namespace

// --- Flat buttons --------------------------------------------------------------------

HWND Ttc_KestrixForm::CreateFlatControl(int id, const char* text, DWORD style, const RECT& bounds) {
  auto button = std::make_unique<FlatButton>();
  if (!button->Create(hwnd(), id, bounds, text, services_.logger)) return nullptr;
  HWND control = button->hwnd();
  if ((style & WS_TABSTOP) == 0)
    SetWindowLongPtrA(control, GWL_STYLE,
                      GetWindowLongPtrA(control, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_TABSTOP));
  if ((style & WS_DISABLED) != 0) EnableWindow(control, FALSE);
  if ((style & WS_VISIBLE) == 0) ShowWindow(control, SW_HIDE);
  if (id >= kId_btn_Quick1 && id <= kId_btn_Quick4) WatchHover(control);
  flat_buttons_.push_back(std::move(button));
  return control;
}

const FlatButton* Ttc_KestrixForm::FlatControl(int id) const {
  return FlatFor(id);
}

FlatButton* Ttc_KestrixForm::FlatFor(int id) const {
  HWND control = Control(id);
  for (const auto& button : flat_buttons_)
    if (control != nullptr && button->hwnd() == control) return button.get();
  return nullptr;
}

void Ttc_KestrixForm::ApplyGlyph(int id, const GlyphRef& glyph, const char* fallback) {
  FlatButton* button = FlatFor(id);
  if (button == nullptr) return;
  PngImage image;
  std::string error;
  if (!LoadGlyphOr(instance_, services_.files, glyph, fallback, SystemDpi(), image, error)) {
    if (services_.logger != nullptr)
      services_.logger->Log(kMainWindowClass, {"EInvalidGraphic", error});
    return;
  }
  button->SetGlyph(std::move(image));
  if (ShowsGlyphOnly(id)) SetWindowTextA(button->hwnd(), "");
}

// The flat OK shows "Enter" over an existing directory and the theme's OK otherwise.
void Ttc_KestrixForm::ShowOkGlyph(bool enter) {
  ok_shows_enter_ = enter;
  const GlyphRef wanted = enter ? GlyphRef::Resource(kEnterGlyph) : look_.Glyph(GlyphRole::kOk);
  if (wanted == ok_glyph_shown_) return;
  ok_glyph_shown_ = wanted;
  ApplyGlyph(kId_btn_ok_flat, wanted, ThemeGlyphName(kDefaultThemeName, GlyphRole::kOk).c_str());
}

void Ttc_KestrixForm::ShowBatchButton(bool active) {
  ApplyGlyph(kId_btn_BatchDir, GlyphRef::Resource(active ? kBatchActiveGlyph : kBatchInactiveGlyph),
             kBatchInactiveGlyph);
  std::string hint =
      active ? Text(kProgramSection, "BatchButtonHint_2", "Back to Extended mode")
             : Text(kProgramSection, "BatchButtonHint_1", "Batch directory creation mode");
  TOOLINFOA tool = {};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.hwnd = hwnd();
  tool.uId = reinterpret_cast<UINT_PTR>(Control(kId_btn_BatchDir));
  tool.lpszText = hint.data();
  SendMessageA(tooltip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

// --- Language ------------------------------------------------------------------------

void Ttc_KestrixForm::LoadLanguage() {
  if (services_.resources == nullptr) return;
  app_.CurrentRoutine = "LoadLanguage";
  std::string setting;
  {
    TBigIniFile ini(services_.files, SettingsFilePath(services_.exe_path));
    setting = SettingsAccess(ini).TrimmedText(Setting::CurrentLng);
  }
  const LanguageSources sources{services_.files, *services_.resources,
                                ProgramDirOf(services_.exe_path)};
  language_ = ::kestrix::LoadLanguage(sources, setting, pending_language_, services_.args);
  services_.language = &language_.table;
  FixComponentsCharCoding();
  ApplyCaptions();
  FillTemplates();
  SetText(kId_lbl_s_more, Text(kProgramSection, "More", "<more>"));
}

// The fonts of every control: FontName and FontSize change the designed font; the
// language's character set goes to the kinds of control that show its texts.
void Ttc_KestrixForm::FixComponentsCharCoding() {
  const FontChoice choice = ChooseFont(activation_.font_name, activation_.font_size);
  HFONT base = font_;
  if (choice.apply) {
    HFONT chosen = user_font_.Create(choice, font_, SystemDpi());
    if (chosen != nullptr) base = chosen;
  }
  OwnedFont shown(CreateFontWithCharset(base, language_.font_charset));
  if (!shown) return;
  OwnedFont italic(StyledOf(shown.get(), true, false));
  OwnedFont underlined(StyledOf(shown.get(), false, true));
  for (HWND control : controls_) {
    if (control == nullptr) continue;
    HFONT font = TakesLanguageCharset(control) ? shown.get() : base;
    if (control == Control(kId_lbl_s_more) && !MoreHovered_ && italic) font = italic.get();
    if (control == Control(kId_lbl_s_newfolder) && RefreshHovered_ && underlined)
      font = underlined.get();
    SetFont(control, font);
  }
  // The old fonts go only now that no control uses them.
  shown_font_ = std::move(shown);
  shown_italic_font_ = std::move(italic);
  shown_underlined_font_ = std::move(underlined);
}

// --- Colours and glyphs --------------------------------------------------------------

void Ttc_KestrixForm::ChangeColors() {
  app_.CurrentRoutine = "ChangeColors";
  ChangeColorsResult result = ::kestrix::ChangeColors(
      look_, ThemeSettingsFrom(activation_), services_.files, ProgramDirOf(services_.exe_path));
  if (services_.logger != nullptr)
    for (const std::string& problem : result.problems)
      services_.logger->Log(kMainWindowClass, {"EConvertError", problem});
  look_ = std::move(result.appearance);

  for (auto [plain, flat] : {std::pair{kId_btn_ok, kId_btn_ok_flat},
                             {kId_btn_cancel, kId_btn_cancel_flat},
                             {kId_btn_options, kId_btn_options_flat}}) {
    SetVisible(plain, !look_.flat_buttons);
    SetVisible(flat, look_.flat_buttons);
  }
  const FlatButtonColors colors = FlatButtonColorsFor(look_);
  FlatButtonColors quick_text = colors;
  quick_text.text = ResolveColor(look_.quick_button_text);
  for (const auto& button : flat_buttons_) {
    const int id = GetDlgCtrlID(button->hwnd());
    const bool text_button =
        id == kId_btn_loadFromFile || id == kId_btn_addRep || id == kId_btn_extended;
    button->SetColors(text_button ? quick_text : colors);
  }
  ApplyGlyph(kId_btn_cancel_flat, look_.Glyph(GlyphRole::kCancel),
             ThemeGlyphName(kDefaultThemeName, GlyphRole::kCancel).c_str());
  ApplyGlyph(kId_btn_options_flat, look_.Glyph(GlyphRole::kOptions),
             ThemeGlyphName(kDefaultThemeName, GlyphRole::kOptions).c_str());
  ApplyGlyph(kId_btn_undo, look_.Glyph(GlyphRole::kUndo), kPlainUndoGlyph);
  ok_glyph_shown_ = {};
  ShowOkGlyph(ok_shows_enter_);
  for (size_t i = 0; i < kQuickButtonImages.size(); ++i) {
    const std::string name =
        Concat({kQuickButtonImages[i], quick_highlighted_[i] ? "_ACT" : "_INACT"});
    ApplyGlyph(kId_btn_Quick1 + static_cast<int>(i), GlyphRef::Resource(name), name.c_str());
  }
  ShowBatchButton(BatchModeActive_);
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

LRESULT Ttc_KestrixForm::ControlColors(UINT message, HDC dc, HWND control) {
  const COLORREF main = ResolveColor(look_.main);
  const COLORREF plain_text = GetSysColor(COLOR_WINDOWTEXT);
  switch (message) {
    case WM_CTLCOLOREDIT:
      // Only the path and attribute fields sit in the window's colour; input fields stay
      // as the system draws them.
      if (control == Control(kId_edit_curdirname))
        return ColorControl(dc, ResolveColor(look_.curdir_text), main, main_brush_);
      if (control == Control(kId_edit_Attrib))
        return ColorControl(dc, plain_text, main, main_brush_);
      return 0;
    case WM_CTLCOLORSTATIC: {
      COLORREF text = plain_text;
      if (control == Control(kId_lbl_currentPath) || control == Control(kId_edit_curdirname))
        text = ResolveColor(look_.curdir_text);
      else if (control == Control(kId_lbl_newdirname))
        text = ResolveColor(look_.newdirname_text);
      else if (control == Control(kId_lbl_s_refresh))
        text = ResolveColor(look_.refresh_text);
      else if (control == Control(kId_img_ChangeDirAttrib) || control == Control(kId_lbl_s_more) ||
               (control == Control(kId_lbl_s_newfolder) && RefreshHovered_))
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

void Ttc_KestrixForm::EraseBackground(HDC dc) {
  RECT client;
  GetClientRect(hwnd(), &client);
  FillRect(dc, &client, main_brush_.Get(ResolveColor(look_.main)));
}

// --- Hover feedback ------------------------------------------------------------------

void Ttc_KestrixForm::QuickButtonMouseMove(int id) {
  const size_t index = static_cast<size_t>(id - kId_btn_Quick1);
  if (index >= quick_highlighted_.size() || quick_highlighted_[index]) return;
  SetQuickButtons2Default(id);
  quick_highlighted_[index] = true;
  const std::string name = Concat({kQuickButtonImages[index], "_ACT"});
  ApplyGlyph(id, GlyphRef::Resource(name), name.c_str());
}

// Every highlighted quick button but `except` (0: all of them) goes back to its plain image.
void Ttc_KestrixForm::SetQuickButtons2Default(int except) {
  for (size_t i = 0; i < quick_highlighted_.size(); ++i) {
    const int id = kId_btn_Quick1 + static_cast<int>(i);
    if (id == except || !quick_highlighted_[i]) continue;
    quick_highlighted_[i] = false;
    const std::string name = Concat({kQuickButtonImages[i], "_INACT"});
    ApplyGlyph(id, GlyphRef::Resource(name), name.c_str());
  }
}

void Ttc_KestrixForm::lbl_s_moreMouseEnter() {
  MoreHovered_ = true;
  const std::string list = GetText(kId_MkDirExt);
  if (list.empty()) return;
  SetFont(Control(kId_lbl_s_more), shown_font_.get());
  SetText(kId_lbl_s_more, Concat({"<", std::to_string(CountNonBlankLines(list)), ">"}));
}

void Ttc_KestrixForm::lbl_s_moreMouseLeave() {
  MoreHovered_ = false;
  SetFont(Control(kId_lbl_s_more), shown_italic_font_.get());
  SetText(kId_lbl_s_more, Text(kProgramSection, "More", "<more>"));
}

// Over the "New folder" label the attribute image gives way to the "(refresh)" marker,
// unless the attribute letters are being edited there.
void Ttc_KestrixForm::lbl_s_newfolderMouseEnter() {
  if (attributes_.FieldOpen()) return;
  RefreshHovered_ = true;
  SetVisible(kId_img_ChangeDirAttrib, false);
  SetVisible(kId_lbl_s_refresh, true);
  SetFont(Control(kId_lbl_s_newfolder), shown_underlined_font_.get());
}

void Ttc_KestrixForm::lbl_s_newfolderMouseLeave() {
  if (!RefreshHovered_) return;
  RefreshHovered_ = false;
  SetVisible(kId_lbl_s_refresh, false);
  SetVisible(kId_img_ChangeDirAttrib, true);
  SetFont(Control(kId_lbl_s_newfolder), shown_font_.get());
}

void Ttc_KestrixForm::WatchHover(HWND control) {
  hover_hook_.Subclass(control);
}

LRESULT Ttc_KestrixForm::HoverHook::OnMessage(HWND control, UINT message, WPARAM wparam,
                                              LPARAM lparam) {
  Ttc_KestrixForm& form = form_;
  const int id = GetDlgCtrlID(control);
  const bool label = id == kId_lbl_s_more || id == kId_lbl_s_newfolder;
  const bool hovered = id == kId_lbl_s_more ? form.MoreHovered_ : form.RefreshHovered_;
  if (label && message == WM_MOUSEMOVE && !hovered) {
    TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, control, 0};
    TrackMouseEvent(&track);
    if (id == kId_lbl_s_more)
      form.lbl_s_moreMouseEnter();
    else
      form.lbl_s_newfolderMouseEnter();
  } else if (label && message == WM_MOUSELEAVE) {
    if (id == kId_lbl_s_more)
      form.lbl_s_moreMouseLeave();
    else
      form.lbl_s_newfolderMouseLeave();
  } else if (!label && message == WM_MOUSEMOVE) {
    form.QuickButtonMouseMove(id);
  }
  return DefaultHandling(control, message, wparam, lparam);
}

}  // namespace kestrix
