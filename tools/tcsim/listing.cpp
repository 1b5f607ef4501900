#include "listing.h"

#include <algorithm>
#include <cstdio>

#include "ini_text.h"

namespace kestrix::tcsim {

std::string FormatItem(const Entry& entry, View view) {
  if (view == View::kBrief) return entry.directory ? entry.name + " <DIR>" : entry.name;
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%02d.%02d.%04d %02d:%02d", entry.day % 100, entry.month % 100,
                entry.year % 10000, entry.hour % 100, entry.minute % 100);
  std::string attributes = {entry.read_only ? 'r' : '-', entry.archive ? 'a' : '-',
                            entry.hidden ? 'h' : '-', entry.system ? 's' : '-'};
  std::string size = entry.directory ? "<DIR>" : std::to_string(entry.size);
  return entry.name + "\t" + size + "\t" + stamp + "\t" + attributes;
}

void SortListing(std::vector<Entry>& entries) {
  auto rank = [](const Entry& e) { return e.name == ".." ? 0 : e.directory ? 1 : 2; };
  std::stable_sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
    if (rank(a) != rank(b)) return rank(a) < rank(b);
    return UpperCase(a.name) < UpperCase(b.name);
  });
}

std::vector<Entry> FakeListing() {
  Entry up{"..", true, 0, 2024, 1, 1, 12, 0};
  Entry folder{"Folder", true, 0, 2024, 1, 2, 9, 30};
  Entry file{"Readme.txt", false, 1234, 2024, 1, 3, 17, 45};
  file.archive = true;
  return {up, folder, file};
}

int FindEntry(const std::vector<Entry>& entries, const std::string& name) {
  for (size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].name == name) return static_cast<int>(i);
  }
  for (size_t i = 0; i < entries.size(); ++i) {
    if (EqualsNoCase(entries[i].name, name)) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace kestrix::tcsim
