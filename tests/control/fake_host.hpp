// A small in-memory host and toolkit for the control's tests.
//
// Every child keeps exactly what it was given and can be found by its name. A combo box reports
// a fixed height (360 twips unless a test sets another), so layout figures do not depend on the
// font the layout itself chose. Width and Height fire the resize handler when the value changes,
// as a real surface reports geometry changes. Events arrive as lines: "PropertyChanged NAME" and
// "Click"; a test may also hook into Click to look at the control while the event is raised.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/platform/child_controls.hpp>
#include <sauramiti/platform/host.hpp>
#include <sauramiti/platform/property_bag.hpp>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sauramiti::testing {

template <typename Base>
class FakeChild : public Base {
 public:
  float Left() const override { return left_; }
  void Left(float twips) override { left_ = twips; }
  float Top() const override { return top_; }
  void Top(float twips) override { top_ = twips; }
  float Width() const override { return width_; }
  void Width(float twips) override { width_ = twips; }
  float Height() const override { return height_; }
  void Height(float twips) override { height_ = twips; }
  bool Enabled() const override { return enabled_; }
  void Enabled(bool enabled) override { enabled_ = enabled; }
  bool Visible() const override { return visible_; }
  void Visible(bool visible) override { visible_ = visible; }
  std::string ToolTipText() const override { return toolTip_; }
  void ToolTipText(const std::string& text) override { toolTip_ = text; }
  platform::Color BackColor() const override { return backColor_; }
  void BackColor(platform::Color color) override { backColor_ = color; }

 protected:
  float height_ = 0;

 private:
  float left_ = 0, top_ = 0, width_ = 0;
  bool enabled_ = true, visible_ = false;
  std::string toolTip_;
  platform::Color backColor_ = 0;
};

template <typename Base>
class FakeFontedChild : public FakeChild<Base> {
 public:
  std::string FontName() const override { return fontName_; }
  void FontName(const std::string& name) override { fontName_ = name; }
  float FontSize() const override { return fontSize_; }
  void FontSize(float points) override { fontSize_ = points; }
  bool FontBold() const override { return fontBold_; }
  void FontBold(bool bold) override { fontBold_ = bold; }

 private:
  std::string fontName_;
  float fontSize_ = 0;
  bool fontBold_ = false;
};

class FakeFrame final : public FakeChild<platform::Frame> {};

class FakeLabel final : public FakeFontedChild<platform::Label> {
 public:
  std::string Caption() const override { return caption_; }
  void Caption(const std::string& text) override { caption_ = text; }
  platform::Color ForeColor() const override { return foreColor_; }
  void ForeColor(platform::Color color) override { foreColor_ = color; }
  std::int16_t S1() const override { return s1_; }
  void S1(std::int16_t v) override { s1_ = v; }
  std::int16_t S2() const override { return s2_; }
  void S2(std::int16_t v) override { s2_ = v; }
  std::int16_t S3() const override { return s3_; }
  void S3(std::int16_t v) override { s3_ = v; }
  void OnClick(std::function<void()> handler) override { onClick_ = std::move(handler); }

  // The user clicks: a disabled label reports nothing.
  void Click() {
    if (Enabled() && onClick_) onClick_();
  }

 private:
  std::string caption_;
  platform::Color foreColor_ = 0;
  std::int16_t s1_ = 0, s2_ = 0, s3_ = 0;
  std::function<void()> onClick_;
};

class FakeComboBox final : public FakeFontedChild<platform::ComboBox> {
 public:
  FakeComboBox() { height_ = 360.0F; }
  using FakeFontedChild<platform::ComboBox>::Height;
  // The height follows the font in a real toolkit; here it stays what the test says.
  void Height(float) override {}
  void SetReportedHeight(float twips) { height_ = twips; }

  void Clear() override {
    items_.clear();
    text_.clear();
    index_ = -1;
  }
  void AddItem(const std::string& item) override { items_.push_back(item); }
  std::int32_t ListCount() const override { return static_cast<std::int32_t>(items_.size()); }
  std::string List(std::int32_t index) const override {
    if (index < 0 || index >= ListCount()) return {};
    return items_[static_cast<std::size_t>(index)];
  }
  std::int32_t ListIndex() const override { return index_; }
  std::string Text() const override { return text_; }
  void Text(const std::string& text) override {
    text_ = text;
    index_ = -1;
    for (std::size_t i = 0; i < items_.size(); ++i) {
      if (items_[i] == text) {
        index_ = static_cast<std::int32_t>(i);
        break;
      }
    }
  }
  void OnClick(std::function<void()> handler) override { onClick_ = std::move(handler); }
  void OnDropDown(std::function<void()> handler) override { onDropDown_ = std::move(handler); }
  void OnKeyPress(std::function<void(std::int16_t&)> handler) override {
    onKeyPress_ = std::move(handler);
  }

