#include "platform/win32/resource_win32.h"

#include "platform/win32/wide_text.h"

namespace kestrix {

namespace {

// A resource name or type for the wide call: a number (MAKEINTRESOURCE) passes as it is.
class ResourceId {
 public:
  explicit ResourceId(const char* name)
      : number_(IS_INTRESOURCE(name)), text_(number_ ? std::wstring() : Wide(name)), name_(name) {}
  LPCWSTR get() const { return number_ ? reinterpret_cast<LPCWSTR>(name_) : text_.c_str(); }

 private:
  bool number_;
  std::wstring text_;
  const char* name_;
};

HRSRC Find(HMODULE module, const char* name, const char* type) {
  return FindResourceW(module, ResourceId(name).get(), ResourceId(type).get());
}

}  // namespace

uint32_t ReadResourceData(HMODULE module, const char* name, const char* type, std::string& data) {
  data.clear();
  HRSRC info = Find(module, name, type);
  if (info == nullptr) return GetLastError();
  const DWORD size = SizeofResource(module, info);
  HGLOBAL handle = LoadResource(module, info);
  if (handle == nullptr) return GetLastError();
  const void* bytes = LockResource(handle);
  if (bytes == nullptr) return GetLastError();
  data.assign(static_cast<const char*>(bytes), size);
  return 0;
}

bool ResourceExists(HMODULE module, const char* name, const char* type) {
  return Find(module, name, type) != nullptr;
}

}  // namespace kestrix
