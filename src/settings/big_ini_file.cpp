#include "settings/big_ini_file.h"

#include <unordered_set>

#include "base/text_utils.h"

namespace kestrix {

namespace {

// Lower-case fold of a Windows-1252 byte: ASCII letters, the accented capitals
// 0xC0..0xDE (except the multiplication sign) and the four capitals outside that block.
unsigned char FoldByte(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 0x20);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 0x20);
  switch (c) {
    case 0x8A:
    case 0x8C:
    case 0x8E:
      return static_cast<unsigned char>(c + 0x10);
    case 0x9F:
      return 0xFF;
    default:
      return c;
  }
}

std::string Fold(const std::string& text) {
  std::string folded(text);
  for (char& c : folded) c = static_cast<char>(FoldByte(static_cast<unsigned char>(c)));
  return folded;
}

// A line has a name only when it holds "="; the name is the text before the first one.
bool LineHasName(const std::string& line, const std::string& key) {
  if (line.size() <= key.size() || line[key.size()] != '=') return false;
  for (size_t i = 0; i < key.size(); ++i) {
    if (line[i] == '=') return false;  // the name ends earlier
    if (FoldByte(static_cast<unsigned char>(line[i])) !=
        FoldByte(static_cast<unsigned char>(key[i])))
      return false;
  }
  return true;
}

// A line break inside a written key or value would split the line in the file and could
// forge other keys or sections when the file is read back, so breaks are dropped.
std::string WithoutLineBreaks(const std::string& text) {
  if (text.find_first_of("\r\n") == std::string::npos) return text;
  std::string clean;
  clean.reserve(text.size());
  for (char c : text)
    if (c != '\r' && c != '\n') clean += c;
  return clean;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

constexpr char kUtf16LeMark[] = "\xFF\xFE";

std::u16string DecodeUtf16Le(const std::string& bytes, size_t from) {
  std::u16string wide;
  wide.reserve((bytes.size() - from) / 2);
  for (size_t i = from; i + 1 < bytes.size(); i += 2)
    wide.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                         (static_cast<unsigned char>(bytes[i + 1]) << 8)));
  return wide;
}

std::string EncodeUtf16Le(const std::u16string& wide) {
  std::string bytes(kUtf16LeMark);
  bytes.reserve(2 + wide.size() * 2);
  for (char16_t c : wide) {
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>(c >> 8));
  }
  return bytes;
}

// The conversion without a system code page: Latin-1, "?" for anything above it.
class Latin1CodePage : public CodePage {
 public:
  std::string FromWide(const std::u16string& wide) override {
    std::string text;
    text.reserve(wide.size());
    for (char16_t c : wide) text.push_back(c <= 0xFF ? static_cast<char>(c) : '?');
    return text;
  }
};

}  // namespace

