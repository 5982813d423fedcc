// Fuzzes loading a saved document: any text either fails as a document with a message, or loads
// into a control instance, where converting its values may raise only the documented run-time
// errors. A loaded instance is saved again, and what it writes must load again.
#include <cstddef>
#include <cstdint>
#include <fuzz/fuzz_support.hpp>
#include <sauramiti/control/sauramiti.hpp>
#include <sauramiti/document/json_property_bag.hpp>
#include <sauramiti/platform/headless/headless_host.hpp>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  using sauramiti::document::DocumentError;
  using sauramiti::document::JsonPropertyBag;
  const std::string_view text(reinterpret_cast<const char*>(bytes), size);
  JsonPropertyBag bag;
  try {
    bag = JsonPropertyBag::FromJsonText(text, "fuzz");
  } catch (const DocumentError&) {
    return 0;
  }
  sauramiti::headless::HeadlessHost host;
  host.SetToday({2002, 4, 14});
  sauramiti::Sauramiti control(host);
  control.Initialize();
  try {
    control.ReadProperties(bag);
  } catch (const sauramiti::RuntimeError& error) {
    // A value of the wrong type (13) or out of range (6), a missing font object (91), or the
    // view refusing what the settings ask of it (5, 9, 11).
    const int n = error.Number();
    sauramiti::fuzz::Require(n == 5 || n == 6 || n == 9 || n == 11 || n == 13 || n == 91,
                             "an undocumented error while loading");
    return 0;
  }
  JsonPropertyBag saved;
  control.WriteProperties(saved);
  JsonPropertyBag::FromJsonText(saved.ToJsonText(), "saved again");
  return 0;
}
