#include "platform/win32/png_image_win32.h"

#include <cstring>
#include <utility>

#include "platform/win32/resource_win32.h"

#ifdef KESTRIX_HAVE_PNG
#include <png.h>
#endif

namespace kestrix {

PngImage::PngImage(PngImage&& other) noexcept
    : bitmap_(std::exchange(other.bitmap_, nullptr)),
      pixels_(std::exchange(other.pixels_, nullptr)),
      width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)) {}

PngImage& PngImage::operator=(PngImage&& other) noexcept {
  if (this != &other) {
    Release();
    bitmap_ = std::exchange(other.bitmap_, nullptr);
    pixels_ = std::exchange(other.pixels_, nullptr);
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
  }
  return *this;
}

PngImage::~PngImage() {
  Release();
}

void PngImage::Release() {
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
  bitmap_ = nullptr;
  pixels_ = nullptr;
  width_ = height_ = 0;
}

namespace {

HBITMAP CreateTopDownDib(int width, int height, uint32_t*& pixels) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // negative: rows from the top
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  pixels = static_cast<uint32_t*>(bits);
  return bitmap;
}

// AlphaBlend with AC_SRC_ALPHA expects each colour already multiplied by its alpha.
void Premultiply(uint32_t* pixels, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const uint32_t p = pixels[i];
    const uint32_t a = p >> 24;
    if (a == 255) continue;
    auto mul = [a](uint32_t c) { return (c * a + 127) / 255; };
    pixels[i] =
        (a << 24) | (mul((p >> 16) & 0xFF) << 16) | (mul((p >> 8) & 0xFF) << 8) | mul(p & 0xFF);
  }
}

}  // namespace

#ifdef KESTRIX_HAVE_PNG
bool PngImage::Decode(const std::string& png, std::string& error) {
  Release();
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, png.data(), png.size())) {
    error = std::string("not a readable PNG image: ") + image.message;
    return false;
  }
  if (image.width == 0 || image.height == 0 || image.width > kMaxPngSide ||
      image.height > kMaxPngSide) {
    error = "PNG image of " + std::to_string(image.width) + " x " + std::to_string(image.height) +
            " pixels is outside 1 to " + std::to_string(kMaxPngSide);
    png_image_free(&image);
    return false;
  }
  image.format = PNG_FORMAT_BGRA;
  const int width = static_cast<int>(image.width);
  const int height = static_cast<int>(image.height);
  uint32_t* pixels = nullptr;
  HBITMAP bitmap = CreateTopDownDib(width, height, pixels);
  if (bitmap == nullptr) {
    error = "no memory for a " + std::to_string(width) + " x " + std::to_string(height) + " bitmap";
    png_image_free(&image);
    return false;
  }
  if (!png_image_finish_read(&image, nullptr, pixels, width * 4, nullptr)) {
    error = std::string("damaged PNG image: ") + image.message;
    DeleteObject(bitmap);
    return false;
  }
  Premultiply(pixels, static_cast<size_t>(width) * static_cast<size_t>(height));
  GdiFlush();
  bitmap_ = bitmap;
  pixels_ = pixels;
  width_ = width;
  height_ = height;
  return true;
}
#else
bool PngImage::Decode(const std::string&, std::string& error) {
  Release();
  error = "this build has no PNG support";
  return false;
}
#endif

bool LoadPngResource(HMODULE module, const char* name, PngImage& image, std::string& error) {
  std::string data;
  if (ReadRcData(module, name, data) != 0) {
    error = std::string("no image resource \"") + name + "\"";
    return false;
  }
  if (!image.Decode(data, error)) {
    error = std::string("resource \"") + name + "\": " + error;
    return false;
  }
  return true;
}

bool LoadPngFile(FileSystem& fs, const std::string& path, PngImage& image, std::string& error) {
  std::string data;
  if (uint32_t code = fs.ReadWholeFile(path, data); code != 0) {
    error = "cannot read \"" + path + "\" (error " + std::to_string(code) + ")";
    return false;
  }
  if (!image.Decode(data, error)) {
    error = "\"" + path + "\": " + error;
    return false;
  }
  return true;
}

}  // namespace kestrix
