// Paints the pictures of the window designs and writes them as 24-bit Windows bitmap
// files, together with a C++ source that carries them into the programs.
// Usage: paint_artwork OUTPUT_FOLDER GENERATED_SOURCE.cpp
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "platform/ui/bitmap.h"
#include "resources/artwork.h"

namespace {

struct Rgb {
  int r, g, b;
};

Rgb Mix(Rgb a, Rgb b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return {static_cast<int>(a.r + (b.r - a.r) * t), static_cast<int>(a.g + (b.g - a.g) * t),
          static_cast<int>(a.b + (b.b - a.b) * t)};
}

class Picture {
 public:
  Picture(int width, int height)
      : width_(width), height_(height), pixels_(static_cast<size_t>(width * height * 3)) {}
  int width() const { return width_; }
  int height() const { return height_; }
  void Set(int x, int y, Rgb c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    uint8_t* p = &pixels_[static_cast<size_t>((y * width_ + x) * 3)];
    p[0] = static_cast<uint8_t>(std::clamp(c.r, 0, 255));
    p[1] = static_cast<uint8_t>(std::clamp(c.g, 0, 255));
    p[2] = static_cast<uint8_t>(std::clamp(c.b, 0, 255));
  }
  void Fill(int left, int top, int right, int bottom, Rgb c) {
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) Set(x, y, c);
    }
  }
  TBitmap ToBitmap() const {
    TBitmap bitmap;
    bitmap.Assign(width_, height_, pixels_);
    return bitmap;
  }

 private:
  int width_;
  int height_;
  std::vector<uint8_t> pixels_;
};

// --- The bottom bar: a dark slate gradient under a light edge ---------------------------

Rgb BarColour(int y) {
  if (y == 0) return {150, 168, 190};
  if (y == 1) return {96, 114, 138};
  return Mix({62, 78, 100}, {24, 31, 44}, (y - 2) / 46.0);
}

Picture PaintBottomBar() {
  Picture picture(16, 49);
  for (int y = 0; y < picture.height(); ++y) picture.Fill(0, y, picture.width(), y + 1, BarColour(y));
  return picture;
}

// --- The exit button: a rounded plate with the word EXIT --------------------------------

// Letters 5 (or 3) pixels wide and 7 high, drawn at twice their size.
struct Glyph {
  int width;
  const char* rows[7];
};
constexpr Glyph kE{5, {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}};
constexpr Glyph kX{5, {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"}};
constexpr Glyph kI{3, {"###", ".#.", ".#.", ".#.", ".#.", ".#.", "###"}};
constexpr Glyph kT{5, {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}};

void PaintWord(Picture& picture, int left, int top, Rgb colour) {
  int x = left;
  for (const Glyph* glyph : {&kE, &kX, &kI, &kT}) {
    for (int row = 0; row < 7; ++row) {
      for (int column = 0; column < glyph->width; ++column) {
        if (glyph->rows[row][column] != '#') continue;
        picture.Fill(x + column * 2, top + row * 2, x + column * 2 + 2, top + row * 2 + 2, colour);
      }
    }
    x += glyph->width * 2 + 3;
  }
}

struct PlateStyle {
  Rgb top, bottom, border, text;
  int text_shift;  // the word moves down and right while pressed
};

// The button sits 12 pixels below the top of the bottom bar; its rounded corners show the
// bar behind them.
Picture PaintExitButton(const PlateStyle& style) {
  constexpr int kWidth = 78, kHeight = 26, kTopInBar = 12;
  Picture picture(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const bool edge = x == 0 || y == 0 || x == kWidth - 1 || y == kHeight - 1;
      const bool corner = (x == 0 || x == kWidth - 1) && (y == 0 || y == kHeight - 1);
      Rgb colour = edge ? style.border : Mix(style.top, style.bottom, y / (kHeight - 1.0));
      if (corner) colour = BarColour(kTopInBar + y);
      if (!edge && y == 1) colour = Mix(colour, {255, 255, 255}, 0.35);  // gloss line
      picture.Set(x, y, colour);
    }
  }
  const int word_width = 10 + 3 + 10 + 3 + 6 + 3 + 10;
  PaintWord(picture, (kWidth - word_width) / 2 + style.text_shift,
            (kHeight - 14) / 2 + style.text_shift, style.text);
  return picture;
}

// --- The default product picture: an airfield under an evening sky ---------------------

Picture PaintProductPicture() {
  constexpr int kWidth = 180, kHeight = 238, kHorizon = 132;
  Picture picture(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      Rgb colour;
      const double hills = kHorizon - 10 - 8 * std::sin(x / 23.0) - 5 * std::sin(x / 7.0 + 1);
      if (y < hills) {
        colour = Mix({34, 62, 128}, {236, 178, 112}, static_cast<double>(y) / kHorizon);
      } else if (y < kHorizon) {
        colour = Mix({70, 86, 110}, {92, 110, 120}, (y - hills) / 12.0);
      } else {
        const bool stripe = ((x + 2 * y) / 24) % 2 == 0;
        colour = stripe ? Rgb{74, 128, 62} : Rgb{92, 146, 70};
      }
      // The runway in perspective, with its centre line.
      const double half = (y - kHorizon) * 0.42 + 2;
      const double offset = std::abs(x - kWidth / 2.0);
      if (y > kHorizon && offset < half) {
        const bool marking = offset < 1.5 && (y / 9) % 2 == 0;
        colour = marking ? Rgb{240, 240, 232} : Rgb{76, 78, 82};
      }
      picture.Set(x, y, colour);
    }
  }
  // A small aircraft climbing out.
  const Rgb plane{30, 30, 40};
  picture.Fill(60, 58, 92, 61, plane);  // fuselage
  picture.Fill(72, 50, 77, 69, plane);  // wings
  picture.Fill(60, 54, 63, 65, plane);  // tail
  return picture;
}

