// Paints the demo product's picture, an airfield at dusk, as a 24-bit Windows bitmap.
// Usage: demo_picture OUTPUT.bmp
#include <cmath>
#include <cstdio>
#include <fstream>
#include <vector>

#include "platform/ui/bitmap.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: demo_picture OUTPUT.bmp\n");
    return 2;
  }
  const int width = 420;
  const int height = 460;
  std::vector<uint8_t> pixels(static_cast<size_t>(width * height * 3));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      uint8_t* p = &pixels[static_cast<size_t>((y * width + x) * 3)];
      const double horizon = 250 + 12 * std::sin(x / 37.0);
      if (y < horizon) {  // sky, from deep blue to a warm horizon
        double t = y / horizon;
        p[0] = static_cast<uint8_t>(30 + 200 * t);
        p[1] = static_cast<uint8_t>(50 + 110 * t);
        p[2] = static_cast<uint8_t>(120 + 40 * t);
      } else {  // fields
        bool stripe = ((x + y * 2) / 40) % 2 == 0;
        p[0] = static_cast<uint8_t>(stripe ? 60 : 80);
        p[1] = static_cast<uint8_t>(stripe ? 120 : 140);
        p[2] = static_cast<uint8_t>(stripe ? 50 : 60);
      }
      // The runway, seen in perspective.
      const double centre = width / 2.0;
      const double half = (y - 250) * 0.35;
      if (y > 262 && std::abs(x - centre) < half) {
        bool marking = std::abs(x - centre) < 3 && (y / 14) % 2 == 0;
        p[0] = p[1] = p[2] = static_cast<uint8_t>(marking ? 235 : 70);
      }
    }
  }
  TBitmap picture;
  picture.Assign(width, height, std::move(pixels));
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  const std::string bytes = picture.SaveToBytes();
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return out ? 0 : 1;
}
