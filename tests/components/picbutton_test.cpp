// TPicButton driven by mouse messages as the window system delivers them, painted on a
// recording canvas.
#include "components/picbutton.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "platform/ui/forms.h"
#include "tests/support/fake_canvas.h"
#include "tests/support/fake_host.h"

namespace {

using testing_support::FakeCanvas;
using testing_support::FakeHost;

TBitmap Picture(int width, int height, uint8_t shade) {
  TBitmap picture;
  picture.Assign(width, height,
                 std::vector<uint8_t>(static_cast<size_t>(width * height * 3), shade));
  return picture;
}

constexpr TShiftState kNoShift{};
constexpr auto kLeft = TMouseButton::mbLeft;
constexpr auto kRight = TMouseButton::mbRight;

class PicButtonTest : public ::testing::Test {
 protected:
  PicButtonTest() {
    button.SetBounds(518, 12, 78, 26);
    button.SetBitmapNormal(normal);
    button.SetBitmapOver(over);
    button.SetBitmapDown(down);
    button.OnMouseDown = [this](TComponent*, TMouseButton, TShiftState, int, int) {
      events.push_back("MouseDown");
    };
    button.OnClick = [this](TComponent*) { events.push_back("Click"); };
    button.OnMouseUp = [this](TComponent*, TMouseButton, TShiftState, int, int) {
      events.push_back("MouseUp");
    };
    button.OnMouseMove = [this](TComponent*, TShiftState, int, int) {
      events.push_back("MouseMove");
    };
  }

  // The picture the button shows when painted now.
  TBitmap Shown() {
    FakeCanvas canvas;
    button.Paint(canvas);
    return canvas.calls.empty() ? TBitmap() : canvas.calls.front().picture;
  }

  void Move(int x, int y) { button.MouseMessageMove(kNoShift, x, y); }
  void Press(TMouseButton which = kLeft, int x = 30, int y = 10) {
    button.MouseMessageDown(which, kNoShift, x, y);
  }
  void Release(TMouseButton which = kLeft, int x = 30, int y = 10) {
    button.MouseMessageUp(which, kNoShift, x, y);
  }

