#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <sauramiti/platform/headless/headless_host.hpp>
#include <sauramiti/platform/headless/system_clock.hpp>
#include <string>
#include <vector>

namespace sauramiti::headless {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

struct ResizeCase {
  const char* name;
  std::function<void(HeadlessHost&)> act;
  int resizes;
  float width;
  float height;
};

TEST(HeadlessHostTest, ResizeFiresOncePerActualChange) {
  const std::vector<ResizeCase> cases = {
      {"the control sets both sides: two changes",
       [](HeadlessHost& h) {
         h.Height(3000.0F);
         h.Width(3000.0F);
       },
       2, 3000.0F, 3000.0F},
      {"the control sets a side to its size: nothing",
       [](HeadlessHost& h) {
         h.Width(5535.0F);
         h.Height(5220.0F);
       },
       0, 5535.0F, 5220.0F},
      {"the host resizes both sides: one", [](HeadlessHost& h) { h.Resize(4800.0F, 4800.0F); }, 1,
       4800.0F, 4800.0F},
      {"the host changes one side: one", [](HeadlessHost& h) { h.Resize(5535.0F, 100.0F); }, 1,
       5535.0F, 100.0F},
      {"the host keeps the size: nothing", [](HeadlessHost& h) { h.Resize(5535.0F, 5220.0F); }, 0,
       5535.0F, 5220.0F},
      {"negative zero is zero",
       [](HeadlessHost& h) {
         h.Width(0.0F);
         h.Width(-0.0F);
       },
       1, 0.0F, 5220.0F},
      {"NaN again is no change",
       [](HeadlessHost& h) {
         h.Width(kNaN);
         h.Width(kNaN);
         h.Resize(kNaN, 5220.0F);
       },
       1, kNaN, 5220.0F},
  };
  for (const ResizeCase& c : cases) {
    HeadlessHost host;
    int resizes = 0;
    host.OnResize([&] { ++resizes; });
    c.act(host);
    EXPECT_EQ(resizes, c.resizes) << c.name;
    if (std::isnan(c.width)) {
      EXPECT_TRUE(std::isnan(host.Width())) << c.name;
    } else {
      EXPECT_EQ(host.Width(), c.width) << c.name;
    }
    EXPECT_EQ(host.Height(), c.height) << c.name;
  }
}

TEST(HeadlessHostTest, TheHandlerSeesBothNewSidesOfAHostResize) {
  HeadlessHost host;
  std::vector<std::pair<float, float>> seen;
  host.OnResize([&] { seen.emplace_back(host.Width(), host.Height()); });
  host.Resize(4800.0F, 3600.0F);
  ASSERT_EQ(seen.size(), 1U);
  EXPECT_EQ(seen[0], std::make_pair(4800.0F, 3600.0F));
}

TEST(HeadlessHostTest, AmbientFontIsANewObjectEveryTime) {
  HeadlessHost host;
  const FontRef first = host.AmbientFont();
  const FontRef second = host.AmbientFont();
  ASSERT_TRUE(first && second);
  EXPECT_NE(first.get(), second.get());
  EXPECT_EQ(*first, (Font{"Tahoma", 8.25F}));
  first->name = "Changed by the control";
  EXPECT_EQ(host.AmbientFont()->name, "Tahoma") << "a change to one object is not the host's";
  host.SetAmbientFont(Font{"Kalimati", 10.0F, true});
  EXPECT_EQ(*host.AmbientFont(), (Font{"Kalimati", 10.0F, true}));
  EXPECT_TRUE(host.UserMode()) << "a host starts in run mode";
}

TEST(HeadlessHostTest, EventsAreKeptInOrderUntilTaken) {
  HeadlessHost host;
  host.PropertyChanged("Value");
  host.RaiseClick();
  host.PropertyChanged("MinYear");
  EXPECT_EQ(host.TakeEvents(), (std::vector<std::string>{"PropertyChanged Value", "Click",
                                                         "PropertyChanged MinYear"}));
  EXPECT_TRUE(host.TakeEvents().empty());
  host.RaiseClick();
  EXPECT_EQ(host.Events(), std::vector<std::string>{"Click"});
}

TEST(HeadlessHostTest, TodayIsTheFixedDateUntilTheClockIsRestored) {
  HeadlessHost host;
  host.SetToday({2002, 4, 14});
  const platform::LocalDate fixed = host.Today();
  EXPECT_EQ(fixed.year, 2002);
  EXPECT_EQ(fixed.month, 4);
  EXPECT_EQ(fixed.day, 14);
  host.UseSystemClock();
  const platform::LocalDate real = host.Today();
  EXPECT_GE(real.year, 2024) << "the machine's own date";
}

TEST(HeadlessHostTest, ChildrenAreFoundByNameAndKind) {
  HeadlessHost host;
  auto frame1 = host.CreateFrame(nullptr, "Frame1");
  auto frame2 = host.CreateFrame(frame1.get(), "Frame2");
  auto day = host.CreateLabel(*frame2, "lblDay(34)");
  auto year = host.CreateComboBox(*frame1, "cboYear");

  EXPECT_EQ(host.FindLabel("lblDay(34)"), day.get());
  EXPECT_EQ(host.FindComboBox("cboYear"), year.get());
  EXPECT_EQ(host.FindFrame("Frame2"), frame2.get());
  EXPECT_EQ(host.FindChild("lblDay(34)")->ParentName(), "Frame2");
  EXPECT_EQ(host.FindChild("Frame1")->ParentName(), "");

  EXPECT_EQ(host.FindLabel("cboYear"), nullptr) << "a combo box is not a label";
  EXPECT_EQ(host.FindChild("lblday(34)"), nullptr) << "names are exact";

  std::vector<std::string> order;
  for (const HeadlessChild* child : host.Children()) order.push_back(child->Name());
  EXPECT_EQ(order, (std::vector<std::string>{"Frame1", "Frame2", "lblDay(34)", "cboYear"}));
}

TEST(HeadlessHostTest, ADestroyedChildLeavesTheDirectory) {
  HeadlessHost host;
  auto frame = host.CreateFrame(nullptr, "Frame1");
  auto older = host.CreateLabel(*frame, "Label1");
  auto newer = host.CreateLabel(*frame, "Label1");
  EXPECT_EQ(host.FindLabel("Label1"), newer.get()) << "the one made last is found";
  newer.reset();
  EXPECT_EQ(host.FindLabel("Label1"), older.get()) << "the earlier one is found again";
  older.reset();
  EXPECT_EQ(host.FindChild("Label1"), nullptr);
  EXPECT_EQ(host.Children().size(), 1U);
}

TEST(HeadlessHostTest, ChildrenMayOutliveTheirHost) {
  std::unique_ptr<platform::Label> label;
  {
    HeadlessHost host;
    auto frame = host.CreateFrame(nullptr, "Frame1");
    label = host.CreateLabel(*frame, "Label1");
  }
  label->Caption("still usable");
  EXPECT_EQ(label->Caption(), "still usable");
  label.reset();  // leaves a registry nobody else holds; must not touch freed memory
}

TEST(HeadlessLabelTest, OnlyAnEnabledLabelReportsAClick) {
  HeadlessHost host;
  auto frame = host.CreateFrame(nullptr, "Frame2");
  auto owned = host.CreateLabel(*frame, "lblDay(0)");
  HeadlessLabel& day = *host.FindLabel("lblDay(0)");
  EXPECT_FALSE(day.Click()) << "no handler: nothing delivered";
  int clicks = 0;
  owned->OnClick([&] { ++clicks; });
  EXPECT_TRUE(day.Click());
  owned->Enabled(false);
  EXPECT_FALSE(day.Click());
  owned->Enabled(true);
  owned->Visible(false);
  EXPECT_TRUE(day.Click()) << "visibility does not stop a headless click";
  EXPECT_EQ(clicks, 2);
}

}  // namespace
}  // namespace sauramiti::headless
