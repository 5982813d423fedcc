// A headless label: keeps its caption, colours, font and style values as given, and lets a test
// or script click it.
//
// A new label has an empty caption, the system button-text colour (0x80000012) as its text
// colour and 0 in S1, S2 and S3. Click() plays the user's click: like a real label, a disabled
// one reports nothing. Only the label's own enabled state counts, not its visibility or that of
// its frames, so the control's own guards against clicks stay reachable from tests.
#pragma once

#include <cstdint>
#include <functional>
#include <sauramiti/platform/headless/headless_child.hpp>
#include <string>

namespace sauramiti::headless {

class HeadlessLabel final : public HeadlessFontedControl<platform::Label> {
 public:
  HeadlessLabel(std::shared_ptr<ChildRegistry> registry, std::string_view name,
                std::string_view parentName)
      : HeadlessFontedControl(std::move(registry), name, parentName, ChildKind::Label) {}

  [[nodiscard]] std::string Caption() const override { return caption_; }
  void Caption(const std::string& text) override { caption_ = text; }
  [[nodiscard]] platform::Color ForeColor() const override { return foreColor_; }
  void ForeColor(platform::Color color) override { foreColor_ = color; }
  [[nodiscard]] std::int16_t S1() const override { return s1_; }
  void S1(std::int16_t value) override { s1_ = value; }
  [[nodiscard]] std::int16_t S2() const override { return s2_; }
  void S2(std::int16_t value) override { s2_ = value; }
  [[nodiscard]] std::int16_t S3() const override { return s3_; }
  void S3(std::int16_t value) override { s3_ = value; }
  [[nodiscard]] std::string CornerText() const override { return corner_; }
  void CornerText(const std::string& text) override { corner_ = text; }
  [[nodiscard]] bool Outlined() const override { return outlined_; }
  void Outlined(bool outlined) override { outlined_ = outlined; }

  void OnClick(std::function<void()> handler) override { onClick_ = std::move(handler); }

  // The user clicks the label. Runs the click handler when the label is enabled and has one;
  // returns whether the handler ran. A run-time error of the handler passes to the caller.
  bool Click();

 private:
  std::string caption_;
  std::string corner_;
  platform::Color foreColor_ = platform::kButtonTextColor;
  std::int16_t s1_ = 0;
  std::int16_t s2_ = 0;
  std::int16_t s3_ = 0;
  bool outlined_ = false;
  std::function<void()> onClick_;
};

}  // namespace sauramiti::headless
