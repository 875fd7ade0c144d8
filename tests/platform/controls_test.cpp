#include <chrono>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/ui/forms.h"
#include "platform/ui/headless_host.h"
#include "tests/support/fake_host.h"

namespace {

using testing_support::FakeHost;

class ControlsTest : public ::testing::Test {
 protected:
  FakeHost host;
  TApplication application{host};
  TForm form{nullptr, "Form"};
};

TEST_F(ControlsTest, ACheckBoxRaisesItsClickOnlyWhenItsMarkChanges) {
  TCheckBox box(&form, "Box");
  std::vector<bool> seen;
  box.OnClick = [&](TComponent* sender) {
    EXPECT_EQ(sender, &box);
    seen.push_back(box.Checked());  // the mark has changed before the click
  };
  box.SetChecked(false);
  box.SetChecked(true);
  box.SetChecked(true);
  box.Toggle();
  EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

TEST_F(ControlsTest, AListRaisesItsClickForUserSelectionsOnly) {
  TListBox list(&form, "List");
  int clicks = 0;
  list.OnClick = [&](TComponent*) { ++clicks; };
  list.AddItem("FSX");
  list.AddItem("Prepar3D v4");
  list.SetItemIndex(1);
  list.SetItem(1, "Prepar3D v4 (enabled)");
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(list.ItemIndex(), 1);
  list.SelectByUser(0);
  EXPECT_EQ(clicks, 1);
  list.SetItemIndex(7);
  EXPECT_EQ(list.ItemIndex(), -1) << "an index out of range selects nothing";
}

TEST_F(ControlsTest, ASortedListOrdersWithoutRegardToCase) {
  TListBox list(&form, "List");
  list.SetSorted(true);
  for (const char* name : {"delta", "Bravo", "alpha", "Charlie"}) list.AddItem(name);
  EXPECT_EQ(list.Items(), (std::vector<std::string>{"alpha", "Bravo", "Charlie", "delta"}));
}

TEST_F(ControlsTest, DockedControlsTakeTheirEdgesInOrder) {
  form.SetBorderStyle(TFormBorderStyle::bsSingle);
  form.SetClientSize(746, 425);
  TPanel bar(&form, "Bar");
  bar.SetParent(&form);
  bar.SetBounds(0, 0, 10, 49);
  bar.SetAlign(TAlign::alBottom);
  TPageControl pages(&form, "Pages");
  pages.SetParent(&form);
  pages.SetBounds(0, 0, 473, 10);
  pages.SetAlign(TAlign::alRight);
  TTabSheet sheet(&form, "Sheet");
  sheet.SetPageControl(&pages);
  TLabel lower(&form, "Lower");
  TLabel lowest(&form, "Lowest");
  for (TLabel* label : {&lowest, &lower}) {  // given in the other order: places decide
    label->SetParent(&sheet);
    label->SetBounds(0, label == &lowest ? 330 : 312, 465, 18);
    label->SetAlign(TAlign::alBottom);
  }

  EXPECT_EQ(TRect({bar.Left(), bar.Top(), bar.Width(), bar.Height()}), TRect({0, 376, 746, 49}));
  EXPECT_EQ(TRect({pages.Left(), pages.Top(), pages.Width(), pages.Height()}),
            TRect({273, 0, 473, 376}));
  EXPECT_EQ(TRect({sheet.Left(), sheet.Top(), sheet.Width(), sheet.Height()}),
            TRect({4, 24, 465, 348}));
  EXPECT_EQ(lowest.Top(), 330);
  EXPECT_EQ(lower.Top(), 312);
  EXPECT_EQ(pages.ActivePage(), &sheet);

  lowest.SetVisible(false);
  EXPECT_EQ(lower.Top(), 330) << "a hidden docked control gives up its place";
}

TEST_F(ControlsTest, AProgressBarKeepsItsPositionInRange) {
  TProgressBar bar(&form, "Bar");
  bar.SetPosition(150);
  EXPECT_EQ(bar.Position(), 100);
  bar.SetMax(12);
  EXPECT_EQ(bar.Position(), 12);
  bar.SetPosition(-3);
  EXPECT_EQ(bar.Position(), 0);
}

TEST_F(ControlsTest, AnErrorEscapingAHandlerIsShownAndTheProgramGoesOn) {
  TButton button(&form, "Button");
  bool after = false;
  button.OnClick = [](TComponent*) { throw std::runtime_error("Unable to write to C:\\x"); };
  application.HandleEvent([&] {
    button.Click();
    after = true;
  });
  EXPECT_FALSE(after) << "the handler ends at the error";
  EXPECT_EQ(host.errors, (std::vector<std::string>{"Unable to write to C:\\x"}));
}

TEST_F(ControlsTest, RepaintAndCursorReachTheHost) {
  TLabel status(&form, "Status");
  status.SetCaption("Enabling Trees");
  status.Repaint();
  application.SetCursor(TCursor::crHourGlass);
  application.SetCursor(TCursor::crDefault);
  ASSERT_EQ(host.repaints.size(), 1u);
  EXPECT_EQ(host.repaints[0].caption, "Enabling Trees");
  EXPECT_EQ(host.cursors, (std::vector<TCursor>{TCursor::crHourGlass, TCursor::crDefault}));
}

TEST(HeadlessHost, RunsTimersUntilTheMainFormCloses) {
  std::ostringstream log;
  HeadlessHost host(log);
  TApplication application(host);
  TForm form(nullptr, "Form");
  bool shown = false;
  form.OnShow = [&](TComponent*) { shown = true; };
  TTimer slow(&form, "Slow");
  slow.SetInterval(60000);
  TTimer fast(&form, "Fast");
  fast.SetInterval(5);
  int ticks = 0;
  fast.OnTimer = [&](TComponent*) {
    if (++ticks == 3) {
      fast.SetEnabled(false);
      form.Close();
    }
  };
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(application.Run(form), 0);
  EXPECT_TRUE(shown);
  EXPECT_EQ(ticks, 3);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30))
      << "the slow timer never had to fire";
}

TEST(HeadlessHost, ReportsBoxesAndErrorsOnItsLogAndAnswersOk) {
  std::ostringstream log;
  HeadlessHost host(log);
  EXPECT_EQ(host.MessageBox("Error Creating process", "Run Process", MB_OK | MB_ICONERROR), IDOK);
  host.ShowError("Unable to write to C:\\x");
  EXPECT_EQ(log.str(), "Run Process: Error Creating process\nerror: Unable to write to C:\\x\n");
}

}  // namespace
