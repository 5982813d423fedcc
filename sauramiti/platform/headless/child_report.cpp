#include <charconv>
#include <optional>
#include <sauramiti/base/json_string.hpp>
#include <sauramiti/platform/headless/child_report.hpp>
#include <sauramiti/platform/headless/headless_host.hpp>
#include <sauramiti/platform/headless/value_format.hpp>

namespace sauramiti::headless {

namespace {

std::optional<std::string> CommonProperty(const platform::ChildControl& c, std::string_view p) {
  if (p == "enabled") return FormatBoolean(c.Enabled());
  if (p == "visible") return FormatBoolean(c.Visible());
  if (p == "left") return FormatSingle(c.Left());
  if (p == "top") return FormatSingle(c.Top());
  if (p == "width") return FormatSingle(c.Width());
  if (p == "height") return FormatSingle(c.Height());
  if (p == "backcolor") return FormatColor(c.BackColor());
  if (p == "tooltip") return QuoteJsonString(c.ToolTipText());
  return std::nullopt;
}

std::optional<std::string> FontProperty(const platform::HasFont& c, std::string_view p) {
  if (p == "fontname") return QuoteJsonString(c.FontName());
  if (p == "fontsize") return FormatSingle(c.FontSize());
  if (p == "fontbold") return FormatBoolean(c.FontBold());
  return std::nullopt;
}

std::optional<std::string> LabelProperty(const HeadlessLabel& c, std::string_view p) {
  if (p == "caption") return QuoteJsonString(c.Caption());
  if (p == "forecolor") return FormatColor(c.ForeColor());
  if (p == "s1") return std::to_string(c.S1());
  if (p == "s2") return std::to_string(c.S2());
  if (p == "s3") return std::to_string(c.S3());
  if (p == "corner") return QuoteJsonString(c.CornerText());
  if (p == "outline") return FormatBoolean(c.Outlined());
  return FontProperty(c, p);
}

// The index of `item(i)`: a decimal 32-bit integer between the parentheses.
std::optional<std::int32_t> ItemIndex(std::string_view p) {
  constexpr std::string_view kOpen = "item(";
  if (p.substr(0, kOpen.size()) != kOpen) return std::nullopt;
  const bool closed = p.size() > kOpen.size() && p.back() == ')';
  const std::string_view digits =
      closed ? p.substr(kOpen.size(), p.size() - kOpen.size() - 1) : std::string_view();
  std::int32_t index = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
  if (!closed || error != std::errc() || end != digits.data() + digits.size()) {
    throw InspectError("bad item index in \"" + std::string(p) +
                       "\": expected item(N) with a whole number N");
  }
  return index;
}

std::optional<std::string> ComboBoxProperty(const HeadlessComboBox& c, std::string_view p) {
  if (p == "text") return QuoteJsonString(c.Text());
  if (p == "listcount") return std::to_string(c.ListCount());
  if (p == "listindex") return std::to_string(c.ListIndex());
  if (const auto index = ItemIndex(p)) return QuoteJsonString(c.List(*index));
  return FontProperty(c, p);
}

bool IsKnownProperty(std::string_view p) {
  static constexpr std::string_view kNames[] = {
      "caption", "text",      "enabled",   "visible",   "left",      "top",      "width",
      "height",  "backcolor", "forecolor", "fontname",  "fontsize",  "fontbold", "tooltip",
      "s1",      "s2",        "s3",        "listcount", "listindex", "corner",   "outline"};
  for (const std::string_view name : kNames) {
    if (p == name) return true;
  }
  return p.substr(0, 5) == "item(";
}

}  // namespace

std::string Inspect(const HeadlessHost& host, std::string_view controlName,
                    std::string_view property) {
  const HeadlessChild* child = host.FindChild(controlName);
  if (child == nullptr) {
    throw InspectError("no child control named \"" + std::string(controlName) + "\"");
  }
  if (!IsKnownProperty(property)) {
    throw InspectError("unknown property \"" + std::string(property) + "\"");
  }
  std::optional<std::string> value = CommonProperty(child->Control(), property);
  if (!value) {
    if (const auto* label = dynamic_cast<const HeadlessLabel*>(child)) {
      value = LabelProperty(*label, property);
    } else if (const auto* comboBox = dynamic_cast<const HeadlessComboBox*>(child)) {
      value = ComboBoxProperty(*comboBox, property);
    }
  }
  if (!value) {
    throw InspectError(std::string(controlName) + " is a " + KindName(child->Kind()) +
                       ", which has no property \"" + std::string(property) + "\"");
  }
  return *value;
}

}  // namespace sauramiti::headless
