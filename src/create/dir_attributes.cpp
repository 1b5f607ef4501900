#include "create/dir_attributes.h"

namespace kestrix {

uint32_t DirAttributeSet::Value() const {
  uint32_t value = kAttrDirectory;
  if (read_only) value |= kAttrReadOnly;
  if (archive) value |= kAttrArchive;
  if (hidden) value |= kAttrHidden;
  if (system) value |= kAttrSystem;
  return value;
}

uint32_t SetDirAttributes(FileSystem& fs, const std::string& path, const DirAttributeSet& set) {
  return fs.SetAttributes(path, set.Value());
}

}  // namespace kestrix
