#include "create/run_settings.h"

#include <string>

#include "settings/settings.h"

namespace kestrix {

std::vector<CharReplacement> ReadReplaceChars(TBigIniFile& settings_file) {
  std::vector<std::string> keys;
  settings_file.ReadSection(kReplaceCharsSection, keys);
  std::vector<CharReplacement> pairs;
  for (const std::string& key : keys)
    pairs.push_back({key, settings_file.ReadString(kReplaceCharsSection, key, "_")});
  return pairs;
}

}  // namespace kestrix
