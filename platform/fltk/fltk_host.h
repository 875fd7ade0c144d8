// The host that draws the control model with FLTK in a real window.
//
// It is generic over the model: it builds one FLTK widget per control of the main form
// (fltk_widgets.h), keeps each widget in step with its control as the model reports
// changes, and hands the user's input back to the model. The programs never see it.
//
// While a handler keeps the window busy nothing is processed, as on the original system:
// an explicit Repaint() draws at once (RepaintNow flushes the drawing without taking any
// event), and the application-wide cursor shows at once. Timers run from FLTK's timer
// queue; message boxes and the error box are modal dialogs.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <unordered_map>

#include "platform/ui/host.h"

class Fl_Group;
class Fl_Window;
class TWinControl;

namespace fltk_ui {

class Mirror;
struct Placement;

class FltkHost final : public UiHost {
 public:
  // The display must be open (see OpenDisplay). `title` is the application's title, the
  // caption of its error box.
  explicit FltkHost(std::string title);
  ~FltkHost() override;

  void ControlChanged(TControl& control) override;
  void ControlDestroyed(TControl& control) override;
  void RepaintNow(TControl& control) override;
  void CursorChanged(TCursor cursor) override;
  void TimerChanged(TTimer& timer) override;
  int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
  void ShowError(const std::string& message) override;
  int PopupMenu(const TPopupMenu& menu, TControl& control, int x, int y) override;
  int Run(TApplication& application, TForm& main_form) override;

 private:
  Mirror* Find(const TControl* control) const;
  // Makes the widgets of `control` and its children.
  void Build(TControl& control);
  // The group that holds the widget of `control`: its nearest mirrored container.
  Fl_Group* ContainerFor(const TControl& control) const;
  void Insert(Mirror& mirror, Fl_Group& group);
  // Takes over the control's state, place, visibility and enabled state.
  void Sync(TControl& control, Mirror& mirror);
  void Place(TControl& control, Mirror& mirror);
  void PlaceChildren(const TControl& control);
  Placement DesignedPlacement(const TControl& control) const;
  // Forgets the mirrors of a widget and everything in it.
  void Forget(Mirror& mirror);
  Fl_Window* Window() const;
  void ApplyCursor();

  static void OnTimer(void* timer);
  static void OnPending(void* host);

  std::string title_;
  TForm* main_form_ = nullptr;
  std::unique_ptr<Mirror> window_;
  std::unordered_map<const TControl*, Mirror*> mirrors_;
  // Changes reported while a control paints itself, taken over right after.
  std::set<TControl*> pending_;
  TCursor cursor_ = TCursor::crDefault;
};

}  // namespace fltk_ui
