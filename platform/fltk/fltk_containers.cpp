#include "platform/fltk/fltk_containers.h"

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/fl_draw.H>

#include <vector>

#include "platform/fltk/fltk_draw.h"
#include "platform/ui/forms.h"

namespace fltk_ui {
namespace {

// A group whose children are placed by the host from the model: FLTK neither moves nor
// resizes them with the group.
class ContainerWidget : public Fl_Group, public Mirror {
 public:
  explicit ContainerWidget(TControl& control) : Fl_Group(0, 0, 0, 0), Mirror(control) {
    end();
    resizable(nullptr);
    clip_children(1);
  }
  Fl_Widget& widget() override { return *this; }
  Fl_Group* container() override { return this; }
  void resize(int x, int y, int width, int height) override {
    Fl_Widget::resize(x, y, width, height);
  }
  void SyncState() override {
    if (control() == nullptr) return;
    copy_tooltip(control()->Hint().empty() ? nullptr : control()->Hint().c_str());
    color(ToFlColor(control()->Color()));
    redraw();
  }
  void draw() override {
    if (control() != nullptr && (damage() & ~FL_DAMAGE_CHILD) != 0) DrawBackground();
    draw_children();
  }

 protected:
  virtual void DrawBackground() { fl_rectf(x(), y(), w(), h(), color()); }
};

class PanelWidget final : public ContainerWidget {
 public:
  explicit PanelWidget(TPanel& panel) : ContainerWidget(panel), panel_(panel) {}

 protected:
  void DrawBackground() override {
    fl_draw_box(panel_.Raised() ? FL_THIN_UP_BOX : FL_FLAT_BOX, x(), y(), w(), h(), color());
  }

 private:
  TPanel& panel_;
};

// A frame with the caption set into its top edge.
class GroupBoxWidget final : public ContainerWidget {
 public:
  explicit GroupBoxWidget(TGroupBox& group) : ContainerWidget(group), group_(group) {}

 protected:
  void DrawBackground() override {
    fl_rectf(x(), y(), w(), h(), color());
    SetDrawFont(group_.Font());
    const int text_height = fl_height();
    fl_draw_box(FL_ENGRAVED_FRAME, x(), y() + text_height / 2, w(), h() - text_height / 2,
                color());
    const std::string& caption = group_.Caption();
    if (caption.empty()) return;
    const int text_width = static_cast<int>(fl_width(caption.c_str()) + 0.5);
    fl_rectf(x() + 7, y(), text_width + 2, text_height, color());
    SetDrawFont(group_.Font());
    if (!group_.Enabled()) fl_color(FL_INACTIVE_COLOR);
    fl_draw(caption.c_str(), x() + 8, y() + fl_height() - fl_descent());
  }

 private:
  TGroupBox& group_;
};

// The tabs of the pages whose tab is offered, in page order, over a frame around the
// active page. A click on a tab or Ctrl+Tab (Ctrl+Shift+Tab) brings a page to the front.
class PageControlWidget final : public ContainerWidget {
 public:
  explicit PageControlWidget(TPageControl& pages) : ContainerWidget(pages), pages_(pages) {}

  int handle(int event) override {
    if (control() == nullptr) return ContainerWidget::handle(event);
    if (event == FL_PUSH && Fl::event_y() < y() + kTabHeight) {
      for (const Tab& tab : Tabs()) {
        if (Fl::event_x() >= tab.x && Fl::event_x() < tab.x + tab.width) {
          Select(tab.page);
          return 1;
        }
      }
    }
    if ((event == FL_SHORTCUT || event == FL_KEYBOARD) && Fl::event_key() == FL_Tab &&
        Fl::event_state(FL_CTRL) != 0) {
      Step(Fl::event_state(FL_SHIFT) != 0 ? -1 : 1);
      return 1;
    }
    return ContainerWidget::handle(event);
  }

