#include "platform/ui/bitmap.h"

#include <memory>
#include <utility>

namespace {

constexpr int kMaxSide = 16384;
constexpr uint32_t kRgb = 0;
constexpr uint32_t kBitFields = 3;

uint32_t ReadU16(std::string_view bytes, size_t at) {
  return static_cast<uint32_t>(static_cast<uint8_t>(bytes[at])) |
         static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 1])) << 8;
}
uint32_t ReadU32(std::string_view bytes, size_t at) {
  return ReadU16(bytes, at) | ReadU16(bytes, at + 2) << 16;
}

// One colour channel described by a bit mask.
struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  int bits = 0;
  explicit Channel(uint32_t m) : mask(m) {
    if (mask == 0) return;
    while (((mask >> shift) & 1) == 0) ++shift;
    while (bits < 32 - shift && ((mask >> (shift + bits)) & 1) != 0) ++bits;
  }
  uint8_t Extract(uint32_t value) const {
    if (bits == 0) return 0;
    uint32_t raw = (value & mask) >> shift;
    uint32_t max = bits >= 32 ? 0xFFFFFFFFu : (1u << bits) - 1;
    return static_cast<uint8_t>((static_cast<uint64_t>(raw) * 255 + max / 2) / max);
  }
};

}  // namespace

bool TBitmap::LoadFromBytes(std::string_view bytes) {
  if (bytes.size() < 26 || bytes[0] != 'B' || bytes[1] != 'M') return false;
  const uint32_t pixel_offset = ReadU32(bytes, 10);
  const uint32_t header_size = ReadU32(bytes, 14);
  if (header_size < 12 || 14ull + header_size > bytes.size()) return false;

  int64_t width;
  int64_t height;
  uint32_t bits_per_pixel;
  uint32_t compression = kRgb;
  uint32_t colours_used = 0;
  size_t palette_entry_size = 4;
  uint32_t masks[3] = {0, 0, 0};
  size_t palette_at = 14 + header_size;
  if (header_size == 12) {
    width = ReadU16(bytes, 18);
    height = ReadU16(bytes, 20);
    bits_per_pixel = ReadU16(bytes, 24);
    palette_entry_size = 3;
  } else {
    if (header_size < 40) return false;
    width = static_cast<int32_t>(ReadU32(bytes, 18));
    height = static_cast<int32_t>(ReadU32(bytes, 22));
    bits_per_pixel = ReadU16(bytes, 28);
    compression = ReadU32(bytes, 30);
    colours_used = ReadU32(bytes, 46);
    if (compression == kBitFields) {
      size_t masks_at = 14 + 40;
      if (header_size == 40) palette_at += 12;  // the masks follow the short header
      if (masks_at + 12 > bytes.size()) return false;
      for (int i = 0; i < 3; ++i) masks[i] = ReadU32(bytes, masks_at + 4 * static_cast<size_t>(i));
    } else if (compression != kRgb) {
      return false;
    }
  }
  const bool top_down = height < 0;
  if (top_down) height = -height;
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return false;
  if (compression == kBitFields && bits_per_pixel != 16 && bits_per_pixel != 32) return false;
  switch (bits_per_pixel) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return false;
  }
  if (compression == kRgb && bits_per_pixel == 16) {
    masks[0] = 0x7C00; masks[1] = 0x03E0; masks[2] = 0x001F;
  } else if (compression == kRgb && bits_per_pixel == 32) {
    masks[0] = 0xFF0000; masks[1] = 0x00FF00; masks[2] = 0x0000FF;
  }

  std::vector<uint8_t> palette;  // red, green, blue per entry
  if (bits_per_pixel <= 8) {
    uint64_t entries = colours_used != 0 ? colours_used : (1u << bits_per_pixel);
    if (entries > 256) return false;
    if (palette_at + entries * palette_entry_size > bytes.size()) return false;
    for (uint64_t i = 0; i < entries; ++i) {
      size_t at = palette_at + static_cast<size_t>(i) * palette_entry_size;
      palette.push_back(static_cast<uint8_t>(bytes[at + 2]));
      palette.push_back(static_cast<uint8_t>(bytes[at + 1]));
      palette.push_back(static_cast<uint8_t>(bytes[at]));
    }
  }

  const uint64_t stride = (static_cast<uint64_t>(width) * bits_per_pixel + 31) / 32 * 4;
  if (pixel_offset > bytes.size() ||
      stride * static_cast<uint64_t>(height) > bytes.size() - pixel_offset) {
    return false;
  }

  const Channel red(masks[0]);
  const Channel green(masks[1]);
  const Channel blue(masks[2]);
  std::vector<uint8_t> pixels(static_cast<size_t>(width * height * 3));
  for (int64_t row = 0; row < height; ++row) {
    const int64_t source_row = top_down ? row : height - 1 - row;
    const size_t row_at = pixel_offset + static_cast<size_t>(source_row * static_cast<int64_t>(stride));
    uint8_t* out = &pixels[static_cast<size_t>(row * width * 3)];
    for (int64_t x = 0; x < width; ++x, out += 3) {
      if (bits_per_pixel <= 8) {
        uint64_t bit = static_cast<uint64_t>(x) * bits_per_pixel;
        uint8_t byte = static_cast<uint8_t>(bytes[row_at + bit / 8]);
        unsigned shift = static_cast<unsigned>(8 - bits_per_pixel - bit % 8);
        unsigned index = (byte >> shift) & ((1u << bits_per_pixel) - 1);
        if (index * 3 + 2 >= palette.size()) index = 0;  // out-of-range index: first entry
        out[0] = palette[index * 3];
        out[1] = palette[index * 3 + 1];
        out[2] = palette[index * 3 + 2];
      } else if (bits_per_pixel == 24) {
        size_t at = row_at + static_cast<size_t>(x) * 3;
        out[0] = static_cast<uint8_t>(bytes[at + 2]);
        out[1] = static_cast<uint8_t>(bytes[at + 1]);
        out[2] = static_cast<uint8_t>(bytes[at]);
      } else {
        size_t at = row_at + static_cast<size_t>(x) * (bits_per_pixel / 8);
        uint32_t value = bits_per_pixel == 16 ? ReadU16(bytes, at) : ReadU32(bytes, at);
        out[0] = red.Extract(value);
        out[1] = green.Extract(value);
        out[2] = blue.Extract(value);
      }
    }
  }
  width_ = static_cast<int>(width);
  height_ = static_cast<int>(height);
  pixels_ = std::move(pixels);
  return true;
}

