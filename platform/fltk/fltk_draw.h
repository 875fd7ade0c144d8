// Drawing helpers shared by the FLTK renderer's widgets: colours, fonts, pictures and
// texts of the control model turned into FLTK's terms.
#pragma once

#include <FL/Enumerations.H>

#include <functional>
#include <string>

#include "platform/ui/bitmap.h"
#include "platform/ui/types.h"

namespace fltk_ui {

Fl_Color ToFlColor(TColor color);
Fl_Font ToFlFont(const TFont& font);
// FLTK's size for a font of the given height (negative: character height in pixels).
int ToFlSize(const TFont& font);
// Sets the current drawing font and colour to `font`.
void SetDrawFont(const TFont& font);

// A caption as FLTK must be given it: FLTK reads "@" as the start of a symbol, so it is
// doubled.
std::string EscapeLabel(const std::string& caption);

// Draws `picture` unscaled at x, y (window coordinates), clipped to the current clip area.
void DrawPicture(const TBitmap& picture, int x, int y);
// Draws `picture` scaled (nearest pixel) into the rectangle x, y, width, height.
void DrawPictureStretched(const TBitmap& picture, int x, int y, int width, int height);

// Whether a custom-drawn control is painting now. Changes it makes to itself meanwhile
// (a button sizing itself to its picture) are taken over right after the drawing.
bool PaintingNow();
class PaintingScope {
 public:
  PaintingScope();
  PaintingScope(const PaintingScope&) = delete;
  PaintingScope& operator=(const PaintingScope&) = delete;
  ~PaintingScope();

 private:
  bool previous_;
};

// Runs a handler of the model as the message loop does (errors go to the error box).
void RunEvent(const std::function<void()>& handler);

}  // namespace fltk_ui
