// The manager's window on a real X server (Xvfb), started on the demo product as a pilot
// would start it, looked at through screenshots and driven with the pointer and keyboard
// through xdotool. Screenshots stay in the build folder (tests/window/screenshots).
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

#include "resources/artwork.h"
#include "tests/support/temp_prefix.h"
#include "tests/window/x_session.h"

namespace {

using namespace std::chrono_literals;
using window_testing::FindWindow;
using window_testing::PixelAt;
using window_testing::Process;
using window_testing::RegionEquals;
using window_testing::XvfbServer;

constexpr char kTitle[] = "Demo Airfield Scenery Manager";

// The window's design, in client coordinates.
constexpr int kClientWidth = 746;
constexpr int kClientHeight = 425;
constexpr int kBarTop = 376;         // the bottom bar, 49 high
constexpr int kPagesLeft = 273;      // the page control, 473 wide
constexpr int kExitLeft = 746 - 78 - 12;
constexpr int kExitTop = kBarTop + 12;
// Option check box j of the options page: the page lies at 4, 24 in the page control, the
// boxes at 32, 72 + 24 j in the page (the Autogen group is shown).
constexpr int kOptionLeft = kPagesLeft + 4 + 32;
int OptionTop(int j) { return 24 + 72 + 24 * j; }

class ManagerWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server_.Running()) << "Xvfb could not be started (scripts/setup.sh installs it)";
    std::filesystem::create_directories(LUMVEK_SCREENSHOT_DIR);
    auto made = window_testing::RunCommand(
        "bash " + window_testing::ShellQuote(std::string(LUMVEK_SOURCE_DIR) +
                                             "/scripts/make-demo-prefix.sh") +
        " " + window_testing::ShellQuote(prefix_.dir()) + " " +
        window_testing::ShellQuote(LUMVEK_BINARY_DIR));
    ASSERT_TRUE(made) << "the demo prefix could not be made";
    product_ = made->substr(0, made->find('\n'));
    manager_ = std::make_unique<Process>(std::vector<std::string>{product_ + "/lumvek.exe"},
                                         product_,
                                         std::map<std::string, std::string>{
                                             {"WINEPREFIX", prefix_.dir()},
                                             {"DISPLAY", server_.Display()}});
    ASSERT_TRUE(manager_->Started());
    auto window = FindWindow(server_, kTitle, 20s);
    ASSERT_TRUE(window) << "no window titled \"" << kTitle << "\" appeared";
    window_ = *window;
    // Drawn once the exit button shows its resting picture.
    ASSERT_TRUE(WaitForShot("start", [&](const TBitmap& shot) {
      return RegionEquals(shot, kExitLeft, kExitTop, exit_normal_);
    }));
  }

  TBitmap Shot(const std::string& name) {
    const std::string stem = std::string(LUMVEK_SCREENSHOT_DIR) + "/" +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name() +
                             "-" + name;
    return window_testing::Screenshot(server_, window_, stem);
  }

  // Takes screenshots until `ready` holds for one (kept as `name`), for up to 10 seconds.
  template <typename Predicate>
  bool WaitForShot(const std::string& name, Predicate ready) {
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (std::chrono::steady_clock::now() < deadline) {
      if (ready(last_shot_ = Shot(name))) return true;
      std::this_thread::sleep_for(100ms);
    }
    return false;
  }

  void Xdotool(const std::string& arguments) { server_.Run("xdotool " + arguments); }
  // Moves the pointer to a point of the window's client area.
  void MoveTo(int x, int y) {
    Xdotool("mousemove --window " + window_ + " " + std::to_string(x) + " " + std::to_string(y));
  }
  void ClickAt(int x, int y) {
    MoveTo(x, y);
    Xdotool("click 1");
  }
  // Keys go to the window under the pointer.
  void Key(const std::string& keys) {
    MoveTo(kPagesLeft + 200, 200);
    Xdotool("key " + keys);
  }

  bool ProductFileExists(const std::string& relative) {
    return std::filesystem::exists(product_ + "/" + relative);
  }

  XvfbServer server_;
  testing_support::TempPrefix prefix_;
  std::string product_;
  std::unique_ptr<Process> manager_;
  std::string window_;
  TBitmap last_shot_;
  const TBitmap exit_normal_ = resources::LoadArtwork(resources::Artwork::kExitNormal);
  const TBitmap exit_over_ = resources::LoadArtwork(resources::Artwork::kExitOver);
  const TBitmap exit_down_ = resources::LoadArtwork(resources::Artwork::kExitDown);
};

