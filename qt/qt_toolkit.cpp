#include <QEvent>
#include <QObject>
#include <qt/qt_combo_box.hpp>
#include <qt/qt_frame.hpp>
#include <qt/qt_label.hpp>
#include <qt/qt_toolkit.hpp>
#include <stdexcept>

namespace sauramiti::qt {

// Swallows the user's input to the children while the control sits in a form designer.
class InputGate final : public QObject {
 public:
  bool open = true;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!open && IsUserInput(event->type())) return true;
    return QObject::eventFilter(watched, event);
  }

 private:
  static bool IsUserInput(QEvent::Type type) {
    switch (type) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::ContextMenu:
        return true;
      default:
        return false;
    }
  }
};

QtToolkit::QtToolkit(QWidget& surface) : surface_(surface), gate_(std::make_unique<InputGate>()) {}

QtToolkit::~QtToolkit() = default;

TwipsScale QtToolkit::Scale() const {
  return {static_cast<double>(surface_.logicalDpiX()), static_cast<double>(surface_.logicalDpiY())};
}

QWidget& QtToolkit::ParentWidget(platform::Frame* parent) const {
  if (parent == nullptr) return surface_;
  const auto* frame = dynamic_cast<QtFrame*>(parent);
  if (frame == nullptr || frame->Widget() == nullptr) {
    throw std::invalid_argument("a Qt child control needs a frame made by the same toolkit");
  }
  return *frame->Widget();
}

std::unique_ptr<platform::Frame> QtToolkit::CreateFrame(platform::Frame* parent,
                                                        std::string_view name) {
  return std::make_unique<QtFrame>(*this, ParentWidget(parent), name);
}

std::unique_ptr<platform::Label> QtToolkit::CreateLabel(platform::Frame& parent,
                                                        std::string_view name) {
  return std::make_unique<QtLabel>(*this, ParentWidget(&parent), name);
}

std::unique_ptr<platform::ComboBox> QtToolkit::CreateComboBox(platform::Frame& parent,
                                                              std::string_view name) {
  return std::make_unique<QtComboBox>(*this, ParentWidget(&parent), name);
}

template <typename T>
T* QtToolkit::Find(std::string_view name) const {
  const auto found = children_.find(name);
  return found == children_.end() ? nullptr : dynamic_cast<T*>(found->second);
}

QtFrame* QtToolkit::FindFrame(std::string_view name) const { return Find<QtFrame>(name); }
QtLabel* QtToolkit::FindLabel(std::string_view name) const { return Find<QtLabel>(name); }
QtComboBox* QtToolkit::FindComboBox(std::string_view name) const { return Find<QtComboBox>(name); }

void QtToolkit::SetUserInputEnabled(bool enabled) noexcept { gate_->open = enabled; }

bool QtToolkit::UserInputEnabled() const noexcept { return gate_->open; }

bool QtToolkit::RunUserAction(const std::function<void()>& action) const {
  struct Running {
    int& depth;
    explicit Running(int& d) : depth(d) { ++depth; }
    ~Running() { --depth; }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;
  };
  try {
    const Running running(actionDepth_);
    action();
    return true;
  } catch (const RuntimeError& error) {
    if (errorSink_) errorSink_(error);
    return false;
  }
}

void QtToolkit::NotifyContentChanged(QtChild& child) const {
  if (contentObserver_) contentObserver_(child);
}

void QtToolkit::NotifyLabelClicked(QtLabel& label) const {
  if (labelClickObserver_) labelClickObserver_(label);
}

void QtToolkit::Register(QtChild& child) { children_[child.Name()] = &child; }

void QtToolkit::Unregister(const QtChild& child) noexcept {
  const auto found = children_.find(child.Name());
  if (found != children_.end() && found->second == &child) children_.erase(found);
}

void QtToolkit::GuardUserInput(QWidget& widget) const { widget.installEventFilter(gate_.get()); }

void QtToolkit::PlaceAll() const {
  for (const auto& [name, child] : children_) child->Place();
}

}  // namespace sauramiti::qt

namespace sauramiti::qt {

std::vector<int> QtToolkit::ComboBoxHeights() const {
  std::vector<int> heights;
  for (const auto& [name, child] : children_) {
    if (dynamic_cast<const QtComboBox*>(child) != nullptr && child->Widget() != nullptr) {
      heights.push_back(child->Widget()->height());
    }
  }
  return heights;
}

}  // namespace sauramiti::qt
