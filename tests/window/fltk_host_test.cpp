// The FLTK renderer on a private X server, driven through the control model alone: what a
// handler that blocks the window sees drawn, and the modal message box.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <ostream>
#include <string>

#include "platform/ui/display.h"
#include "platform/ui/forms.h"
#include "tests/window/x_session.h"

namespace {

using window_testing::PixelAt;
using window_testing::XvfbServer;

int DarkPixels(const TBitmap& shot, int left, int top, int width, int height) {
  int dark = 0;
  for (int y = top; y < top + height; ++y) {
    for (int x = left; x < left + width; ++x) dark += (PixelAt(shot, x, y) & 0xFF) < 80;
  }
  return dark;
}

class FltkHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server_.Running()) << "Xvfb could not be started (scripts/setup.sh installs it)";
    // The program's display stays open for its life: one server for all tests here.
    setenv("DISPLAY", server_.Display().c_str(), 1);
    host_ = OpenDisplay();
    ASSERT_NE(host_, nullptr);
    application_ = std::make_unique<TApplication>(*host_);
    form_ = std::make_unique<TForm>(nullptr, "Form1");
    form_->SetBorderStyle(TFormBorderStyle::bsSingle);
    form_->SetClientSize(300, 120);
    form_->SetCaption(kTitle);
    timer_ = std::make_unique<TTimer>(form_.get(), "Timer1");
    timer_->SetInterval(300);
  }
  void TearDown() override {
    timer_.reset();
    form_.reset();
    application_.reset();
    host_.reset();
  }

  static constexpr char kTitle[] = "Renderer test";
  static inline XvfbServer server_;
  std::unique_ptr<UiHost> host_;
  std::unique_ptr<TApplication> application_;
  std::unique_ptr<TForm> form_;
  std::unique_ptr<TTimer> timer_;
};

TEST_F(FltkHostTest, AnExplicitRepaintDrawsAtOnceWhileTheHandlerBlocks) {
  TLabel repainted(form_.get(), "Label1");
  TLabel not_repainted(form_.get(), "Label2");
  for (TLabel* label : {&repainted, &not_repainted}) {
    label->SetParent(form_.get());
    label->SetAutoSize(false);
  }
  repainted.SetBounds(10, 10, 200, 20);
  not_repainted.SetBounds(10, 50, 200, 20);
  TBitmap during;
  timer_->OnTimer = [&](TComponent*) {
    timer_->SetEnabled(false);
    repainted.SetCaption("Disabling Static aircraft");
    repainted.Repaint();
    not_repainted.SetCaption("Changed but not repainted");
    // The handler keeps the window busy: a screenshot taken now shows what was drawn.
    auto window = window_testing::FindWindow(server_, kTitle, std::chrono::seconds(5));
    if (window) {
      during = window_testing::Screenshot(
          server_, *window, std::string(LUMVEK_SCREENSHOT_DIR) + "/repaint-while-busy");
    }
    form_->Close();
  };
  EXPECT_EQ(application_->Run(*form_), 0);
  ASSERT_EQ(during.Width(), 300);
  EXPECT_GT(DarkPixels(during, 10, 10, 200, 20), 20) << "the repainted label shows its text";
  EXPECT_EQ(DarkPixels(during, 10, 50, 200, 20), 0) << "nothing else was drawn meanwhile";
}

struct BoxCase {
  const char* name;
  unsigned flags;
  const char* key;
  int answer;
};
void PrintTo(const BoxCase& test, std::ostream* out) { *out << test.name; }


class MessageBoxTest : public FltkHostTest, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(MessageBoxTest, IsModalAndAnsweredByTheKeyboard) {
  const BoxCase& c = GetParam();
  int answer = 0;
  timer_->OnTimer = [&](TComponent*) {
    timer_->SetEnabled(false);
    // The user presses the key on this box, again if need be, until it is gone.
    const std::string find = "xdotool search --onlyvisible --name '^Lumvek$'";
    window_testing::RunCommand(
        "(export DISPLAY=" + server_.Display() + "; for i in $(seq 50); do sleep 0.1; w=$(" +
        find + " | head -n1); [ -n \"$w\" ] && break; done; for i in $(seq 20); do "
        "xdotool windowfocus $w key " + c.key + "; sleep 0.2; " + find +
        " | grep -qx \"$w\" || break; done) >/dev/null 2>&1 &");
    answer = application_->MessageBox("This will restore the default options settings",
                                      "Lumvek", c.flags);
    form_->Close();
  };
  application_->Run(*form_);
  EXPECT_EQ(answer, c.answer);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, MessageBoxTest,
    ::testing::Values(BoxCase{"EscapeCancels", MB_OKCANCEL | MB_ICONINFORMATION, "Escape", IDCANCEL},
                      BoxCase{"EnterConfirms", MB_OKCANCEL | MB_ICONINFORMATION, "Return", IDOK},
                      BoxCase{"EscapeOnAnOkBoxIsOk", MB_OK | MB_ICONERROR, "Escape", IDOK}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