 protected:
  void DrawBackground() override {
    TControl* parent = pages_.Parent();
    const Fl_Color background = ToFlColor(parent != nullptr ? parent->Color() : pages_.Color());
    fl_rectf(x(), y(), w(), h(), background);
    fl_draw_box(FL_THIN_UP_BOX, x(), y() + kTabHeight, w(), h() - kTabHeight, color());
    for (const Tab& tab : Tabs()) {
      const bool active = tab.page == pages_.ActivePage();
      const int top = active ? y() : y() + 2;
      const int left = active ? tab.x - 2 : tab.x;
      const int width = active ? tab.width + 4 : tab.width;
      const int height = kTabHeight - (top - y()) + (active ? 1 : 0);
      fl_rectf(left, top, width, height, color());
      fl_color(FL_WHITE);
      fl_yxline(left, top + height - 1, top + 2, left + 2, top);
      fl_xyline(left + 2, top, left + width - 3);
      fl_color(FL_DARK3);
      fl_yxline(left + width - 2, top + 1, top + height - 1);
      fl_color(FL_BLACK);
      fl_yxline(left + width - 1, top + 2, top + height - 1);
      SetDrawFont(pages_.Font());
      const std::string& caption = tab.page->Caption();
      fl_draw(caption.c_str(), left, top + 2, width, kTabHeight - 4, FL_ALIGN_CENTER, nullptr, 0);
    }
  }

 private:
  static constexpr int kTabHeight = 22;
  static constexpr int kTabPadding = 12;

  struct Tab {
    TTabSheet* page;
    int x;
    int width;
  };

  std::vector<Tab> Tabs() {
    std::vector<Tab> tabs;
    SetDrawFont(pages_.Font());
    int left = x() + 2;
    for (TTabSheet* page : pages_.Pages()) {
      if (!page->TabVisible()) continue;
      const int width = static_cast<int>(fl_width(page->Caption().c_str()) + 0.5) + kTabPadding;
      tabs.push_back({page, left, width});
      left += width;
    }
    return tabs;
  }

  void Step(int direction) {
    std::vector<Tab> tabs = Tabs();
    if (tabs.empty()) return;
    int current = 0;
    for (size_t i = 0; i < tabs.size(); ++i) {
      if (tabs[i].page == pages_.ActivePage()) current = static_cast<int>(i);
    }
    const int count = static_cast<int>(tabs.size());
    Select(tabs[static_cast<size_t>(((current + direction) % count + count) % count)].page);
  }

  void Select(TTabSheet* page) {
    TPageControl* pages = &pages_;
    RunEvent([pages, page] { pages->SetActivePage(page); });
  }

  TPageControl& pages_;
};

class FormWindow final : public Fl_Double_Window, public Mirror {
 public:
  explicit FormWindow(TForm& form)
      : Fl_Double_Window(form.ClientWidth(), form.ClientHeight()), Mirror(form), form_(form) {
    end();
    resizable(nullptr);
    callback([](Fl_Widget* widget, void*) {
      auto* self = static_cast<FormWindow*>(widget);
      // Escape does not close a window of this framework; the close box does.
      if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
      if (self->control() == nullptr) return;
      TForm* closing = &self->form_;
      RunEvent([closing] { closing->Close(); });
    });
  }
  Fl_Widget& widget() override { return *this; }
  Fl_Group* container() override { return this; }
  Placement Measure(Placement designed) override {
    designed.x = x();
    designed.y = y();
    designed.width = form_.ClientWidth();
    designed.height = form_.ClientHeight();
    return designed;
  }
  void SyncState() override {
    copy_label(form_.Caption().c_str());
    color(ToFlColor(form_.Color()));
    size_range(form_.ClientWidth(), form_.ClientHeight(), form_.ClientWidth(),
               form_.ClientHeight());
    if (!form_.Icon().Empty() && icon_pixels_ != form_.Icon().Pixels()) {
      icon_pixels_ = form_.Icon().Pixels();
      icon_image_ = std::make_unique<Fl_RGB_Image>(icon_pixels_.data(), form_.Icon().Width(),
                                                   form_.Icon().Height(), 3);
      icon(icon_image_.get());
    }
    if (form_.Closed()) hide();
    redraw();
  }

 private:
  TForm& form_;
  std::vector<uint8_t> icon_pixels_;
  std::unique_ptr<Fl_RGB_Image> icon_image_;
};

}  // namespace

std::unique_ptr<Mirror> NewContainerMirror(TControl& control) {
  switch (control.Kind()) {
    case ControlKind::kPanel: return std::make_unique<PanelWidget>(static_cast<TPanel&>(control));
    case ControlKind::kGroupBox:
      return std::make_unique<GroupBoxWidget>(static_cast<TGroupBox&>(control));
    case ControlKind::kPageControl:
      return std::make_unique<PageControlWidget>(static_cast<TPageControl&>(control));
    case ControlKind::kForm: return NewFormWindow(static_cast<TForm&>(control));
    default: return std::make_unique<ContainerWidget>(control);
  }
}

std::unique_ptr<Mirror> NewFormWindow(TForm& form) { return std::make_unique<FormWindow>(form); }

}  // namespace fltk_ui
