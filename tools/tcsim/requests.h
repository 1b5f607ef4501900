#pragma once
// The bytes of the requests other programs send to the host, and the texts the host
// writes about them to its log.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace kestrix::tcsim {

// dwData of the WM_COPYDATA requests: the two request letters, first one low.
constexpr unsigned long kCopyDataGetAnswer = 0x4147;  // "GA"
constexpr unsigned long kCopyDataChangeDir = 0x4443;  // "CD"
constexpr unsigned long kCopyDataUserCmd = 0x4D45;    // "EM"
// A Unicode build also answers "GW" queries, in UTF-16 with "RW".
constexpr unsigned long kCopyDataGetWide = 0x5747;    // "GW"
constexpr unsigned long kCopyDataReplyWide = 0x5752;  // "RW"
// A second start with /O hands its arguments to the running host: UTF-16, each argument
// followed by a zero unit. The stand-in's own number ("HO"), not the host's.
constexpr unsigned long kCopyDataHandOver = 0x4F48;
constexpr unsigned kHostCommandMessage = 0x433;

// "CD": left path, CR, right path, zero byte, flags, zero byte. Without CR the whole text
// is the left path. Flag "S" means source/target instead of left/right.
struct ChangeDirRequest {
  std::string left, right, flags;
  bool SourceTarget() const { return flags.find_first_of("Ss") != std::string::npos; }
};
// Reads at most `size` bytes; a missing zero byte ends the text at `size`.
ChangeDirRequest DecodeChangeDir(const char* data, size_t size);
// Text up to the first zero byte within `size` bytes ("GA" queries, "EM" commands).
std::string TextUpToZero(const char* data, size_t size);

std::string HexBytes(const char* data, size_t size);  // "43 3A 5C 0D 00"
// Quoted for a log line; bytes below 32 and the quote itself become \xHH.
std::string LogQuote(const std::string& text);

struct PlaceholderValues {
  std::string source_path, target_path, focused_name;
};
// The host's parameter placeholders: "%P" source path, "%T" target path, "%N" name
// under the cursor, "%%" a single "%"; any other "%" stays as it is. One pass, so the
// values themselves are never expanded again.
std::string ExpandPlaceholders(const std::string& text, const PlaceholderValues& values);

// Program text for a command line: quoted when it holds a blank and is not quoted yet.
std::string QuoteProgram(const std::string& program);

// An environment block for CreateProcess: `current` ("NAME=value" strings) with the
// `overrides` replacing variables of the same name (ignoring case), sorted by name
// without regard to case, each string zero-terminated, plus the final zero byte.
std::string BuildEnvironmentBlock(
    const std::vector<std::string>& current,
    const std::vector<std::pair<std::string, std::string>>& overrides);

}  // namespace kestrix::tcsim
