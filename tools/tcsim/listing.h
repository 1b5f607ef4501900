#pragma once
// Panel listings and the texts the host's file lists hold for each item.
//
// Brief form:    the name; a directory adds " <DIR>"            ("Photos <DIR>", "a.txt")
// Detailed form: name, size ("<DIR>" for directories), "dd.mm.yyyy hh:mm" and the four
//                attribute letters "rahs" ("-" when unset), separated by tabs:
//                "Report.2024.pdf\t1234\t05.03.2024 14:07\t-a--"
#include <cstdint>
#include <string>
#include <vector>

namespace kestrix::tcsim {

enum class View { kBrief, kDetailed };

struct Entry {
  std::string name;
  bool directory = false;
  uint64_t size = 0;
  int year = 0, month = 0, day = 0, hour = 0, minute = 0;
  bool read_only = false, archive = false, hidden = false, system = false;
};

std::string FormatItem(const Entry& entry, View view);
// ".." first, then directories, then files, each by name without regard to case.
void SortListing(std::vector<Entry>& entries);
// What a panel shows where no real directory is behind the path (archives, plug-ins).
std::vector<Entry> FakeListing();
// Index of the entry with this name (exact first, then ignoring case); -1 when absent.
int FindEntry(const std::vector<Entry>& entries, const std::string& name);

}  // namespace kestrix::tcsim
