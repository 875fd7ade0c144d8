// A canvas for tests: records every drawing call. Text is 6 pixels wide per character and
// 13 pixels high.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/canvas.h"

namespace testing_support {

class FakeCanvas final : public TCanvas {
 public:
  struct Call {
    enum Kind { kDraw, kStretchDraw, kTextOut } kind;
    TRect rect;          // where a picture went (right and bottom exclusive), or the text's corner
    TBitmap picture;     // the picture drawn
    std::string text;    // the text drawn
  };
  static constexpr int kCharWidth = 6;
  static constexpr int kTextHeight = 13;

  std::vector<Call> calls;

  void Draw(int x, int y, const TBitmap& picture) override {
    calls.push_back({Call::kDraw, {x, y, x + picture.Width(), y + picture.Height()}, picture, ""});
  }
  void StretchDraw(const TRect& rect, const TBitmap& picture) override {
    calls.push_back({Call::kStretchDraw, rect, picture, ""});
  }
  int TextWidth(const std::string& text) override {
    return static_cast<int>(text.size()) * kCharWidth;
  }
  int TextHeight(const std::string& /*text*/) override { return kTextHeight; }
  void TextOut(int x, int y, const std::string& text) override {
    calls.push_back({Call::kTextOut, {x, y, x, y}, {}, text});
  }
};

}  // namespace testing_support
