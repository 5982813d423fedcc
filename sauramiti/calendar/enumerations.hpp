// The control's four enumerations.
//
// Each is a 32-bit value. The control never checks membership: a value outside the listed
// members is stored and passed on as it is, and each rule that reads one says what it does with
// it (an empty separator for a separator code of 4 or more, an empty text for a date style
// outside 0 to 2, ...). The fixed underlying type makes every 32-bit value a valid value of the
// enumeration type.
#pragma once

#include <cstdint>

namespace sauramiti {

enum MyWeekDayStyle : std::int32_t { wkdShort = 0, wkdLong = 1 };
enum MyDateDistinguisherConstants : std::int32_t { disEnglish = 0, disNepali = 1 };
enum MyYMDSeparatorConstants : std::int32_t {
  sepSlash = 0,
  sepDash = 1,
  sepDot = 2,
  sepdivsign = 3
};
enum MyEnglishDateStyleConstants : std::int32_t {
  datmmddyyyy = 0,
  datddmmyyyy = 1,
  datyyyymmdd = 2
};

}  // namespace sauramiti
