// The built program carries its manifest: without it the controls lose the common-controls
// look and the window is scaled as a bitmap on high-DPI screens.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "e2e/tcsim_fixture.h"

namespace kestrix::e2e {
namespace {

TEST(ProgramResources, ManifestAsksForCommonControls6AndDpiAwareness) {
  HMODULE module = LoadLibraryExA(KestrixExePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  ASSERT_NE(found, nullptr);
  const char* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
  const std::string manifest(data, SizeofResource(module, found));
  for (const char* part : {"Microsoft.Windows.Common-Controls", "version=\"6.0.0.0\"", "<dpiAware",
                           // Windows 10 and 11 share one compatibility identifier.
                           "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"})
    EXPECT_NE(manifest.find(part), std::string::npos) << part;
  FreeLibrary(module);
}

}  // namespace
}  // namespace kestrix::e2e
