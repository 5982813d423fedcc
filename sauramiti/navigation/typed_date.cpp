#include <algorithm>
#include <array>
#include <optional>
#include <sauramiti/calendar/calendar_names.hpp>
#include <sauramiti/navigation/typed_date.hpp>

namespace sauramiti::navigation {

namespace {

// The longest part of any date: a year's four digits. A longer part is refused as it is typed,
// so a part's value always fits an int.
constexpr int kMostDigits = 4;
constexpr int kMostParts = 3;

enum class Role { Year, Month, Day };

struct Part {
  int value = 0;
  int digits = 0;
};

struct Parts {
  std::array<Part, kMostParts> part{};
  int count = 1;  // the parts begun; the last may still be empty ("2081-")
  std::string problem;
};

enum class DigitKind { Unknown, Ascii, Devanagari };

// Devanagari digits are U+0966 to U+096F: E0 A5 A6 to E0 A5 AF in UTF-8; "÷" is C3 B7.
int DigitAt(std::string_view text, std::size_t pos, std::size_t& length, DigitKind& kind) {
  if (text[pos] >= '0' && text[pos] <= '9') {
    length = 1;
    if (kind == DigitKind::Devanagari) return -2;
    kind = DigitKind::Ascii;
    return text[pos] - '0';
  }
  if (text.substr(pos, 2) == "\xE0\xA5" && pos + 2 < text.size()) {
    const auto third = static_cast<unsigned char>(text[pos + 2]);
    if (third >= 0xA6 && third <= 0xAF) {
      length = 3;
      if (kind == DigitKind::Ascii) return -2;
      kind = DigitKind::Devanagari;
      return third - 0xA6;
    }
  }
  return -1;
}

std::string_view SeparatorAt(std::string_view text, std::size_t pos) {
  if (text[pos] == '-' || text[pos] == '/' || text[pos] == '.') return text.substr(pos, 1);
  if (text.substr(pos, 2) == "\xC3\xB7") return text.substr(pos, 2);
  return {};
}

// The text cut into its parts, or a problem that no more typing can mend.
Parts SplitParts(std::string_view text) {
  Parts parts;
  DigitKind kind = DigitKind::Unknown;
  std::string_view separator;
  for (std::size_t pos = 0; pos < text.size();) {
    std::size_t length = 0;
    if (const int digit = DigitAt(text, pos, length, kind); digit >= 0) {
      Part& part = parts.part[static_cast<std::size_t>(parts.count - 1)];
      if (++part.digits > kMostDigits) parts.problem = "no part of a date has more than 4 digits";
      part.value = part.value * 10 + digit;  // at most 4 digits: [0, 9999]
    } else if (digit == -2) {
      parts.problem = "ASCII and Devanagari digits are mixed";
    } else if (const std::string_view sep = SeparatorAt(text, pos); !sep.empty()) {
      if (!separator.empty() && sep != separator) {
        parts.problem = "one separator throughout, please";
      } else if (parts.count == kMostParts) {
        parts.problem = "a date has three parts at most";
      }
      separator = sep;
      ++parts.count;
      length = sep.size();
    } else {
      parts.problem =
          "\"" + std::string(text.substr(pos, 1)) + "\" is neither a digit nor a separator";
    }
    if (!parts.problem.empty()) return parts;
    pos += length;
  }
  return parts;
}

struct Limits {
  int low = 1;
  int high = 0;
  int digits = 0;
};

const char* RoleName(Role role) {
  return role == Role::Year ? "year" : role == Role::Month ? "month" : "day";
}

// What one reading of the parts (each part given a role) makes of them.
struct Reading {
  bool complete = false;
  bool possible = false;
  int failedAt = 0;
  std::string problem;
  bs::year_month_day date;
};

class Reader {
 public:
  Reader(const Parts& parts, const bs::year_month_day& page, const bs::calendar& cal)
      : parts_(parts), page_(page), cal_(cal) {}

  // The parts read as the last `roles` of year, month, day.
  [[nodiscard]] Reading Read(int roles) const;

 private:
  [[nodiscard]] Limits LimitsOf(Role role, int year, unsigned month) const;
  static bool CanGrowInto(const Part& part, const Limits& limits);
  [[nodiscard]] std::string Problem(Role role, const Part& part, int year, unsigned month) const;

