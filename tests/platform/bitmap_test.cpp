#include "platform/ui/bitmap.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/temp_prefix.h"

namespace {

void Put16(std::string& out, uint32_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void Put32(std::string& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// A bitmap file with a 40-byte header, `palette` (BGRx entries) and `rows` as stored.
std::string MakeBmp(int32_t width, int32_t height, uint16_t bits, const std::string& palette,
                    const std::string& rows, uint32_t compression = 0) {
  std::string out = "BM";
  Put32(out, static_cast<uint32_t>(54 + palette.size() + rows.size()));
  Put32(out, 0);
  Put32(out, static_cast<uint32_t>(54 + palette.size()));
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(width));
  Put32(out, static_cast<uint32_t>(height));
  Put16(out, 1);
  Put16(out, bits);
  Put32(out, compression);
  Put32(out, static_cast<uint32_t>(rows.size()));
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, static_cast<uint32_t>(palette.size() / 4));
  Put32(out, 0);
  return out + palette + rows;
}

std::vector<uint8_t> Pixel(const TBitmap& bitmap, int x, int y) {
  const auto& p = bitmap.Pixels();
  size_t at = static_cast<size_t>((y * bitmap.Width() + x) * 3);
  return {p[at], p[at + 1], p[at + 2]};
}

TEST(Bitmap, SavedPicturesLoadBackUnchanged) {
  std::vector<uint8_t> pixels;
  for (int i = 0; i < 5 * 3; ++i) {
    pixels.insert(pixels.end(), {uint8_t(i * 10), uint8_t(255 - i), uint8_t(i * 3)});
  }
  TBitmap picture;
  picture.Assign(5, 3, pixels);  // width 5: rows need padding
  TBitmap loaded;
  ASSERT_TRUE(loaded.LoadFromBytes(picture.SaveToBytes()));
  EXPECT_EQ(loaded, picture);
}

TEST(Bitmap, PalettedBottomUpAndTopDownRowsLandRightSideUp) {
  const std::string palette = std::string("\x00\x00\xff\x00", 4) + std::string("\xff\x00\x00\x00", 4);
  // 8 bits per pixel, 2x2: stored bottom row first; each row padded to 4 bytes.
  const std::string rows = std::string("\x01\x00\x00\x00", 4) + std::string("\x00\x01\x00\x00", 4);
  TBitmap bottom_up;
  ASSERT_TRUE(bottom_up.LoadFromBytes(MakeBmp(2, 2, 8, palette, rows)));
  EXPECT_EQ(Pixel(bottom_up, 0, 0), (std::vector<uint8_t>{255, 0, 0}));  // top row: index 0 = red
  EXPECT_EQ(Pixel(bottom_up, 0, 1), (std::vector<uint8_t>{0, 0, 255}));
  TBitmap top_down;
  ASSERT_TRUE(top_down.LoadFromBytes(MakeBmp(2, -2, 8, palette, rows)));
  EXPECT_EQ(Pixel(top_down, 0, 0), (std::vector<uint8_t>{0, 0, 255}));
}

TEST(Bitmap, OneAndFourBitPixelsPickTheirPaletteEntries) {
  const std::string palette = std::string("\x00\x00\x00\x00", 4) + std::string("\xff\xff\xff\x00", 4);
  TBitmap mono;
  ASSERT_TRUE(mono.LoadFromBytes(MakeBmp(3, 1, 1, palette, std::string("\xa0\x00\x00\x00", 4))));
  EXPECT_EQ(Pixel(mono, 0, 0)[0], 255);
  EXPECT_EQ(Pixel(mono, 1, 0)[0], 0);
  EXPECT_EQ(Pixel(mono, 2, 0)[0], 255);
  TBitmap nibbles;
  ASSERT_TRUE(nibbles.LoadFromBytes(MakeBmp(2, 1, 4, palette, std::string("\x10\x00\x00\x00", 4))));
  EXPECT_EQ(Pixel(nibbles, 0, 0)[0], 255);
  EXPECT_EQ(Pixel(nibbles, 1, 0)[0], 0);
}

TEST(Bitmap, RejectsWhatIsNoUsableBitmap) {
  const std::string row24 = std::string("\x01\x02\x03\x00", 4);
  TBitmap good;
  ASSERT_TRUE(good.LoadFromBytes(MakeBmp(1, 1, 24, "", row24)));
  struct Case {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"text", "<html>not found</html>"},
      {"truncated pixels", MakeBmp(4, 4, 24, "", row24)},
      {"zero width", MakeBmp(0, 1, 24, "", row24)},
      {"enormous", MakeBmp(100000, 100000, 24, "", row24)},
      {"run-length compressed", MakeBmp(1, 1, 8, std::string(4, '\0'), row24, 1)},
      {"odd bit count", MakeBmp(1, 1, 7, "", row24)},
      {"header cut short", MakeBmp(1, 1, 24, "", row24).substr(0, 30)},
  };
  for (const Case& c : cases) {
    TBitmap picture = good;
    EXPECT_FALSE(picture.LoadFromBytes(c.bytes)) << c.what;
    EXPECT_EQ(picture, good) << c.what << ": a failed load leaves the picture";
  }
}

TEST(Bitmap, LoadsFromTheFileService) {
  testing_support::TempPrefix prefix;
  TBitmap picture;
  picture.Assign(2, 1, {1, 2, 3, 4, 5, 6});
  prefix.Write("C:\\P\\lumvek.bmp", picture.SaveToBytes());
  TBitmap loaded;
  EXPECT_TRUE(loaded.LoadFromFile(prefix.files(), "C:\\p\\LUMVEK.BMP"));
  EXPECT_EQ(loaded, picture);
  EXPECT_FALSE(loaded.LoadFromFile(prefix.files(), "C:\\P\\missing.bmp"));
}

}  // namespace
