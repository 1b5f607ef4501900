// PNG decoding with libpng into premultiplied DIB sections, against the glyph resources
// bound into this test program (the same resource script as the program's).
#include "platform/win32/png_image_win32.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "platform/win32/file_system_win32.h"
#include "platform/win32/resource_win32.h"
#include "settings/themes.h"
#include "window/appearance_win32.h"

namespace kestrix {
namespace {

// Every glyph name the program asks for, without size suffix.
std::vector<std::string> ExpectedGlyphs() {
  std::vector<std::string> names;
  for (const BuiltInTheme& theme : kBuiltInThemes)
    for (GlyphRole role : kGlyphRoles) names.push_back(ThemeGlyphName(theme.name, role));
  for (GlyphRole role : kGlyphRoles) names.push_back(ThemeGlyphName(kDefaultThemeName, role));
  names.insert(names.end(), {kEnterGlyph, kPlainUndoGlyph, kBatchActiveGlyph, kBatchInactiveGlyph});
  for (const char* quick : kQuickButtonImages) {
    names.push_back(std::string(quick) + "_ACT");
    names.push_back(std::string(quick) + "_INACT");
  }
  for (const IndexedImage& image : kWindowImages) names.push_back(image.name);
  for (const char* sign : kSignImages) names.push_back(sign);
  return names;
}

std::string ResourceBytes(const char* name) {
  std::string data;
  EXPECT_EQ(ReadRcData(nullptr, name, data), 0u) << name;
  return data;
}

void PutBigEndian(std::string& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (24 - 8 * i));
}

// A valid PNG whose header claims another size (with a correct checksum).
std::string WithHeaderSize(std::string png, uint32_t width, uint32_t height) {
  // Signature (8), IHDR length (4), "IHDR" (4), width, height, 5 more bytes, CRC.
  PutBigEndian(png, 16, width);
  PutBigEndian(png, 20, height);
  PutBigEndian(png, 29, crc32(0, reinterpret_cast<const Bytef*>(png.data()) + 12, 17));
  return png;
}

// Every glyph the program asks for exists in every size and decodes at that size with a
// transparent background, solid strokes and premultiplied colours.
TEST(GlyphResources, EachDecodesAtItsSizeWithRealTransparency) {
  for (const std::string& glyph : ExpectedGlyphs()) {
    for (const GlyphSize& size : kGlyphSizes) {
      const std::string name = glyph + size.suffix;
      PngImage image;
      std::string error;
      ASSERT_TRUE(LoadPngResource(nullptr, name.c_str(), image, error)) << name << ": " << error;
      EXPECT_EQ(image.Width(), size.pixels) << name;
      EXPECT_EQ(image.Height(), size.pixels) << name;
      uint32_t min_alpha = 255, max_alpha = 0;
      bool premultiplied = true;
      for (int i = 0; i < image.Width() * image.Height(); ++i) {
        const uint32_t p = image.Pixels()[i];
        const uint32_t a = p >> 24;
        min_alpha = std::min(min_alpha, a);
        max_alpha = std::max(max_alpha, a);
        if (((p >> 16) & 0xFF) > a || ((p >> 8) & 0xFF) > a || (p & 0xFF) > a)
          premultiplied = false;
      }
      EXPECT_EQ(min_alpha, 0u) << name << ": no transparent background";
      EXPECT_GE(max_alpha, 230u) << name << ": no solid stroke";
      EXPECT_TRUE(premultiplied) << name;
    }
  }
}

// A decode that fails leaves the image empty, also one that held a picture before.
TEST(PngDecode, HostileBytesAndADamagedFileAreRefusedWithAReason) {
  const std::string good = ResourceBytes("THEME_SKY_OK");
  ASSERT_GT(good.size(), 60u);
  const std::vector<std::pair<const char*, std::string>> cases = {
      {"empty", ""},
      {"text", "not a png at all"},
      {"signature only", good.substr(0, 8)},
      {"cut in half", good.substr(0, good.size() / 2)},
      {"too wide", WithHeaderSize(good, 5000, 16)},
      {"too tall", WithHeaderSize(good, 16, kMaxPngSide + 1)},
      {"zero width", WithHeaderSize(good, 0, 16)}};
  for (const auto& [what, bytes] : cases) {
    PngImage image;
    std::string error;
    ASSERT_TRUE(image.Decode(good, error)) << error;
    EXPECT_FALSE(image.Decode(bytes, error)) << what;
    EXPECT_TRUE(image.IsEmpty() && image.Pixels() == nullptr && !error.empty()) << what;
  }
  // A missing or damaged file is named, and the resource stands in.
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string path =
      std::string(temp) + "kestrix-png-" + std::to_string(GetCurrentProcessId()) + ".png";
  Win32FileSystem files;
  PngImage image;
  std::string error;
  EXPECT_TRUE(
      LoadGlyphOr(nullptr, files, GlyphRef::File(path), "THEME_DEFAULT_OK", 144, image, error));
  EXPECT_EQ(image.Width(), 24);
  EXPECT_NE(error.find(path), std::string::npos);
  ASSERT_EQ(files.WriteWholeFile(path, "\x89PNG\r\n\x1a\n garbage"), 0u);
  EXPECT_FALSE(LoadPngFile(files, path, image, error));
  EXPECT_NE(error.find(path), std::string::npos);
  files.DeleteFile(path);
}

}  // namespace
}  // namespace kestrix
