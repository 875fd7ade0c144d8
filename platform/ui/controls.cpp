#include "platform/ui/controls.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "platform/ui/forms.h"

namespace {

UiHost* CurrentHost() {
  TApplication* application = TApplication::Current();
  return application != nullptr ? &application->Host() : nullptr;
}

template <typename T>
bool Assign(T& field, T value) {
  if (field == value) return false;
  field = std::move(value);
  return true;
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

// --- TControl ---------------------------------------------------------------------------

TControl::TControl(TComponent* owner, std::string name, ControlKind kind)
    : TComponent(owner, std::move(name)), kind_(kind) {}

TControl::~TControl() {
  if (UiHost* host = CurrentHost()) host->ControlDestroyed(*this);
  if (parent_ != nullptr) {
    auto& list = parent_->controls_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
  }
}

void TControl::SetParent(TWinControl* parent) {
  if (parent_ == parent) return;
  if (parent_ != nullptr) {
    auto& list = parent_->controls_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    if (align_ != TAlign::alNone) parent_->AlignControls();
  }
  parent_ = parent;
  if (parent_ != nullptr) {
    parent_->controls_.push_back(this);
    if (align_ != TAlign::alNone) parent_->AlignControls();
  }
  Changed();
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  SetBoundsQuietly(left, top, width, height);
  if (align_ != TAlign::alNone && parent_ != nullptr) parent_->AlignControls();
}

void TControl::SetBoundsQuietly(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Changed();
}

void TControl::SetAlign(TAlign align) {
  if (!Assign(align_, align)) return;
  if (parent_ != nullptr) parent_->AlignControls();
  Changed();
}

void TControl::SetVisible(bool visible) {
  if (!Assign(visible_, visible)) return;
  if (align_ != TAlign::alNone && parent_ != nullptr) parent_->AlignControls();
  Changed();
}

void TControl::SetEnabled(bool enabled) {
  if (Assign(enabled_, enabled)) Changed();
}
void TControl::SetCaption(std::string caption) {
  if (Assign(caption_, std::move(caption))) Changed();
}
void TControl::SetHint(std::string hint) {
  if (Assign(hint_, std::move(hint))) Changed();
}
void TControl::SetFont(TFont font) {
  if (Assign(font_, std::move(font))) Changed();
}
void TControl::SetColor(TColor color) {
  if (Assign(color_, color)) Changed();
}
void TControl::SetCursor(TCursor cursor) {
  if (Assign(cursor_, cursor)) Changed();
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::Repaint() {
  if (UiHost* host = CurrentHost()) host->RepaintNow(*this);
}

bool TControl::Showing() const {
  for (const TControl* control = this; control != nullptr; control = control->parent_) {
    if (!control->visible_) return false;
  }
  return true;
}

void TControl::Changed() {
  if (UiHost* host = CurrentHost()) host->ControlChanged(*this);
}

// --- TWinControl ------------------------------------------------------------------------

TWinControl::~TWinControl() {
  // Children outliving their parent (members destroyed in another order) lose it quietly.
  for (TControl* child : controls_) child->parent_ = nullptr;
}

TRect TWinControl::ClientRect() const { return {0, 0, Width(), Height()}; }

void TWinControl::SetBounds(int left, int top, int width, int height) {
  bool resized = width != Width() || height != Height();
  TControl::SetBounds(left, top, width, height);
  if (resized) AlignControls();
}

void TWinControl::AlignControls() {
  TRect free = ClientRect();
  auto docked = [this](TAlign align) {
    std::vector<TControl*> list;
    for (TControl* child : controls_) {
      if (child->align_ == align && child->visible_) list.push_back(child);
    }
    return list;
  };
  auto place = [](TControl* child, int left, int top, int width, int height) {
    bool resized = width != child->width_ || height != child->height_;
    child->SetBoundsQuietly(left, top, width, height);
    if (auto* container = dynamic_cast<TWinControl*>(child); container != nullptr && resized) {
      container->AlignControls();
    }
  };

  auto tops = docked(TAlign::alTop);
  std::stable_sort(tops.begin(), tops.end(),
                   [](TControl* a, TControl* b) { return a->top_ < b->top_; });
  for (TControl* child : tops) {
    place(child, free.Left, free.Top, free.Width(), child->height_);
    free.Top += child->height_;
  }
  auto bottoms = docked(TAlign::alBottom);
  std::stable_sort(bottoms.begin(), bottoms.end(), [](TControl* a, TControl* b) {
    return a->top_ + a->height_ > b->top_ + b->height_;
  });
  for (TControl* child : bottoms) {
    free.Bottom -= child->height_;
    place(child, free.Left, free.Bottom, free.Width(), child->height_);
  }
  auto lefts = docked(TAlign::alLeft);
  std::stable_sort(lefts.begin(), lefts.end(),
                   [](TControl* a, TControl* b) { return a->left_ < b->left_; });
  for (TControl* child : lefts) {
    place(child, free.Left, free.Top, child->width_, free.Height());
    free.Left += child->width_;
  }
  auto rights = docked(TAlign::alRight);
  std::stable_sort(rights.begin(), rights.end(), [](TControl* a, TControl* b) {
    return a->left_ + a->width_ > b->left_ + b->width_;
  });
  for (TControl* child : rights) {
    free.Right -= child->width_;
    place(child, free.Right, free.Top, child->width_, free.Height());
  }
  for (TControl* child : docked(TAlign::alClient)) {
    place(child, free.Left, free.Top, free.Width(), free.Height());
  }
}

// --- Simple controls --------------------------------------------------------------------

TLabel::TLabel(TComponent* owner, std::string name)
    : TControl(owner, std::move(name), ControlKind::kLabel) {}
void TLabel::SetAlignment(TAlignment alignment) {
  if (Assign(alignment_, alignment)) Changed();
}
void TLabel::SetLayout(TTextLayout layout) {
  if (Assign(layout_, layout)) Changed();
}
void TLabel::SetWordWrap(bool word_wrap) {
  if (Assign(word_wrap_, word_wrap)) Changed();
}
void TLabel::SetAutoSize(bool auto_size) {
  if (Assign(auto_size_, auto_size)) Changed();
}
void TLabel::SetTransparent(bool transparent) {
  if (Assign(transparent_, transparent)) Changed();
}

TButton::TButton(TComponent* owner, std::string name)
    : TWinControl(owner, std::move(name), ControlKind::kButton) {}

TCheckBox::TCheckBox(TComponent* owner, std::string name)
    : TWinControl(owner, std::move(name), ControlKind::kCheckBox) {}

void TCheckBox::SetChecked(bool checked) {
  if (!Assign(checked_, checked)) return;
  Changed();
  Click();
}

TPanel::TPanel(TComponent* owner, std::string name)
    : TWinControl(owner, std::move(name), ControlKind::kPanel) {}
void TPanel::SetRaised(bool raised) {
  if (Assign(raised_, raised)) Changed();
}

TGroupBox::TGroupBox(TComponent* owner, std::string name)
    : TWinControl(owner, std::move(name), ControlKind::kGroupBox) {}

TRect TGroupBox::ClientRect() const {
  // The caption line (13 pixels for the 8-point font) and a 2-pixel frame.
  return {2, 15, Width() - 2, Height() - 2};
}

TImage::TImage(TComponent* owner, std::string name)
    : TControl(owner, std::move(name), ControlKind::kImage) {}

void TImage::SetPicture(TBitmap picture) {
  picture_ = std::move(picture);
  if (auto_size_ && !stretch_) SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
  Changed();
}

bool TImage::LoadFromFile(platform::FileSystem& files, const std::string& path) {
  TBitmap picture;
  if (!picture.LoadFromFile(files, path)) return false;
  SetPicture(std::move(picture));
  return true;
}

void TImage::SetAutoSize(bool auto_size) {
  if (!Assign(auto_size_, auto_size)) return;
  if (auto_size_ && !stretch_ && !picture_.Empty()) {
    SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
  }
  Changed();
}
void TImage::SetStretch(bool stretch) {
  if (Assign(stretch_, stretch)) Changed();
}

TShape::TShape(TComponent* owner, std::string name)
    : TControl(owner, std::move(name), ControlKind::kShape) {}
void TShape::SetShape(TShapeType shape) {
  if (Assign(shape_, shape)) Changed();
}
void TShape::SetBrushColor(TColor color) {
  if (Assign(brush_color_, color)) Changed();
}

TProgressBar::TProgressBar(TComponent* owner, std::string name)
    : TWinControl(owner, std::move(name), ControlKind::kProgressBar) {}
void TProgressBar::SetMax(int max) {
  bool changed = Assign(max_, max);
  changed = Assign(position_, std::clamp(position_, min_, std::max(min_, max_))) || changed;
  if (changed) Changed();
}
void TProgressBar::SetPosition(int position) {
  if (Assign(position_, std::clamp(position, min_, std::max(min_, max_)))) Changed();
}

TEdit::TEdit(TComponent* owner, std::string name)
    : TWinControl(owner, std::move(name), ControlKind::kEdit) {}

// --- TListBox ---------------------------------------------------------------------------

TListBox::TListBox(TComponent* owner, std::string name)
    : TWinControl(owner, std::move(name), ControlKind::kListBox) {}

int TListBox::AddItem(std::string text) {
  auto at = items_.end();
  if (sorted_) at = std::upper_bound(items_.begin(), items_.end(), text, LessIgnoringCase);
  int index = static_cast<int>(at - items_.begin());
  items_.insert(at, std::move(text));
  if (item_index_ >= index) ++item_index_;
  Changed();
  return index;
}

void TListBox::SetItem(int index, std::string text) {
  if (index < 0 || index >= Count()) return;
  if (Assign(items_[static_cast<size_t>(index)], std::move(text))) Changed();
}

void TListBox::Clear() {
  items_.clear();
  item_index_ = -1;
  Changed();
}

void TListBox::SetSorted(bool sorted) {
  if (!Assign(sorted_, sorted)) return;
  if (sorted_) std::stable_sort(items_.begin(), items_.end(), LessIgnoringCase);
  Changed();
}

void TListBox::SetItemIndex(int index) {
  if (index < 0 || index >= Count()) index = -1;
  if (Assign(item_index_, index)) Changed();
}

void TListBox::SelectByUser(int index) {
  SetItemIndex(index);
  Click();
}

// --- Pages ------------------------------------------------------------------------------

TPageControl::TPageControl(TComponent* owner, std::string name)
    : TWinControl(owner, std::move(name), ControlKind::kPageControl) {}

TPageControl::~TPageControl() {
  for (TTabSheet* page : pages_) page->page_control_ = nullptr;
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page != nullptr && page->PageControl() != this) return;
  if (!Assign(active_page_, page)) return;
  Changed();
}

TRect TPageControl::ClientRect() const {
  // The tabs take the top 24 pixels; a 4-pixel frame surrounds the page.
  return {4, 24, Width() - 4, Height() - 4};
}

TTabSheet::TTabSheet(TComponent* owner, std::string name)
    : TWinControl(owner, std::move(name), ControlKind::kTabSheet) {
  SetAlign(TAlign::alClient);
}

TTabSheet::~TTabSheet() {
  if (page_control_ != nullptr) {
    auto& pages = page_control_->pages_;
    pages.erase(std::remove(pages.begin(), pages.end(), this), pages.end());
    if (page_control_->active_page_ == this) page_control_->active_page_ = nullptr;
  }
}

void TTabSheet::SetPageControl(TPageControl* page_control) {
  if (page_control_ == page_control) return;
  if (page_control_ != nullptr) {
    auto& pages = page_control_->pages_;
    pages.erase(std::remove(pages.begin(), pages.end(), this), pages.end());
    if (page_control_->active_page_ == this) page_control_->active_page_ = nullptr;
  }
  page_control_ = page_control;
  if (page_control_ != nullptr) {
    page_control_->pages_.push_back(this);
    if (page_control_->active_page_ == nullptr) page_control_->active_page_ = this;
  }
  SetParent(page_control);
}

void TTabSheet::SetTabVisible(bool visible) {
  if (Assign(tab_visible_, visible)) Changed();
}
