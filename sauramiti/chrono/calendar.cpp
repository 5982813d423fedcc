#include <algorithm>
#include <nlohmann/json.hpp>
#include <sauramiti/calendar/year_structure_cache.hpp>
#include <sauramiti/chrono/calendar.hpp>
#include <stdexcept>
#include <string>

namespace sauramiti::bs {

constinit const calendar calendar::model{};

std::array<std::uint16_t, 13> calendar::days_before(
    const std::array<unsigned, 12>& lengths) noexcept {
  std::array<std::uint16_t, 13> before{};
  for (std::size_t m = 0; m < 12; ++m) {
    before[m + 1] = static_cast<std::uint16_t>(before[m] + lengths[m]);
  }
  return before;
}

const calendar::year_months* calendar::FindInRows(int year) const noexcept {
  const year_months* end = rows_ + count_;
  const year_months* row =
      std::lower_bound(rows_, end, year, [](const year_months& r, int y) { return r.year < y; });
  return row != end && row->year == year ? row : nullptr;
}

bool operator==(const calendar& a, const calendar& b) noexcept {
  return std::equal(a.rows_, a.rows_ + a.count_, b.rows_, b.rows_ + b.count_,
                    [](const calendar::year_months& x, const calendar::year_months& y) {
                      return x.year == y.year && x.days_before == y.days_before;
                    });
}

namespace {

// Why the months of `year` cannot be a year of a calendar, or "" when they can.
std::string RefusalOf(int year, const std::array<unsigned, 12>& lengths) {
  const std::string name = "BS year " + std::to_string(year);
  if (year < 1 || year > 9999) return name + " is outside the calendar's years 1 to 9999";
  unsigned total = 0;
  for (std::size_t m = 0; m < 12; ++m) {
    if (lengths[m] < 29 || lengths[m] > 32) {
      return name + ": month " + std::to_string(m + 1) + " has " + std::to_string(lengths[m]) +
             " days; a month has 29 to 32";
    }
    total += lengths[m];
  }
  if (total != 365 && total != 366) {
    return name + " has " + std::to_string(total) + " days; a year has 365 or 366";
  }
  const auto model_total = static_cast<unsigned>(
      SauramitiRoutine::ShapeOfYear(static_cast<std::int16_t>(year)).DaysBeforeMonth(13));
  if (total != model_total) {
    // Every calendar keeps the model's year starts, so only days between months may move.
    return name + " has " + std::to_string(total) + " days where the model has " +
           std::to_string(model_total) + ": the start of BS year " + std::to_string(year + 1) +
           " would move";
  }
  return {};
}

}  // namespace

calendar calendar::with_months(const std::map<int, std::array<unsigned, 12>>& months) const {
  std::map<int, std::array<std::uint16_t, 13>> merged;
  for (const year_months& row : std::vector<year_months>(rows_, rows_ + count_)) {
    merged[row.year] = row.days_before;
  }
  for (const auto& [year, lengths] : months) {
    if (std::string why = RefusalOf(year, lengths); !why.empty()) throw std::invalid_argument(why);
    merged[year] = days_before(lengths);
  }
  auto rows = std::make_shared<std::vector<year_months>>();
  for (const auto& [year, before] : merged) {
    // A year whose months are the model's needs no row.
    const SauramitiRoutine::YearShape shape =
        SauramitiRoutine::ShapeOfYear(static_cast<std::int16_t>(year));
    bool same = true;
    for (int m = 1; m <= 12; ++m) {
      same = same && before[static_cast<std::size_t>(m)] == shape.DaysBeforeMonth(m + 1);
    }
    if (!same) rows->push_back({static_cast<std::int16_t>(year), before});
  }
  calendar built;
  if (!rows->empty()) {
    built.rows_ = rows->data();
    built.count_ = static_cast<std::uint16_t>(rows->size());
    built.first_ = rows->front().year;
    built.span_ = static_cast<std::uint16_t>(rows->back().year - rows->front().year + 1);
    built.owned_ = std::move(rows);
  }
  return built;
}

calendar calendar::from_json(std::string_view json) const {
  const nlohmann::json table = nlohmann::json::parse(json, nullptr, /*allow_exceptions=*/false);
  if (table.is_discarded()) throw std::invalid_argument("the month table is not valid JSON");
  if (!table.is_object()) {
    throw std::invalid_argument(
        "the month table must be a JSON object: {\"2084\": [31, 31, ...], ...}");
  }
  std::map<int, std::array<unsigned, 12>> months;
  for (const auto& [key, value] : table.items()) {
    int year = 0;
    std::size_t used = 0;
    try {
      year = std::stoi(key, &used);
    } catch (const std::exception&) {
      used = 0;
    }
    if (used == 0 || used != key.size()) {
      throw std::invalid_argument("\"" + key + "\" is not a BS year");
    }
    if (!value.is_array() || value.size() != 12) {
      throw std::invalid_argument("BS year " + key + " must have an array of 12 month lengths");
    }
    std::array<unsigned, 12> lengths{};
    for (std::size_t m = 0; m < 12; ++m) {
      if (!value[m].is_number_integer() || value[m].get<std::int64_t>() < 0 ||
          value[m].get<std::int64_t>() > 1000) {
        throw std::invalid_argument("BS year " + key + ": month " + std::to_string(m + 1) +
                                    " is not a number of days");
      }
      lengths[m] = static_cast<unsigned>(value[m].get<std::int64_t>());
    }
    if (!months.emplace(year, lengths).second) {
      throw std::invalid_argument("BS year " + key + " is given twice");
    }
  }
  return with_months(months);
}

}  // namespace sauramiti::bs
