// What every headless child control shares: its name, its place in the directory of children,
// and the plain properties of a child control kept in memory.
//
// A headless child keeps every value exactly as it was given: positions and sizes in single
// precision as requested (negative and NaN included), colours as numbers, texts as bytes. Nothing
// is drawn and nothing is clamped, so a test reads back precisely what the control asked for.
//
// A new child is enabled and visible, at 0,0 with size 0 by 0, with an empty tool tip and the
// system button-face colour (0x8000000F) as its back colour.
#pragma once

#include <memory>
#include <sauramiti/platform/headless/child_registry.hpp>
#include <sauramiti/platform/toolkit_controls.hpp>
#include <string>
#include <string_view>

namespace sauramiti::headless {

enum class ChildKind { Frame, Label, ComboBox };

// "frame", "label" or "combo box", for messages.
const char* KindName(ChildKind kind) noexcept;

// The identity of a child: its name, the name of its frame ("" on the surface itself) and its
// kind. It enters the registry on construction and leaves it on destruction; the registry is
// shared, so children and host may be destroyed in either order.
class HeadlessChild {
 public:
  HeadlessChild(std::shared_ptr<ChildRegistry> registry, std::string_view name,
                std::string_view parentName, ChildKind kind);
  virtual ~HeadlessChild();
  HeadlessChild(const HeadlessChild&) = delete;
  HeadlessChild& operator=(const HeadlessChild&) = delete;

  [[nodiscard]] const std::string& Name() const noexcept { return name_; }
  [[nodiscard]] const std::string& ParentName() const noexcept { return parentName_; }
  [[nodiscard]] ChildKind Kind() const noexcept { return kind_; }

  // The child's common properties.
  [[nodiscard]] virtual const platform::ChildControl& Control() const noexcept = 0;

 private:
  std::shared_ptr<ChildRegistry> registry_;
  std::string name_;
  std::string parentName_;
  ChildKind kind_;
};

// The common properties of a child control, kept in memory.
template <typename Interface>
class HeadlessChildControl : public Interface, public HeadlessChild {
 public:
  using HeadlessChild::HeadlessChild;

  [[nodiscard]] const platform::ChildControl& Control() const noexcept override { return *this; }

  [[nodiscard]] float Left() const override { return left_; }
  void Left(float twips) override { left_ = twips; }
  [[nodiscard]] float Top() const override { return top_; }
  void Top(float twips) override { top_ = twips; }
  [[nodiscard]] float Width() const override { return width_; }
  void Width(float twips) override { width_ = twips; }
  [[nodiscard]] float Height() const override { return height_; }
  void Height(float twips) override { height_ = twips; }

  [[nodiscard]] bool Enabled() const override { return enabled_; }
  void Enabled(bool enabled) override { enabled_ = enabled; }
  [[nodiscard]] bool Visible() const override { return visible_; }
  void Visible(bool visible) override { visible_ = visible; }
  [[nodiscard]] std::string ToolTipText() const override { return toolTip_; }
  void ToolTipText(const std::string& text) override { toolTip_ = text; }
  [[nodiscard]] platform::Color BackColor() const override { return backColor_; }
  void BackColor(platform::Color color) override { backColor_ = color; }

 private:
  float left_ = 0.0F;
  float top_ = 0.0F;
  float width_ = 0.0F;
  float height_ = 0.0F;
  bool enabled_ = true;
  bool visible_ = true;
  std::string toolTip_;
  platform::Color backColor_ = platform::kButtonFaceColor;
};

// A child with a font of its own. A new one has "MS Sans Serif", 8.25 points, not bold; sizes are
// kept as requested, since a headless toolkit has no list of sizes to round to.
template <typename Interface>
class HeadlessFontedControl : public HeadlessChildControl<Interface> {
 public:
  using HeadlessChildControl<Interface>::HeadlessChildControl;

  [[nodiscard]] std::string FontName() const override { return fontName_; }
  void FontName(const std::string& name) override { fontName_ = name; }
  [[nodiscard]] float FontSize() const override { return fontSize_; }
  void FontSize(float points) override { fontSize_ = points; }
  [[nodiscard]] bool FontBold() const override { return fontBold_; }
  void FontBold(bool bold) override { fontBold_ = bold; }

 private:
  std::string fontName_ = "MS Sans Serif";
  float fontSize_ = 8.25F;
  bool fontBold_ = false;
};

}  // namespace sauramiti::headless