bool TBitmap::LoadFromFile(platform::FileSystem& files, const std::string& path) {
  std::unique_ptr<platform::ReadableFile> file =
      files.OpenForReading(path, platform::FileMode::kBinary);
  if (!file) return false;
  // Bitmaps of the allowed size stay well below this; a larger file is not one of them.
  constexpr size_t kMaxFileSize = 3u * kMaxSide * kMaxSide + 64 * 1024;
  std::string bytes;
  char buffer[64 * 1024];
  while (size_t got = file->Read(buffer, sizeof buffer)) {
    bytes.append(buffer, got);
    if (bytes.size() > kMaxFileSize) return false;
  }
  return LoadFromBytes(bytes);
}

void TBitmap::Assign(int width, int height, std::vector<uint8_t> pixels) {
  width_ = width;
  height_ = height;
  pixels_ = std::move(pixels);
}

std::string TBitmap::SaveToBytes() const {
  const uint32_t stride = (static_cast<uint32_t>(width_) * 3 + 3) / 4 * 4;
  const uint32_t image_size = stride * static_cast<uint32_t>(height_);
  std::string out;
  auto put16 = [&out](uint32_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
  };
  auto put32 = [&put16](uint32_t v) {
    put16(v & 0xFFFF);
    put16(v >> 16);
  };
  out += "BM";
  put32(54 + image_size);
  put32(0);
  put32(54);
  put32(40);
  put32(static_cast<uint32_t>(width_));
  put32(static_cast<uint32_t>(height_));
  put16(1);
  put16(24);
  put32(kRgb);
  put32(image_size);
  put32(2835);
  put32(2835);
  put32(0);
  put32(0);
  for (int row = height_ - 1; row >= 0; --row) {
    const uint8_t* in = &pixels_[static_cast<size_t>(row) * static_cast<size_t>(width_) * 3];
    for (int x = 0; x < width_; ++x, in += 3) {
      out.push_back(static_cast<char>(in[2]));
      out.push_back(static_cast<char>(in[1]));
      out.push_back(static_cast<char>(in[0]));
    }
    out.append(stride - static_cast<uint32_t>(width_) * 3, '\0');
  }
  return out;
}
