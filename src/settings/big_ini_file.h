#pragma once
// BigIniFile: the one INI class. The whole file is loaded into memory, reads and writes
// work on memory, and a flush rewrites the whole file (through the FileSystem seam, which
// replaces the old file only once the new content is complete). No size limit.
// It keeps the operations the program uses: texts, integers, section lists, deletes and the
// flush. Booleans are the texts "True" and "False" of the settings file (settings.h), so
// the class has no "1"/"0" boolean; no key holds a float, a date or bytes.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "platform/code_page.h"
#include "platform/file_system.h"

namespace kestrix {

// Case-insensitive comparison of two single-byte (Windows-1252) texts, as an ANSI file's
// section and key names are compared.
bool IniNamesEqual(const std::string& a, const std::string& b);

// Where a line's text lies in its section list's text.
struct IniLine {
  size_t offset = 0;
  size_t size = 0;
};

// Section names in file order; each entry owns the ordered lines of its section. The lines'
// text lives in one string (the file's text, with edited lines appended), so a host's
// configuration of tens of thousands of lines loads with one allocation per section.
class SectionList {
 public:
  struct Section {
    std::string name;
    std::vector<IniLine> lines;
  };

  int Count() const { return static_cast<int>(sections_.size()); }
  const std::string& Name(int index) const { return sections_.at(index).name; }
  std::vector<IniLine>& Lines(int index) { return sections_.at(index).lines; }
  const std::vector<IniLine>& Lines(int index) const { return sections_.at(index).lines; }

  // A line's text; valid until the next StoreText.
  std::string_view Text(const IniLine& line) const {
    return std::string_view(text_).substr(line.offset, line.size);
  }
  // All text stored so far.
  std::string_view AllText() const { return text_; }
  // Appends `text` to the stored text; returns where it begins. Edited lines come here, so
  // a long-lived list that rewrites keys would grow by every edit: once the text appended
  // outweighs what was kept (at least kCompactAbove bytes), the live lines are first copied
  // to a fresh text, each followed by "\r\n" as a file holds them.
  size_t StoreText(std::string_view text);
  static constexpr size_t kCompactAbove = 64 * 1024;
  // The same, taking over the string when nothing is stored yet (a freshly read file).
  size_t StoreText(std::string&& text);

  // Appends a section (even when one of that name exists); returns its index.
  int Add(const std::string& name);
  void Delete(int index);
  void Clear();

  // Index of the section named `name` (case-insensitive), or -1. The search starts at the
  // entry found last and wraps around once, so runs of lookups in one section cost one
  // comparison; the result does not depend on where it starts.
  int IndexOf(const std::string& name);

  // The entry found last; the next search starts here.
  int LastFound() const { return last_found_; }
  void SetLastFound(int index) { last_found_ = index; }

  // Keeps the first of several sections with the same name and drops the later ones with
  // all their lines. Returns whether anything was dropped.
  bool RemoveLaterDuplicates();
  // Every name and line through `recode`, into a fresh text.
  void Recode(const std::function<std::string(std::string_view)>& recode);

  // Names stored as UTF-8 fold the letters of every script character by character; a
  // Windows-1252 fold would take their lead bytes for letters.
  void SetUtf8Names(bool utf8) { utf8_names_ = utf8; }
  bool Utf8Names() const { return utf8_names_; }

 private:
  void Compact();

  std::vector<Section> sections_;
  std::string text_;
  size_t kept_ = 0;      // text the last load or compaction left
  size_t appended_ = 0;  // text appended since
  int last_found_ = 0;
  bool utf8_names_ = false;
};

// Whose file an INI is decides what a write does that the file's encoding cannot hold.
enum class IniOwner {
  // One of the program's own files: read as UTF-16 (by its mark), as UTF-8 (by its mark,
  // or when it is valid UTF-8 and not plain ASCII) or in the ANSI code page. An ANSI file
  // becomes UTF-16 LE with its mark when a text without an ANSI form is written, every
  // other line kept.
  kProgram,
  // The host's file keeps its encoding: UTF-16 LE (by its mark) or ANSI. A text it cannot
  // hold is refused: the flush throws kErrorNoUnicodeTranslation and writes nothing.
  kHost,
};

class BigIniFile {
 public:
  // A purely in-memory INI that is never written.
  BigIniFile();
  // Opens `file_name` (empty: in memory) through `fs` and loads it. Throws InOutError when
  // an existing file cannot be read. Names and values are UTF-8 at every read and write;
  // an ANSI file's cross the code page one by one (without one, only ASCII is sure), a
  // UTF-8 or UTF-16 file's are kept as UTF-8 (lone surrogates too, as WTF-8), so lines
  // nobody edits are written back as they were.
  BigIniFile(FileSystem& fs, const std::string& file_name, IniOwner owner = IniOwner::kProgram,
             CodePage* code_page = nullptr);
  // Flushes the changes. A destructor cannot report, so a failure here is lost: writers
  // that must report an error call UpdateFile before releasing.
  virtual ~BigIniFile();

  BigIniFile(const BigIniFile&) = delete;
  BigIniFile& operator=(const BigIniFile&) = delete;

