// The mirrors of the simple controls: labels, pictures, shapes, buttons, check boxes,
// lists, progress bars and edit fields. Containers are in fltk_containers.cpp.
#include "platform/fltk/fltk_widgets.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Progress.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/fltk/fltk_containers.h"
#include "platform/fltk/fltk_custom.h"
#include "platform/fltk/fltk_draw.h"
#include "platform/ui/forms.h"

namespace fltk_ui {
namespace {

void SetTooltip(Fl_Widget& widget, const TControl& control) {
  widget.copy_tooltip(control.Hint().empty() ? nullptr : control.Hint().c_str());
}

// Takes over caption, font and colour for a widget that draws its label itself.
void SyncLabel(Fl_Widget& widget, const TControl& control) {
  widget.copy_label(EscapeLabel(control.Caption()).c_str());
  widget.labelfont(ToFlFont(control.Font()));
  widget.labelsize(ToFlSize(control.Font()));
  widget.labelcolor(ToFlColor(control.Font().Color));
  widget.color(ToFlColor(control.Color()));
  SetTooltip(widget, control);
}

// Graphic controls are drawn by their parent; redrawing them means redrawing it.
void RedrawGraphic(Fl_Widget& widget) {
  if (widget.parent() != nullptr) {
    widget.parent()->redraw();
  } else {
    widget.redraw();
  }
}

void ShowCursor(Fl_Widget& widget, TCursor cursor) {
  TApplication* application = TApplication::Current();
  if (application != nullptr && application->Cursor() != TCursor::crDefault) return;
  if (Fl_Window* window = widget.window()) {
    window->cursor(cursor == TCursor::crHelp ? FL_CURSOR_HELP : FL_CURSOR_DEFAULT);
  }
}

// The pointer over a graphic control: its cursor, its hint, and a click or double click
// when a handler is bound.
int HandleGraphicMouse(Fl_Widget& widget, TControl& control, int event) {
  switch (event) {
    case FL_ENTER:
    case FL_MOVE:
      ShowCursor(widget, control.Cursor());
      return 1;
    case FL_LEAVE:
      ShowCursor(widget, TCursor::crDefault);
      return 1;
    case FL_PUSH:
      return control.OnClick || control.OnDblClick ? 1 : 0;
    case FL_RELEASE:
      if (!Fl::event_inside(&widget)) return 1;
      if (Fl::event_clicks() != 0 && control.OnDblClick) {
        RunEvent([&control] { control.DblClick(); });
      } else {
        RunEvent([&control] { control.Click(); });
      }
      return 1;
    default:
      return 0;
  }
}

Fl_Align LabelAlign(const TLabel& label) {
  Fl_Align align = FL_ALIGN_INSIDE | FL_ALIGN_CLIP;
  switch (label.Alignment()) {
    case TAlignment::taLeftJustify: align |= FL_ALIGN_LEFT; break;
    case TAlignment::taCenter: break;
    case TAlignment::taRightJustify: align |= FL_ALIGN_RIGHT; break;
  }
  switch (label.Layout()) {
    case TTextLayout::tlTop: align |= FL_ALIGN_TOP; break;
    case TTextLayout::tlCenter: break;
    case TTextLayout::tlBottom: align |= FL_ALIGN_BOTTOM; break;
  }
  if (label.WordWrap()) align |= FL_ALIGN_WRAP;
  return align;
}

class LabelWidget final : public Fl_Widget, public Mirror {
 public:
  explicit LabelWidget(TLabel& label) : Fl_Widget(0, 0, 0, 0), Mirror(label), label_(label) {}
  Fl_Widget& widget() override { return *this; }
  bool graphic() const override { return true; }

  Placement Measure(Placement designed) override {
    if (!label_.AutoSize()) return designed;
    SetDrawFont(label_.Font());
    int width = 0;
    int height = 0;
    fl_measure(label_.Caption().c_str(), width, height, 0);
    designed.width = width;
    designed.height = std::max(height, fl_height());
    return designed;
  }
  void SyncState() override {
    SetTooltip(*this, label_);
    RedrawGraphic(*this);
  }
  void draw() override {
    if (control() == nullptr) return;
    if (!label_.Transparent()) {
      fl_rectf(x(), y(), w(), h(), ToFlColor(label_.Color()));
    }
    SetDrawFont(label_.Font());
    if (!label_.Enabled()) fl_color(FL_INACTIVE_COLOR);
    fl_draw(label_.Caption().c_str(), x(), y(), w(), h(), LabelAlign(label_), nullptr, 0);
  }
  int handle(int event) override {
    return control() == nullptr ? 0 : HandleGraphicMouse(*this, label_, event);
  }

