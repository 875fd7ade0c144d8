#include "platform/ui/forms.h"

#include <algorithm>
#include <utility>

namespace {
TApplication* g_current_application = nullptr;
}  // namespace

// --- TForm ------------------------------------------------------------------------------

TForm::TForm(TComponent* owner, std::string name)
    : TWinControl(owner, std::move(name), ControlKind::kForm) {}

int TForm::FrameWidth() const { return border_style_ == TFormBorderStyle::bsSizeable ? 4 : 3; }

int TForm::TitleHeight() const {
  return border_style_ == TFormBorderStyle::bsToolWindow ? 18 : 22;
}

int TForm::ClientWidth() const { return Width() - 2 * FrameWidth(); }
int TForm::ClientHeight() const { return Height() - 2 * FrameWidth() - TitleHeight(); }

void TForm::SetClientSize(int width, int height) {
  SetBounds(Left(), Top(), width + 2 * FrameWidth(), height + 2 * FrameWidth() + TitleHeight());
}

TRect TForm::ClientRect() const { return {0, 0, ClientWidth(), ClientHeight()}; }

void TForm::SetBorderStyle(TFormBorderStyle style) {
  int client_width = ClientWidth();
  int client_height = ClientHeight();
  if (border_style_ == style) return;
  border_style_ = style;
  SetClientSize(client_width, client_height);
  Changed();
}

void TForm::SetPosition(TPosition position) {
  if (position_ == position) return;
  position_ = position;
  Changed();
}

void TForm::SetIcon(TBitmap icon) {
  icon_ = std::move(icon);
  Changed();
}

void TForm::Show() {
  if (OnShow) OnShow(this);
}

void TForm::Close() {
  if (closed_) return;
  if (OnClose) OnClose(this);
  closed_ = true;
  Changed();
}

// --- TTimer -----------------------------------------------------------------------------

TTimer::TTimer(TComponent* owner, std::string name) : TComponent(owner, std::move(name)) {
  if (TApplication* application = TApplication::Current()) application->AddTimer(this);
  Restart();
}

TTimer::~TTimer() {
  if (TApplication* application = TApplication::Current()) application->RemoveTimer(this);
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Restart();
}

void TTimer::SetInterval(int milliseconds) {
  if (interval_ms_ == milliseconds) return;
  interval_ms_ = milliseconds;
  Restart();
}

void TTimer::Tick() {
  due_ = Clock::now() + std::chrono::milliseconds(interval_ms_);
  if (OnTimer) OnTimer(this);
}

void TTimer::Restart() {
  due_ = Clock::now() + std::chrono::milliseconds(interval_ms_);
  if (TApplication* application = TApplication::Current()) {
    application->Host().TimerChanged(*this);
  }
}

// --- TApplication -----------------------------------------------------------------------

TApplication::TApplication(UiHost& host) : host_(host), previous_(g_current_application) {
  g_current_application = this;
}

TApplication::~TApplication() { g_current_application = previous_; }

TApplication* TApplication::Current() { return g_current_application; }

void TApplication::SetCursor(TCursor cursor) {
  if (cursor_ == cursor) return;
  cursor_ = cursor;
  host_.CursorChanged(cursor);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption,
                             unsigned flags) {
  return host_.MessageBox(text, caption, flags);
}

void TApplication::ShowException(const std::exception& error) { host_.ShowError(error.what()); }

void TApplication::HandleEvent(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    ShowException(error);
  }
}

int TApplication::Run(TForm& main_form) { return host_.Run(*this, main_form); }

void TApplication::AddTimer(TTimer* timer) { timers_.push_back(timer); }

void TApplication::RemoveTimer(TTimer* timer) {
  timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
}
