#include "settings/big_ini_file.h"

#include <algorithm>
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
bool LineHasName(std::string_view line, const std::string& key) {
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

size_t TSectionList::StoreText(std::string_view text) {
  if (text_.empty()) {
    text_ = text;
    kept_ = text_.size();
    return 0;
  }
  if (appended_ > std::max(kept_, kCompactAbove)) Compact();
  const size_t begin = text_.size();
  text_.append(text);
  appended_ += text.size();
  return begin;
}

size_t TSectionList::StoreText(std::string&& text) {
  if (!text_.empty()) return StoreText(std::string_view(text));
  text_ = std::move(text);
  kept_ = text_.size();
  return 0;
}

void TSectionList::Compact() {
  std::string live;
  live.reserve(kept_);
  for (Section& section : sections_)
    for (IniLine& line : section.lines) {
      const size_t offset = live.size();
      live.append(Text(line)).append("\r\n");
      line.offset = offset;
    }
  text_ = std::move(live);
  kept_ = text_.size();
  appended_ = 0;
}

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
  text_.clear();
  kept_ = appended_ = 0;
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
  seen.reserve(sections_.size());
  std::vector<bool> drop(sections_.size());
  bool any = false;
  for (size_t i = 0; i < sections_.size(); ++i)
    if (!seen.insert(Fold(sections_[i].name)).second) drop[i] = any = true;
  if (!any) return false;
  size_t kept = 0;
  for (size_t i = 0; i < sections_.size(); ++i)
    if (!drop[i]) {
      if (kept != i) sections_[kept] = std::move(sections_[i]);
      ++kept;
    }
  sections_.resize(kept);
  if (last_found_ >= Count()) last_found_ = 0;
  return true;
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
  ParseStoredText(sections_.StoreText(std::move(content)));
}

void TBigIniFile::SetText(std::string_view text) {
  sections_.SetLastFound(0);
  ParseStoredText(sections_.StoreText(text));
}

void TBigIniFile::ParseStoredText(size_t begin) {
  const std::string_view text = sections_.AllText();
  // A section's lines are gathered here and moved in once, at its end.
  int current = -1;
  std::vector<IniLine> lines;
  auto end_section = [&] {
    if (current >= 0) sections_.Lines(current).assign(lines.begin(), lines.end());
    lines.clear();
  };
  for (size_t start = begin; start < text.size();) {
    const size_t stop = FindLineBreak(text, start);
    const std::string_view line = text.substr(start, stop - start);
    if (!line.empty() && line != "\x1A") {
      if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
        end_section();
        current = sections_.Add(std::string(line.substr(1, line.size() - 2)));
      } else if (current >= 0) {
        lines.push_back(IniLine{start, line.size()});
      }
    }
    start = AfterLineBreak(text, stop);
  }
  end_section();
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
  const std::vector<IniLine>& lines = sections_.Lines(section_index);
  for (size_t i = 0; i < lines.size(); ++i)
    if (LineHasName(sections_.Text(lines[i]), key)) return static_cast<int>(i);
  return -1;
}

std::string_view TBigIniFile::LineText(int section_index, int index) const {
  return sections_.Text(sections_.Lines(section_index)[index]);
}

bool TBigIniFile::ReadIfPresent(const std::string& section, const std::string& key,
                                std::string& value) {
  int s = FindSection(section);
  if (s < 0) return false;
  int k = FindKey(s, key);
  if (k < 0) return false;
  const std::string_view line = LineText(s, k);
  value = line.substr(line.find('=') + 1);
  return true;
}

void TBigIniFile::DeleteKey(const std::string& section, const std::string& key) {
  int s = FindOrAddSection(WithoutLineBreaks(section));
  int k = FindKey(s, key);
  if (k < 0) return;
  std::vector<IniLine>& lines = sections_.Lines(s);
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
    const std::vector<IniLine>& lines = sections_.Lines(s);
    if (lines.empty()) continue;
    list.push_back("[" + sections_.Name(s) + "]");
    for (const IniLine& line : lines) list.emplace_back(sections_.Text(line));
    list.emplace_back();
  }
}

namespace {

// The text a file is written from. Long runs of the stored text are written from where
// they lie; headers, edited lines and short runs are copied into one buffer. A loaded
// megabyte file with one edited key is then written in a few pieces and never copied.
class OutputPieces {
 public:
  // `most` bounds what is written: the copy buffer is reserved once, and pages of it a
  // write takes from the stored text are never touched.
  OutputPieces(std::string_view stored, size_t most) : stored_(stored) { copied_.reserve(most); }

