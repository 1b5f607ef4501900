// The built program carries its version, manifest and icon.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "e2e/tcsim_fixture.h"

namespace kestrix::e2e {
namespace {

std::vector<char> VersionBlock() {
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(KestrixExePath().c_str(), &ignored);
  std::vector<char> block(size);
  if (size == 0 || !GetFileVersionInfoA(KestrixExePath().c_str(), 0, size, block.data()))
    block.clear();
  return block;
}

std::string VersionString(std::vector<char>& block, const char* name) {
  char* value = nullptr;
  UINT length = 0;
  std::string query = std::string("\\StringFileInfo\\040904E4\\") + name;
  if (!VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length) ||
      value == nullptr)
    return {};
  return std::string(value);
}

TEST(ProgramResources, VersionIs1605AndNamesTheProduct) {
  std::vector<char> block = VersionBlock();
  ASSERT_FALSE(block.empty());
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  ASSERT_NE(fixed, nullptr);
  EXPECT_EQ(fixed->dwFileVersionMS, (1u << 16) | 6u);
  EXPECT_EQ(fixed->dwFileVersionLS, (0u << 16) | 5u);
  EXPECT_EQ(fixed->dwProductVersionMS, (1u << 16) | 6u);
  EXPECT_EQ(fixed->dwProductVersionLS, (0u << 16) | 5u);
  EXPECT_EQ(VersionString(block, "ProductName"), "Total Commander Kestrix");
  EXPECT_EQ(VersionString(block, "FileVersion"), "1.6.0.5");
  EXPECT_EQ(VersionString(block, "OriginalFilename"), "tc Kestrix.exe");
}

TEST(ProgramResources, ManifestAsksForCommonControls6AndDpiAwareness) {
  HMODULE module = LoadLibraryExA(KestrixExePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  ASSERT_NE(found, nullptr);
  const char* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
  std::string manifest(data, SizeofResource(module, found));
  EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
  EXPECT_NE(manifest.find("<dpiAware"), std::string::npos);
  // Windows 10 and 11 share one compatibility identifier.
  EXPECT_NE(manifest.find("8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"), std::string::npos);
  FreeLibrary(module);
}

TEST(ProgramResources, IconHasSmallAndLargeImages) {
  HMODULE module = LoadLibraryExA(KestrixExePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  for (int size : {16, 32, 48, 256}) {
    HICON icon = static_cast<HICON>(
        LoadImageA(module, MAKEINTRESOURCEA(1), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    ASSERT_NE(icon, nullptr) << size;
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bitmap = {};
    GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
  FreeLibrary(module);
}

}  // namespace
}  // namespace kestrix::e2e
