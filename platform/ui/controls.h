// The controls of the window framework stand-in: a headless model of each control with
// the behaviour that the programs' handlers rely on. Whatever draws the window (a
// renderer, or nothing) learns of every change through the application's host (host.h);
// the model never waits for it.
//
// Semantics kept from the original framework:
//   - setting a check box's mark to a different value raises its OnClick; setting the same
//     value raises nothing;
//   - setting a list's ItemIndex raises nothing; a selection by the user raises OnClick;
//   - controls docked to an edge (Align) are placed by their parent, edge by edge in the
//     order top, bottom, left, right, then the client area;
//   - Repaint() draws a control at once, even while a handler keeps the window busy.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/ui/bitmap.h"
#include "platform/ui/component.h"
#include "platform/ui/types.h"

class TWinControl;

// The kind of a control, so that a renderer can draw it without guessing.
enum class ControlKind {
  kForm, kLabel, kButton, kCheckBox, kListBox, kPanel, kGroupBox, kImage, kShape,
  kProgressBar, kEdit, kPageControl, kTabSheet, kCustom
};

class TControl : public TComponent {
 public:
  TControl(TComponent* owner, std::string name, ControlKind kind);
  ~TControl() override;

  ControlKind Kind() const { return kind_; }

  TWinControl* Parent() const { return parent_; }
  void SetParent(TWinControl* parent);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
  void SetTop(int top) { SetBounds(left_, top, width_, height_); }
  void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
  void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
  virtual void SetBounds(int left, int top, int width, int height);

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // The caption of labels, buttons, check boxes, group boxes, pages and forms; the text of
  // edit fields.
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  const std::string& Hint() const { return hint_; }
  void SetHint(std::string hint);
  const TFont& Font() const { return font_; }
  void SetFont(TFont font);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  // The mouse cursor shown over the control.
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor);

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;

  // Raises OnClick, as a click does.
  virtual void Click();
  // Raises OnDblClick, as a double click does.
  void DblClick();
  // Draws the control at once, even while a handler keeps the window busy.
  void Repaint();

  // The control and all its parents are visible.
  bool Showing() const;

 protected:
  // Tells whoever draws the window that something about this control changed.
  void Changed();
  // Sets the bounds without asking the parent to place its docked controls again.
  void SetBoundsQuietly(int left, int top, int width, int height);

 private:
  friend class TWinControl;
  ControlKind kind_;
  TWinControl* parent_ = nullptr;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  TAlign align_ = TAlign::alNone;
  bool visible_ = true;
  bool enabled_ = true;
  std::string caption_;
  std::string hint_;
  TFont font_;
  TColor color_ = clBtnFace;
  TCursor cursor_ = TCursor::crDefault;
};

// A control that holds other controls.
class TWinControl : public TControl {
 public:
  using TControl::TControl;
  ~TWinControl() override;

  // The child controls, in the order they were given this parent.
  const std::vector<TControl*>& Controls() const { return controls_; }
  // The area of the control in which its children lie, in its own coordinates.
  virtual TRect ClientRect() const;
  // Places the children docked to an edge (see TAlign).
  void AlignControls();

  void SetBounds(int left, int top, int width, int height) override;

 private:
  friend class TControl;
  std::vector<TControl*> controls_;
};

class TLabel : public TControl {
 public:
  TLabel(TComponent* owner, std::string name);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout layout);
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool word_wrap);
  // Sized to its text by whatever draws it.
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool auto_size);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);

 private:
  TAlignment alignment_ = TAlignment::taLeftJustify;
  TTextLayout layout_ = TTextLayout::tlTop;
  bool word_wrap_ = false;
  bool auto_size_ = true;
  bool transparent_ = false;
};

class TButton : public TWinControl {
 public:
  TButton(TComponent* owner, std::string name);
};

class TCheckBox : public TWinControl {
 public:
  TCheckBox(TComponent* owner, std::string name);
  bool Checked() const { return checked_; }
  // Sets the mark; when it changes, raises OnClick (after the mark has changed).
  void SetChecked(bool checked);
  // What a click by the user does: the mark changes, which raises OnClick.
  void Toggle() { SetChecked(!checked_); }

