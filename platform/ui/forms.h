// Forms, timers and the application object of the window framework stand-in.
#pragma once

#include <chrono>
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/host.h"

class TForm : public TWinControl {
 public:
  TForm(TComponent* owner, std::string name);

  // The client area's size; Width and Height are the outer size, frame and title included.
  int ClientWidth() const;
  int ClientHeight() const;
  void SetClientSize(int width, int height);
  TRect ClientRect() const override;

  TFormBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TFormBorderStyle style);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position);
  // The window icon; empty for the host's default.
  const TBitmap& Icon() const { return icon_; }
  void SetIcon(TBitmap icon);

  TNotifyEvent OnShow;
  TNotifyEvent OnClose;

  // Raises OnShow; called by the host when it first shows the form.
  void Show();
  // Closes the form: raises OnClose and marks it closed. The message loop ends after the
  // running handler returns when this is the main form.
  void Close();
  bool Closed() const { return closed_; }

  // Width of the frame at each side and height of the title bar, for the border style.
  int FrameWidth() const;
  int TitleHeight() const;

 private:
  TFormBorderStyle border_style_ = TFormBorderStyle::bsSizeable;
  TPosition position_ = TPosition::poDesigned;
  TBitmap icon_;
  bool closed_ = false;
};

class TTimer : public TComponent {
 public:
  using Clock = std::chrono::steady_clock;

  TTimer(TComponent* owner, std::string name);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  // Enabling (re)starts the countdown of one interval.
  void SetEnabled(bool enabled);
  int Interval() const { return interval_ms_; }
  void SetInterval(int milliseconds);
  TNotifyEvent OnTimer;

  // When the next tick is due; meaningful only while enabled.
  Clock::time_point Due() const { return due_; }
  // Runs one tick: starts the next countdown and raises OnTimer.
  void Tick();

 private:
  void Restart();
  bool enabled_ = true;
  int interval_ms_ = 1000;
  Clock::time_point due_;
};

class TApplication {
 public:
  // Becomes the current application for the controls; `host` must outlive it.
  explicit TApplication(UiHost& host);
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;
  ~TApplication();

  // The application the controls report to; nullptr when none exists.
  static TApplication* Current();
  UiHost& Host() { return host_; }

  // The application-wide mouse cursor.
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor);

  // A modal message box (MB_* flags); returns IDOK or IDCANCEL.
  int MessageBox(const std::string& text, const std::string& caption, unsigned flags);
  // Shows the error box for an error that escaped a handler.
  void ShowException(const std::exception& error);
  // Runs an event handler as the message loop does: an error escaping it is shown in the
  // error box and the program goes on.
  void HandleEvent(const std::function<void()>& handler);

  // Shows `main_form` and runs the message loop until it closes.
  int Run(TForm& main_form);

  // The timers in existence, for the message loop.
  const std::vector<TTimer*>& Timers() const { return timers_; }
  void AddTimer(TTimer* timer);
  void RemoveTimer(TTimer* timer);

 private:
  UiHost& host_;
  TCursor cursor_ = TCursor::crDefault;
  std::vector<TTimer*> timers_;
  TApplication* previous_;
};
