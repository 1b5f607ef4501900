#pragma once
// FakeMessageBoxes: records every box and answers from a script (Yes when the script is
// empty). FakeModifierKeys: the keys a test holds down.
#include <deque>
#include <set>
#include <string>
#include <vector>

#include "platform/message_box.h"
#include "platform/modifier_keys.h"

namespace kestrix {

class FakeMessageBoxes : public MessageBoxes {
 public:
  struct Shown {
    std::string text;
    std::string caption;
    uint32_t flags = 0;
  };
  std::deque<int> answers;
  std::vector<Shown> shown;

  int Show(const std::string& text, const std::string& caption, uint32_t flags) override {
    shown.push_back({text, caption, flags});
    if (answers.empty()) return (flags & kMbYesNo) != 0 ? kIdYes : kIdOk;
    int answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

class FakeModifierKeys : public ModifierKeys {
 public:
  std::set<uint8_t> down;
  bool IsDown(uint8_t virtual_key) override { return down.count(virtual_key) != 0; }
};

}  // namespace kestrix