  // The user's actions.
  void Choose(std::int32_t index) {
    text_ = List(index);
    index_ = index;
    if (onClick_) onClick_();
  }
  void DropDown() {
    if (onDropDown_) onDropDown_();
  }
  void Type(char c) {
    std::int16_t code = static_cast<std::int16_t>(c);
    if (onKeyPress_) onKeyPress_(code);
    if (code != 0) Text(text_ + static_cast<char>(code));
  }
  const std::vector<std::string>& Items() const { return items_; }

 private:
  std::vector<std::string> items_;
  std::string text_;
  std::int32_t index_ = -1;
  std::function<void()> onClick_, onDropDown_;
  std::function<void(std::int16_t&)> onKeyPress_;
};

class FakeHost final : public platform::Host {
 public:
  bool Enabled() const override { return enabled_; }
  void Enabled(bool enabled) override { enabled_ = enabled; }
  float Width() const override { return width_; }
  void Width(float twips) override { Change(width_, twips); }
  float Height() const override { return height_; }
  void Height(float twips) override { Change(height_, twips); }
  // The host's own resize: both sides, then one Resize.
  void Resize(float width, float height) {
    width_ = width;
    height_ = height;
    if (onResize_) onResize_();
  }

  bool UserMode() const override { return userMode_; }
  void SetUserMode(bool run) { userMode_ = run; }
  FontRef AmbientFont() override { return std::make_shared<Font>(ambientFont_); }
  Font ambientFont_{"Tahoma", 8.25F};

  void PropertyChanged(std::string_view name) override {
    events_.push_back("PropertyChanged " + std::string(name));
  }
  void RaiseClick() override {
    events_.push_back("Click");
    if (onClickRaised) onClickRaised();
  }
  std::vector<std::string> TakeEvents() { return std::exchange(events_, {}); }
  std::function<void()> onClickRaised;

  platform::LocalDate Today() override { return today_; }
  void SetToday(platform::LocalDate date) { today_ = date; }

  std::unique_ptr<platform::Frame> CreateFrame(platform::Frame*, std::string_view name) override {
    return Register(std::make_unique<FakeFrame>(), name);
  }
  std::unique_ptr<platform::Label> CreateLabel(platform::Frame&, std::string_view name) override {
    return Register(std::make_unique<FakeLabel>(), name);
  }
  std::unique_ptr<platform::ComboBox> CreateComboBox(platform::Frame&,
                                                     std::string_view name) override {
    return Register(std::make_unique<FakeComboBox>(), name);
  }
  void OnResize(std::function<void()> handler) override { onResize_ = std::move(handler); }
  bool HasResizeHandler() const { return static_cast<bool>(onResize_); }

  FakeFrame& Frame(const std::string& name) { return Find<FakeFrame>(name); }
  FakeLabel& Label(const std::string& name) { return Find<FakeLabel>(name); }
  FakeLabel& Day(int j) { return Label("lblDay(" + std::to_string(j) + ")"); }
  FakeLabel& Header(int i) { return Label("lblWD(" + std::to_string(i) + ")"); }
  FakeComboBox& Combo(const std::string& name) { return Find<FakeComboBox>(name); }

 private:
  template <typename T>
  std::unique_ptr<T> Register(std::unique_ptr<T> child, std::string_view name) {
    children_[std::string(name)] = child.get();
    return child;
  }
  template <typename T>
  T& Find(const std::string& name) {
    auto* child = dynamic_cast<T*>(children_.at(name));
    if (child == nullptr) throw std::logic_error("no child of that kind: " + name);
    return *child;
  }
  void Change(float& side, float twips) {
    if (side == twips) return;
    side = twips;
    if (onResize_) onResize_();
  }

  bool enabled_ = true;
  float width_ = 5535.0F, height_ = 5220.0F;
  bool userMode_ = true;
  std::vector<std::string> events_;
  platform::LocalDate today_{2002, 4, 14};
  std::function<void()> onResize_;
  std::map<std::string, platform::ChildControl*> children_;
};

// A property bag that keeps what differs from the default, in the order written, and records
// every write with the type of the value handed over.
class FakeBag final : public platform::PropertyBag {
 public:
  Variant ReadProperty(std::string_view key, const Variant& defaultValue) override {
    reads.emplace_back(key);
    const auto it = stored.find(std::string(key));
    return it == stored.end() ? defaultValue : it->second;
  }
  void WriteProperty(std::string_view key, const Variant& value,
                     const Variant& defaultValue) override {
    writes.emplace_back(std::string(key), value);
    if (value == defaultValue) {
      stored.erase(std::string(key));
    } else {
      stored[std::string(key)] = value;
    }
  }

  std::map<std::string, Variant> stored;
  std::vector<std::pair<std::string, Variant>> writes;
  std::vector<std::string> reads;
};

}  // namespace sauramiti::testing