  FakeHost host;
  TApplication application{host};
  TPicButton button{nullptr, "PicButton1"};
  TBitmap normal = Picture(78, 26, 10);
  TBitmap over = Picture(78, 26, 20);
  TBitmap down = Picture(78, 26, 30);
  std::vector<std::string> events;
};

TEST_F(PicButtonTest, StartsWithTheDesignedFlags) {
  EXPECT_FALSE(button.Latch());
  EXPECT_FALSE(button.Down());
  EXPECT_FALSE(button.Stretch());
  EXPECT_TRUE(button.Highlight());
  EXPECT_TRUE(button.Autosize());
  EXPECT_FALSE(button.MouseOver());
  EXPECT_FALSE(button.Pressed());
  EXPECT_EQ(button.DropDownMenu(), nullptr);
  EXPECT_EQ(Shown(), normal);
}

TEST_F(PicButtonTest, HoverShowsThePointerPictureOnlyWithHighlight) {
  Move(10, 10);
  EXPECT_TRUE(button.MouseOver());
  EXPECT_TRUE(button.MouseCapture());
  EXPECT_EQ(Shown(), over);

  button.SetHighlight(false);
  EXPECT_TRUE(button.MouseOver());
  EXPECT_EQ(Shown(), normal);
}

TEST_F(PicButtonTest, LeavingReleasesTheCaptureWithoutRaisingMouseMove) {
  Move(10, 10);
  events.clear();
  Move(79, 10);  // one pixel beyond the right edge
  EXPECT_FALSE(button.MouseOver());
  EXPECT_FALSE(button.MouseCaptured());
  EXPECT_FALSE(button.MouseCapture());
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(Shown(), normal);
  // Without the capture, moves elsewhere no longer reach the button.
  Move(200, 10);
  EXPECT_TRUE(events.empty());
  EXPECT_FALSE(button.MouseOver());
}

TEST_F(PicButtonTest, TheRightAndBottomEdgesCountAsInside) {
  Move(10, 10);
  events.clear();
  Move(78, 26);
  EXPECT_TRUE(button.MouseOver());
  EXPECT_EQ(events, std::vector<std::string>{"MouseMove"});
}

TEST_F(PicButtonTest, PressAndReleaseOverThePushButtonClicksAndEndsHovered) {
  Move(30, 10);
  events.clear();
  bool down_during_click = false;
  button.OnClick = [&](TComponent*) {
    events.push_back("Click");
    down_during_click = button.Down();
  };
  Press();
  EXPECT_TRUE(button.Down());
  EXPECT_TRUE(button.Pressed());
  EXPECT_EQ(Shown(), down);
  Release();
  EXPECT_EQ(events, (std::vector<std::string>{"MouseDown", "Click", "MouseUp"}));
  EXPECT_TRUE(down_during_click);
  EXPECT_FALSE(button.Down());
  EXPECT_FALSE(button.Pressed());
  EXPECT_TRUE(button.MouseOver());
  EXPECT_EQ(Shown(), over);
}

struct LeaveCase {
  const char* name;
  bool latch;
  bool down_before;
};
void PrintTo(const LeaveCase& test, std::ostream* out) { *out << test.name; }


class PressLeaveReleaseTest : public PicButtonTest,
                              public ::testing::WithParamInterface<LeaveCase> {};

TEST_P(PressLeaveReleaseTest, RestoresDownAndGivesNoClick) {
  const LeaveCase& c = GetParam();
  button.SetLatch(c.latch);
  button.SetDown(c.down_before);
  Move(30, 10);
  Press();
  Move(-5, 10);  // dragged off the button
  EXPECT_EQ(button.Down(), c.down_before);
  events.clear();
  Release(kLeft, -20, 10);  // released elsewhere: the button no longer holds the capture
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(button.Down(), c.down_before);
  EXPECT_FALSE(button.MouseOver());
  // A release outside after the pointer left leaves Pressed set.
  EXPECT_TRUE(button.Pressed());
}

INSTANTIATE_TEST_SUITE_P(Buttons, PressLeaveReleaseTest,
                         ::testing::Values(LeaveCase{"Push", false, false},
                                           LeaveCase{"LatchUp", true, false},
                                           LeaveCase{"LatchDown", true, true}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(PicButtonTest, EachPressOfALatchingButtonTogglesDown) {
  button.SetLatch(true);
  Move(30, 10);
  Press();
  Release();
  EXPECT_TRUE(button.Down());
  EXPECT_EQ(Shown(), down);
  Move(30, 10);
  Press();
  Release();
  EXPECT_FALSE(button.Down());
  EXPECT_EQ(Shown(), over);
}

TEST_F(PicButtonTest, TheRightButtonRaisesItsEventsButChangesNoFlag) {
  Move(30, 10);
  events.clear();
  Press(kRight);
  Release(kRight);
  EXPECT_EQ(events, (std::vector<std::string>{"MouseDown", "MouseUp"}));
  EXPECT_FALSE(button.Down());
  EXPECT_FALSE(button.Pressed());
  EXPECT_FALSE(button.DownBeforePress());
  EXPECT_TRUE(button.MouseOver());
  EXPECT_TRUE(button.MouseCaptured());
}

TEST_F(PicButtonTest, StretchDrawsIntoTheInnerRectangle) {
  button.SetStretch(true);
  FakeCanvas canvas;
  button.Paint(canvas);
  ASSERT_EQ(canvas.calls.size(), 1u);
  EXPECT_EQ(canvas.calls[0].kind, FakeCanvas::Call::kStretchDraw);
  EXPECT_EQ(canvas.calls[0].rect, (TRect{2, 2, 74, 22}));
  EXPECT_EQ(button.Width(), 78);  // stretching never resizes the button
}

TEST_F(PicButtonTest, AutosizeFollowsEachPictureInTurn) {
  button.SetBitmapOver(Picture(40, 20, 20));
  Move(5, 5);
  FakeCanvas canvas;
  button.Paint(canvas);
  EXPECT_EQ(button.Width(), 40);
  EXPECT_EQ(button.Height(), 20);
  EXPECT_EQ(canvas.calls[0].rect, (TRect{0, 0, 40, 20}));
  Move(60, 5);  // outside the smaller button
  button.Paint(canvas);
  EXPECT_EQ(button.Width(), 78);
  EXPECT_EQ(button.Height(), 26);
}

TEST_F(PicButtonTest, WithoutAutosizeAPictureIsCentredAndMayBeClipped) {
  button.SetAutosize(false);
  button.SetBitmapNormal(Picture(100, 10, 10));
  FakeCanvas canvas;
  button.Paint(canvas);
  EXPECT_EQ(canvas.calls[0].rect, (TRect{-11, 8, 89, 18}));
  EXPECT_EQ(button.Width(), 78);
}

TEST_F(PicButtonTest, AnEmptyPictureSizesTheButtonToNothing) {
  button.SetBitmapNormal(TBitmap());
  FakeCanvas canvas;
  button.Paint(canvas);
  EXPECT_EQ(button.Width(), 0);
  EXPECT_EQ(button.Height(), 0);
}

struct CaptionCase {
  const char* name;
  int width;
  std::string text;
  std::string drawn;  // empty: nothing drawn
  int x;
};
void PrintTo(const CaptionCase& test, std::ostream* out) { *out << test.name; }


class CaptionTest : public PicButtonTest, public ::testing::WithParamInterface<CaptionCase> {};

TEST_P(CaptionTest, IsShortenedWithDotsUntilItFits) {
  const CaptionCase& c = GetParam();
  button.SetAutosize(false);
  button.SetBounds(0, 0, c.width, 26);
  button.SetText(c.text);
  FakeCanvas canvas;
  button.Paint(canvas);
  std::vector<FakeCanvas::Call> texts;
  for (const auto& call : canvas.calls) {
    if (call.kind == FakeCanvas::Call::kTextOut) texts.push_back(call);
  }
  if (c.drawn.empty()) {
    EXPECT_TRUE(texts.empty());
    return;
  }
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, c.drawn);
  EXPECT_EQ(texts[0].rect.Left, c.x);
  EXPECT_EQ(texts[0].rect.Top, (26 - FakeCanvas::kTextHeight) / 2);
}

// Text is 6 pixels a character: a button 60 wide has 52 pixels, room for 8 characters.
INSTANTIATE_TEST_SUITE_P(
    Captions, CaptionTest,
    ::testing::Values(CaptionCase{"FitsCentred", 60, "Exit", "Exit", 4 + (52 - 24) / 2},
                      CaptionCase{"LongLosesItsEnd", 60, "Exit the program now", "Exit t..", 4},
                      CaptionCase{"NineCharacters", 60, "Exit here", "Exit h..", 4},
                      CaptionCase{"NarrowButton", 8, "Exit", "", 0},
                      CaptionCase{"NarrowerButton", 5, "Exit", "", 0}),
    [](const auto& test) { return std::string(test.param.name); });

// Dots replace characters only while the caption is longer than 4 characters, so a dot
// made earlier can stay.
TEST_F(PicButtonTest, CaptionsOfFourCharactersOrLessLoseCharactersWithoutNewDots) {
  const auto width = [](const std::string& text) { return static_cast<int>(text.size()) * 6; };
  EXPECT_EQ(ShortenCaption("Abcdef", 0, 24, width), "Abc.");
  EXPECT_EQ(ShortenCaption("Abcde", 0, 18, width), "Abc");
}

TEST_F(PicButtonTest, ChangingTheTextShowsOnlyAtTheNextRedraw) {
  host.repaints.clear();
  button.SetText("Quit");
  EXPECT_TRUE(host.repaints.empty());
  button.SetDown(false);  // any property set redraws at once
  ASSERT_FALSE(host.repaints.empty());
  EXPECT_EQ(host.repaints.back().control, "PicButton1");
}

// A host whose user chooses the second entry of any popup menu, and records where it went.
class MenuHost final : public UiHost {
 public:
  int PopupMenu(const TPopupMenu& /*menu*/, TControl& control, int x, int y) override {
    popups.push_back({control.Name(), x, y});
    return 1;
  }
  int MessageBox(const std::string&, const std::string&, unsigned) override { return IDOK; }
  void ShowError(const std::string&) override {}
  int Run(TApplication&, TForm&) override { return 0; }
  struct Popup {
    std::string control;
    int x;
    int y;
  };
  std::vector<Popup> popups;
};

TEST(PicButtonMenuTest, APressDropsTheMenuDownBelowTheButtonThenRests) {
  MenuHost host;
  TApplication application(host);
  TPicButton button(nullptr, "PicButton1");
  button.SetBounds(0, 0, 78, 26);
  button.SetBitmapNormal(Picture(78, 26, 10));
  std::string chosen;
  TPopupMenu menu(nullptr, "PopupMenu1");
  menu.Items = {{"First", [&](TComponent*) { chosen = "First"; }},
                {"Second", [&](TComponent*) { chosen = "Second"; }}};
  button.SetDropDownMenu(&menu);
  bool clicked = false;
  button.OnClick = [&](TComponent*) { clicked = true; };

  button.MouseMessageMove(kNoShift, 5, 5);
  button.MouseMessageDown(kLeft, kNoShift, 5, 5);
  ASSERT_EQ(host.popups.size(), 1u);
  EXPECT_EQ(host.popups[0].x, 0);
  EXPECT_EQ(host.popups[0].y, 26);
  EXPECT_EQ(chosen, "Second");
  EXPECT_FALSE(button.Down());
  EXPECT_FALSE(button.MouseOver());
  EXPECT_FALSE(button.MouseCapture());
  // The release after the menu closed lands elsewhere: no click.
  button.MouseMessageUp(kLeft, kNoShift, 40, 60);
  EXPECT_FALSE(clicked);
}

}  // namespace
