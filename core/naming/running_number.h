#pragma once
// The running number of new names, kept as decimal text so that a number of
// any length is written and stepped exactly.
#include <optional>

#include "base/text.h"

namespace morvane {

// The digits of a whole decimal number written with optional blanks (spaces)
// around it; nothing for any other text, an empty one included.
std::optional<Text> DecimalDigits(const Text& text);

// The first running number from the starting-number option: "1" when the
// option is empty, else its digits as written (leading zeros kept, blanks
// dropped so that they never end up in a file name); nothing when the option
// is not a whole decimal number.
std::optional<Text> ReadStartNumber(const Text& option);

// The zeros written in front of a running number so that every value below
// 1000 shows four digits: "000" below 10, "00" below 100, "0" below 1000.
Text ZeroPadFor(const Text& digits);

// The next running number, written plainly without leading zeros
// ("007" -> "8", "999" -> "1000").
Text NextNumber(const Text& digits);

}  // namespace morvane
