#include "settings/big_ini_file.h"

#include <algorithm>
#include <unordered_set>

#include "base/text_utils.h"
#include "base/unicode_case.h"
#include "base/utf8.h"

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

// An ANSI file's names fold as Windows-1252 letters, byte by byte.
struct AnsiNameFold {
  static std::string Folded(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) c = static_cast<char>(FoldByte(static_cast<unsigned char>(c)));
    return folded;
  }
  static bool Equal(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      return FoldByte(static_cast<unsigned char>(x)) == FoldByte(static_cast<unsigned char>(y));
    });
  }
};

// Names kept as UTF-8 fold the letters of every script, character by character, as the
// platform's profile functions compare them; a malformed byte matches only itself.
struct Utf8NameFold {
  static std::string Folded(std::string_view name) { return SimpleLowerCase(name); }
  static bool Equal(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
      const Utf8Char x = DecodeUtf8Char(a, i), y = DecodeUtf8Char(b, j);
      const bool characters = (x.code < 0x80 || x.length > 1) && (y.code < 0x80 || y.length > 1);
      if (x.code != y.code && (!characters || SimpleLowerCase(x.code) != SimpleLowerCase(y.code)))
        return false;
      i += x.length;
      j += y.length;
    }
    return i == a.size() && j == b.size();
  }
};

// A line has a name only when it holds "="; the name is the text before the first one.
template <typename Names>
bool LineHasName(std::string_view line, std::string_view key) {
  const std::size_t eq = line.find('=');
  return eq != std::string_view::npos && Names::Equal(line.substr(0, eq), key);
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

constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

}  // namespace

