// The user guide's key table (help_eng.html, the table of class "keys", one <kbd> per key)
// against the program's: every key it lists acts, and every key that acts is listed. A key
// held with modifiers the program ignores counts as the listed key without them.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <sstream>

#include "app/key_commands.h"

namespace kestrix {
namespace {

struct Combo {
  std::string name;  // the key as the guide names it
  bool ctrl = false, shift = false, alt = false;
};

// The guide's names of the keys that are no letter or digit.
const char* const kNames[] = {"Tab",  "Enter", "Escape", "PageUp", "PageDown",
                              "Left", "Up",    "Right",  "Down"};
const uint16_t kCodes[] = {kKeyTab,  kKeyReturn, kKeyEscape, kKeyPrior, kKeyNext,
                           kKeyLeft, kKeyUp,     kKeyRight,  kKeyDown};

std::vector<uint16_t> CodesOf(const std::string& name) {
  if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
    return {static_cast<uint16_t>(std::toupper(static_cast<unsigned char>(name[0])))};
  if (name.size() == 2 && name[0] == 'F') return {static_cast<uint16_t>(kKeyF1 + name[1] - '1')};
  if (name == "\\") return {kKeyBackslash, kKeyOem102};
  for (size_t i = 0; i < std::size(kNames); ++i)
    if (name == kNames[i]) return {kCodes[i]};
  return {};
}

std::vector<Combo> GuideKeys() {
  std::ifstream in(std::string(KESTRIX_SOURCE_DIR) + "/resources/docs/help_eng.html",
                   std::ios::binary);
  std::ostringstream read;
  read << in.rdbuf();
  const std::string html = read.str();
  std::vector<Combo> keys;
  const size_t table = html.find("<table class=\"keys\">");
  const size_t end = html.find("</table>", table);
  for (size_t at = html.find("<kbd>", table); table != std::string::npos && at < end;
       at = html.find("<kbd>", at)) {
    at += 5;
    Combo combo;
    combo.name = html.substr(at, html.find("</kbd>", at) - at);
    for (size_t plus; (plus = combo.name.find('+')) != std::string::npos && plus > 0;) {
      const std::string held = combo.name.substr(0, plus);
      (held == "Ctrl" ? combo.ctrl : held == "Shift" ? combo.shift : combo.alt) = true;
      combo.name.erase(0, plus + 1);
    }
    keys.push_back(combo);
  }
  return keys;
}

bool Acts(const KeyDecision& decision) {
  return decision.action != KeyAction::kNone && decision.action != KeyAction::kSwallow;
}

TEST(UserGuide, ListsEveryKeyThatActsAndNoOther) {
  std::vector<KeyContext> contexts;
  for (MainMode mode : {MainMode::kNormal, MainMode::kExtended, MainMode::kBatch})
    for (int focus = 0; focus <= static_cast<int>(FocusedControl::kAttribField); ++focus)
      contexts.push_back({mode, static_cast<FocusedControl>(focus), true, true});
  const std::vector<Combo> guide = GuideKeys();
  ASSERT_GT(guide.size(), 30u);
  for (const Combo& combo : guide) {
    // Escape is a character the window handles; the history is the name field's own list.
    if (combo.name == "Escape" || combo.name == "Up" || combo.name == "Down") continue;
    bool acts = false;
    for (uint16_t code : CodesOf(combo.name))
      for (const KeyContext& context : contexts)
        acts = acts || Acts(DecideKey({code, combo.ctrl, combo.shift, combo.alt}, context));
    EXPECT_TRUE(acts) << combo.name << " ctrl " << combo.ctrl << " shift " << combo.shift;
  }
  EXPECT_EQ(DecideEscape({FocusedControl::kMkDir}), EscapeAction::kCloseWindow);
  for (uint16_t key = 1; key < 256; ++key) {
    for (int held = 0; held < 8; ++held) {
      const KeyPress press{key, (held & 1) != 0, (held & 2) != 0, (held & 4) != 0};
      for (const KeyContext& context : contexts) {
        const KeyDecision decision = DecideKey(press, context);
        if (!Acts(decision)) continue;
        bool listed = false;
        for (const Combo& c : guide)
          for (uint16_t code : CodesOf(c.name))
            listed = listed ||
                     (code == key && (!c.ctrl || press.ctrl) && (!c.shift || press.shift) &&
                      (!c.alt || press.alt) &&
                      DecideKey({key, c.ctrl, c.shift, c.alt}, context).action == decision.action);
        EXPECT_TRUE(listed) << "key " << key << " held " << held << " focus "
                            << static_cast<int>(context.focus);
      }
    }
  }
}

}  // namespace
}  // namespace kestrix
