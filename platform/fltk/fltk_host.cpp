#include "platform/fltk/fltk_host.h"

#include <FL/Fl.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Window.H>

#include <algorithm>
#include <vector>

#include "platform/fltk/fltk_containers.h"
#include "platform/fltk/fltk_dialogs.h"
#include "platform/fltk/fltk_draw.h"
#include "platform/fltk/fltk_widgets.h"
#include "platform/ui/forms.h"
#include "platform/ui/menus.h"

namespace fltk_ui {
namespace {

bool IsForm(const TControl& control) { return control.Kind() == ControlKind::kForm; }

// A page is shown while it is the active page of its page control.
bool ShownInParent(const TControl& control) {
  if (!control.Visible()) return false;
  if (control.Kind() != ControlKind::kTabSheet) return true;
  const auto& page = static_cast<const TTabSheet&>(control);
  return page.PageControl() == nullptr || page.PageControl()->ActivePage() == &page;
}

}  // namespace

FltkHost::FltkHost(std::string title) : title_(std::move(title)) {}

FltkHost::~FltkHost() {
  Fl::remove_timeout(OnPending, this);
  mirrors_.clear();
  window_.reset();
}

Mirror* FltkHost::Find(const TControl* control) const {
  auto it = mirrors_.find(control);
  return it != mirrors_.end() ? it->second : nullptr;
}

Fl_Window* FltkHost::Window() const {
  return window_ != nullptr ? static_cast<Fl_Window*>(&window_->widget()) : nullptr;
}

Fl_Group* FltkHost::ContainerFor(const TControl& control) const {
  for (const TWinControl* parent = control.Parent(); parent != nullptr; parent = parent->Parent()) {
    if (Mirror* mirror = Find(parent)) {
      if (Fl_Group* group = mirror->container()) return group;
    }
  }
  return nullptr;
}

void FltkHost::Insert(Mirror& mirror, Fl_Group& group) {
  if (!mirror.graphic()) {
    group.add(mirror.widget());
    return;
  }
  // Graphic controls lie beneath their windowed siblings.
  int index = 0;
  while (index < group.children()) {
    Mirror* sibling = MirrorOf(group.child(index));
    if (sibling == nullptr || !sibling->graphic()) break;
    ++index;
  }
  group.insert(mirror.widget(), index);
}

void FltkHost::Build(TControl& control) {
  Fl_Group* group = ContainerFor(control);
  if (group == nullptr || Find(&control) != nullptr) return;
  std::unique_ptr<Mirror> mirror = NewMirror(control);
  if (mirror == nullptr) return;
  Mirror* made = mirror.release();  // the group owns the widget from now on
  Insert(*made, *group);
  mirrors_[&control] = made;
  Sync(control, *made);
  if (const auto* container = dynamic_cast<const TWinControl*>(&control)) {
    for (TControl* child : container->Controls()) Build(*child);
  }
}

Placement FltkHost::DesignedPlacement(const TControl& control) const {
  Placement placement{control.Left(), control.Top(), control.Width(), control.Height()};
  for (const TWinControl* parent = control.Parent(); parent != nullptr && !IsForm(*parent);
       parent = parent->Parent()) {
    placement.x += parent->Left();
    placement.y += parent->Top();
  }
  return placement;
}

void FltkHost::Place(TControl& control, Mirror& mirror) {
  Fl_Widget& widget = mirror.widget();
  if (IsForm(control)) {
    const Placement size = mirror.Measure({});
    if (widget.w() != size.width || widget.h() != size.height) {
      widget.size(size.width, size.height);
    }
    return;
  }
  const Placement wanted = mirror.Measure(DesignedPlacement(control));
  const bool moved = widget.x() != wanted.x || widget.y() != wanted.y ||
                     widget.w() != wanted.width || widget.h() != wanted.height;
  if (moved) {
    if (widget.parent() != nullptr) widget.parent()->redraw();  // what the widget uncovers
    widget.resize(wanted.x, wanted.y, wanted.width, wanted.height);
  }
  const bool shown = ShownInParent(control);
  if (shown != (widget.visible() != 0)) {
    if (shown) {
      widget.show();
    } else {
      widget.hide();
    }
    if (widget.parent() != nullptr) widget.parent()->redraw();
  }
  if (control.Enabled()) {
    widget.activate();
  } else {
    widget.deactivate();
  }
  if (moved && mirror.container() != nullptr) PlaceChildren(control);
}

void FltkHost::PlaceChildren(const TControl& control) {
  const auto* container = dynamic_cast<const TWinControl*>(&control);
  if (container == nullptr) return;
  for (TControl* child : container->Controls()) {
    if (Mirror* mirror = Find(child)) {
      Place(*child, *mirror);
      PlaceChildren(*child);
    }
  }
}

void FltkHost::Sync(TControl& control, Mirror& mirror) {
  mirror.SyncState();
  Place(control, mirror);
  // A page control shows another page, or a container's children moved with it.
  if (mirror.container() != nullptr && !IsForm(control)) PlaceChildren(control);
}

void FltkHost::ControlChanged(TControl& control) {
  if (window_ == nullptr) return;  // nothing is drawn before the message loop runs
  if (PaintingNow()) {
    pending_.insert(&control);
    Fl::add_timeout(0.0, OnPending, this);
    return;
  }
  Mirror* mirror = Find(&control);
  if (mirror == nullptr) {
    Build(control);  // a control that has just been given a parent in the window
    return;
  }
  if (!IsForm(control)) {
    Fl_Group* group = ContainerFor(control);
    if (group == nullptr) {  // taken out of the window
      ControlDestroyed(control);
      return;
    }
    if (mirror->widget().parent() != group) {
      if (Fl_Group* old_group = mirror->widget().parent()) old_group->redraw();
      Insert(*mirror, *group);
    }
  }
  Sync(control, *mirror);
}

void FltkHost::OnPending(void* data) {
  auto* host = static_cast<FltkHost*>(data);
  std::set<TControl*> pending;
  pending.swap(host->pending_);
  for (TControl* control : pending) host->ControlChanged(*control);
}

void FltkHost::Forget(Mirror& mirror) {
  if (TControl* control = mirror.control()) mirrors_.erase(control);
  mirror.Forget();
  if (Fl_Group* group = mirror.widget().as_group()) {
    for (int i = 0; i < group->children(); ++i) {
      if (Mirror* child = MirrorOf(group->child(i))) Forget(*child);
    }
  }
}

void FltkHost::ControlDestroyed(TControl& control) {
  pending_.erase(&control);
  Mirror* mirror = Find(&control);
  if (mirror == nullptr) return;
  Forget(*mirror);
  if (mirror == window_.get()) return;  // the window goes when the loop ends
  Fl_Widget& widget = mirror->widget();
  if (Fl_Group* group = widget.parent()) {
    group->remove(widget);
    group->redraw();
  }
  Fl::delete_widget(&widget);
}

void FltkHost::RepaintNow(TControl& control) {
  ControlChanged(control);
  Fl_Window* window = Window();
  if (window != nullptr && window->shown()) Fl::flush();
}

void FltkHost::ApplyCursor() {
  Fl_Window* window = Window();
  if (window == nullptr || !window->shown()) return;
  window->cursor(cursor_ == TCursor::crHourGlass ? FL_CURSOR_WAIT : FL_CURSOR_DEFAULT);
  Fl::flush();
}

void FltkHost::CursorChanged(TCursor cursor) {
  cursor_ = cursor;
  ApplyCursor();
}

void FltkHost::OnTimer(void* data) {
  auto* timer = static_cast<TTimer*>(data);
  TApplication* application = TApplication::Current();
  if (application == nullptr) return;
  const auto& timers = application->Timers();
  if (std::find(timers.begin(), timers.end(), timer) == timers.end()) return;  // gone
  if (!timer->Enabled() || timer->Interval() <= 0) return;
  Fl::repeat_timeout(timer->Interval() / 1000.0, OnTimer, timer);
  RunEvent([timer] { timer->Tick(); });
}

void FltkHost::TimerChanged(TTimer& timer) {
  Fl::remove_timeout(OnTimer, &timer);
  if (timer.Enabled() && timer.Interval() > 0) {
    Fl::add_timeout(timer.Interval() / 1000.0, OnTimer, &timer);
  }
}

int FltkHost::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  return ShowMessageBox(text, caption, flags, Window());
}