 private:
  TLabel& label_;
};

class ImageWidget final : public Fl_Widget, public Mirror {
 public:
  explicit ImageWidget(TImage& image) : Fl_Widget(0, 0, 0, 0), Mirror(image), image_(image) {}
  Fl_Widget& widget() override { return *this; }
  bool graphic() const override { return true; }
  void SyncState() override {
    SetTooltip(*this, image_);
    RedrawGraphic(*this);
  }
  void draw() override {
    if (control() == nullptr) return;
    if (image_.Stretch()) {
      DrawPictureStretched(image_.Picture(), x(), y(), w(), h());
      return;
    }
    fl_push_clip(x(), y(), w(), h());
    DrawPicture(image_.Picture(), x(), y());
    fl_pop_clip();
  }
  int handle(int event) override {
    return control() == nullptr ? 0 : HandleGraphicMouse(*this, image_, event);
  }

 private:
  TImage& image_;
};

class ShapeWidget final : public Fl_Widget, public Mirror {
 public:
  explicit ShapeWidget(TShape& shape) : Fl_Widget(0, 0, 0, 0), Mirror(shape), shape_(shape) {}
  Fl_Widget& widget() override { return *this; }
  bool graphic() const override { return true; }
  void SyncState() override {
    SetTooltip(*this, shape_);
    RedrawGraphic(*this);
  }
  void draw() override {
    if (control() == nullptr) return;
    if (shape_.Shape() == TShapeType::stCircle) {
      // A circle as large as the shorter side, centred.
      const int diameter = std::min(w(), h());
      const int left = x() + (w() - diameter) / 2;
      const int top = y() + (h() - diameter) / 2;
      fl_color(ToFlColor(shape_.BrushColor()));
      fl_pie(left, top, diameter, diameter, 0, 360);
      fl_color(FL_BLACK);
      fl_arc(left, top, diameter, diameter, 0, 360);
      return;
    }
    fl_rectf(x(), y(), w(), h(), ToFlColor(shape_.BrushColor()));
    fl_rect(x(), y(), w(), h(), FL_BLACK);
  }

 private:
  TShape& shape_;
};

class ButtonWidget final : public Fl_Button, public Mirror {
 public:
  explicit ButtonWidget(TButton& button) : Fl_Button(0, 0, 0, 0), Mirror(button) {
    callback([](Fl_Widget* widget, void*) {
      TControl* control = MirrorOf(widget)->control();
      if (control != nullptr) RunEvent([control] { control->Click(); });
    });
  }
  Fl_Widget& widget() override { return *this; }
  void SyncState() override {
    SyncLabel(*this, *control());
    color(FL_BACKGROUND_COLOR);
    redraw();
  }
};

class CheckWidget final : public Fl_Check_Button, public Mirror {
 public:
  explicit CheckWidget(TCheckBox& box) : Fl_Check_Button(0, 0, 0, 0), Mirror(box), box_(box) {
    callback([](Fl_Widget* widget, void*) {
      auto* self = static_cast<CheckWidget*>(widget);
      if (self->control() == nullptr) return;
      // The model holds the mark: it changes it and raises the click.
      TCheckBox* clicked = &self->box_;
      self->value(clicked->Checked() ? 1 : 0);
      RunEvent([clicked] { clicked->Toggle(); });
    });
  }
  Fl_Widget& widget() override { return *this; }
  void SyncState() override {
    SyncLabel(*this, box_);
    value(box_.Checked() ? 1 : 0);
    redraw();
  }

