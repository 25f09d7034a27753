#pragma once
// Whether a mask is a number, so that the files' own digits at its place make
// their new names.
#include "base/text.h"

namespace morvane {

// A mask is numeric when the whole of it reads as a single-precision number
// and it holds neither "-" nor "+". A number here is optional blanks (spaces),
// digits with at most one decimalSeparator and at least one digit, an optional
// exponent (e or E, optional sign, digits), optional blanks; its magnitude
// must not exceed the largest single-precision value. Signs, "inf", "nan",
// hexadecimal and any other letters never make a mask numeric.
bool IsNumericMask(const Text& mask, char16_t decimalSeparator);

}  // namespace morvane
