#include <cli/pick_command.hpp>
#include <cli/property_table.hpp>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/platform/headless/system_clock.hpp>
#include <sauramiti/view/legacy_font_transcoder.hpp>
#ifdef SAURAMITI_HAVE_CURSES
#include <terminal/curses_picker.hpp>
#endif

namespace sauramiti::cli {

namespace {

// Used only where the terminal picker is built (clang warns on an unused constant otherwise).
[[maybe_unused]] constexpr int kCancelled = 1;
constexpr int kNoPicker = 2;
constexpr int kInterrupted = 130;  // 128 + SIGINT, what a shell reports for Ctrl-C

}  // namespace

std::string PrintedText(const Variant& value) {
  if (value.Type() == VariantType::Font) {
    return value.FontValue() ? value.FontValue()->name : std::string("Nothing");
  }
  return value.ToString();
}

std::string PrintedText(std::string_view name, const Variant& value, bool devanagari) {
  const bool namedText = name == "DateValue" || name == "EngStrDate";
  if (devanagari && namedText) return view::LegacyFontToUnicode(value.ToString());
  return PrintedText(value);
}

int RunPick(const PickOptions& options, std::ostream& out, std::ostream& err) {
  const PropertyAccess* property = FindProperty(options.print);
  if (property == nullptr) {
    err << "sauramiti: pick: unknown property \"" << options.print << "\"\n";
    return kNoPicker;
  }
#ifdef SAURAMITI_HAVE_CURSES
  try {
    terminal::Picker picker(options.setup, headless::SystemLocalDate());
    const terminal::PickerOutcome outcome = terminal::RunPickerOnTerminal(picker);
    if (outcome == terminal::PickerOutcome::Interrupted) return kInterrupted;
    if (outcome != terminal::PickerOutcome::Picked) return kCancelled;
    const bool devanagari = options.setup.nepali && !options.legacy;
    out << PrintedText(property->name, property->get(picker.Control()), devanagari) << '\n';
    out.flush();
    return 0;
  } catch (const terminal::TerminalUnavailable& error) {
    err << "sauramiti: pick: " << error.what() << '\n';
    return kNoPicker;
  } catch (const RuntimeError& error) {
    err << "sauramiti: pick: error " << error.Number() << " (" << ErrorDescription(error.Number())
        << ")\n";
    return kCancelled;
  }
#else
  (void)out;
  err << "sauramiti: pick: this build has no terminal picker (ncursesw was not found)\n";
  return kNoPicker;
#endif
}

}  // namespace sauramiti::cli