  // `size` bytes of the stored text from `offset`.
  void AddStored(size_t offset, size_t size) {
    if (!in_run_ || offset != run_end_) {
      EndRun();
      run_begin_ = offset;
      in_run_ = true;
    }
    run_end_ = offset + size;
  }
  // Bytes from elsewhere; when the stored text goes on with the same bytes, the run grows.
  void Add(std::string_view bytes) {
    if (in_run_ && stored_.size() - run_end_ >= bytes.size() &&
        std::equal(bytes.begin(), bytes.end(), stored_.begin() + static_cast<ptrdiff_t>(run_end_))) {
      run_end_ += bytes.size();
      return;
    }
    EndRun();
    Copy(bytes);
  }
  // True when `bytes` lie in the stored text just before `offset`.
  bool StoredBefore(size_t offset, std::string_view bytes) const {
    return offset >= bytes.size() && stored_.substr(offset - bytes.size(), bytes.size()) == bytes;
  }
  // Valid while this object lives.
  std::vector<std::string_view> Finish() {
    EndRun();
    std::vector<std::string_view> views;
    views.reserve(pieces_.size());
    for (const Piece& piece : pieces_)
      views.push_back((piece.stored ? stored_ : std::string_view(copied_))
                          .substr(piece.offset, piece.size));
    return views;
  }

 private:
  // Shorter runs cost less copied than written on their own.
  static constexpr size_t kWrittenInPlace = 16 * 1024;
  struct Piece {
    bool stored;
    size_t offset, size;
  };
  void EndRun() {
    if (!in_run_) return;
    in_run_ = false;
    const size_t size = run_end_ - run_begin_;
    if (size >= kWrittenInPlace)
      pieces_.push_back({true, run_begin_, size});
    else
      Copy(stored_.substr(run_begin_, size));
  }
  void Copy(std::string_view bytes) {
    if (pieces_.empty() || pieces_.back().stored)
      pieces_.push_back({false, copied_.size(), 0});
    copied_.append(bytes);
    pieces_.back().size += bytes.size();
  }

  std::string_view stored_;
  bool in_run_ = false;
  size_t run_begin_ = 0, run_end_ = 0;
  std::string copied_;
  std::vector<Piece> pieces_;
};

}  // namespace

void TBigIniFile::UpdateFile() {
  if (modified_ && !file_name_.empty() && fs_ != nullptr) {
    // Each line ends with "\r\n" and each section with an empty line; where the stored
    // text already reads so, it is written as it lies.
    size_t most = 0;
    for (int s = 0; s < sections_.Count(); ++s) {
      most += sections_.Name(s).size() + 6;
      for (const IniLine& line : sections_.Lines(s)) most += line.size + 2;
    }
    OutputPieces out(sections_.AllText(), most);
    for (int s = 0; s < sections_.Count(); ++s) {
      const std::vector<IniLine>& lines = sections_.Lines(s);
      if (lines.empty()) continue;
      const std::string header = "[" + sections_.Name(s) + "]\r\n";
      if (out.StoredBefore(lines.front().offset, header))
        out.AddStored(lines.front().offset - header.size(), header.size());
      else
        out.Add(header);
      for (const IniLine& line : lines) {
        out.AddStored(line.offset, line.size);
        out.Add("\r\n");
      }
      out.Add("\r\n");
    }
    std::vector<std::string_view> pieces = out.Finish();
    std::string encoded;
    if (utf16_) {
      for (const std::string_view piece : pieces) encoded.append(piece);
      Latin1CodePage latin1;
      encoded = EncodeUtf16Le((code_page_ != nullptr ? code_page_ : &latin1)->ToWide(encoded));
      pieces = {encoded};
    }
    uint32_t code = fs_->WriteWholeFile(file_name_, pieces);
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
  for (const IniLine& line : sections_.Lines(s)) {
    const std::string_view text = sections_.Text(line);
    size_t eq = text.find('=');
    if (eq != std::string::npos && eq > 0) list.emplace_back(text.substr(0, eq));
  }
}

void TBigIniFile::ReadSections(std::vector<std::string>& list) {
  list.clear();
  for (int s = 0; s < sections_.Count(); ++s) list.push_back(sections_.Name(s));
}

void TBigIniFile::ReadSectionValues(const std::string& section, std::vector<std::string>& list) {
  int s = FindSection(section);
  if (s < 0) return;
  for (const IniLine& line : sections_.Lines(s)) list.emplace_back(sections_.Text(line));
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
  int k = FindKey(s, clean_key);
  if (k >= 0 && LineText(s, k) == line) return;
  const IniLine stored{sections_.StoreText(line), line.size()};
  std::vector<IniLine>& lines = sections_.Lines(s);
  if (k >= 0)
    lines[k] = stored;
  else
    lines.push_back(stored);
  modified_ = true;
}

void TBigIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, std::to_string(value));
}

}  // namespace kestrix
