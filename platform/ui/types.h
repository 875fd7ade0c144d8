// Basic types of the window framework stand-in: colours, fonts, alignment, cursors and the
// message-box codes, with the meanings the window designs give them.
#pragma once

#include <cstdint>
#include <string>

// A colour as 0x00BBGGRR.
using TColor = uint32_t;
constexpr TColor RGBColor(uint8_t red, uint8_t green, uint8_t blue) {
  return static_cast<TColor>(red) | (static_cast<TColor>(green) << 8) |
         (static_cast<TColor>(blue) << 16);
}
inline constexpr TColor clBlack = RGBColor(0, 0, 0);
inline constexpr TColor clWhite = RGBColor(255, 255, 255);
inline constexpr TColor clGray = RGBColor(128, 128, 128);
inline constexpr TColor clRed = RGBColor(255, 0, 0);
inline constexpr TColor clLime = RGBColor(0, 255, 0);
inline constexpr TColor clBtnFace = RGBColor(212, 208, 200);

// Where a control sits in its parent: placed by its bounds, or docked to an edge.
enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
// Horizontal alignment of a label's text.
enum class TAlignment { taLeftJustify, taCenter, taRightJustify };
// Vertical placement of a label's text.
enum class TTextLayout { tlTop, tlCenter, tlBottom };

enum class TCursor { crDefault, crHourGlass, crHelp };

enum class TShapeType { stRectangle, stCircle };

enum class TFormBorderStyle { bsSizeable, bsDialog, bsSingle, bsToolWindow };
enum class TPosition { poDesigned, poScreenCenter };

struct TFont {
  std::string Name = "MS Sans Serif";
  int Height = -11;  // negative: character height in pixels
  bool Bold = false;
  TColor Color = clBlack;
  bool operator==(const TFont&) const = default;
};

// A rectangle as left, top, right, bottom (right and bottom exclusive).
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool operator==(const TRect&) const = default;
};

// Message boxes: buttons, icons and answers (the values of the Windows message box).
inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_OKCANCEL = 0x1;
inline constexpr unsigned MB_ICONERROR = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;
inline constexpr unsigned MB_BUTTONMASK = 0xF;
inline constexpr unsigned MB_ICONMASK = 0xF0;
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