// --- The window icon: a white aircraft on a blue tile -----------------------------------

Picture PaintWindowIcon() {
  Picture picture(32, 32);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const bool corner = (x < 2 || x > 29) && (y < 2 || y > 29);
      picture.Set(x, y, corner ? Rgb{212, 208, 200} : Mix({52, 110, 190}, {20, 50, 110}, y / 31.0));
    }
  }
  const Rgb white{250, 250, 250};
  picture.Fill(14, 4, 18, 28, white);  // fuselage
  picture.Fill(4, 13, 28, 17, white);  // wings
  picture.Fill(10, 24, 22, 27, white);  // tail
  return picture;
}

Picture Paint(resources::Artwork artwork) {
  switch (artwork) {
    case resources::Artwork::kProductPicture: return PaintProductPicture();
    case resources::Artwork::kBottomBar: return PaintBottomBar();
    case resources::Artwork::kExitNormal:
      return PaintExitButton({{92, 128, 176}, {40, 66, 108}, {18, 28, 44}, {232, 236, 242}, 0});
    case resources::Artwork::kExitOver:
      return PaintExitButton({{128, 168, 220}, {58, 96, 150}, {18, 28, 44}, {255, 255, 255}, 0});
    case resources::Artwork::kExitDown:
      return PaintExitButton({{34, 56, 94}, {70, 104, 150}, {10, 16, 26}, {214, 220, 230}, 1});
    case resources::Artwork::kWindowIcon: return PaintWindowIcon();
  }
  return Picture(0, 0);
}

bool WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: paint_artwork OUTPUT_FOLDER GENERATED_SOURCE.cpp\n");
    return 2;
  }
  const std::string folder = argv[1];
  std::string source =
      "// Generated by paint_artwork while building: the design's pictures as bitmap files.\n"
      "#include \"resources/artwork_files.h\"\n\nnamespace resources {\nnamespace {\n";
  std::string table;
  int index = 0;
  for (resources::Artwork artwork : resources::kAllArtwork) {
    const std::string name(resources::ArtworkFileName(artwork));
    const std::string bytes = Paint(artwork).ToBitmap().SaveToBytes();
    if (!WriteFile(folder + "/" + name, bytes)) {
      std::fprintf(stderr, "paint_artwork: cannot write %s/%s\n", folder.c_str(), name.c_str());
      return 1;
    }
    source += "const unsigned char kFile" + std::to_string(index) + "[] = {";
    for (size_t i = 0; i < bytes.size(); ++i) {
      if (i % 24 == 0) source += "\n";
      source += std::to_string(static_cast<unsigned char>(bytes[i])) + ",";
    }
    source += "\n};\n";
    table += "    {\"" + name + "\", kFile" + std::to_string(index) + ", sizeof kFile" +
             std::to_string(index) + "},\n";
    ++index;
  }
  source += "}  // namespace\n\nconst ArtworkFile kArtworkFiles[] = {\n" + table +
            "};\nconst size_t kArtworkFileCount = " + std::to_string(index) +
            ";\n\n}  // namespace resources\n";
  if (!WriteFile(argv[2], source)) {
    std::fprintf(stderr, "paint_artwork: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
