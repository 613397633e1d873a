#include "platform/pictures.h"

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

// After <cstdio>: jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>
#include <png.h>

#include "platform/file_error.h"
#include "platform/files.h"

// libpng and libjpeg report errors by longjmp. Each coding run therefore sits in a small
// C-style function: only plain data lives between its setjmp and the jump, everything
// that must be released after a jump is reachable from the caller's frame, and the
// C++ side turns the returned error text into a FileError.

namespace platform {
namespace {

// 64 M pixels (256 MiB of RGBA): a forged header must not make us allocate gigabytes.
constexpr unsigned long long kMaxPixels = 1ull << 26;

struct ErrorText {
  char text[JMSG_LENGTH_MAX];
  bool from_library;  // the library found the data broken, rather than we refusing it
};

void set_error(ErrorText* error, const char* text, bool from_library) {
  std::snprintf(error->text, sizeof error->text, "%s", text);
  error->from_library = from_library;
}

// The decoders' result; rgba is malloc'd and, on success, handed to the caller.
struct RawPicture {
  unsigned char* rgba;
  int width;
  int height;
  bool has_alpha;
  ErrorText error;
};

bool too_many_pixels(unsigned long long width, unsigned long long height) {
  return width == 0 || height == 0 || width * height > kMaxPixels;
}

// ---- PNG ----

struct MemorySource {
  const unsigned char* data;
  std::size_t size;
  std::size_t pos;
};

void png_fail(png_structp png, png_const_charp message) {
  set_error(static_cast<ErrorText*>(png_get_error_ptr(png)), message, true);
  png_longjmp(png, 1);
}

[[noreturn]] void png_reject(png_structp png, const char* text) {
  set_error(static_cast<ErrorText*>(png_get_error_ptr(png)), text, false);
  png_longjmp(png, 1);
}

void png_ignore_warning(png_structp, png_const_charp) {}

void png_read_memory(png_structp png, png_bytep out, std::size_t length) {
  auto* source = static_cast<MemorySource*>(png_get_io_ptr(png));
  if (source->size - source->pos < length) png_error(png, "the file ends too early");
  std::memcpy(out, source->data + source->pos, length);
  source->pos += length;
}

// May longjmp; raw->rgba is set before any row is read so the caller can free it.
void png_read_pixels(png_structp png, png_infop info, RawPicture* raw) {
  png_read_info(png, info);
  const png_uint_32 width = png_get_image_width(png, info);
  const png_uint_32 height = png_get_image_height(png, info);
  if (too_many_pixels(width, height)) png_reject(png, "picture too large");
  const int colour_type = png_get_color_type(png, info);
  raw->has_alpha = (colour_type & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png, info, PNG_INFO_tRNS) != 0;

  png_set_expand(png);  // palette, grey below 8 bits and tRNS become 8-bit channels (+ alpha)
  png_set_scale_16(png);
  png_set_gray_to_rgb(png);
  if (!raw->has_alpha) png_set_add_alpha(png, 0xff, PNG_FILLER_AFTER);
  const int passes = png_set_interlace_handling(png);
  png_read_update_info(png, info);
  const std::size_t stride = std::size_t(width) * 4;
  if (png_get_rowbytes(png, info) != stride) png_error(png, "unexpected pixel layout");

  raw->rgba = static_cast<unsigned char*>(std::malloc(stride * height));
  if (raw->rgba == nullptr) png_reject(png, "out of memory");
  raw->width = int(width);
  raw->height = int(height);
  // Interlaced pictures come in passes over the same rows, each pass filling in more.
  for (int pass = 0; pass < passes; ++pass) {
    for (png_uint_32 y = 0; y < height; ++y) png_read_row(png, raw->rgba + y * stride, nullptr);
  }
  png_read_end(png, nullptr);
}

bool decode_png(const unsigned char* data, std::size_t size, RawPicture* raw) {
  MemorySource source{data, size, 0};
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &raw->error, png_fail, png_ignore_warning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (info == nullptr) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    set_error(&raw->error, "out of memory", false);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    std::free(raw->rgba);
    raw->rgba = nullptr;
    return false;
  }
  png_set_read_fn(png, &source, png_read_memory);
  png_read_pixels(png, info, raw);
  png_destroy_read_struct(&png, &info, nullptr);
  return true;
}

bool encode_png(std::FILE* file, const Pixels* pixels, ErrorText* error) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, error, png_fail, png_ignore_warning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (info == nullptr) {
    png_destroy_write_struct(&png, nullptr);
    set_error(error, "out of memory", false);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, png_uint_32(pixels->width), png_uint_32(pixels->height), 8,
               pixels->has_alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  if (!pixels->has_alpha) png_set_filler(png, 0, PNG_FILLER_AFTER);  // drops the alpha byte of each pixel
  for (int y = 0; y < pixels->height; ++y) png_write_row(png, pixels->at(0, y));
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

// ---- JPEG ----

struct JpegErrors {
  jpeg_error_mgr manager;  // first member: libjpeg hands back a pointer to it
  std::jmp_buf jump;
  ErrorText* error;
};

[[noreturn]] void jpeg_fail(j_common_ptr cinfo) {
  auto* errors = reinterpret_cast<JpegErrors*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, errors->error->text);
  errors->error->from_library = true;
  std::longjmp(errors->jump, 1);
}

[[noreturn]] void jpeg_reject(j_common_ptr cinfo, const char* text) {
  auto* errors = reinterpret_cast<JpegErrors*>(cinfo->err);
  set_error(errors->error, text, false);
  std::longjmp(errors->jump, 1);
}

// libjpeg only warns about damaged data (a cut-off file is padded with grey), so a
// warning fails the picture as well; trace messages (level above 0) are ignored.
void jpeg_message(j_common_ptr cinfo, int level) {
  if (level < 0) jpeg_fail(cinfo);
}

void use_errors(jpeg_error_mgr** slot, JpegErrors* errors, ErrorText* error) {
  *slot = jpeg_std_error(&errors->manager);
  errors->manager.error_exit = jpeg_fail;
  errors->manager.emit_message = jpeg_message;
  errors->error = error;
}

// May longjmp; raw->rgba is set before any row is read so the caller can free it.
void jpeg_read_pixels(j_decompress_ptr cinfo, const unsigned char* data, std::size_t size, RawPicture* raw) {
  jpeg_mem_src(cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(cinfo, TRUE);
  if (cinfo->jpeg_color_space == JCS_CMYK || cinfo->jpeg_color_space == JCS_YCCK) {
    jpeg_reject(reinterpret_cast<j_common_ptr>(cinfo), "CMYK JPEG pictures are not supported");
  }
  const bool grey = cinfo->num_components == 1;
  cinfo->out_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_start_decompress(cinfo);
  const JDIMENSION width = cinfo->output_width;
  const JDIMENSION height = cinfo->output_height;
  if (too_many_pixels(width, height)) jpeg_reject(reinterpret_cast<j_common_ptr>(cinfo), "picture too large");

  const std::size_t stride = std::size_t(width) * 4;
  raw->rgba = static_cast<unsigned char*>(std::malloc(stride * height));
  if (raw->rgba == nullptr) jpeg_reject(reinterpret_cast<j_common_ptr>(cinfo), "out of memory");
  raw->width = int(width);
  raw->height = int(height);
  raw->has_alpha = false;
  const int channels = grey ? 1 : 3;
  // The row buffer comes from libjpeg's own pool, which jpeg_destroy releases.
  JSAMPARRAY row = (*cinfo->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE,
                                               width * JDIMENSION(channels), 1);
  while (cinfo->output_scanline < height) {
    unsigned char* out = raw->rgba + std::size_t(cinfo->output_scanline) * stride;
    jpeg_read_scanlines(cinfo, row, 1);
    for (JDIMENSION x = 0; x < width; ++x) {
      const JSAMPLE* in = row[0] + x * JDIMENSION(channels);
      out[x * 4 + 0] = in[0];
      out[x * 4 + 1] = in[grey ? 0 : 1];
      out[x * 4 + 2] = in[grey ? 0 : 2];
      out[x * 4 + 3] = 0xff;
    }
  }
  jpeg_finish_decompress(cinfo);
}

// Kept in the caller's frame, so nothing the jump must see is a local of the setjmp frame.
struct JpegDecoder {
  jpeg_decompress_struct cinfo;
  JpegErrors errors;
};

bool run_jpeg_decoder(JpegDecoder* decoder, const unsigned char* data, std::size_t size, RawPicture* raw) {
  use_errors(&decoder->cinfo.err, &decoder->errors, &raw->error);
  if (setjmp(decoder->errors.jump)) {
    jpeg_destroy_decompress(&decoder->cinfo);
    std::free(raw->rgba);
    raw->rgba = nullptr;
    return false;
  }
  jpeg_create_decompress(&decoder->cinfo);
  jpeg_read_pixels(&decoder->cinfo, data, size, raw);
  jpeg_destroy_decompress(&decoder->cinfo);
  return true;
}

bool decode_jpeg(const unsigned char* data, std::size_t size, RawPicture* raw) {
  JpegDecoder decoder{};
  return run_jpeg_decoder(&decoder, data, size, raw);
}

// May longjmp.
void jpeg_write_pixels(j_compress_ptr cinfo, std::FILE* file, const Pixels* pixels, int quality) {
  jpeg_stdio_dest(cinfo, file);
  cinfo->image_width = JDIMENSION(pixels->width);
  cinfo->image_height = JDIMENSION(pixels->height);
  cinfo->input_components = 3;
  cinfo->in_color_space = JCS_RGB;
  jpeg_set_defaults(cinfo);  // YCbCr with 4:2:0 subsampling
  jpeg_set_quality(cinfo, quality, TRUE);  // TRUE: baseline tables
  jpeg_start_compress(cinfo, TRUE);
  JSAMPARRAY row = (*cinfo->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE,
                                               cinfo->image_width * 3, 1);
  while (cinfo->next_scanline < cinfo->image_height) {
    const std::uint8_t* in = pixels->at(0, int(cinfo->next_scanline));
    for (JDIMENSION x = 0; x < cinfo->image_width; ++x) std::memcpy(row[0] + x * 3, in + x * 4, 3);
    jpeg_write_scanlines(cinfo, row, 1);
  }
  jpeg_finish_compress(cinfo);
}

struct JpegEncoder {
  jpeg_compress_struct cinfo;
  JpegErrors errors;
};

bool run_jpeg_encoder(JpegEncoder* encoder, std::FILE* file, const Pixels* pixels, int quality, ErrorText* error) {
  use_errors(&encoder->cinfo.err, &encoder->errors, error);
  if (setjmp(encoder->errors.jump)) {
    jpeg_destroy_compress(&encoder->cinfo);
    return false;
  }
  jpeg_create_compress(&encoder->cinfo);
  jpeg_write_pixels(&encoder->cinfo, file, pixels, quality);
  jpeg_destroy_compress(&encoder->cinfo);
  return true;
}

bool encode_jpeg(std::FILE* file, const Pixels* pixels, int quality, ErrorText* error) {
  JpegEncoder encoder{};
  return run_jpeg_encoder(&encoder, file, pixels, quality, error);
}

// ---- C++ side ----

bool starts_with(const std::string& bytes, const unsigned char* signature, std::size_t length) {
  return bytes.size() >= length && std::memcmp(bytes.data(), signature, length) == 0;
}

void check_writable(const std::string& path, const Pixels& pixels) {
  if (too_many_pixels(unsigned(pixels.width), unsigned(pixels.height)) ||
      pixels.rgba.size() != std::size_t(pixels.width) * std::size_t(pixels.height) * 4) {
    throw FileError(path, "no picture to write: the pixels do not match the size");
  }
}

template <typename Encode>
void write_file(const std::string& path, Encode encode) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) throw FileError(path, std::string("cannot be written: ") + std::strerror(errno));
  ErrorText error{};
  const bool encoded = encode(file, &error);
  const bool closed = std::fclose(file) == 0;
  if (encoded && closed) return;
  std::remove(path.c_str());
  throw FileError(path, std::string("cannot be written: ") + (encoded ? "the disk refused the data" : error.text));
}

}  // namespace