bool IniNamesEqual(const std::string& a, const std::string& b) {
  return AnsiNameFold::Equal(a, b);
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
  } else if (text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {  // text[size] is 0
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

// ---- SectionList ----

size_t SectionList::StoreText(std::string_view text) {
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

size_t SectionList::StoreText(std::string&& text) {
  if (!text_.empty()) return StoreText(std::string_view(text));
  text_ = std::move(text);
  kept_ = text_.size();
  return 0;
}

void SectionList::Compact() {
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

int SectionList::Add(const std::string& name) {
  sections_.push_back(Section{name, {}});
  return Count() - 1;
}

void SectionList::Delete(int index) {
  sections_.erase(sections_.begin() + index);
  if (last_found_ >= Count()) last_found_ = 0;
}

void SectionList::Clear() {
  sections_.clear();
  text_.clear();
  kept_ = appended_ = 0;
  last_found_ = 0;
}

int SectionList::IndexOf(const std::string& name) {
  const int count = Count();
  if (count == 0) return -1;
  int start = last_found_ >= 0 && last_found_ < count ? last_found_ : 0;
  auto find = [&]<typename Names>() {
    for (int step = 0; step < count; ++step) {
      int index = (start + step) % count;
      if (Names::Equal(sections_[index].name, name)) {
        last_found_ = index;
        return index;
      }
    }
    return -1;
  };
  return utf8_names_ ? find.operator()<Utf8NameFold>() : find.operator()<AnsiNameFold>();
}

bool SectionList::RemoveLaterDuplicates() {
  std::unordered_set<std::string> seen;
  seen.reserve(sections_.size());
  std::vector<bool> drop(sections_.size());
  bool any = false;
  auto fold = utf8_names_ ? Utf8NameFold::Folded : AnsiNameFold::Folded;
  for (size_t i = 0; i < sections_.size(); ++i)
    if (!seen.insert(fold(sections_[i].name)).second) drop[i] = any = true;
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

void SectionList::Recode(const std::function<std::string(std::string_view)>& recode) {
  std::string live;
  live.reserve(text_.size());
  for (Section& section : sections_) {
    section.name = recode(section.name);
    for (IniLine& line : section.lines) {
      const std::string text = recode(Text(line));
      line = {live.size(), text.size()};
      live.append(text).append("\r\n");
    }
  }
  text_ = std::move(live);
  kept_ = text_.size();
  appended_ = 0;
}

// ---- BigIniFile ----

BigIniFile::BigIniFile() {
  sections_.SetUtf8Names(true);
}

BigIniFile::BigIniFile(FileSystem& fs, const std::string& file_name, IniOwner owner,
                       CodePage* code_page)
    : fs_(&fs), code_page_(code_page), owner_(owner) {
  SetFileName(file_name);
}

BigIniFile::~BigIniFile() {
  try {
    UpdateFile();
  } catch (...) {
    // Nowhere to report from a destructor; writers that care flushed before releasing.
  }
}

void BigIniFile::SetFileName(const std::string& file_name) {
  UpdateFile();
  Clear();
  file_name_ = file_name;
  if (!file_name_.empty()) LoadFromFile(file_name_);
  modified_ = false;
}

void BigIniFile::LoadFromFile(const std::string& file_name) {
  sections_.SetLastFound(0);
  if (fs_ == nullptr) return;
  std::string content;
  uint32_t code = fs_->ReadWholeFile(file_name, content);
  if (code == kErrorFileNotFound || code == kErrorPathNotFound) return;
  if (code != kErrorSuccess) throw InOutError(file_name, code);
  // The host reads its files as UTF-16 by the mark and otherwise in its code page, so only
  // the program's own files are taken for UTF-8 by their form (a scan a host's megabytes
  // are spared).
  const TextEncoding found = owner_ == IniOwner::kProgram        ? DetectTextEncoding(content)
                             : content.starts_with(kUtf16LeMark) ? TextEncoding::kUtf16Le
                                                                 : TextEncoding::kAnsi;
  if (sections_.Count() > 0 || !preamble_.empty()) {
    SetText(found == TextEncoding::kAnsi ? FromStored(content) : Utf8FromEncoded(content, found));
    return;
  }
  encoding_ = found == TextEncoding::kUtf16Be ? TextEncoding::kUtf16Le : found;
  sections_.SetUtf8Names(StoredAsUtf8());
  if (found == TextEncoding::kUtf16Le && content.size() % 2 != 0) utf16_tail_ = content.back();
  if (found != TextEncoding::kAnsi) content = Utf8FromEncoded(content, found);
  ParseStoredText(sections_.StoreText(std::move(content)));
}

void BigIniFile::SetText(std::string_view text) {
  sections_.SetLastFound(0);
  ParseStoredText(sections_.StoreText(ToStored(std::string(text))));
}

CodePage& BigIniFile::Conversion() const {
  static UnknownCodePage unknown;
  return code_page_ != nullptr ? *code_page_ : unknown;
}

bool BigIniFile::CanStore(std::string_view text) const {
  if (IsAscii(text)) return true;
  bool lost = false;
  if (encoding_ == TextEncoding::kAnsi && owner_ == IniOwner::kHost) {
    Conversion().AnsiFromUtf8(text, &lost);
    return !lost;
  }
  // Any other file holds the text as UTF-8 or UTF-16 (a program's ANSI file becomes UTF-16
  // for it); only UTF-8 cannot keep a lone surrogate.
  Utf16FromUtf8(text, &lost);
  const bool utf8 = encoding_ == TextEncoding::kUtf8 || encoding_ == TextEncoding::kUtf8WithMark;
  return !lost && (!utf8 || IsValidUtf8(text));
}

void BigIniFile::PrepareFor(std::string_view text) {
  if (StoredAsUtf8() || owner_ != IniOwner::kProgram || IsAscii(text)) return;
  bool lost = false;
  Conversion().AnsiFromUtf8(text, &lost);
  if (lost && !SwitchToUtf16()) lost_ = true;
}

bool BigIniFile::SwitchToUtf16() {
  bool lost = false;
  // Without the system's code page no byte above ASCII is known for sure.
  const auto decode = [&](std::string_view stored) {
    if (IsAscii(stored)) return std::string(stored);
    if (code_page_ == nullptr) lost = true;
    return Conversion().Utf8FromCodePage(stored, CodePage::kAnsi, &lost);
  };
  SectionList recoded = sections_;
  recoded.Recode(decode);
  const std::string preamble = decode(preamble_);
  if (lost) return false;
  sections_ = std::move(recoded);
  sections_.SetUtf8Names(true);
  preamble_ = preamble;
  encoding_ = TextEncoding::kUtf16Le;
  lossy_reads_.clear();
  modified_ = true;
  return true;
}

std::string BigIniFile::ToStored(const std::string& text) {
  if (!lossy_reads_.empty() && lossy_reads_.contains(text)) lost_ = true;
  if (IsAscii(text)) return text;
  PrepareFor(text);
  if (!CanStore(text)) lost_ = true;
  return StoredAsUtf8() ? text : Conversion().AnsiFromUtf8(text);
}

std::optional<std::string> BigIniFile::StoredName(const std::string& name) const {
  if (StoredAsUtf8() || IsAscii(name)) return name;
  bool lost = false;
  std::string stored = Conversion().AnsiFromUtf8(name, &lost);
  if (lost) return std::nullopt;
  return stored;
}

std::string BigIniFile::FromStored(std::string_view stored) const {
  if (StoredAsUtf8() || IsAscii(stored)) return std::string(stored);
  bool lost = false;
  std::string text = Conversion().Utf8FromCodePage(stored, CodePage::kAnsi, &lost);
  if (lost) lossy_reads_.insert(text);
  return text;
}

void BigIniFile::ParseStoredText(size_t begin) {
  const std::string_view text = sections_.AllText();
  // A section's lines are gathered here and moved in once, at its end.
  int current = -1;
  const bool first_text = sections_.Count() == 0;
  std::vector<IniLine> lines;
  auto end_section = [&] {
    if (current >= 0) sections_.Lines(current).assign(lines.begin(), lines.end());
    lines.clear();
  };
  for (size_t start = begin; start < text.size();) {
    const size_t stop = FindLineBreak(text, start);
    const std::string_view line = text.substr(start, stop - start);
    if (current < 0 && first_text &&
        !(line.size() >= 2 && line.front() == '[' && line.back() == ']')) {
      // Kept as read, blank lines too: the file must not begin otherwise than it did (two
      // bytes FF FE at its start would make it a UTF-16 file).
      preamble_.append(line).append("\r\n");
    } else if (!line.empty() && line != "\x1A") {
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

void BigIniFile::Clear() {
  sections_.Clear();
  // A file starts as ANSI until it is read or needs more; memory holds UTF-8.
  encoding_ = fs_ != nullptr ? TextEncoding::kAnsi : TextEncoding::kUtf8;
  sections_.SetUtf8Names(StoredAsUtf8());
  lost_ = false;
  utf16_tail_.clear();
  preamble_.clear();
  lossy_reads_.clear();
}

int BigIniFile::FindSection(const std::string& stored_section) {
  return sections_.IndexOf(stored_section);
}

int BigIniFile::FindOrAddSection(const std::string& stored_section) {
  int index = sections_.IndexOf(stored_section);
  if (index < 0) {
    index = sections_.Add(stored_section);
    sections_.SetLastFound(index);
  }
  return index;
}

int BigIniFile::FindKey(int section_index, const std::string& stored_key) const {
  const std::vector<IniLine>& lines = sections_.Lines(section_index);
  auto find = [&]<typename Names>() {
    for (size_t i = 0; i < lines.size(); ++i)
      if (LineHasName<Names>(sections_.Text(lines[i]), stored_key)) return static_cast<int>(i);
    return -1;
  };
  return sections_.Utf8Names() ? find.operator()<Utf8NameFold>() : find.operator()<AnsiNameFold>();
}

std::string_view BigIniFile::LineText(int section_index, int index) const {
  return sections_.Text(sections_.Lines(section_index)[index]);
}

bool BigIniFile::ReadIfPresent(const std::string& section, const std::string& key,
                               std::string& value) {
  int s = FindSection(section);
  if (s < 0) return false;
  int k = FindKey(s, key);
  if (k < 0) return false;
  const std::string_view line = LineText(s, k);
  value = line.substr(line.find('=') + 1);
  return true;
}

void BigIniFile::DeleteKey(const std::string& section, const std::string& key) {
  const std::optional<std::string> stored_section = StoredName(WithoutLineBreaks(section));
  const std::optional<std::string> stored_key = StoredName(key);
  if (!stored_section || !stored_key) return;
  int s = FindOrAddSection(*stored_section);
  int k = FindKey(s, *stored_key);
  if (k < 0) return;
  std::vector<IniLine>& lines = sections_.Lines(s);
  lines.erase(lines.begin() + k);
  modified_ = true;
}

void BigIniFile::EraseSection(const std::string& section) {
  const std::optional<std::string> stored = StoredName(section);
  int s = stored ? FindSection(*stored) : -1;
  if (s < 0) return;
  sections_.Delete(s);
  modified_ = true;
}

void BigIniFile::GetStrings(std::vector<std::string>& list) const {
  for (size_t at = 0; at < preamble_.size();) {
    const size_t end = preamble_.find("\r\n", at);
    list.push_back(FromStored(preamble_.substr(at, end - at)));
    at = end + 2;
  }
  for (int s = 0; s < sections_.Count(); ++s) {
    const std::vector<IniLine>& lines = sections_.Lines(s);
    if (lines.empty()) continue;
    std::string header = FromStored(sections_.Name(s));
    header.insert(header.begin(), '[');
    header.push_back(']');
    list.push_back(std::move(header));
    for (const IniLine& line : lines) list.push_back(FromStored(sections_.Text(line)));
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
        std::equal(bytes.begin(), bytes.end(),
                   stored_.begin() + static_cast<ptrdiff_t>(run_end_))) {
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
      views.push_back(
          (piece.stored ? stored_ : std::string_view(copied_)).substr(piece.offset, piece.size));
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
    if (pieces_.empty() || pieces_.back().stored) pieces_.push_back({false, copied_.size(), 0});
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

void BigIniFile::UpdateFile() {
  if (modified_ && !file_name_.empty() && fs_ != nullptr) {
    if (lost_) throw InOutError(file_name_, kErrorNoUnicodeTranslation);
    // Each line ends with "\r\n" and each section with an empty line; where the stored
    // text already reads so, it is written as it lies.
    size_t most = preamble_.size();
    for (int s = 0; s < sections_.Count(); ++s) {
      most += sections_.Name(s).size() + 6;
      for (const IniLine& line : sections_.Lines(s)) most += line.size + 2;
    }
    OutputPieces out(sections_.AllText(), most);
    if (!preamble_.empty()) out.Add(preamble_);
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
    if (encoding_ == TextEncoding::kUtf16Le) {
      // Straight from the stored UTF-8: no code page, so nothing read is lost here. Pieces
      // end at line ends, so none splits a character.
      encoded.reserve(2 + most * 2 + utf16_tail_.size());
      encoded.append(kUtf16LeMark);
      for (const std::string_view piece : pieces) encoded.append(Utf16LeFromUtf8(piece));
      encoded.append(utf16_tail_);
      pieces = {encoded};
    } else if (encoding_ == TextEncoding::kUtf8WithMark) {
      pieces.insert(pieces.begin(), kUtf8Mark);
    }
    uint32_t code = fs_->WriteWholeFile(file_name_, pieces);
    if (code != kErrorSuccess) throw InOutError(file_name_, code);
  }
  modified_ = false;
}

void BigIniFile::FlushFile() {
  UpdateFile();
}

std::string BigIniFile::ReadString(const std::string& section, const std::string& key,
                                   const std::string& default_value) {
  const std::optional<std::string> stored_section = StoredName(section);
  const std::optional<std::string> stored_key = StoredName(key);
  std::string value;
  if (stored_section && stored_key && ReadIfPresent(*stored_section, *stored_key, value))
    return FromStored(value);
  return default_value;
}

int BigIniFile::ReadInteger(const std::string& section, const std::string& key, int default_value) {
  int value = 0;
  return ParseIniInteger(ReadString(section, key, ""), value) ? value : default_value;
}

void BigIniFile::ReadSection(const std::string& section, std::vector<std::string>& list) {
  const std::optional<std::string> stored = StoredName(section);
  int s = stored ? FindSection(*stored) : -1;
  if (s < 0) return;
  for (const IniLine& line : sections_.Lines(s)) {
    const std::string_view text = sections_.Text(line);
    size_t eq = text.find('=');
    if (eq != std::string::npos && eq > 0) list.push_back(FromStored(text.substr(0, eq)));
  }
}

void BigIniFile::ReadSections(std::vector<std::string>& list) {
  list.clear();
  for (int s = 0; s < sections_.Count(); ++s) list.push_back(FromStored(sections_.Name(s)));
}

void BigIniFile::ReadSectionValues(const std::string& section, std::vector<std::string>& list) {
  const size_t first = list.size();
  ReadStoredSectionValues(section, list);
  for (size_t i = first; i < list.size(); ++i) list[i] = FromStored(list[i]);
}

void BigIniFile::ReadStoredSectionValues(const std::string& section,
                                         std::vector<std::string>& list) {
  const std::optional<std::string> stored = StoredName(section);
  int s = stored ? FindSection(*stored) : -1;
  if (s < 0) return;
  for (const IniLine& line : sections_.Lines(s)) list.emplace_back(sections_.Text(line));
}

bool BigIniFile::SectionExists(const std::string& section) {
  const std::optional<std::string> stored = StoredName(section);
  return stored && FindSection(*stored) >= 0;
}

void BigIniFile::WriteString(const std::string& section, const std::string& key,
                             const std::string& value) {
  WriteStoredString(section, key, ToStored(value));
}

void BigIniFile::ReplaceSectionLines(const std::string& section,
                                     const std::vector<std::string>& lines) {
  // The file takes its final encoding before anything is stored in it.
  PrepareFor(section);
  for (const std::string& line : lines) PrepareFor(line);
  const int s = FindOrAddSection(ToStored(WithoutLineBreaks(section)));
  std::vector<IniLine> stored;
  for (const std::string& line : lines) {
    const bool header = line.size() >= 2 && line.front() == '[' && line.back() == ']';
    if (line.empty() || line == "\x1A" || header) continue;
    const std::string text = ToStored(WithoutLineBreaks(line));
    stored.push_back({sections_.StoreText(text), text.size()});
  }
  sections_.Lines(s) = std::move(stored);
  modified_ = true;
}

void BigIniFile::WriteStoredString(const std::string& section, const std::string& key,
                                   const std::string& stored_value) {
  const std::string clean_section = WithoutLineBreaks(section);
  const std::string clean_key = WithoutLineBreaks(key);
  if (clean_key.empty()) {
    if (clean_section.empty() && stored_value.empty())
      UpdateFile();
    else
      EraseSection(clean_section);
    return;
  }
  const TextEncoding before = encoding_;
  const std::string stored_key = ToStored(clean_key);
  const std::string stored_section = ToStored(clean_section);
  std::string value = WithoutLineBreaks(stored_value);
  // A name without an ANSI form turned the file into UTF-16: the value's bytes follow.
  if (encoding_ != before) value = Conversion().Utf8FromCodePage(value);
  const std::string line = stored_key + "=" + value;
  int s = FindOrAddSection(stored_section);
  int k = FindKey(s, stored_key);
  if (k >= 0 && LineText(s, k) == line) return;
  const IniLine stored{sections_.StoreText(line), line.size()};
  std::vector<IniLine>& lines = sections_.Lines(s);
  if (k >= 0)
    lines[k] = stored;
  else
    lines.push_back(stored);
  modified_ = true;
}

void BigIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, std::to_string(value));
}

}  // namespace kestrix