 private:
  bool checked_ = false;
};

class TListBox : public TWinControl {
 public:
  TListBox(TComponent* owner, std::string name);

  const std::vector<std::string>& Items() const { return items_; }
  int Count() const { return static_cast<int>(items_.size()); }
  // Adds an entry (in its sorted place when Sorted) and returns its index.
  int AddItem(std::string text);
  // Replaces the text of entry `index`; out-of-range indexes are ignored.
  void SetItem(int index, std::string text);
  void Clear();
  // Keeps the entries ordered alphabetically without regard to letter case.
  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);

  // The selected entry, -1 when none. Setting it raises nothing; an out-of-range index
  // selects nothing.
  int ItemIndex() const { return item_index_; }
  void SetItemIndex(int index);
  // What a selection by the user does: the entry is selected and OnClick is raised.
  void SelectByUser(int index);

 private:
  std::vector<std::string> items_;
  int item_index_ = -1;
  bool sorted_ = false;
};

class TPanel : public TWinControl {
 public:
  TPanel(TComponent* owner, std::string name);
  // Whether the panel draws a raised edge.
  bool Raised() const { return raised_; }
  void SetRaised(bool raised);

 private:
  bool raised_ = true;
};

class TGroupBox : public TWinControl {
 public:
  TGroupBox(TComponent* owner, std::string name);
  // Inside the frame and below the caption.
  TRect ClientRect() const override;
};

class TImage : public TControl {
 public:
  TImage(TComponent* owner, std::string name);
  const TBitmap& Picture() const { return picture_; }
  void SetPicture(TBitmap picture);
  // Loads a Windows bitmap file. False, picture unchanged, when it cannot be loaded.
  bool LoadFromFile(platform::FileSystem& files, const std::string& path);
  // Sized to its picture whenever the picture changes.
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool auto_size);
  // Draws the picture scaled to fill the control.
  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);

 private:
  TBitmap picture_;
  bool auto_size_ = false;
  bool stretch_ = false;
};

class TShape : public TControl {
 public:
  TShape(TComponent* owner, std::string name);
  TShapeType Shape() const { return shape_; }
  void SetShape(TShapeType shape);
  TColor BrushColor() const { return brush_color_; }
  void SetBrushColor(TColor color);

 private:
  TShapeType shape_ = TShapeType::stRectangle;
  TColor brush_color_ = clWhite;
};

class TProgressBar : public TWinControl {
 public:
  TProgressBar(TComponent* owner, std::string name);
  int Min() const { return min_; }
  int Max() const { return max_; }
  // The position, kept within Min .. Max.
  int Position() const { return position_; }
  void SetMax(int max);
  void SetPosition(int position);

 private:
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
};

class TEdit : public TWinControl {
 public:
  TEdit(TComponent* owner, std::string name);
  const std::string& Text() const { return Caption(); }
  void SetText(std::string text) { SetCaption(std::move(text)); }
};

class TTabSheet;

class TPageControl : public TWinControl {
 public:
  TPageControl(TComponent* owner, std::string name);
  ~TPageControl() override;
  // The pages in their order.
  const std::vector<TTabSheet*>& Pages() const { return pages_; }
  TTabSheet* ActivePage() const { return active_page_; }
  void SetActivePage(TTabSheet* page);
  // The area in which the pages lie, below the tabs.
  TRect ClientRect() const override;

 private:
  friend class TTabSheet;
  std::vector<TTabSheet*> pages_;
  TTabSheet* active_page_ = nullptr;
};

class TTabSheet : public TWinControl {
 public:
  friend class TPageControl;
  TTabSheet(TComponent* owner, std::string name);
  ~TTabSheet() override;
  TPageControl* PageControl() const { return page_control_; }
  // Makes this a page of `page_control`, after its other pages.
  void SetPageControl(TPageControl* page_control);
  // Whether the page's tab is offered.
  bool TabVisible() const { return tab_visible_; }
  void SetTabVisible(bool visible);

 private:
  TPageControl* page_control_ = nullptr;
  bool tab_visible_ = true;
};