Pixels decode_picture(const std::string& path) {
  static constexpr unsigned char kPng[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  static constexpr unsigned char kJpeg[] = {0xff, 0xd8, 0xff};
  const std::string bytes = read_file(path);
  const bool png = starts_with(bytes, kPng, sizeof kPng);
  if (!png && !starts_with(bytes, kJpeg, sizeof kJpeg)) throw FileError(path, "not a PNG or JPEG picture");

  RawPicture raw{};
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  const bool decoded = png ? decode_png(data, bytes.size(), &raw) : decode_jpeg(data, bytes.size(), &raw);
  if (!decoded) {
    const char* prefix = !raw.error.from_library ? "" : png ? "broken PNG data: " : "broken JPEG data: ";
    throw FileError(path, prefix + std::string(raw.error.text));
  }

  const std::unique_ptr<unsigned char, decltype(&std::free)> owned(raw.rgba, &std::free);
  Pixels pixels(raw.width, raw.height);
  pixels.has_alpha = raw.has_alpha;
  std::memcpy(pixels.rgba.data(), raw.rgba, pixels.rgba.size());
  return pixels;
}

void apply_mask_rule(Pixels& pixels) {
  if (pixels.has_alpha) return;
  for (std::size_t i = 0; i + 3 < pixels.rgba.size(); i += 4) {
    const bool black = pixels.rgba[i] == 0 && pixels.rgba[i + 1] == 0 && pixels.rgba[i + 2] == 0;
    pixels.rgba[i + 3] = black ? 0 : 0xff;
  }
}

void write_png(const std::string& path, const Pixels& pixels) {
  check_writable(path, pixels);
  write_file(path, [&](std::FILE* file, ErrorText* error) { return encode_png(file, &pixels, error); });
}

void write_jpeg(const std::string& path, const Pixels& pixels, int quality) {
  check_writable(path, pixels);
  write_file(path, [&](std::FILE* file, ErrorText* error) { return encode_jpeg(file, &pixels, quality, error); });
}

}  // namespace platform
