#pragma once
// Every key of the interface language with its English text: the default at each place of
// use, and the content of the built-in English language file (resources/lng/LNG_ENG.ini),
// which a test keeps equal to this table. One namespace per language-file section.
#include <array>
#include <string_view>

namespace kestrix {

struct LanguageKey {
  std::string_view section;
  std::string_view key;
  // The English default used where the text is shown.
  std::string_view english;
  // The English file's own text where it differs from the default (a richer wording the
  // default cannot assume, a name where the default is a number, the header's values);
  // left null when the file holds the default itself.
  std::string_view built_in = {};

  // The text the built-in English file holds for this key.
  constexpr std::string_view BuiltInText() const {
    return built_in.data() == nullptr ? english : built_in;
  }
};

namespace lng {

// [Language]
namespace header {
inline constexpr std::string_view kSection = "Language";
inline constexpr LanguageKey kLngShortID{kSection, "LngShortID", "ENG"};
inline constexpr LanguageKey kLngNameEng{kSection, "LngNameEng", "-", "English"};
inline constexpr LanguageKey kLngName{kSection, "LngName", "-", "English"};
inline constexpr LanguageKey kAuthor{kSection, "Author", "-", "Kestrix"};
inline constexpr LanguageKey kDate{kSection, "Date", "-", "07-12-2026"};
inline constexpr LanguageKey kContact{kSection, "Contact", "-", ""};
}  // namespace header

// [Buttons]
namespace buttons {
inline constexpr std::string_view kSection = "Buttons";
inline constexpr LanguageKey kBtnInstall{kSection, "BtnInstall", "Install"};
inline constexpr LanguageKey kBtnUninstall{kSection, "BtnUninstall", "Uninstall"};
inline constexpr LanguageKey kBtnBrowse{kSection, "BtnBrowse", "Browse..."};
inline constexpr LanguageKey kBtnEnterDir{kSection, "BtnEnterDir", "Enter"};
inline constexpr LanguageKey kBtnClose{kSection, "BtnClose", "Close"};
inline constexpr LanguageKey kBtnOK{kSection, "BtnOK", "OK"};
inline constexpr LanguageKey kBtnApply{kSection, "BtnApply", "Apply"};
inline constexpr LanguageKey kBtnCancel{kSection, "BtnCancel", "Cancel"};
inline constexpr LanguageKey kBtnLoad{kSection, "BtnLoad", "Load"};
inline constexpr LanguageKey kBtnNormal{kSection, "BtnNormal", "Normal"};
inline constexpr LanguageKey kBtnExtended{kSection, "BtnExtended", "Extended"};
inline constexpr LanguageKey kBtnOptions{kSection, "BtnOptions", "&Options"};
inline constexpr LanguageKey kBtnNext{kSection, "BtnNext", "Next"};
inline constexpr LanguageKey kBtnPrevious{kSection, "BtnPrevious", "Previous"};
}  // namespace buttons

// [Configuration - Popup]
namespace popup {
inline constexpr std::string_view kSection = "Configuration - Popup";
inline constexpr LanguageKey kTemplates{kSection, "Templates", "Manage templates..."};
inline constexpr LanguageKey kConfig{kSection, "Config", "Configuration..."};
inline constexpr LanguageKey kAbout{kSection, "About", "About..."};
inline constexpr LanguageKey kHelp{kSection, "Help", "User guide..."};
}  // namespace popup

// [Captions - Install]
namespace install {
inline constexpr std::string_view kSection = "Captions - Install";
inline constexpr LanguageKey kInstallGrpbox{kSection, "Install grpbox", "Install / uninstall"};
inline constexpr LanguageKey kInstallingGrpbox{kSection, "Installing grpbox", "Installing..."};
inline constexpr LanguageKey kUninstallingGrpbox{kSection, "Uninstalling grpbox",
                                                 "Uninstalling..."};
inline constexpr LanguageKey kInstallDirectory{kSection, "Install directory", "Install directory:"};
inline constexpr LanguageKey kUnknownDir{kSection, "UnknownDir", "Unknown directory"};
inline constexpr LanguageKey kActivateGrpbox{kSection, "Activate grpbox", "Activation key"};
inline constexpr LanguageKey kF7Radiobtn{kSection, "F7 radiobtn", "F7"};
inline constexpr LanguageKey kShiftF7Radiobtn{kSection, "ShiftF7 radiobtn", "Shift + F7"};
inline constexpr LanguageKey kNoneRadiobtn{kSection, "None radiobtn", "None (uninstall)"};
inline constexpr LanguageKey kCurrentVersion{kSection, "Current version", "Current version:"};
inline constexpr LanguageKey kCompatibility{kSection, "Compatibility", "Compatibility:"};
inline constexpr LanguageKey kDeveloper{kSection, "Developer", "Developer:"};
inline constexpr LanguageKey kTranslator{kSection, "Translator", "Translator:"};
inline constexpr LanguageKey kAuthor{kSection, "Author", "Author:"};
inline constexpr LanguageKey kAuthorNote{kSection, "Author note",
                                         "Suggestions and bug reports are welcome."};
inline constexpr LanguageKey kClipboardHint{kSection, "Clipboard hint",
                                            "Click to copy to clipboard"};
inline constexpr LanguageKey kClipboardNote{kSection, "Clipboard note", "Copied to clipboard"};
inline constexpr LanguageKey kStep1{kSection, "Step1", "Step 1"};
inline constexpr LanguageKey kStep1Note{kSection, "Step1 note", "Closing Total Commander..."};
inline constexpr LanguageKey kStep2{kSection, "Step2", "Step 2"};
inline constexpr LanguageKey kStep2Note{kSection, "Step2 note",
                                        "Installing to Total Commander's directory..."};
inline constexpr LanguageKey kStep2NoteU{kSection, "Step2 note_u",
                                         "Removing from Total Commander's directory..."};
inline constexpr LanguageKey kStep3{kSection, "Step3", "Step 3"};
inline constexpr LanguageKey kStep3Note{kSection, "Step3 note",
                                        "Setting up user configuration && ini keys..."};
inline constexpr LanguageKey kStep3NoteU{kSection, "Step3 note_u",
                                         "Cleaning user configuration && ini keys..."};
inline constexpr LanguageKey kLanguage{kSection, "Language", "Language:"};
inline constexpr LanguageKey kSelLanguage{kSection, "SelLanguage", "Select your language:"};
inline constexpr LanguageKey kActionDone{kSection, "ActionDone", "done"};
inline constexpr LanguageKey kInstalled1{kSection, "Installed1",
                                         "Installed - use the tool by pressing F7 key in TC."};
inline constexpr LanguageKey kInstalled2{kSection, "Installed2", "Installed - use: %s in TC."};
inline constexpr LanguageKey kCheckVersion{kSection, "CheckVersion", "Check for updates"};
inline constexpr LanguageKey kCheckVersionHint{kSection, "CheckVersionHint",
                                               "Look for a newer version on the web"};
inline constexpr LanguageKey kActionFailed{kSection, "ActionFailed", "failed"};
inline constexpr LanguageKey kBackupFailed{
    kSection, "BackupFailed",
    "The backup copies of Total Commander's settings could not be made, so nothing was changed."};
inline constexpr LanguageKey kUnexpectedError{
    kSection, "UnexpectedError",
    "An unexpected error stopped the procedure at %s. The error log holds the details."};
}  // namespace install

// [Captions - Program]
namespace program {
inline constexpr std::string_view kSection = "Captions - Program";
inline constexpr LanguageKey kNewFolder{kSection, "New folder", "New folder (directory)"};
inline constexpr LanguageKey kPathEditHint{kSection, "PathEdit hint",
                                           "Double-click to edit the current path"};
inline constexpr LanguageKey kRefreshFolder{kSection, "Refresh folder", "(refresh)"};
inline constexpr LanguageKey kAdditionalGrpbox{kSection, "Additional grpbox",
                                               "Additional options, rules, replacements"};
inline constexpr LanguageKey kBatchGrpbox{kSection, "Batch grpbox", "Batch directory creation"};
inline constexpr LanguageKey kReplacements{kSection, "Replacements", "Enable replacements"};
inline constexpr LanguageKey kEnterDirectory{kSection, "Enter directory",
                                             "Enter directory after creation"};
inline constexpr LanguageKey kCloseWindow{kSection, "Close window",
                                          "Close the window after directory creation"};
inline constexpr LanguageKey kFolderName{kSection, "FolderName", "Folder Name"};
inline constexpr LanguageKey kCurrPath{kSection, "CurrPath", "Current Path"};
inline constexpr LanguageKey kMore{kSection, "More", "<more>"};
inline constexpr LanguageKey kBatchButtonHint1{kSection, "BatchButtonHint_1",
                                               "Batch directory creation mode"};
inline constexpr LanguageKey kBatchButtonHint2{kSection, "BatchButtonHint_2",
                                               "Back to Extended mode"};
inline constexpr LanguageKey kBatchFromValue{kSection, "BatchFromValue", "From:"};
inline constexpr LanguageKey kBatchToValue{kSection, "BatchToValue", "To:"};
inline constexpr LanguageKey kBatchStepBy{kSection, "BatchStepBy", "Step by:"};
inline constexpr LanguageKey kBatchPrefix{kSection, "BatchPrefix", "Prefix:"};
inline constexpr LanguageKey kBatchSuffix{kSection, "BatchSuffix", "Suffix:"};
inline constexpr LanguageKey kBatchDigits{kSection, "BatchDigits", "Digits:"};
inline constexpr LanguageKey kBatchAutomatic{kSection, "BatchAutomatic", "auto"};
inline constexpr LanguageKey kBatchMode{kSection, "BatchMode", "Numbering:"};
inline constexpr LanguageKey kBatchDecimal{kSection, "BatchDecimal", "Decimal"};
inline constexpr LanguageKey kBatchRoman{kSection, "BatchRoman", "Roman"};
inline constexpr LanguageKey kBatchABC{kSection, "BatchABC", "ABC"};
inline constexpr LanguageKey kNewTemplate{kSection, "NewTemplate", "New template"};
inline constexpr LanguageKey kAddToList{kSection, "AddToList", "Add"};
inline constexpr LanguageKey kTemplate{kSection, "Template", "Template"};
inline constexpr LanguageKey kTemplatePreview{kSection, "TemplatePreview", "Preview"};
inline constexpr LanguageKey kTemplateName{kSection, "TemplateName", "Name"};
inline constexpr LanguageKey kTemplateRemove{kSection, "TemplateRemove", "Remove"};
inline constexpr LanguageKey kTemplateDelete{kSection, "TemplateDelete", "Delete selected"};
inline constexpr LanguageKey kTemplateClearList{kSection, "TemplateClearList", "Clear list..."};
inline constexpr LanguageKey kTemplateDelConfirm{
    kSection, "TemplateDelConfirm", "Are you sure you want to clear the template list?"};
inline constexpr LanguageKey kTemplateReplaceQ{kSection, "TemplateReplaceQ",
                                               "A template named %s already exists. Replace it?"};
// F6 on a list whose line "%s" the name field cannot spell.
inline constexpr LanguageKey kNoNormalForm{
    kSection, "NoNormalForm",
    "The line %s has no form in Normal mode: there every \"*\" starts another subdirectory of "
    "the first name. The list stays as it is."};
inline constexpr LanguageKey kHidden{kSection, "Hidden", "Hidden"};
inline constexpr LanguageKey kSystem{kSection, "System", "System"};
inline constexpr LanguageKey kArchive{kSection, "Archive", "Archive"};
inline constexpr LanguageKey kReadOnly{kSection, "ReadOnly", "Read-only"};
inline constexpr LanguageKey kSubdir{kSection, "Subdir", "Subdir"};
inline constexpr LanguageKey kESC{kSection, "ESC", "ESC - close the window"};
inline constexpr LanguageKey kModifier{kSection, "Modifier", "Modifier"};
inline constexpr LanguageKey kModSpaceToDot{kSection, "mod_SpaceToDot", "Space to dot"};
inline constexpr LanguageKey kModDotToSpace{kSection, "mod_DotToSpace", "Dot to space"};
inline constexpr LanguageKey kModInvertCase{kSection, "mod_InvertCase", "Invert case"};
inline constexpr LanguageKey kHintRefresh{kSection, "hint_Refresh",
                                          "Click here to refresh the current path"};
inline constexpr LanguageKey kHintLoadFromFile{
    kSection, "hint_LoadFromFile", "Load directory names from a text file or a user structure"};
inline constexpr LanguageKey kHintChangeMode{kSection, "hint_ChangeMode",
                                             "Switch between Normal and Extended mode"};
inline constexpr LanguageKey kHintVariables{kSection, "hint_Variables", "Insert a variable"};
inline constexpr LanguageKey kHintAttributes{kSection, "hint_Attributes",
                                             "Click here to change the attributes"};
// The attribute menu's items: the keys of kReadOnly, kArchive, kHidden and kSystem with
// the menu's own defaults, which carry the letter the files' texts leave out.
inline constexpr LanguageKey kAttribReadOnly{kSection, "ReadOnly", "[r]   Read-only", "Read-only"};
inline constexpr LanguageKey kAttribArchive{kSection, "Archive", "[a]   Archive", "Archive"};
inline constexpr LanguageKey kAttribHidden{kSection, "Hidden", "[h]  Hidden", "Hidden"};
inline constexpr LanguageKey kAttribSystem{kSection, "System", "[s]   System", "System"};
inline constexpr LanguageKey kPlaceholders{kSection, "Placeholders", "Placeholders..."};
inline constexpr LanguageKey kPlaceholderCaption{
    kSection, "Placeholder_caption", "Please, give the placeholder character's replacements:"};
inline constexpr LanguageKey kPlaceholder{kSection, "Placeholder", "Placeholder"};
inline constexpr LanguageKey kReplacement{kSection, "Replacement", "Replacement"};
inline constexpr LanguageKey kTCCopyright{
    kSection, "TCCopyright",
    "Total Commander is copyright by Christian Ghisler, Ghisler Software GmbH"};
}  // namespace program

// The tree preview (F9): its button, title, the marks of its entries and its count line;
// "%s" is a character or a number.
namespace tree_preview {
inline constexpr std::string_view kSection = program::kSection;
inline constexpr LanguageKey kButton{kSection, "TreePreview", "Tree"};
inline constexpr LanguageKey kHint{kSection, "TreePreviewHint",
                                   "Show or hide the tree of what OK will create (F9)"};
inline constexpr LanguageKey kTitle{kSection, "TreePreviewTitle", "What OK will create"};
inline constexpr LanguageKey kNew{kSection, "TreeNew", "new"};
inline constexpr LanguageKey kExists{kSection, "TreeExists", "exists"};
inline constexpr LanguageKey kInvalid{kSection, "TreeInvalid", "invalid character %s"};
inline constexpr LanguageKey kReserved{kSection, "TreeReserved", "reserved name"};
inline constexpr LanguageKey kTooLong{kSection, "TreeTooLong", "too long for a path"};
inline constexpr LanguageKey kFileInTheWay{kSection, "TreeFileInTheWay", "a file has this name"};
inline constexpr LanguageKey kBlocked{kSection, "TreeBlocked", "its parent cannot be made"};
inline constexpr LanguageKey kUnchecked{kSection, "TreeUnchecked", "checking..."};
inline constexpr LanguageKey kCountNew{kSection, "TreeCountNew", "%s new"};
inline constexpr LanguageKey kCountExists{kSection, "TreeCountExists", "%s exist"};
inline constexpr LanguageKey kCountInvalid{kSection, "TreeCountInvalid", "%s invalid"};
inline constexpr LanguageKey kCountReserved{kSection, "TreeCountReserved", "%s reserved"};
inline constexpr LanguageKey kCountTooLong{kSection, "TreeCountTooLong", "%s too long"};
inline constexpr LanguageKey kCountFileInTheWay{kSection, "TreeCountFileInTheWay",
                                                "%s taken by a file"};
inline constexpr LanguageKey kCountBlocked{kSection, "TreeCountBlocked", "%s blocked"};
inline constexpr LanguageKey kCountUnchecked{kSection, "TreeCountUnchecked", "%s to check"};
}  // namespace tree_preview

// [Configuration]
namespace config {
inline constexpr std::string_view kSection = "Configuration";
inline constexpr LanguageKey kGeneral{kSection, "General", "General"};
inline constexpr LanguageKey kWindow{kSection, "Window", "Window"};
inline constexpr LanguageKey kOtherSettings{kSection, "Other settings", "Other settings"};
inline constexpr LanguageKey kAdvanced{kSection, "Advanced", "Advanced"};
inline constexpr LanguageKey kFiles{kSection, "Files", "Files"};
inline constexpr LanguageKey kSuggestedName{kSection, "SuggestedName", "Suggested name"};
inline constexpr LanguageKey kCurrentTCItem{kSection, "CurrentTCItem",
                                            "Selected item in Total Commander"};
inline constexpr LanguageKey kCustomItem{kSection, "CustomItem", "Custom name"};
inline constexpr LanguageKey kInvalidChar{kSection, "InvalidChar", "Invalid characters"};
inline constexpr LanguageKey kShowWarning{kSection, "ShowWarning", "Show a warning message"};
inline constexpr LanguageKey kReplaceWith{kSection, "ReplaceWith",
                                          "Replace the invalid character with"};
inline constexpr LanguageKey kWindowPos{kSection, "WindowPos", "Window position"};
inline constexpr LanguageKey kCenterofTC{kSection, "CenterofTC",
                                         "Center of the current Total Commander window"};
inline constexpr LanguageKey kCenterofTCpane{kSection, "CenterofTCpane",
                                             "Center of the current TC pane (left / right)"};
inline constexpr LanguageKey kCenterofScreen{kSection, "CenterofScreen",
                                             "Center of the screen (no multimonitor support)"};
inline constexpr LanguageKey kAdditionalWnd{kSection, "AdditionalWnd", "Window appearance"};
inline constexpr LanguageKey kUseFlatBtn{
    kSection, "UseFlatBtn", "Use flat buttons in the main window (directory creation)"};
inline constexpr LanguageKey kUseWndTheme{kSection, "UseWndTheme",
                                          "Use predefined window color theme:"};
inline constexpr LanguageKey kUseTransparency{kSection, "UseTransparency",
                                              "Use transparency (only for main window):"};
inline constexpr LanguageKey kFocusTC{kSection, "FocusTC",
                                      "Focus Total Commander after directory creation"};
inline constexpr LanguageKey kMethod{kSection, "Method", "Reading Total Commander's data"};
inline constexpr LanguageKey kMethodDesc{
    kSection, "Method_desc",
    "The original method reads the windows of Total Commander.<br>The new method asks Total "
    "Commander itself (from TC v8.0B10)."};
inline constexpr LanguageKey kMethodOriginal{kSection, "Method_original", "Original method"};
inline constexpr LanguageKey kMethodNew{kSection, "Method_new",
                                        "New && more stable method (from TC v8.0B10)"};
inline constexpr LanguageKey kMethodNewFix{kSection, "Method_new_fix",
                                           "Fix extension problem (dirs with \".\" char)"};
inline constexpr LanguageKey kMkDirHistoryFile{kSection, "MkDirHistory file",
                                               "Directory history file"};
inline constexpr LanguageKey kMkDirHistoryUtil{kSection, "MkDirHistory_util",
                                               "Let the utility choose the correct filename"};
inline constexpr LanguageKey kMkDirHistoryManu{kSection, "MkDirHistory_manu",
                                               "Give the path manually"};
inline constexpr LanguageKey kWndTheme1{kSection, "WndTheme_1", "- 1 -", "sky"};
inline constexpr LanguageKey kWndTheme2{kSection, "WndTheme_2", "- 2 -", "sand"};
inline constexpr LanguageKey kWndTheme3{kSection, "WndTheme_3", "- 3 -", "nightfall"};
inline constexpr LanguageKey kWndTheme4{kSection, "WndTheme_4", "- 4 -", "pink"};
inline constexpr LanguageKey kWndTheme5{kSection, "WndTheme_5", "- 5 -", "purple"};
inline constexpr LanguageKey kWndTheme6{kSection, "WndTheme_6", "- 6 -", "peach"};
}  // namespace config

// [Dialogs]
namespace dialogs {
inline constexpr std::string_view kSection = "Dialogs";
inline constexpr LanguageKey kTextFiles{kSection, "TextFiles", "Text files (*.txt)", "Text files"};
inline constexpr LanguageKey kAllFiles{kSection, "AllFiles", "All files (*.*)", "All files"};
}  // namespace dialogs

// [QuickReplacers]
namespace quick {
inline constexpr std::string_view kSection = "QuickReplacers";
inline constexpr LanguageKey kDateCat{kSection, "DateCat", "Date"};
inline constexpr LanguageKey kSystemCat{kSection, "SystemCat", "System"};
inline constexpr LanguageKey kApplicationsCat{kSection, "ApplicationsCat", "Applications"};
inline constexpr LanguageKey kEnvVarsCat{kSection, "EnvVarsCat", "Env. variables"};
}  // namespace quick

// [QuickReplacers - Date]
namespace quick_date {
inline constexpr std::string_view kSection = "QuickReplacers - Date";
inline constexpr LanguageKey kSeconds{kSection, "Seconds", "Seconds"};
inline constexpr LanguageKey kSeconds2dig{kSection, "Seconds2dig", "Seconds (2 digits)"};
inline constexpr LanguageKey kMinutes{kSection, "Minutes", "Minute"};
inline constexpr LanguageKey kMinutes2dig{kSection, "Minutes2dig", "Minute (2 digits)"};
inline constexpr LanguageKey kHour{kSection, "Hour", "Hour"};
inline constexpr LanguageKey kHour2dig{kSection, "Hour2dig", "Hour (2 digits)"};
inline constexpr LanguageKey kDay{kSection, "Day", "Day"};
inline constexpr LanguageKey kDay2dig{kSection, "Day2dig", "Day (2 digits)"};
inline constexpr LanguageKey kDayTS{kSection, "DayTS", "Day (text) [short]"};
inline constexpr LanguageKey kDayTL{kSection, "DayTL", "Day (text) [long]"};
inline constexpr LanguageKey kMonth{kSection, "Month", "Month"};
inline constexpr LanguageKey kMonth2dig{kSection, "Month2dig", "Month (2 digits)"};
inline constexpr LanguageKey kMonthTS{kSection, "MonthTS", "Month (text) [short]"};
inline constexpr LanguageKey kMonthTL{kSection, "MonthTL", "Month (text) [long]"};
inline constexpr LanguageKey kYear2dig{kSection, "Year2dig", "Year (2 digits)"};
inline constexpr LanguageKey kYear4dig{kSection, "Year4dig", "Year (4 digits)"};
inline constexpr LanguageKey kDoY{kSection, "DoY", "Day of year"};
inline constexpr LanguageKey kQoY{kSection, "QoY", "Quarter of year"};
inline constexpr LanguageKey kWoY{kSection, "WoY", "Week of year"};
inline constexpr LanguageKey kDoW{kSection, "DoW", "Day of week"};
inline constexpr LanguageKey kUT{kSection, "UT", "Unix time"};
}  // namespace quick_date

// [QuickReplacers - System]
namespace quick_system {
inline constexpr std::string_view kSection = "QuickReplacers - System";
inline constexpr LanguageKey kUser{kSection, "User", "Current username"};
inline constexpr LanguageKey kPC{kSection, "PC", "Computer name"};
inline constexpr LanguageKey kOs{kSection, "Os", "Current OS"};
inline constexpr LanguageKey kWg{kSection, "Wg", "Current workgroup"};
inline constexpr LanguageKey kUt{kSection, "Ut", "Windows uptime"};
inline constexpr LanguageKey kAt{kSection, "At", "Windows architecture"};
}  // namespace quick_system

// [QuickReplacers - Applications]
namespace quick_apps {
inline constexpr std::string_view kSection = "QuickReplacers - Applications";
inline constexpr LanguageKey kAIMPCurrTrack{kSection, "AIMP_CurrTrack", "AIMP - Current Track"};
inline constexpr LanguageKey kWinampCurrTrack{kSection, "Winamp_CurrTrack",
                                              "Winamp - Current Track"};
inline constexpr LanguageKey kBsPlayerCurrFile{kSection, "BsPlayer_CurrFile",
                                               "BS.Player - Current File"};
inline constexpr LanguageKey kVLCCurrFile{kSection, "VLC_CurrFile", "VideoLAN VLC - Current File"};
inline constexpr LanguageKey kKMPlayerCurrTrack{kSection, "KMPlayer_CurrTrack",
                                                "KMPlayer - Current Track"};
}  // namespace quick_apps

// [Templates]
namespace templates {
inline constexpr std::string_view kSection = "Templates";
inline constexpr LanguageKey kNoTemplate{kSection, "NoTemplate", "- no template selected -"};
inline constexpr LanguageKey kNewFolder{kSection, "NewFolder", "New Folder"};
inline constexpr LanguageKey kNewFolderWDate{kSection, "NewFolderWDate", "New Folder",
                                             "New Folder with Date"};
inline constexpr LanguageKey kWeeklyBackup{kSection, "WeeklyBackup", "Weekly_backup"};
inline constexpr LanguageKey kFullDate{kSection, "FullDate", "Full date"};
}  // namespace templates

// [NewApplication]
namespace new_app {
inline constexpr std::string_view kSection = "NewApplication";
inline constexpr LanguageKey kNewApp{kSection, "NewApp", "New application"};
inline constexpr LanguageKey kMenuProp{kSection, "MenuProp", "Menu properties"};
inline constexpr LanguageKey kIDitem{kSection, "IDitem", "ID:"};
inline constexpr LanguageKey kNameitem{kSection, "Nameitem", "Name:"};
inline constexpr LanguageKey kChooseMethod{kSection, "ChooseMethod", "Choose a method"};
inline constexpr LanguageKey kCorrectHandles{kSection, "CorrectHandles", "Window to read"};
inline constexpr LanguageKey kAdditionalFixes{kSection, "AdditionalFixes", "Additional fixes"};
inline constexpr LanguageKey kDefault{kSection, "Default", "Default"};
inline constexpr LanguageKey kPointers{kSection, "Pointers", "Pointers"};
inline constexpr LanguageKey kForExampleShort{kSection, "ForExample_short", "e.g."};
inline constexpr LanguageKey kClass{kSection, "class", "class"};
inline constexpr LanguageKey kCaption{kSection, "caption", "caption"};
inline constexpr LanguageKey kRemoteSize{kSection, "RemoteSize", "Buffer size"};
inline constexpr LanguageKey kUseTrim{kSection, "UseTrim", "Trim the text"};
inline constexpr LanguageKey kCutTextFrom{kSection, "CutText_from",
                                          "Cut the text from the left up to:"};
inline constexpr LanguageKey kCutTextTo{kSection, "CutText_to",
                                        "Cut the text from the right from:"};
inline constexpr LanguageKey kUserDefined{kSection, "UserDefined", "User defined"};
inline constexpr LanguageKey kExtractFN{kSection, "ExtractFN", "Extract file name"};
inline constexpr LanguageKey kRemoveExt{kSection, "RemoveExt", "Remove extension"};
}  // namespace new_app

// [ErrorMessages]
namespace errors {
inline constexpr std::string_view kSection = "ErrorMessages";
inline constexpr LanguageKey kAccessDenied{kSection, "AccessDenied", "access denied"};
inline constexpr LanguageKey kInvalidChar{kSection, "InvalidChar",
                                          "The directory name contains invalid character(s)!"};
inline constexpr LanguageKey kTCError{kSection, "TCError", "Total Commander isn't running!"};
inline constexpr LanguageKey kDirCreation{kSection, "DirCreation",
                                          "Error while creating directory"};
inline constexpr LanguageKey kDirExists{kSection, "DirExists", "This directory already exists!"};
inline constexpr LanguageKey kError{kSection, "Error", "Error"};
inline constexpr LanguageKey kErrorCode{kSection, "ErrorCode", "Error code: "};
inline constexpr LanguageKey kFileExists{kSection, "FileExists",
                                         "Error: A file with this name already exists!"};
inline constexpr LanguageKey kCurrPathErrorQ{kSection, "CurrPathErrorQ",
                                             "Do you want to create the missing folders?"};
inline constexpr LanguageKey kCurrPathErrorL1{
    kSection, "CurrPathErrorL1",
    "The Current Path is incorrect: some or all of the (sub)directories are missing."};
inline constexpr LanguageKey kCurrPathErrorL2{
    kSection, "CurrPathErrorL2",
    "Would you like to create the missing directories and subdirectories?"};
inline constexpr LanguageKey kIDExists{kSection, "IDExists",
                                       "This ID (identifier) has been already created!"};
inline constexpr LanguageKey kFutureVersion{
    kSection, "FutureVersion", "Sorry, this function will only be available in a future version"};
inline constexpr LanguageKey kReservedName{kSection, "ReservedName",
                                           "Windows reserves this name for a device!"};
inline constexpr LanguageKey kNothingToCreate{
    kSection, "NothingToCreate", "There is nothing to create: the text names no directory."};
// A copy-data request of a 64-bit program whose receive buffer lies where cbData bytes
// cannot say; "%s" is the variable ("{bsct}", "{id}").
inline constexpr LanguageKey kCopyDataAddress{
    kSection, "CopyDataAddress",
    "%s: the address of the receive buffer does not fit in cbData bytes."};
inline constexpr LanguageKey kCharacterLost{
    kSection, "CharacterLost",
    "%s was left unchanged: a character of the text to be written would have been lost."};
// The host could not be moved to a path that no request carries; "%s" is the path in quotes.
inline constexpr LanguageKey kHostNotMoved{
    kSection, "HostNotMoved",
    "Total Commander could not be moved to %s: the path cannot be passed to it."};
// A name typed for the settings file that the file would not give back; "%s" is the
// character in quotes.
inline constexpr LanguageKey kKeyCharInside{
    kSection, "KeyCharInside",
    "The settings file cannot keep a name that holds %s: it "
    "would not give the name back as typed. Nothing was added."};
inline constexpr LanguageKey kKeyCharFirst{
    kSection, "KeyCharFirst",
    "The settings file cannot keep a name that begins with %s: it would not give the name back "
    "as typed. Nothing was added."};
inline constexpr LanguageKey kKeyCharLast{
    kSection, "KeyCharLast",
    "The settings file cannot keep a name that ends with %s: it would not give the name back as "
    "typed. Nothing was added."};
}  // namespace errors

// The Load menu's entry that copies the structure of the host's focused folder, and its
// refusal of a tree too large for the list.
namespace folder_copy {
inline constexpr LanguageKey kCopyStructure{program::kSection, "CopyStructure",
                                            "Copy the structure of %s"};
inline constexpr LanguageKey kStructureTooLarge{
    errors::kSection, "StructureTooLarge",
    "The folder holds more than 10,000 directories: its structure is too large for the list."};
}  // namespace folder_copy

// Taking the last creation back: the Options menu entry ("%n" is the number of folders the
// run made, "%s" where) and the report of what was removed and what was kept, and why.
namespace run_undo {
inline constexpr LanguageKey kMenuEntry{popup::kSection, "UndoRun",
                                        "Undo the last creation (%n folders in %s)"};
inline constexpr LanguageKey kTitle{program::kSection, "UndoTitle", "Undo the last creation"};
inline constexpr LanguageKey kRemoved{program::kSection, "UndoRemoved", "Removed from %s:"};
inline constexpr LanguageKey kNoneRemoved{program::kSection, "UndoNoneRemoved",
                                          "Nothing was removed from %s."};
inline constexpr LanguageKey kKept{program::kSection, "UndoKept", "Kept:"};
inline constexpr LanguageKey kForeign{program::kSection, "UndoForeign",
                                      "it holds %s, which the creation did not make"};
inline constexpr LanguageKey kHoldsKept{program::kSection, "UndoHoldsKept",
                                        "it holds what is kept"};
inline constexpr LanguageKey kNotEmpty{program::kSection, "UndoNotEmpty",
                                       "the file is no longer empty"};
inline constexpr LanguageKey kMore{program::kSection, "UndoMore", "... and %s more"};
inline constexpr LanguageKey kNothing{errors::kSection, "UndoNothing",
                                      "There is no creation to take back."};
inline constexpr LanguageKey kBaseMissing{
    errors::kSection, "UndoBaseMissing",
    "%s no longer exists: nothing was taken back and nothing was changed."};
}  // namespace run_undo

// What a failed file operation did, in words; "%s" is the file in quotes.
namespace file_errors {
inline constexpr LanguageKey kInUse{
    errors::kSection, "FileInUse",
    "%s is being used by another program. Close that program and try again."};
inline constexpr LanguageKey kNoPermission{
    errors::kSection, "FileNoPermission",
    "Windows denied access to %s: it is read-only, or you have no permission for it."};
inline constexpr LanguageKey kDiskFull{errors::kSection, "FileDiskFull",
                                       "The disk is full: %s could not be written."};
inline constexpr LanguageKey kPathTooLong{errors::kSection, "FilePathTooLong",
                                          "The path %s is too long for Windows."};
inline constexpr LanguageKey kNotFound{errors::kSection, "FileNotFound", "%s was not found."};
inline constexpr LanguageKey kFolderNotFound{errors::kSection, "FolderNotFound",
                                             "The folder of %s was not found."};
inline constexpr LanguageKey kFailed{errors::kSection, "FileFailed",
                                     "%s could not be read or written."};
}  // namespace file_errors

// [Configuration - Dialog]: the configuration dialog's texts beyond the main table.
namespace config_dialog {
inline constexpr std::string_view kSection = "Configuration - Dialog";
inline constexpr LanguageKey kTitle{kSection, "Title", "Configuration"};
inline constexpr LanguageKey kLanguageTab{kSection, "LanguageTab", "Language"};
inline constexpr LanguageKey kAffixGroup{kSection, "AffixGroup", "Prefix and suffix"};
inline constexpr LanguageKey kPrefix{kSection, "Prefix", "Prefix:"};
inline constexpr LanguageKey kSuffix{kSection, "Suffix", "Suffix:"};
inline constexpr LanguageKey kAddItem{kSection, "AddItem", "Add"};
inline constexpr LanguageKey kLanguageGroup{kSection, "LanguageGroup", "Interface language"};
inline constexpr LanguageKey kDate{kSection, "Date", "Date:"};
inline constexpr LanguageKey kContact{kSection, "Contact", "Contact:"};
inline constexpr LanguageKey kLinkLanguages{kSection, "LinkLanguages", "Download more languages"};
inline constexpr LanguageKey kLinkTranslate{kSection, "LinkTranslate",
                                            "Translate into your language"};
inline constexpr LanguageKey kFileCreation{kSection, "FileCreation", "File creation"};
inline constexpr LanguageKey kEnableFileCreation{kSection, "EnableFileCreation",
                                                 "Enable file creation"};
inline constexpr LanguageKey kIntelliExtDetection{kSection, "IntelliExtDetection",
                                                  "Intelligent file extension-detection"};
inline constexpr LanguageKey kExtensions{kSection, "Extensions", "Extensions"};
inline constexpr LanguageKey kExtension{kSection, "Extension", "Extension"};
inline constexpr LanguageKey kDescription{kSection, "Description", "Description"};
inline constexpr LanguageKey kRemove{kSection, "Remove", "Remove"};
inline constexpr LanguageKey kContent{kSection, "Content", "Content"};
inline constexpr LanguageKey kUnknownExtension{kSection, "UnknownExtension", "Unknown extension"};
inline constexpr LanguageKey kNewFile{kSection, "NewFile", "new file"};
inline constexpr LanguageKey kReplaceChars{kSection, "ReplaceChars",
                                           "Replaced strings (string=replacement, one a line)"};
inline constexpr LanguageKey kCannotRead{
    kSection, "CannotRead",
    "The settings file cannot be read, so the configuration does not open; nothing was changed."};
inline constexpr LanguageKey kCannotWrite{
    kSection, "CannotWrite",
    "The settings file cannot be written; your changes are still in the dialog."};
// What happened to a file, after its name.
}  // namespace config_dialog

// [About]
namespace about {
inline constexpr std::string_view kSection = "About";
inline constexpr LanguageKey kTitle{kSection, "Title", "About"};
inline constexpr LanguageKey kVersion{kSection, "Version", "Version %s"};
inline constexpr LanguageKey kBuild{kSection, "Build", "Build: %s"};
inline constexpr LanguageKey kLibraries{
    kSection, "Libraries",
    "This program uses libpng (PNG Reference Library License version 2) and zlib (zlib "
    "License)."};
}  // namespace about

// All keys, in the order of the built-in English file.
inline constexpr auto kAllKeys = std::to_array<LanguageKey>({
    header::kLngShortID,
    header::kLngNameEng,
    header::kLngName,
    header::kAuthor,
    header::kDate,
    header::kContact,
    buttons::kBtnInstall,
    buttons::kBtnUninstall,
    buttons::kBtnBrowse,
    buttons::kBtnEnterDir,
    buttons::kBtnClose,
    buttons::kBtnOK,
    buttons::kBtnApply,
    buttons::kBtnCancel,
    buttons::kBtnLoad,
    buttons::kBtnNormal,
    buttons::kBtnExtended,
    buttons::kBtnOptions,
    buttons::kBtnNext,
    buttons::kBtnPrevious,
    popup::kTemplates,
    popup::kConfig,
    popup::kAbout,
    popup::kHelp,
    run_undo::kMenuEntry,
    install::kInstallGrpbox,
    install::kInstallingGrpbox,
    install::kUninstallingGrpbox,
    install::kInstallDirectory,
    install::kUnknownDir,
    install::kActivateGrpbox,
    install::kF7Radiobtn,
    install::kShiftF7Radiobtn,
    install::kNoneRadiobtn,
    install::kCurrentVersion,
    install::kCompatibility,
    install::kDeveloper,
    install::kTranslator,
    install::kAuthor,
    install::kAuthorNote,
    install::kClipboardHint,
    install::kClipboardNote,
    install::kStep1,
    install::kStep1Note,
    install::kStep2,
    install::kStep2Note,
    install::kStep2NoteU,
    install::kStep3,
    install::kStep3Note,
    install::kStep3NoteU,
    install::kLanguage,
    install::kSelLanguage,
    install::kActionDone,
    install::kInstalled1,
    install::kInstalled2,
    install::kCheckVersion,
    install::kCheckVersionHint,
    install::kActionFailed,
    install::kBackupFailed,
    install::kUnexpectedError,
    program::kNewFolder,
    program::kPathEditHint,
    program::kRefreshFolder,
    program::kAdditionalGrpbox,
    program::kBatchGrpbox,
    program::kReplacements,
    program::kEnterDirectory,
    program::kCloseWindow,
    program::kFolderName,
    program::kCurrPath,
    program::kMore,
    program::kBatchButtonHint1,
    program::kBatchButtonHint2,
    program::kBatchFromValue,
    program::kBatchToValue,
    program::kBatchStepBy,
    program::kBatchPrefix,
    program::kBatchSuffix,
    program::kBatchDigits,
    program::kBatchAutomatic,
    program::kBatchMode,
    program::kBatchDecimal,
    program::kBatchRoman,
    program::kBatchABC,
    program::kNewTemplate,
    program::kAddToList,
    program::kTemplate,
    program::kTemplatePreview,
    program::kTemplateName,
    program::kTemplateRemove,
    program::kTemplateDelete,
    program::kTemplateClearList,
    program::kTemplateDelConfirm,
    program::kTemplateReplaceQ,
    program::kNoNormalForm,
    program::kHidden,
    program::kSystem,
    program::kArchive,
    program::kReadOnly,
    program::kSubdir,
    program::kESC,
    program::kModifier,
    program::kModSpaceToDot,
    program::kModDotToSpace,
    program::kModInvertCase,
    program::kHintRefresh,
    program::kHintLoadFromFile,
    program::kHintChangeMode,
    program::kHintVariables,
    program::kHintAttributes,
    program::kPlaceholders,
    program::kPlaceholderCaption,
    program::kPlaceholder,
    program::kReplacement,
    program::kTCCopyright,
    config::kGeneral,
    config::kWindow,
    config::kOtherSettings,
    config::kAdvanced,
    config::kFiles,
    config::kSuggestedName,
    config::kCurrentTCItem,
    config::kCustomItem,
    config::kInvalidChar,
    config::kShowWarning,
    config::kReplaceWith,
    config::kWindowPos,
    config::kCenterofTC,
    config::kCenterofTCpane,
    config::kCenterofScreen,
    config::kAdditionalWnd,
    config::kUseFlatBtn,
    config::kUseWndTheme,
    config::kUseTransparency,
    config::kFocusTC,
    config::kMethod,
    config::kMethodDesc,
    config::kMethodOriginal,
    config::kMethodNew,
    config::kMethodNewFix,
    config::kMkDirHistoryFile,
    config::kMkDirHistoryUtil,
    config::kMkDirHistoryManu,
    config::kWndTheme1,
    config::kWndTheme2,
    config::kWndTheme3,
    config::kWndTheme4,
    config::kWndTheme5,
    config::kWndTheme6,
    dialogs::kTextFiles,
    dialogs::kAllFiles,
    quick::kDateCat,
    quick::kSystemCat,
    quick::kApplicationsCat,
    quick::kEnvVarsCat,
    quick_date::kSeconds,
    quick_date::kSeconds2dig,
    quick_date::kMinutes,
    quick_date::kMinutes2dig,
    quick_date::kHour,
    quick_date::kHour2dig,
    quick_date::kDay,
    quick_date::kDay2dig,
    quick_date::kDayTS,
    quick_date::kDayTL,
    quick_date::kMonth,
    quick_date::kMonth2dig,
    quick_date::kMonthTS,
    quick_date::kMonthTL,
    quick_date::kYear2dig,
    quick_date::kYear4dig,
    quick_date::kDoY,
    quick_date::kQoY,
    quick_date::kWoY,
    quick_date::kDoW,
    quick_date::kUT,
    quick_system::kUser,
    quick_system::kPC,
    quick_system::kOs,
    quick_system::kWg,
    quick_system::kUt,
    quick_system::kAt,
    quick_apps::kAIMPCurrTrack,
    quick_apps::kWinampCurrTrack,
    quick_apps::kBsPlayerCurrFile,
    quick_apps::kVLCCurrFile,
    quick_apps::kKMPlayerCurrTrack,
    templates::kNoTemplate,
    templates::kNewFolder,
    templates::kNewFolderWDate,
    templates::kWeeklyBackup,
    templates::kFullDate,
    new_app::kNewApp,
    new_app::kMenuProp,
    new_app::kIDitem,
    new_app::kNameitem,
    new_app::kChooseMethod,
    new_app::kCorrectHandles,
    new_app::kAdditionalFixes,
    new_app::kDefault,
    new_app::kPointers,
    new_app::kForExampleShort,
    new_app::kClass,
    new_app::kCaption,
    new_app::kRemoteSize,
    new_app::kUseTrim,
    new_app::kCutTextFrom,
    new_app::kCutTextTo,
    new_app::kUserDefined,
    new_app::kExtractFN,
    new_app::kRemoveExt,
    errors::kAccessDenied,
    errors::kInvalidChar,
    errors::kTCError,
    errors::kDirCreation,
    errors::kDirExists,
    errors::kError,
    errors::kErrorCode,
    errors::kFileExists,
    errors::kCurrPathErrorQ,
    errors::kCurrPathErrorL1,
    errors::kCurrPathErrorL2,
    errors::kIDExists,
    errors::kFutureVersion,
    errors::kReservedName,
    errors::kCharacterLost,
    folder_copy::kCopyStructure,
    run_undo::kTitle,
    run_undo::kRemoved,
    run_undo::kNoneRemoved,
    run_undo::kKept,
    run_undo::kForeign,
    run_undo::kHoldsKept,
    run_undo::kNotEmpty,
    run_undo::kMore,
    tree_preview::kButton,
    tree_preview::kHint,
    tree_preview::kTitle,
    tree_preview::kNew,
    tree_preview::kExists,
    tree_preview::kInvalid,
    tree_preview::kReserved,
    tree_preview::kTooLong,
    tree_preview::kFileInTheWay,
    tree_preview::kBlocked,
    tree_preview::kUnchecked,
    tree_preview::kCountNew,
    tree_preview::kCountExists,
    tree_preview::kCountInvalid,
    tree_preview::kCountReserved,
    tree_preview::kCountTooLong,
    tree_preview::kCountFileInTheWay,
    tree_preview::kCountBlocked,
    tree_preview::kCountUnchecked,
    folder_copy::kStructureTooLarge,
    file_errors::kInUse,
    file_errors::kNoPermission,
    file_errors::kDiskFull,
    file_errors::kPathTooLong,
    file_errors::kNotFound,
    file_errors::kFolderNotFound,
    file_errors::kFailed,
    errors::kNothingToCreate,
    errors::kCopyDataAddress,
    run_undo::kNothing,
    run_undo::kBaseMissing,
    errors::kHostNotMoved,
    errors::kKeyCharInside,
    errors::kKeyCharFirst,
    errors::kKeyCharLast,
    config_dialog::kTitle,
    config_dialog::kLanguageTab,
    config_dialog::kAffixGroup,
    config_dialog::kPrefix,
    config_dialog::kSuffix,
    config_dialog::kAddItem,
    config_dialog::kLanguageGroup,
    config_dialog::kDate,
    config_dialog::kContact,
    config_dialog::kLinkLanguages,
    config_dialog::kLinkTranslate,
    config_dialog::kFileCreation,
    config_dialog::kEnableFileCreation,
    config_dialog::kIntelliExtDetection,
    config_dialog::kExtensions,
    config_dialog::kExtension,
    config_dialog::kDescription,
    config_dialog::kRemove,
    config_dialog::kContent,
    config_dialog::kUnknownExtension,
    config_dialog::kNewFile,
    config_dialog::kReplaceChars,
    config_dialog::kCannotRead,
    config_dialog::kCannotWrite,
    about::kTitle,
    about::kVersion,
    about::kBuild,
    about::kLibraries,
});

// Sections of a language file: the header `Language` and the text sections.
inline constexpr std::array<std::string_view, 16> kAllSections{{
    header::kSection,
    buttons::kSection,
    popup::kSection,
    install::kSection,
    program::kSection,
    config::kSection,
    dialogs::kSection,
    quick::kSection,
    quick_date::kSection,
    quick_system::kSection,
    quick_apps::kSection,
    templates::kSection,
    new_app::kSection,
    errors::kSection,
    config_dialog::kSection,
    about::kSection,
}};

}  // namespace lng
}  // namespace kestrix