  const std::string& FileName() const { return file_name_; }
  // Flushes the old content if modified, clears, stores the name, loads the new file if
  // the name is not empty and clears the modified flag.
  void SetFileName(const std::string& file_name);
  bool Modified() const { return modified_; }
  // Forgets the changes: nothing is written, at a flush or at the end.
  void DiscardChanges() { modified_ = false; }
  // How the file is read and will be written (kAnsi for a file that does not exist yet;
  // UTF-16 big-endian is read, and written little-endian).
  TextEncoding Encoding() const { return encoding_; }
  SectionList& Sections() { return sections_; }

  // Parses the named file into the current content (appending). A missing file is not
  // an error. Throws InOutError when the file exists but cannot be read.
  virtual void LoadFromFile(const std::string& file_name);
  virtual void Clear();
  virtual void DeleteKey(const std::string& section, const std::string& key);
  virtual void EraseSection(const std::string& section);
  // Appends the content as lines: header, lines and one empty line per non-empty section.
  virtual void GetStrings(std::vector<std::string>& list) const;
  // Parses UTF-8 text as a file's text, appending to the content.
  virtual void SetText(std::string_view text);
  // Rewrites the file when modified. Throws InOutError (content kept, still modified); with
  // kErrorNoUnicodeTranslation when the file would lose a character: a text written has no
  // form in it (a host's ANSI file, or a program's ANSI file whose other lines could not be
  // carried into UTF-16), is malformed UTF-8, or is a value whose reading lost one.
  virtual void UpdateFile();
  virtual int ReadInteger(const std::string& section, const std::string& key, int default_value);
  // Appends the name of every line with a non-empty name.
  virtual void ReadSection(const std::string& section, std::vector<std::string>& list);
  // Replaces the list's content with every section name, in order.
  virtual void ReadSections(std::vector<std::string>& list);
  // Appends every line of the section verbatim.
  virtual void ReadSectionValues(const std::string& section, std::vector<std::string>& list);
  // The text after the first "=" of the key's line, verbatim; the default when the
  // section or key is missing.
  virtual std::string ReadString(const std::string& section, const std::string& key,
                                 const std::string& default_value);
  virtual bool SectionExists(const std::string& section);
  virtual void FlushFile();
  virtual void WriteInteger(const std::string& section, const std::string& key, int value);
  // Empty key: erases the section, or flushes when section and value are empty too.
  // Otherwise replaces the key's line in place (or appends it) when it differs.
  virtual void WriteString(const std::string& section, const std::string& key,
                           const std::string& value);
  // The section's lines become `lines`, each as typed, where the section lies (added at the
  // end when missing). Lines the file cannot hold are left out: a blank line, an EOF mark
  // and a "[name]" line, which would start a section.
  void ReplaceSectionLines(const std::string& section, const std::vector<std::string>& lines);

  // Whether the text can be written without a loss: false for a text that a host's ANSI
  // file has no form for, or malformed UTF-8.
  bool CanStore(std::string_view text) const;
  // The stored form: the file's own bytes for an ANSI file, UTF-8 for the others. Lines
  // kept in it move between keys without passing through the code page. ToStored may turn
  // a program's ANSI file into UTF-16, which changes the stored form of everything: take
  // stored texts after it.
  std::string ToStored(const std::string& text);
  std::string FromStored(std::string_view stored) const;
  // ReadSectionValues and WriteString with the lines and the value in the stored form.
  void ReadStoredSectionValues(const std::string& section, std::vector<std::string>& list);
  void WriteStoredString(const std::string& section, const std::string& key,
                         const std::string& stored_value);

 private:
  bool StoredAsUtf8() const { return encoding_ != TextEncoding::kAnsi; }
  int FindSection(const std::string& stored_section);
  int FindOrAddSection(const std::string& stored_section);
  // Index of the first line named `key` in the section, or -1.
  int FindKey(int section_index, const std::string& stored_key) const;
  // Parses the stored text from `begin` on into sections, appending to the content.
  void ParseStoredText(size_t begin);
  // The text of the section's line `index`.
  std::string_view LineText(int section_index, int index) const;
  bool ReadIfPresent(const std::string& section, const std::string& key, std::string& value);
  // A section or key name in the stored form, for finding it; none when an ANSI file has no
  // form for it, so it cannot be there.
  std::optional<std::string> StoredName(const std::string& name) const;
  // A program's ANSI file that is to take `text` without an ANSI form becomes UTF-16 first.
  void PrepareFor(std::string_view text);
  // Carries every stored text of an ANSI file into UTF-8; false (nothing changed) when one
  // would lose a character on the way.
  bool SwitchToUtf16();
  CodePage& Conversion() const;

  FileSystem* fs_ = nullptr;
  CodePage* code_page_ = nullptr;
  IniOwner owner_ = IniOwner::kProgram;
  TextEncoding encoding_ = TextEncoding::kUtf8;
  std::string utf16_tail_;  // an odd last byte, written back after the text
  // Lines before the first section (a comment a user put at the top), each with "\r\n":
  // no key reaches them, but the file keeps them.
  std::string preamble_;
  bool lost_ = false;  // a text to be written lost a character on its way in
  // Values whose reading lost a character: written back, they would write the loss.
  mutable std::unordered_set<std::string> lossy_reads_;
  std::string file_name_;
  SectionList sections_;
  bool modified_ = false;
};

// The platform integer parser's rules: optional blanks, optional sign, decimal digits or
// "$" / "0x" hexadecimal (up to 32 bits), nothing after. False when it does not convert.
bool ParseIniInteger(const std::string& text, int& value);

}  // namespace kestrix