// Dark pixels in the check square of option box j: its mark. The box's edges are left
// out, where the focus frame is drawn.
int MarkPixels(const TBitmap& shot, int j) {
  int dark = 0;
  for (int y = OptionTop(j) + 3; y < OptionTop(j) + 14; ++y) {
    for (int x = kOptionLeft + 2; x < kOptionLeft + 14; ++x) {
      const uint32_t pixel = PixelAt(shot, x, y);
      if (((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF) < 3 * 90) ++dark;
    }
  }
  return dark;
}

// Whether box j carries a mark: more dark pixels than an unchecked box of the same page.
bool Checked(const TBitmap& shot, int j, int unchecked_reference) {
  return MarkPixels(shot, j) > MarkPixels(shot, unchecked_reference) + 4;
}

TEST_F(ManagerWindowTest, ShowsTheDesignedWindowOnTheDemoProduct) {
  const TBitmap& shot = last_shot_;
  ASSERT_EQ(shot.Width(), kClientWidth);
  ASSERT_EQ(shot.Height(), kClientHeight);

  // The bottom bar: its background picture stretched across, the exit button 12 pixels
  // from its right edge.
  const TBitmap bar = resources::LoadArtwork(resources::Artwork::kBottomBar);
  for (int row = 0; row < 49; ++row) {
    EXPECT_EQ(PixelAt(shot, 200, kBarTop + row), PixelAt(bar, 0, row)) << "bar row " << row;
  }
  EXPECT_TRUE(RegionEquals(shot, kExitLeft, kExitTop, exit_normal_));

  // The left area shows a part of the product's own picture (moved at random), and
  // nothing of it spills over the pages or the bar.
  TBitmap picture;
  picture.LoadFromBytes(testing_support::ReadHostFile(product_ + "/lumvek.bmp"));
  ASSERT_FALSE(picture.Empty());
  // Image1 lies at -ox, -oy for some offset; find one whose whole left area matches.
  auto left_area_at = [&](int ox, int oy) {
    for (int y = 0; y < kBarTop; ++y) {
      for (int x = 0; x < kPagesLeft; ++x) {
        if (PixelAt(shot, x, y) != PixelAt(picture, ox + x, oy + y)) return false;
      }
    }
    return true;
  };
  bool found = false;
  for (int oy = 0; oy + kBarTop <= picture.Height() && !found; ++oy) {
    for (int ox = 0; ox + kPagesLeft <= picture.Width() && !found; ++ox) {
      found = PixelAt(shot, 0, 0) == PixelAt(picture, ox, oy) &&
              PixelAt(shot, 272, 375) == PixelAt(picture, ox + 272, oy + 375) &&
              left_area_at(ox, oy);
    }
  }
  EXPECT_TRUE(found) << "the product picture is not shown in the left area";

  // The pages: the tabs and the activation page's texts are drawn (dark text pixels on
  // the button face), the simulator list has its white background.
  auto dark_pixels = [&](int left, int top, int width, int height) {
    int dark = 0;
    for (int y = top; y < top + height; ++y) {
      for (int x = left; x < left + width; ++x) dark += (PixelAt(shot, x, y) & 0xFF) < 80;
    }
    return dark;
  };
  EXPECT_GT(dark_pixels(kPagesLeft, 0, 473, 22), 100) << "tab captions";
  EXPECT_GT(dark_pixels(kPagesLeft + 4 + 80, 24 + 24, 200, 13), 20) << "the title, Label2";
  EXPECT_EQ(PixelAt(shot, kPagesLeft + 4 + 16 + 170, 24 + 120 + 100), 0xFFFFFFu) << "ListBox1";

  // The other two pages, for the record (Ctrl+Tab brings the next page to the front).
  // The options page has its "Reset" button at 384, 8 and a check box per option; the
  // updates page has no check box there.
  Key("ctrl+Tab");
  EXPECT_TRUE(WaitForShot("options", [&](const TBitmap& s) {
    int reset_text = 0;
    for (int y = 24 + 8 + 6; y < 24 + 8 + 19; ++y) {
      for (int x = kPagesLeft + 4 + 384 + 15; x < kPagesLeft + 4 + 384 + 58; ++x) {
        reset_text += (PixelAt(s, x, y) & 0xFF) < 80;
      }
    }
    return reset_text > 10 && MarkPixels(s, 2) > 0;
  }));
  Key("ctrl+Tab");
  EXPECT_TRUE(WaitForShot("updates", [](const TBitmap& s) { return MarkPixels(s, 2) == 0; }));
}

TEST_F(ManagerWindowTest, ClickingAnOptionCheckBoxRenamesItsFilesAndTheMarkFollows) {
  // Option 0, "Static aircraft", is on (its marker DemoAirfield_statics.bgl exists);
  // option 2, "Winter ground", is off and serves as the unchecked reference.
  Key("ctrl+Tab");
  ASSERT_TRUE(WaitForShot("options", [](const TBitmap& s) { return Checked(s, 0, 2); }));
  ASSERT_TRUE(ProductFileExists("scenery/DemoAirfield_statics.bgl"));

  ClickAt(kOptionLeft + 7, OptionTop(0) + 8);
  const auto deadline = std::chrono::steady_clock::now() + 10s;
  while (ProductFileExists("scenery/DemoAirfield_statics.bgl") &&
         std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(100ms);
  }
  EXPECT_FALSE(ProductFileExists("scenery/DemoAirfield_statics.bgl"));
  EXPECT_TRUE(ProductFileExists("scenery/DemoAirfield_statics.bg_"));
  EXPECT_TRUE(WaitForShot("switched-off", [](const TBitmap& s) { return !Checked(s, 0, 2); }));

  ClickAt(kOptionLeft + 7, OptionTop(0) + 8);
  EXPECT_TRUE(WaitForShot("switched-on", [](const TBitmap& s) { return Checked(s, 0, 2); }));
  EXPECT_TRUE(ProductFileExists("scenery/DemoAirfield_statics.bgl"));
  EXPECT_FALSE(ProductFileExists("scenery/DemoAirfield_statics.bg_"));
}

TEST_F(ManagerWindowTest, TheExitButtonShowsItsPicturesAndEndsTheProgram) {
  MoveTo(kExitLeft + 39, kExitTop + 13);
  EXPECT_TRUE(WaitForShot("exit-over", [&](const TBitmap& s) {
    return RegionEquals(s, kExitLeft, kExitTop, exit_over_);
  }));
  Xdotool("mousedown 1");
  EXPECT_TRUE(WaitForShot("exit-down", [&](const TBitmap& s) {
    return RegionEquals(s, kExitLeft, kExitTop, exit_down_);
  }));
  Xdotool("mouseup 1");
  EXPECT_EQ(manager_->WaitForExit(10s), 0);
}

TEST_F(ManagerWindowTest, TheCloseBoxEndsTheProgramAndEscapeDoesNot) {
  Key("Escape");
  EXPECT_FALSE(manager_->WaitForExit(1s).has_value());
  // What the close box sends: the window manager's request to delete the window.
  Xdotool("windowclose " + window_);
  EXPECT_EQ(manager_->WaitForExit(10s), 0);
}

}  // namespace
