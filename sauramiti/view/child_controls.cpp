#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/platform/colors.hpp>
#include <sauramiti/view/child_controls.hpp>
#include <string>

namespace sauramiti::view {

namespace {

constexpr platform::Color kFrame1BackColor = 0x00C0C0FFU;  // light red
constexpr platform::Color kLabel2BackColor = 0x00FFC0C0U;  // light blue

std::string ArrayName(const char* base, std::size_t index) {
  return std::string(base) + "(" + std::to_string(index) + ")";
}

void SetFont(platform::HasFont& control, const char* name, float points, bool bold) {
  control.FontName(name);
  control.FontSize(points);
  control.FontBold(bold);
}

template <std::size_t N>
platform::Label& ElementAt(const std::array<std::unique_ptr<platform::Label>, N>& labels,
                           std::int32_t index) {
  if (index < 0 || static_cast<std::size_t>(index) >= N) Raise(kSubscriptOutOfRange);
  return *labels[static_cast<std::size_t>(index)];
}

}  // namespace

ChildControls CreateChildControls(platform::Host& host) {
  ChildControls c;
  c.Frame1 = host.CreateFrame(nullptr, "Frame1");
  c.Frame1->BackColor(kFrame1BackColor);

  c.Frame2 = host.CreateFrame(c.Frame1.get(), "Frame2");
  c.Frame2->BackColor(platform::kButtonShadowColor);
  c.Frame2->ToolTipText("Click the Required Date");

  // Headers and day cells start with the look every reset of the grid gives them: a single
  // border, centred text, raised.
  for (std::size_t i = 0; i < kHeaderCount; ++i) {
    c.lblWD[i] = host.CreateLabel(*c.Frame2, ArrayName("lblWD", i));
    c.lblWD[i]->BackColor(platform::kButtonFaceColor);
    c.lblWD[i]->S1(1);
    c.lblWD[i]->S2(2);
    c.lblWD[i]->S3(1);
  }
  for (std::size_t j = 0; j < kMaxDayCellCount; ++j) {
    c.lblDay[j] = host.CreateLabel(*c.Frame2, ArrayName("lblDay", j));
    c.lblDay[j]->BackColor(platform::kButtonFaceColor);
    c.lblDay[j]->S1(1);
    c.lblDay[j]->S2(2);
    c.lblDay[j]->S3(1);
    if (j >= kDayCellCount) {  // the sixth week, until SixWeeks shows it
      c.lblDay[j]->Visible(false);
      c.lblDay[j]->Enabled(false);
    }
  }

  c.cboYear = host.CreateComboBox(*c.Frame1, "cboYear");
  SetFont(*c.cboYear, "Tahoma", 11.25F, true);
  c.cboYear->ToolTipText("Select Year");

  c.CBoMonth = host.CreateComboBox(*c.Frame1, "CBoMonth");
  SetFont(*c.CBoMonth, "Tahoma", 12.0F, true);
  c.CBoMonth->ToolTipText("Select Month");

  c.Label1 = host.CreateLabel(*c.Frame1, "Label1");
  SetFont(*c.Label1, "MS Sans Serif", 9.75F, false);
  c.Label1->ToolTipText("Nepali Date Display Panel");

  c.Label2 = host.CreateLabel(*c.Frame1, "Label2");
  c.Label2->BackColor(kLabel2BackColor);
  c.Label2->ForeColor(platform::kHighlightColor);
  SetFont(*c.Label2, "MS Sans Serif", 9.75F, false);
  c.Label2->ToolTipText("English Date Display Panel");
  return c;
}

platform::Label& HeaderAt(const ChildControls& controls, std::int32_t index) {
  return ElementAt(controls.lblWD, index);
}

platform::Label& DayCellAt(const ChildControls& controls, std::int32_t index) {
  return ElementAt(controls.lblDay, index);
}

}  // namespace sauramiti::view
