// Shared pieces of the control's tests: the in-memory host with a hook into Click, a property
// bag that records what passes through it, a live instance, and error capture.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/calendar/first_weekday.hpp>
#include <sauramiti/control/sauramiti.hpp>
#include <sauramiti/platform/headless/headless_host.hpp>
#include <string>
#include <tests/base/outcome.hpp>
#include <vector>

namespace sauramiti::testing {

// Every date field as one line: year month day weekday|DateValue|DateAD|EngStrDate|Julian Ujjain
inline std::string DateFields(const Sauramiti& c) {
  char numbers[64];
  std::snprintf(numbers, sizeof numbers, "%d %d %d %d|", c.year(), c.month(), c.Day(), c.Weekday());
  std::string text = numbers + c.DateValue() + "|" + c.DateAD() + "|" + c.EngStrDate() + "|";
  std::snprintf(numbers, sizeof numbers, "%.1f %d", c.JulianDate(), c.UjjainAhargana());
  return text + numbers;
}

// The Value string "yyyy/mm/dd/w" of a BS day, its weekday from the month's first.
inline std::string ValueOf(int year, int month, int day) {
  const int first = SauramitiRoutine::GetFirstWeekDay(static_cast<std::int16_t>(year),
                                                      static_cast<std::int16_t>(month));
  char text[32];
  std::snprintf(text, sizeof text, "%04d/%02d/%02d/%d", year, month, day,
                (first - 1 + day - 1) % 7 + 1);
  return text;
}

// The headless host, with a hook that runs while the control raises Click.
class HookedHost final : public platform::Host {
 public:
  headless::HeadlessHost inner;
  std::function<void()> onClickRaised = [] {};

  bool Enabled() const override { return inner.Enabled(); }
  void Enabled(bool on) override { inner.Enabled(on); }
  float Width() const override { return inner.Width(); }
  void Width(float twips) override { inner.Width(twips); }
  float Height() const override { return inner.Height(); }
  void Height(float twips) override { inner.Height(twips); }
  bool UserMode() const override { return inner.UserMode(); }
  FontRef AmbientFont() override { return inner.AmbientFont(); }
  void PropertyChanged(std::string_view name) override { inner.PropertyChanged(name); }
  void RaiseClick() override { inner.RaiseClick(), onClickRaised(); }
  platform::LocalDate Today() override { return inner.Today(); }
  using Name = std::string_view;
  auto CreateFrame(platform::Frame* p, Name n) -> std::unique_ptr<platform::Frame> override {
    return inner.CreateFrame(p, n);
  }
  auto CreateLabel(platform::Frame& p, Name n) -> std::unique_ptr<platform::Label> override {
    return inner.CreateLabel(p, n);
  }
  auto CreateComboBox(platform::Frame& p, Name n) -> std::unique_ptr<platform::ComboBox> override {
    return inner.CreateComboBox(p, n);
  }
  void OnResize(std::function<void()> handler) override { inner.OnResize(std::move(handler)); }
};

// Keeps what differs from its default; records reads and every write with the type handed over.
class RecordingBag final : public platform::PropertyBag {
 public:
  Variant ReadProperty(std::string_view key, const Variant& defaultValue) override {
    reads += std::string(key) + " ";
    const auto it = stored.find(std::string(key));
    return it == stored.end() ? defaultValue : it->second;
  }
  void WriteProperty(std::string_view key, const Variant& value, const Variant& def) override {
    writes += std::string(key) + ":" + TypeName(value.Type()) + (value == def ? " " : "* ");
    stored.erase(std::string(key));
    if (value != def) stored[std::string(key)] = value;
  }
  std::map<std::string, Variant> stored;
  std::string reads, writes;  // "key:Type* " for each write, * when it differs from the default
};

// A new instance on a 4800 x 4800 surface at run time, today being 14 April 2002 (BS 2059/01/01,
// a Sunday), with the events of its creation already taken.
class LiveControl : public ::testing::Test {
 protected:
  LiveControl() {
    host.inner.SetToday({2002, 4, 14});
    control.InitProperties();
    host.inner.Resize(4800, 4800);
    host.inner.TakeEvents();
  }
  std::vector<std::string> Events() { return host.inner.TakeEvents(); }
  headless::HeadlessLabel& Label(const std::string& name) { return *host.inner.FindLabel(name); }
  headless::HeadlessLabel& Day(int j) { return Label("lblDay(" + std::to_string(j) + ")"); }
  headless::HeadlessLabel& Header(int i) { return Label("lblWD(" + std::to_string(i) + ")"); }
  headless::HeadlessComboBox& Combo(const std::string& name) {
    return *host.inner.FindComboBox(name);
  }

  HookedHost host;
  Sauramiti control{host};
};

}  // namespace sauramiti::testing