bool IniNamesEqual(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (FoldByte(static_cast<unsigned char>(a[i])) != FoldByte(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

bool ParseIniInteger(const std::string& text, int& value) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  bool hex = false;
  if (i < text.size() && text[i] == '$') {
    hex = true;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i >= text.size()) return false;
  uint64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    int digit = hex ? HexDigit(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
    if (digit < 0) return false;
    magnitude = magnitude * (hex ? 16 : 10) + static_cast<uint64_t>(digit);
    if (magnitude > 0xFFFFFFFFull) return false;
  }
  if (hex) {
    // Hexadecimal covers all 32 bits: $FFFFFFFF is -1.
    uint32_t bits = static_cast<uint32_t>(magnitude);
    if (negative) bits = 0u - bits;
    value = static_cast<int32_t>(bits);
    return true;
  }
  if (negative ? magnitude > 0x80000000ull : magnitude > 0x7FFFFFFFull) return false;
  value =
      negative ? static_cast<int>(-static_cast<int64_t>(magnitude)) : static_cast<int>(magnitude);
  return true;
}

// ---- TSectionList ----

int TSectionList::Add(const std::string& name) {
  sections_.push_back(Section{name, {}});
  return Count() - 1;
}

void TSectionList::Delete(int index) {
  sections_.erase(sections_.begin() + index);
  if (last_found_ >= Count()) last_found_ = 0;
}

void TSectionList::Clear() {
  sections_.clear();
  last_found_ = 0;
}

int TSectionList::IndexOf(const std::string& name) {
  const int count = Count();
  if (count == 0) return -1;
  int start = last_found_ >= 0 && last_found_ < count ? last_found_ : 0;
  for (int step = 0; step < count; ++step) {
    int index = (start + step) % count;
    if (IniNamesEqual(sections_[index].name, name)) {
      last_found_ = index;
      return index;
    }
  }
  return -1;
}

bool TSectionList::RemoveLaterDuplicates() {
  std::unordered_set<std::string> seen;
  std::vector<Section> kept;
  kept.reserve(sections_.size());
  for (Section& section : sections_)
    if (seen.insert(Fold(section.name)).second) kept.push_back(std::move(section));
  bool removed = kept.size() != sections_.size();
  sections_ = std::move(kept);
  if (last_found_ >= Count()) last_found_ = 0;
  return removed;
}

// ---- TBigIniFile ----

TBigIniFile::TBigIniFile() = default;

TBigIniFile::TBigIniFile(FileSystem& fs, const std::string& file_name, CodePage* code_page)
    : fs_(&fs), code_page_(code_page) {
  SetFileName(file_name);
}

TBigIniFile::~TBigIniFile() {
  try {
    UpdateFile();
  } catch (...) {
    // Nowhere to report from a destructor; writers that care flushed before releasing.
  }
}

void TBigIniFile::SetFileName(const std::string& file_name) {
  UpdateFile();
  Clear();
  file_name_ = file_name;
  if (!file_name_.empty()) LoadFromFile(file_name_);
  modified_ = false;
}

void TBigIniFile::LoadFromFile(const std::string& file_name) {
  sections_.SetLastFound(0);
  if (fs_ == nullptr) return;
  std::string content;
  uint32_t code = fs_->ReadWholeFile(file_name, content);
  if (code == kErrorFileNotFound || code == kErrorPathNotFound) return;
  if (code != kErrorSuccess) throw InOutError(file_name, code);
  if (content.starts_with(kUtf16LeMark)) {
    utf16_ = true;
    const std::u16string wide = DecodeUtf16Le(content, 2);
    Latin1CodePage latin1;
    content = (code_page_ != nullptr ? code_page_ : &latin1)->FromWide(wide);
  }
  // Cut straight from the file's text: a host's configuration can hold tens of thousands
  // of lines, and each line is copied once.
  int current = -1;
  size_t start = 0;
  for (size_t i = 0; i < content.size(); ++i) {
    if (content[i] != '\r' && content[i] != '\n') continue;
    AddParsedLine(std::string_view(content).substr(start, i - start), current);
    if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < content.size()) AddParsedLine(std::string_view(content).substr(start), current);
  FinishParsing();
}

void TBigIniFile::SetStrings(const std::vector<std::string>& list) {
  sections_.SetLastFound(0);
  ParseLines(list);
}

void TBigIniFile::ParseLines(const std::vector<std::string>& lines) {
  int current = -1;
  for (const std::string& line : lines) AddParsedLine(line, current);
  FinishParsing();
}

// `current` is the section the lines go to; lines before the first header belong nowhere.
void TBigIniFile::AddParsedLine(std::string_view line, int& current) {
  if (line.empty() || line == "\x1A") return;
  if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
    current = sections_.Add(std::string(line.substr(1, line.size() - 2)));
  } else if (current >= 0) {
    sections_.Lines(current).emplace_back(line);
  }
}

void TBigIniFile::FinishParsing() {
  // Dropping later duplicates changes content, which a load through SetFileName then
  // forgets again: a file is never rewritten only because it held a duplicate.
  if (sections_.RemoveLaterDuplicates()) modified_ = true;
}

void TBigIniFile::Clear() {
  sections_.Clear();
  utf16_ = false;
}

int TBigIniFile::FindSection(const std::string& section) {
  return sections_.IndexOf(section);
}

int TBigIniFile::FindOrAddSection(const std::string& section) {
  int index = sections_.IndexOf(section);
  if (index < 0) {
    index = sections_.Add(section);
    sections_.SetLastFound(index);
  }
  return index;
}

int TBigIniFile::FindKey(int section_index, const std::string& key) const {
  const std::vector<std::string>& lines = sections_.Lines(section_index);
  for (size_t i = 0; i < lines.size(); ++i)
    if (LineHasName(lines[i], key)) return static_cast<int>(i);
  return -1;
}

bool TBigIniFile::ReadIfPresent(const std::string& section, const std::string& key,
                                std::string& value) {
  int s = FindSection(section);
  if (s < 0) return false;
  int k = FindKey(s, key);
  if (k < 0) return false;
  const std::string& line = sections_.Lines(s)[k];
  value = line.substr(line.find('=') + 1);
  return true;
}

void TBigIniFile::DeleteKey(const std::string& section, const std::string& key) {
  int s = FindOrAddSection(WithoutLineBreaks(section));
  int k = FindKey(s, key);
  if (k < 0) return;
  std::vector<std::string>& lines = sections_.Lines(s);
  lines.erase(lines.begin() + k);
  modified_ = true;
}

void TBigIniFile::EraseSection(const std::string& section) {
  int s = FindSection(section);
  if (s < 0) return;
  sections_.Delete(s);
  modified_ = true;
}

void TBigIniFile::GetStrings(std::vector<std::string>& list) const {
  for (int s = 0; s < sections_.Count(); ++s) {
    const std::vector<std::string>& lines = sections_.Lines(s);
    if (lines.empty()) continue;
    list.push_back("[" + sections_.Name(s) + "]");
    list.insert(list.end(), lines.begin(), lines.end());
    list.emplace_back();
  }
}

void TBigIniFile::UpdateFile() {
  if (modified_ && !file_name_.empty() && fs_ != nullptr) {
    size_t size = 0;
    for (int s = 0; s < sections_.Count(); ++s) {
      size += sections_.Name(s).size() + 6;
      for (const std::string& line : sections_.Lines(s)) size += line.size() + 2;
    }
    std::string content;
    content.reserve(size);
    for (int s = 0; s < sections_.Count(); ++s) {
      const std::vector<std::string>& lines = sections_.Lines(s);
      if (lines.empty()) continue;
      content.append("[").append(sections_.Name(s)).append("]\r\n");
      for (const std::string& line : lines) {
        content += line;
        content += "\r\n";
      }
      content += "\r\n";
    }
    if (utf16_) {
      Latin1CodePage latin1;
      content = EncodeUtf16Le((code_page_ != nullptr ? code_page_ : &latin1)->ToWide(content));
    }
    uint32_t code = fs_->WriteWholeFile(file_name_, content);
    if (code != kErrorSuccess) throw InOutError(file_name_, code);
  }
  modified_ = false;
}

void TBigIniFile::FlushFile() {
  UpdateFile();
}

std::string TBigIniFile::ReadString(const std::string& section, const std::string& key,
                                    const std::string& default_value) {
  std::string value;
  return ReadIfPresent(section, key, value) ? value : default_value;
}

int TBigIniFile::ReadInteger(const std::string& section, const std::string& key,
                             int default_value) {
  std::string text = ReadString(section, key, "");
  if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
    text.replace(0, 2, "$");
  int value = 0;
  return ParseIniInteger(text, value) ? value : default_value;
}

void TBigIniFile::ReadSection(const std::string& section, std::vector<std::string>& list) {
  int s = FindSection(section);
  if (s < 0) return;
  for (const std::string& line : sections_.Lines(s)) {
    size_t eq = line.find('=');
    if (eq != std::string::npos && eq > 0) list.push_back(line.substr(0, eq));
  }
}

void TBigIniFile::ReadSections(std::vector<std::string>& list) {
  list.clear();
  for (int s = 0; s < sections_.Count(); ++s) list.push_back(sections_.Name(s));
}

void TBigIniFile::ReadSectionValues(const std::string& section, std::vector<std::string>& list) {
  int s = FindSection(section);
  if (s < 0) return;
  const std::vector<std::string>& lines = sections_.Lines(s);
  list.insert(list.end(), lines.begin(), lines.end());
}

bool TBigIniFile::SectionExists(const std::string& section) {
  return FindSection(section) >= 0;
}

void TBigIniFile::WriteString(const std::string& section, const std::string& key,
                              const std::string& value) {
  const std::string clean_section = WithoutLineBreaks(section);
  const std::string clean_key = WithoutLineBreaks(key);
  if (clean_key.empty()) {
    if (clean_section.empty() && value.empty())
      UpdateFile();
    else
      EraseSection(clean_section);
    return;
  }
  const std::string line = clean_key + "=" + WithoutLineBreaks(value);
  int s = FindOrAddSection(clean_section);
  std::vector<std::string>& lines = sections_.Lines(s);
  int k = FindKey(s, clean_key);
  if (k >= 0) {
    if (lines[k] != line) {
      lines[k] = line;
      modified_ = true;
    }
    return;
  }
  lines.push_back(line);
  modified_ = true;
}

void TBigIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, std::to_string(value));
}

}  // namespace kestrix
