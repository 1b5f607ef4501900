#include "fakes/fake_file_system.h"

#include <algorithm>

namespace kestrix {

namespace {

// 2024-01-01 00:00:00 UTC as a FILETIME; any fixed start does.
constexpr uint64_t kClockStart = 133485408000000000ull;

char FoldChar(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  if (u >= 'A' && u <= 'Z') return static_cast<char>(u + 0x20);
  if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<char>(u + 0x20);
  if (u == 0x8A || u == 0x8C || u == 0x8E) return static_cast<char>(u + 0x10);
  if (u == 0x9F) return static_cast<char>(0xFF);
  return c;
}

std::string FoldPath(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), FoldChar);
  return text;
}

bool InvalidNameChar(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return u < 0x20 || c == '<' || c == '>' || c == ':' || c == '"' || c == '|' || c == '?' ||
         c == '*';
}

// Wildcard match of a folded name against a folded pattern ("*" and "?").
bool Matches(const char* name, const char* pattern) {
  if (*pattern == '*')
    return Matches(name, pattern + 1) || (*name != '\0' && Matches(name + 1, pattern));
  if (*name == '\0') return *pattern == '\0';
  return (*pattern == '?' || *pattern == *name) && Matches(name + 1, pattern + 1);
}

bool IsUnderOrSame(const std::string& key, const std::string& prefix) {
  if (key == prefix) return true;
  if (key.size() <= prefix.size() || key.compare(0, prefix.size(), prefix) != 0) return false;
  return prefix.back() == '\\' || key[prefix.size()] == '\\';
}

}  // namespace

FakeFileSystem::FakeFileSystem() : clock_(kClockStart) {
  AddDrive("C:");
}

bool FakeFileSystem::Resolve(const std::string& path, std::string& key,
                             std::string& display) const {
  std::string p(path);
  std::replace(p.begin(), p.end(), '/', '\\');
  std::string root, rest;
  if (p.size() >= 2 && p[1] == ':' &&
      ((p[0] >= 'A' && p[0] <= 'Z') || (p[0] >= 'a' && p[0] <= 'z'))) {
    root = std::string(1, static_cast<char>(p[0] & ~0x20)) + ":\\";
    rest = p.substr(2);
  } else if (p.size() >= 2 && p[0] == '\\' && p[1] == '\\') {
    // "\\server\share" is a root of its own.
    size_t server_end = p.find('\\', 2);
    if (server_end == std::string::npos || server_end == 2) return false;
    size_t share_end = p.find('\\', server_end + 1);
    if (share_end == server_end + 1) return false;
    root = p.substr(0, share_end) + "\\";
    rest = share_end == std::string::npos ? "" : p.substr(share_end);
  } else {  // the current directory is the root of drive C:
    root = "C:\\";
    rest = p;
  }
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= rest.size()) {
    size_t end = rest.find('\\', start);
    if (end == std::string::npos) end = rest.size();
    std::string part = rest.substr(start, end - start);
    start = end + 1;
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
      continue;
    }
    while (!part.empty() && (part.back() == '.' || part.back() == ' ')) part.pop_back();
    if (part.empty()) return false;
    if (std::any_of(part.begin(), part.end(), InvalidNameChar)) return false;
    parts.push_back(part);
  }
  display = root;  // ends with "\\"
  for (const std::string& part : parts) display += (display.back() == '\\' ? "" : "\\") + part;
  key = FoldPath(display);
  return true;
}

std::string FakeFileSystem::ParentKey(const std::string& key) {
  if (key.back() == '\\') return "";  // a root has no parent
  size_t root_length = 3;             // "c:\"
  if (key[0] == '\\') {               // "\\server\share\"
    size_t server_end = key.find('\\', 2);
    size_t share_end = key.find('\\', server_end + 1);
    root_length = share_end + 1;
  }
  size_t slash = key.rfind('\\');
  return slash + 1 == root_length ? key.substr(0, root_length) : key.substr(0, slash);
}

uint32_t FakeFileSystem::FaultFor(const std::string& key, unsigned ops) const {
  for (const Fault& fault : faults_)
    if ((fault.ops & ops) != 0 && IsUnderOrSame(key, fault.key)) return fault.code;
  return kErrorSuccess;
}

uint32_t FakeFileSystem::CheckParent(const std::string& key) {
  const std::string parent = ParentKey(key);
  Node* node = parent.empty() ? nullptr : Find(parent);
  return node != nullptr && node->directory ? kErrorSuccess : kErrorPathNotFound;
}

