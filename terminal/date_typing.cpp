#include <terminal/date_typing.hpp>

namespace sauramiti::terminal {

namespace {

constexpr int kBackspace = 8;
constexpr int kDelete = 127;
constexpr unsigned char kUtf8Lead3 = 0xE0;  // a Devanagari digit's first byte

bool IsSeparator(int character) { return character == '/' || character == '.' || character == '-'; }

}  // namespace

bool DateTyping::Type(int character, const bs::year_month_day& page, const bs::calendar& cal) {
  problem_.clear();
  if (character == kBackspace || character == kDelete) {
    if (Empty()) return false;
    Backspace();
    return true;
  }
  if (character < 0 || character > 0xFF) return false;
  const auto byte = static_cast<unsigned char>(character);
  if (!pending_.empty() || byte == kUtf8Lead3) {
    // A three-byte character (a Devanagari digit, or something else the reading refuses):
    // nothing happens until it is whole.
    pending_ += static_cast<char>(byte);
    if (pending_.size() < 3) return true;
    const std::string whole = pending_;
    pending_.clear();
    Append(whole, page, cal);
    return true;
  }
  const bool digit = byte >= '0' && byte <= '9';
  if (!digit && !(IsSeparator(byte) && !text_.empty())) return false;
  Append(std::string(1, static_cast<char>(byte)), page, cal);
  return true;
}

void DateTyping::Append(const std::string& character, const bs::year_month_day& page,
                        const bs::calendar& cal) {
  const std::string longer = text_ + character;
  const navigation::TypedDate typed =
      navigation::ReadTypedDate(longer, navigation::TypedDateForm::FromTheRight, page, cal);
  if (typed.state == navigation::TypedDateState::Invalid) {
    problem_ = "\"" + longer + "\" is no date: " + typed.problem;
    return;
  }
  text_ = longer;
}

void DateTyping::Backspace() {
  if (!pending_.empty()) {
    pending_.clear();
    return;
  }
  // Back over one UTF-8 character: its continuation bytes, then its first byte.
  while (!text_.empty() && (static_cast<unsigned char>(text_.back()) & 0xC0) == 0x80) {
    text_.pop_back();
  }
  if (!text_.empty()) text_.pop_back();
}

navigation::TypedDate DateTyping::Read(const bs::year_month_day& page,
                                       const bs::calendar& cal) const {
  return navigation::ReadTypedDate(text_, navigation::TypedDateForm::FromTheRight, page, cal);
}

void DateTyping::Clear() {
  text_.clear();
  pending_.clear();
  problem_.clear();
}

}  // namespace sauramiti::terminal
