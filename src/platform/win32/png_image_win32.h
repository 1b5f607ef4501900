#pragma once
// PNG images decoded with libpng into 32-bit top-down DIB sections with premultiplied
// alpha, ready for AlphaBlend. Sources: RCDATA resources and user-theme files.
#include <cstdint>
#include <string>

#include "platform/file_system.h"
#include "platform/win32/windows_api.h"

namespace kestrix {

class PngImage {
 public:
  PngImage() = default;
  PngImage(PngImage&& other) noexcept;
  PngImage& operator=(PngImage&& other) noexcept;
  PngImage(const PngImage&) = delete;
  PngImage& operator=(const PngImage&) = delete;
  ~PngImage();

  bool IsEmpty() const { return bitmap_ == nullptr; }
  HBITMAP Bitmap() const { return bitmap_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // Premultiplied BGRA pixels, row by row from the top; nullptr when empty.
  const uint32_t* Pixels() const { return pixels_; }

  // Decodes PNG bytes; on failure the image is left empty and `error` says why.
  bool Decode(const std::string& png, std::string& error);

 private:
  void Release();

  HBITMAP bitmap_ = nullptr;
  uint32_t* pixels_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

// Larger images are refused: a glyph is a few dozen pixels, and a hostile theme file must
// not make us allocate gigabytes.
inline constexpr int kMaxPngSide = 1024;

// The RCDATA resource `name` of `module`, decoded.
bool LoadPngResource(HMODULE module, const char* name, PngImage& image, std::string& error);
// A PNG file read through the file-system seam, decoded.
bool LoadPngFile(FileSystem& fs, const std::string& path, PngImage& image, std::string& error);

}  // namespace kestrix