 private:
  TCheckBox& box_;
};

class ListWidget final : public Fl_Hold_Browser, public Mirror {
 public:
  explicit ListWidget(TListBox& list) : Fl_Hold_Browser(0, 0, 0, 0), Mirror(list), list_(list) {
    format_char(0);  // entries are plain text
    when(FL_WHEN_NEVER);
  }
  Fl_Widget& widget() override { return *this; }
  void SyncState() override {
    textfont(ToFlFont(list_.Font()));
    textsize(ToFlSize(list_.Font()));
    SetTooltip(*this, list_);
    if (shown_ != list_.Items()) {
      shown_ = list_.Items();
      clear();
      for (const std::string& item : shown_) add(item.c_str());
    }
    if (list_.ItemIndex() >= 0) {
      value(list_.ItemIndex() + 1);
    } else {
      deselect();
    }
    redraw();
  }
  int handle(int event) override {
    if (control() == nullptr) return Fl_Hold_Browser::handle(event);
    const int before = value();
    const bool on_item = event == FL_PUSH && find_item(Fl::event_y()) != nullptr;
    const bool double_click = event == FL_PUSH && Fl::event_clicks() != 0;
    const int result = Fl_Hold_Browser::handle(event);
    if (control() == nullptr) return result;
    const int after = value();
    TListBox* list = &list_;
    if (on_item && after > 0) {
      if (double_click) {
        RunEvent([list] { list->DblClick(); });
      } else {
        RunEvent([list, after] { list->SelectByUser(after - 1); });
      }
    } else if (event == FL_KEYBOARD && after != before && after > 0) {
      RunEvent([list, after] { list->SelectByUser(after - 1); });
    }
    return result;
  }

 private:
  TListBox& list_;
  std::vector<std::string> shown_;
};

class ProgressWidget final : public Fl_Progress, public Mirror {
 public:
  explicit ProgressWidget(TProgressBar& bar) : Fl_Progress(0, 0, 0, 0), Mirror(bar), bar_(bar) {
    box(FL_THIN_DOWN_BOX);
    color(FL_WHITE);
    selection_color(fl_rgb_color(0, 0, 128));
  }
  Fl_Widget& widget() override { return *this; }
  void SyncState() override {
    minimum(static_cast<float>(bar_.Min()));
    maximum(static_cast<float>(std::max(bar_.Max(), bar_.Min() + 1)));
    value(static_cast<float>(bar_.Position()));
    SetTooltip(*this, bar_);
    redraw();
  }

 private:
  TProgressBar& bar_;
};

class EditWidget final : public Fl_Input, public Mirror {
 public:
  explicit EditWidget(TEdit& edit) : Fl_Input(0, 0, 0, 0), Mirror(edit), edit_(edit) {
    when(FL_WHEN_CHANGED);
    callback([](Fl_Widget* widget, void*) {
      auto* self = static_cast<EditWidget*>(widget);
      if (self->control() == nullptr) return;
      TEdit* typed = &self->edit_;
      std::string text = self->value();
      RunEvent([typed, text] { typed->SetText(text); });
    });
  }
  Fl_Widget& widget() override { return *this; }
  void SyncState() override {
    textfont(ToFlFont(edit_.Font()));
    textsize(ToFlSize(edit_.Font()));
    SetTooltip(*this, edit_);
    if (edit_.Text() != value()) value(edit_.Text().c_str());
    redraw();
  }

 private:
  TEdit& edit_;
};

}  // namespace

std::unique_ptr<Mirror> NewMirror(TControl& control) {
  switch (control.Kind()) {
    case ControlKind::kLabel: return std::make_unique<LabelWidget>(static_cast<TLabel&>(control));
    case ControlKind::kImage: return std::make_unique<ImageWidget>(static_cast<TImage&>(control));
    case ControlKind::kShape: return std::make_unique<ShapeWidget>(static_cast<TShape&>(control));
    case ControlKind::kButton:
      return std::make_unique<ButtonWidget>(static_cast<TButton&>(control));
    case ControlKind::kCheckBox:
      return std::make_unique<CheckWidget>(static_cast<TCheckBox&>(control));
    case ControlKind::kListBox:
      return std::make_unique<ListWidget>(static_cast<TListBox&>(control));
    case ControlKind::kProgressBar:
      return std::make_unique<ProgressWidget>(static_cast<TProgressBar&>(control));
    case ControlKind::kEdit: return std::make_unique<EditWidget>(static_cast<TEdit&>(control));
    case ControlKind::kPanel:
    case ControlKind::kGroupBox:
    case ControlKind::kTabSheet:
    case ControlKind::kPageControl:
    case ControlKind::kForm:
      return NewContainerMirror(control);
    case ControlKind::kCustom: return NewCustomMirror(control);
  }
  return nullptr;
}

Mirror* MirrorOf(Fl_Widget* widget) { return dynamic_cast<Mirror*>(widget); }

}  // namespace fltk_ui
