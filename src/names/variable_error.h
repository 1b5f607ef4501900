#pragma once
// A failure while computing a variable that the user must be told about; the operation
// that asked for the expansion (preview or creation) stops.
#include <cstdint>
#include <stdexcept>
#include <string>

#include "settings/language_table.h"

namespace kestrix {

class VariableError : public std::runtime_error {
 public:
  explicit VariableError(const std::string& message, uint32_t system_error = 0)
      : std::runtime_error(message), system_error_(system_error) {}
  // A message with a language key: what() holds its English text with `argument` for "%s".
  VariableError(const LanguageKey& key, const std::string& argument)
      : std::runtime_error(FormatLanguageText(key.english, argument)),
        system_error_(0),
        key_(&key),
        argument_(argument) {}
  // The Windows error code behind the failure, 0 when none.
  uint32_t SystemError() const { return system_error_; }
  // The message in the user's language where it has a key, else what().
  std::string Text(const LanguageTable& language) const {
    return key_ ? FormatLanguageText(language.Text(*key_), argument_) : what();
  }

 private:
  uint32_t system_error_;
  const LanguageKey* key_ = nullptr;
  std::string argument_;
};

}  // namespace kestrix
