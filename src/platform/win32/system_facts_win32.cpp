#include "platform/win32/system_facts_win32.h"

#include <string_view>

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace kestrix {

namespace {

// GetProcAddress answers a generic function pointer; the cast through void* states that
// the real signature is known.
template <typename Function>
Function Lookup(HMODULE module, const char* name) {
  if (module == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// The text up to the first zero, never past `limit` characters.
std::string Bounded(const wchar_t* buffer, size_t limit) {
  const std::wstring_view text(buffer, limit);
  return Utf8(text.substr(0, text.find(L'\0')));
}

// The record of NetWkstaGetInfo level 100, spelled out to keep lm.h out.
struct WorkstationInfo100 {
  DWORD platform_id;
  wchar_t* computer_name;
  wchar_t* langroup;
  DWORD ver_major;
  DWORD ver_minor;
};

}  // namespace

std::optional<std::string> Win32SystemFacts::UserName() {
  wchar_t buffer[254] = {};
  DWORD size = 253;
  if (!GetUserNameW(buffer, &size)) return std::nullopt;
  return Bounded(buffer, size < 253 ? size : 253);
}

std::optional<std::string> Win32SystemFacts::ComputerName() {
  wchar_t buffer[256] = {};
  DWORD size = 256;
  if (!GetComputerNameW(buffer, &size)) return std::nullopt;
  return Bounded(buffer, size < 256 ? size : 256);
}

std::optional<ReportedOsVersion> Win32SystemFacts::ReportedVersion() {
  OSVERSIONINFOW info = {};
  info.dwOSVersionInfoSize = sizeof info;
  if (!GetVersionExW(&info)) return std::nullopt;
  return ReportedOsVersion{info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion,
                           info.dwBuildNumber, Bounded(info.szCSDVersion, 128)};
}

std::optional<RealOsVersion> Win32SystemFacts::RealVersion() {
  using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
  auto rtl_get_version = Lookup<RtlGetVersionFn>(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion");
  if (rtl_get_version == nullptr) return std::nullopt;
  OSVERSIONINFOW info = {};
  info.dwOSVersionInfoSize = sizeof info;
  if (rtl_get_version(&info) != 0) return std::nullopt;
  return RealOsVersion{info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber};
}

std::optional<std::string> Win32SystemFacts::Workgroup() {
  using NetWkstaGetInfoFn = DWORD(WINAPI*)(wchar_t*, DWORD, BYTE**);
  using NetApiBufferFreeFn = DWORD(WINAPI*)(void*);
  // Loaded once and kept: the preview asks on every keystroke, and loading the library is
  // most of the cost.
  static const HMODULE netapi = LoadLibraryW(L"NETAPI32.DLL");
  if (netapi == nullptr) return std::nullopt;
  auto get_info = Lookup<NetWkstaGetInfoFn>(netapi, "NetWkstaGetInfo");
  auto free_buffer = Lookup<NetApiBufferFreeFn>(netapi, "NetApiBufferFree");
  std::optional<std::string> workgroup;
  BYTE* buffer = nullptr;
  if (get_info != nullptr && free_buffer != nullptr && get_info(nullptr, 100, &buffer) == 0 &&
      buffer != nullptr) {
    workgroup = Utf8(reinterpret_cast<WorkstationInfo100*>(buffer)->langroup);
  }
  if (buffer != nullptr && free_buffer != nullptr) free_buffer(buffer);
  return workgroup;
}

Wow64Answer Win32SystemFacts::IsWow64() {
  using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, BOOL*);
  auto is_wow64 = Lookup<IsWow64ProcessFn>(GetModuleHandleW(L"kernel32.dll"), "IsWow64Process");
  Wow64Answer answer;
  if (is_wow64 == nullptr) return answer;
  answer.function_exists = true;
  BOOL wow64 = FALSE;
  answer.succeeded = is_wow64(GetCurrentProcess(), &wow64) != 0;
  answer.error = answer.succeeded ? 0 : GetLastError();
  answer.is_wow64 = answer.succeeded && wow64 != 0;
  return answer;
}

bool Win32SystemFacts::Is64BitProcess() {
  return sizeof(void*) == 8;
}

}  // namespace kestrix
