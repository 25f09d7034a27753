#pragma once
// Tests state error numbers as the user sees them ("Error # 53" is 53), so
// an expected value never comes from the code under test.
#include <ostream>

#include "base/error_numbers.h"

namespace morvane {

constexpr bool operator==(ErrorNumber error, int number) { return NumberOf(error) == number; }

inline void PrintTo(ErrorNumber error, std::ostream* out) { *out << "Error # " << NumberOf(error); }

}  // namespace morvane