std::string FakeFileSystem::ChildDisplay(const std::string& key, const std::string& display) {
  const std::string& parent = Find(ParentKey(key))->display;
  return parent + (parent.back() == '\\' ? "" : "\\") + display.substr(display.rfind('\\') + 1);
}

uint32_t FakeFileSystem::GetAttributes(const std::string& path) {
  Node* node = FindPath(path);
  if (node == nullptr) return kAttrInvalid;
  if (node->directory) return node->attributes | kAttrDirectory;
  return node->attributes == 0 ? kAttrNormal : node->attributes;
}

uint32_t FakeFileSystem::SetAttributes(const std::string& path, uint32_t attributes) {
  std::string key, display;
  if (!Resolve(path, key, display)) return kErrorInvalidName;
  if (uint32_t fault = FaultFor(key, kFaultWrite)) return fault;
  Node* node = Find(key);
  if (node == nullptr) return MissingCode(key);
  uint32_t bits = attributes & ~static_cast<uint32_t>(kAttrNormal);
  node->attributes = node->directory ? (bits | kAttrDirectory) : (bits & ~kAttrDirectory);
  return kErrorSuccess;
}

uint32_t FakeFileSystem::CreateDirectory(const std::string& path) {
  std::string key, display;
  if (!Resolve(path, key, display)) return kErrorInvalidName;
  if (Find(key) != nullptr) return kErrorAlreadyExists;
  if (uint32_t fault = FaultFor(key, kFaultWrite)) return fault;
  if (uint32_t code = CheckParent(key)) return code;
  nodes_[key] = Node{ChildDisplay(key, display), true, kAttrDirectory, "", Tick()};
  created_.push_back(path);
  return kErrorSuccess;
}

uint32_t FakeFileSystem::ReadWholeFile(const std::string& path, std::string& content) {
  std::string key, display;
  if (!Resolve(path, key, display)) return kErrorInvalidName;
  if (uint32_t fault = FaultFor(key, kFaultRead)) return fault;
  Node* node = Find(key);
  if (node == nullptr) return MissingCode(key);
  if (node->directory) return kErrorAccessDenied;
  content = node->content;
  return kErrorSuccess;
}

uint32_t FakeFileSystem::WriteWholeFile(const std::string& path,
                                        std::span<const std::string_view> pieces) {
  size_t size = 0;
  for (const std::string_view piece : pieces) size += piece.size();
  std::string key, display;
  if (!Resolve(path, key, display)) return kErrorInvalidName;
  ++write_attempts_[key];
  if (uint32_t fault = FaultFor(key, kFaultWrite)) return fault;
  if (uint32_t code = CheckParent(key)) return code;
  Node* node = Find(key);
  if (node != nullptr && (node->directory || (node->attributes & kAttrReadOnly) != 0))
    return kErrorAccessDenied;
  if (fail_write_after_.has_value() && size > *fail_write_after_) {
    fail_write_after_.reset();
    return fail_write_code_;
  }
  fail_write_after_.reset();
  for (Step step : {Step::kTemporary, Step::kWrite, Step::kFlush, Step::kRename})
    if (uint32_t code = TakeStep(step)) return code;
  if (node == nullptr)
    node = &(nodes_[key] = Node{ChildDisplay(key, display), false, kAttrArchive, "", 0});
  // Into the buffer the file had, as a rewrite in place would.
  node->content.clear();
  node->content.reserve(size);
  for (const std::string_view piece : pieces) node->content.append(piece);
  node->last_write = Tick();
  ++write_count_;
  return kErrorSuccess;
}

uint32_t FakeFileSystem::CopyFile(const std::string& from, const std::string& to,
                                  bool fail_if_exists) {
  std::string from_key, to_key, from_display, to_display;
  if (!Resolve(from, from_key, from_display) || !Resolve(to, to_key, to_display))
    return kErrorInvalidName;
  if (uint32_t fault = FaultFor(from_key, kFaultRead)) return fault;
  Node* source = Find(from_key);
  if (source == nullptr) return MissingCode(from_key);
  if (source->directory) return kErrorAccessDenied;
  if (uint32_t fault = FaultFor(to_key, kFaultWrite)) return fault;
  if (uint32_t code = CheckParent(to_key)) return code;
  Node* target = Find(to_key);
  if (target != nullptr) {
    if (fail_if_exists) return kErrorFileExists;
    if (target->directory || (target->attributes & kAttrReadOnly) != 0) return kErrorAccessDenied;
  }
  if (uint32_t code = TakeStep(Step::kCopy)) return code;
  Node copy = *source;
  copy.display = target != nullptr ? target->display : ChildDisplay(to_key, to_display);
  nodes_[to_key] = copy;
  Tick();
  return kErrorSuccess;
}