  const Parts& parts_;
  bs::year_month_day page_;
  const bs::calendar& cal_;
};

Limits Reader::LimitsOf(Role role, int year, unsigned month) const {
  switch (role) {
    case Role::Year:
      return {1, 9999, 4};
    case Role::Month:
      return {1, 12, 2};
    case Role::Day:
      break;
  }
  return {1, static_cast<int>(bs::days_in_month(year, month, cal_)), 2};
}

// Whether digits typed after the part can give a value within the limits: "0" becomes "01",
// "2" becomes "2081"; the part as it is counts too.
bool Reader::CanGrowInto(const Part& part, const Limits& limits) {
  int scale = 1;
  for (int more = 0; part.digits + more <= limits.digits; ++more, scale *= 10) {
    if (part.digits + more == 0) continue;
    const int lowest = part.value * scale;  // [0, 9999]
    const int highest = lowest + scale - 1;
    if (highest >= limits.low && lowest <= limits.high) return true;
  }
  return false;
}

std::string Reader::Problem(Role role, const Part& part, int year, unsigned month) const {
  const Limits limits = LimitsOf(role, year, month);
  if (part.digits > limits.digits) {
    return std::string("a ") + RoleName(role) + " has " +
           (limits.digits == 4 ? "1 to 4" : "1 or 2") + " digits";
  }
  if (role == Role::Day && part.value > limits.high && limits.high > 0) {
    return std::string(SauramitiRoutine::kEnglishNames.months[month]) + " " + std::to_string(year) +
           " has " + std::to_string(limits.high) + " days";
  }
  if (role == Role::Year && part.value == 0) return "there is no year 0: years run from 1 to 9999";
  return std::string("there is no ") + RoleName(role) + " " + std::to_string(part.value);
}

Reading Reader::Read(int roles) const {
  Reading reading;
  int year = page_.year();
  unsigned month = page_.month();
  const int last = parts_.count - 1;
  for (int i = 0; i <= last; ++i) {
    const auto role = static_cast<Role>(kMostParts - roles + i);
    const Part& part = parts_.part[static_cast<std::size_t>(i)];
    const Limits limits = LimitsOf(role, year, month);
    const bool fits = part.digits >= 1 && part.digits <= limits.digits &&
                      part.value >= limits.low && part.value <= limits.high;
    if (i < last && !fits) {
      reading.failedAt = i;
      reading.problem = part.digits == 0 ? std::string("the ") + RoleName(role) + " is missing"
                                         : Problem(role, part, year, month);
      return reading;
    }
    if (i == last) {
      reading.possible = CanGrowInto(part, limits);
      reading.complete = fits && roles == parts_.count;
      if (!reading.possible) {
        reading.failedAt = i;
        reading.problem = Problem(role, part, year, month);
      }
    }
    if (role == Role::Year) year = part.value;
    if (role == Role::Month) month = static_cast<unsigned>(part.value);
    if (role == Role::Day) reading.date = {year, month, static_cast<unsigned>(part.value)};
  }
  return reading;
}

}  // namespace

TypedDate ReadTypedDate(std::string_view text, TypedDateForm form, const bs::year_month_day& page,
                        const bs::calendar& cal) {
  if (text.empty()) return {};
  const Parts parts = SplitParts(text);
  if (!parts.problem.empty()) return {TypedDateState::Invalid, {}, parts.problem};
  const Reader reader(parts, page, cal);
  // The year-month-day form has one reading; counted from the right, the parts typed may be
  // the last ones of a longer date still to come ("9/" may become "9/15" or "9/1/15").
  const int fewest = form == TypedDateForm::YearMonthDay ? kMostParts : parts.count;
  std::optional<Reading> failed;
  bool possible = false;
  for (int roles = fewest; roles <= kMostParts; ++roles) {
    const Reading reading = reader.Read(roles);
    if (reading.complete) return {TypedDateState::Complete, reading.date, {}};
    possible = possible || reading.possible;
    // The problem told is that of the reading that got furthest (the shortest one on a tie).
    if (!reading.possible && (!failed || reading.failedAt > failed->failedAt)) failed = reading;
  }
  if (possible) return {TypedDateState::Intermediate, {}, {}};
  return {TypedDateState::Invalid, {}, failed ? failed->problem : std::string()};
}

}  // namespace sauramiti::navigation
