#include "platform/fltk/fltk_dialogs.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>

#include "platform/ui/types.h"

namespace fltk_ui {
namespace {

// The icon of a message box: a coloured disc with its sign.
class MessageIcon final : public Fl_Widget {
 public:
  MessageIcon(int x, int y, unsigned icon) : Fl_Widget(x, y, 32, 32), icon_(icon) {}
  void draw() override {
    Fl_Color disc = fl_rgb_color(0, 90, 200);
    const char* sign = "i";
    switch (icon_) {
      case MB_ICONERROR: disc = fl_rgb_color(200, 30, 30); sign = "X"; break;
      case MB_ICONQUESTION: sign = "?"; break;
      case MB_ICONEXCLAMATION: disc = fl_rgb_color(230, 180, 0); sign = "!"; break;
      default: break;
    }
    fl_color(disc);
    fl_pie(x(), y(), w(), h(), 0, 360);
    fl_color(FL_WHITE);
    fl_font(FL_HELVETICA_BOLD, 20);
    fl_draw(sign, x(), y(), w(), h(), FL_ALIGN_CENTER, nullptr, 0);
  }

 private:
  unsigned icon_;
};

struct Answer {
  int value;
  bool given = false;
};

void Answered(Fl_Widget* widget, void* data) {
  auto* answer = static_cast<Answer*>(data);
  answer->given = true;
  widget->window()->hide();
}

}  // namespace

int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags,
                   Fl_Window* owner) {
  const bool has_cancel = (flags & MB_BUTTONMASK) == MB_OKCANCEL;
  const unsigned icon = flags & MB_ICONMASK;
  constexpr int kMargin = 12, kIcon = 32, kButtonWidth = 75, kButtonHeight = 23;

  fl_font(FL_HELVETICA, 11);
  int text_width = 360;
  int text_height = 0;
  fl_measure(text.c_str(), text_width, text_height, 0);
  text_width = std::max(text_width, 1);
  const int text_left = kMargin + (icon != 0 ? kIcon + kMargin : 0);
  const int buttons_width = has_cancel ? 2 * kButtonWidth + 8 : kButtonWidth;
  const int body_height = std::max(text_height, icon != 0 ? kIcon : 0);
  const int width = std::max(text_left + text_width + kMargin, buttons_width + 2 * kMargin);
  const int height = kMargin + body_height + kMargin + kButtonHeight + kMargin;

  Answer ok{IDOK};
  Answer cancel{IDCANCEL};
  Fl_Window dialog(width, height);
  dialog.copy_label(caption.c_str());
  if (icon != 0) new MessageIcon(kMargin, kMargin, icon);
  auto* message = new Fl_Box(text_left, kMargin, text_width, body_height);
  message->copy_label(text.c_str());
  message->labelsize(11);
  message->align(FL_ALIGN_INSIDE | FL_ALIGN_LEFT | FL_ALIGN_WRAP);
  const int buttons_left = (width - buttons_width) / 2;
  const int buttons_top = height - kMargin - kButtonHeight;
  auto* ok_button = new Fl_Return_Button(buttons_left, buttons_top, kButtonWidth, kButtonHeight, "OK");
  ok_button->labelsize(11);
  ok_button->callback(Answered, &ok);
  if (has_cancel) {
    auto* cancel_button = new Fl_Button(buttons_left + kButtonWidth + 8, buttons_top,
                                        kButtonWidth, kButtonHeight, "Cancel");
    cancel_button->labelsize(11);
    cancel_button->callback(Answered, &cancel);
  }
  dialog.end();
  // Escape and the close box.
  dialog.callback([](Fl_Widget* window, void*) { window->hide(); });
  dialog.set_modal();
  if (owner != nullptr && owner->shown()) {
    dialog.position(owner->x() + (owner->w() - width) / 2, owner->y() + (owner->h() - height) / 2);
  } else {
    dialog.position((Fl::w() - width) / 2, (Fl::h() - height) / 2);
  }
  dialog.show();
  while (dialog.shown()) Fl::wait();
  if (ok.given) return IDOK;
  if (cancel.given) return IDCANCEL;
  return has_cancel ? IDCANCEL : IDOK;
}

int ShowPopupMenu(const std::vector<std::string>& captions, Fl_Window& window, int x, int y) {
  if (captions.empty()) return -1;
  std::vector<Fl_Menu_Item> items(captions.size() + 1);
  for (size_t i = 0; i < captions.size(); ++i) {
    items[i] = Fl_Menu_Item{};
    items[i].text = captions[i].c_str();
  }
  items.back() = Fl_Menu_Item{};
  window.make_current();
  const Fl_Menu_Item* chosen = items.front().popup(x, y);
  if (chosen == nullptr) return -1;
  return static_cast<int>(chosen - items.data());
}

}  // namespace fltk_ui