void FltkHost::ShowError(const std::string& message) {
  ShowMessageBox(message, title_, MB_OK | MB_ICONERROR, Window());
}

int FltkHost::PopupMenu(const TPopupMenu& menu, TControl& control, int x, int y) {
  Fl_Window* window = Window();
  if (window == nullptr || !window->shown()) return -1;
  std::vector<std::string> captions;
  for (const TMenuItem& item : menu.Items) captions.push_back(item.Caption);
  const Placement at = DesignedPlacement(control);
  return ShowPopupMenu(captions, *window, at.x + x, at.y + y);
}

int FltkHost::Run(TApplication& application, TForm& main_form) {
  main_form_ = &main_form;
  window_ = NewFormWindow(main_form);
  mirrors_[&main_form] = window_.get();
  window_->SyncState();
  Place(main_form, *window_);
  for (TControl* child : main_form.Controls()) Build(*child);

  Fl_Window* window = Window();
  if (main_form.Position() == TPosition::poScreenCenter) {
    int x = 0, y = 0, width = 0, height = 0;
    Fl::screen_work_area(x, y, width, height);
    window->position(x + (width - window->w()) / 2, y + (height - window->h()) / 2);
  } else {
    window->position(main_form.Left(), main_form.Top());
  }
  application.HandleEvent([&main_form] { main_form.Show(); });
  if (!main_form.Closed()) {
    window->show();
    ApplyCursor();
  }
  while (!main_form.Closed() && window->shown()) Fl::wait();

  // The window and its widgets go; the controls stay until the program destroys them.
  window->hide();
  for (TTimer* timer : application.Timers()) Fl::remove_timeout(OnTimer, timer);
  Forget(*window_);
  window_.reset();
  mirrors_.clear();
  main_form_ = nullptr;
  Fl::flush();
  return 0;
}

}  // namespace fltk_ui
