#pragma once
// The pages of the configuration dialog, one file each (config_page_*.cpp). Each page owns
// its controls (one table), the commands of those controls and the binding tables that show
// its part of the values and take it back; the rules it applies while the user edits are
// settings/configuration.h.
#include <span>
#include <string>
#include <vector>

#include "app/key_commands.h"
#include "ui/config/configuration_dialog.h"
#include "window/control_table.h"
#include "window/controls.h"
#include "window/owned_font.h"

namespace kestrix {

// Which control shows which value, for showing and reading alike.
struct FlagBinding {
  ControlId id;
  bool ConfigurationValues::*value;
  ControlId opposite = 0;  // the radio button checked when the value is false
};
struct TextBinding {
  ControlId id;
  std::string ConfigurationValues::*value;
};
struct ListBinding {
  ControlId id;  // a combo box: its items
  std::vector<std::string> ConfigurationValues::*value;
};
struct Bindings {
  std::span<const ListBinding> lists;
  std::span<const TextBinding> texts;
  std::span<const FlagBinding> flags;
};

class ConfigurationPage : public DialogPage {
 public:
  ConfigurationPage(ConfigPageSite& site, ConfigPage which, std::span<const ControlSpec> controls,
                    Bindings bindings = {})
      : site_(site), which_(which), controls_(controls), bindings_(bindings) {}

  ConfigPage Which() const { return which_; }
  std::span<const ControlSpec> Controls() const { return controls_; }
  bool Owns(ControlId id) const;

  // Once every control of the dialog exists: lists, buddies, columns, fonts.
  virtual void OnCreate() {}
  void Load() override;
  bool Save() override;
  virtual void OnCommand(ControlId id, int code) = 0;
  virtual void OnNotify(const NMHDR&) {}
  // The captions made of more than one text or following a choice.
  virtual void ApplyCaptions() {}
  // Whether control `id` shows while the page does: a field of an unchosen choice does not.
  virtual bool Shows(ControlId) const { return true; }
  // What keys do in one of the page's fields.
  virtual ConfigField FieldOf(ControlId) const { return ConfigField::kOther; }
  // Escape closes a list of the page: one that is down (`dropped`), or else one the page
  // still counts as open. Whether there was one.
  virtual bool CloseList(bool) { return false; }
  // Whether a label of the page shows as a link.
  virtual bool IsLink(HWND) const { return false; }

 protected:
  // The values beyond the binding tables, after (Load) or with (Save) them.
  virtual void LoadMore() {}
  virtual void SaveMore() {}

  HWND Item(ControlId id) const { return ::kestrix::Item(site_.dialog, id); }
  Check Box(ControlId id) const { return Check(Item(id)); }
  Combo ComboOf(ControlId id) const { return Combo(Item(id)); }
  Edit Field(ControlId id) const { return Edit(Item(id)); }
  // The items of a combo box.
  std::vector<std::string> Items(ControlId id) const;
  std::string Text(const LanguageKey& key) const { return site_.language.Text(key); }
  bool Shown() const { return site_.page == which_; }
  ConfigurationValues& Values() const { return site_.values; }

  ConfigPageSite& site_;

 private:
  ConfigPage which_;
  std::span<const ControlSpec> controls_;
  Bindings bindings_;
};

class GeneralPage : public ConfigurationPage {
 public:
  explicit GeneralPage(ConfigPageSite& site);
  void OnCreate() override;
  void OnCommand(ControlId id, int code) override;
  void ApplyCaptions() override;
  bool Shows(ControlId id) const override;
  ConfigField FieldOf(ControlId id) const override;
  bool CloseList(bool dropped) override;

  void AddAffix(bool prefix, bool from_button);
  void AffixTextChanged(bool prefix);
  void InsertVariable();
  // Ctrl+Enter in a prefix or suffix field adds its text to the list; whether it did.
  bool AddOnCtrlEnter();

 protected:
  void LoadMore() override;

 private:
  void SuggestedNameChanged();
  void AddButtonFollows(bool prefix);
  void ReplaceCharChanged();
};

class WindowPage : public ConfigurationPage {
 public:
  explicit WindowPage(ConfigPageSite& site);
  void OnCreate() override;
  void OnCommand(ControlId id, int code) override;
  ConfigField FieldOf(ControlId id) const override;
  bool CloseList(bool dropped) override;

 protected:
  void LoadMore() override;
  void SaveMore() override;

 private:
  void ThemeChosen();
  void ThemeChecked();
  void TransparencyChanged();
  void TransparencyLeft();
  void TransparencyClicked();

  bool list_open_ = false;
};

class LanguagePage : public ConfigurationPage {
 public:
  explicit LanguagePage(ConfigPageSite& site);
  ~LanguagePage() override;
  void OnCreate() override;
  void OnCommand(ControlId id, int code) override;
  bool CloseList(bool dropped) override;
  bool IsLink(HWND control) const override;

 protected:
  void LoadMore() override;
  void SaveMore() override;

 private:
  void LanguageChosen();

  bool list_open_ = false;
  bool changed_ = false;
  std::string selected_;
  OwnedFont link_font_;
};

class AdvancedPage : public ConfigurationPage {
 public:
  explicit AdvancedPage(ConfigPageSite& site);
  void OnCommand(ControlId id, int code) override;
  void ApplyCaptions() override;
  bool Shows(ControlId id) const override;

 protected:
  void LoadMore() override;
  void SaveMore() override;

 private:
  void MethodChanged();
  void HistoryChoiceChanged();
};

class FilesPage : public ConfigurationPage {
 public:
  explicit FilesPage(ConfigPageSite& site);
  void OnCreate() override;
  void OnCommand(ControlId id, int code) override;
  void OnNotify(const NMHDR& header) override;
  void ApplyCaptions() override;

 protected:
  void LoadMore() override;
  void SaveMore() override;

 private:
  std::string Description(const std::string& extension) const;
  void ShowExtensions(const std::vector<std::string>& extensions);
  void AddRow(int index, const std::string& extension);
  std::vector<std::string> Extensions() const;
  void ExtensionFieldChanged();
  void DetectionChecked();
  void AddExtension();
  void RemoveExtension();
};

}  // namespace kestrix
