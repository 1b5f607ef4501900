#pragma once
// The host's directory-tree cache ("treeinfo.wc"): which file to append to, and the entry
// for a new directory, so the host's tree views know it without a rescan.
#include <cstdint>
#include <string>

#include "platform/code_page.h"
#include "platform/environment.h"
#include "platform/file_system.h"

namespace kestrix {

// "[" + the directory without its drive root + "]" CR LF: C:\Work\New\ gives [Work\New\].
std::string TreeInfoEntry(const std::string& directory);

// The cache file for a directory, or empty. `setting` is UpdateTreeInfo ("False", "True" or
// a file path); `commander_ini` tells which drive is the host's own (its cache lives under
// LOCALAPPDATA, per drive or shared); other drives keep theirs in their root.
std::string TreeInfoPath(FileSystem& fs, Environment& environment, const std::string& setting,
                         const std::string& directory, const std::string& commander_ini);

// Appends the entry for `directory` to `file` (created when missing) in the file's own
// encoding: UTF-16 LE or UTF-8 after their marks, else the code page. Returns the system
// error code of a failure, 0 on success or when there is nothing to write; an entry the
// file cannot hold is left out with kErrorNoUnicodeTranslation.
uint32_t TreeInfoAppend(FileSystem& fs, CodePage& code_page, const std::string& file,
                        const std::string& directory);

}  // namespace kestrix