uint32_t FakeFileSystem::DeleteFile(const std::string& path) {
  std::string key, display;
  if (!Resolve(path, key, display)) return kErrorInvalidName;
  if (uint32_t fault = FaultFor(key, kFaultWrite)) return fault;
  Node* node = Find(key);
  if (node == nullptr) return MissingCode(key);
  if (node->directory || (node->attributes & kAttrReadOnly) != 0) return kErrorAccessDenied;
  nodes_.erase(key);
  return kErrorSuccess;
}

uint32_t FakeFileSystem::RemoveDirectory(const std::string& path) {
  std::string key, display;
  if (!Resolve(path, key, display)) return kErrorInvalidName;
  if (uint32_t fault = FaultFor(key, kFaultWrite)) return fault;
  Node* node = Find(key);
  if (node == nullptr) return MissingCode(key);
  if (!node->directory) return kErrorInvalidName;
  for (const auto& entry : nodes_)
    if (entry.first != key && ParentKey(entry.first) == key) return kErrorDirNotEmpty;
  nodes_.erase(key);
  return kErrorSuccess;
}

uint32_t FakeFileSystem::FileSize(const std::string& path, uint64_t& size) {
  std::string key, display;
  if (!Resolve(path, key, display)) return kErrorInvalidName;
  if (uint32_t fault = FaultFor(key, kFaultRead)) return fault;
  Node* node = Find(key);
  if (node == nullptr) return MissingCode(key);
  size = node->directory ? 0 : node->content.size();
  return kErrorSuccess;
}

std::vector<DirEntry> FakeFileSystem::ListDirectory(const std::string& directory,
                                                    const std::string& pattern) {
  std::vector<DirEntry> entries;
  std::string key, display;
  if (!Resolve(directory, key, display)) return entries;
  if (FaultFor(key, kFaultRead) != kErrorSuccess) return entries;
  Node* dir = Find(key);
  if (dir == nullptr || !dir->directory) return entries;
  const std::string folded_pattern = FoldPath(pattern);
  for (const auto& [child_key, node] : nodes_) {
    if (child_key == key || ParentKey(child_key) != key) continue;
    std::string name = node.display.substr(node.display.rfind('\\') + 1);
    if (folded_pattern != "*.*" && !Matches(FoldPath(name).c_str(), folded_pattern.c_str()))
      continue;
    entries.push_back(DirEntry{name, GetAttributes(node.display)});
  }
  return entries;
}

void FakeFileSystem::AddDrive(const std::string& drive) {
  std::string key, display;
  if (!Resolve(drive.back() == '\\' ? drive : drive + "\\", key, display)) return;
  nodes_.emplace(key, Node{display, true, kAttrDirectory, "", clock_});
}

void FakeFileSystem::AddDirectory(const std::string& path) {
  std::string key, display;
  if (!Resolve(path, key, display) || Find(key) != nullptr) return;
  const std::string parent = ParentKey(key);
  if (parent.empty()) return AddDrive(display);
  AddDirectory(display.substr(0, parent.size()));  // the key is the display, folded
  nodes_[key] = Node{ChildDisplay(key, display), true, kAttrDirectory, "", Tick()};
}

void FakeFileSystem::AddFile(const std::string& path, const std::string& content,
                             uint32_t attributes) {
  std::string key, display;
  if (!Resolve(path, key, display)) return;
  AddDirectory(display.substr(0, display.rfind('\\') + 1));
  nodes_[key] =
      Node{ChildDisplay(key, display), false,
           attributes & ~static_cast<uint32_t>(kAttrDirectory | kAttrNormal), content, Tick()};
}

void FakeFileSystem::FailPath(const std::string& path, uint32_t code, FaultOps ops) {
  std::string key, display;
  if (Resolve(path, key, display)) faults_.push_back(Fault{key, code, ops});
}

std::vector<std::string> FakeFileSystem::AllPaths() const {
  std::vector<std::string> paths;
  for (const auto& [key, node] : nodes_)
    paths.push_back(node.directory && node.display.back() != '\\' ? node.display + "\\"
                                                                  : node.display);
  return paths;
}

int FakeFileSystem::WriteAttempts(const std::string& path) {
  std::string key, display;
  return Resolve(path, key, display) ? write_attempts_[key] : 0;
}

}  // namespace kestrix
