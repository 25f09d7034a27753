#include "name_order.h"

namespace morvane {
namespace {

char16_t Fold(char16_t c) {
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char16_t>(c + 32);
    return c;
}

// Compares the digit runs starting at a[i] and b[j] by value; advances i and
// j past them. Leading zeros do not count, so "007" equals "7" here.
int CompareNumbers(const Text& a, std::size_t& i, const Text& b, std::size_t& j) {
    while (i < a.size() && a[i] == u'0' && i + 1 < a.size() && IsDigit(a[i + 1])) ++i;
    while (j < b.size() && b[j] == u'0' && j + 1 < b.size() && IsDigit(b[j + 1])) ++j;
    std::size_t ei = i, ej = j;
    while (ei < a.size() && IsDigit(a[ei])) ++ei;
    while (ej < b.size() && IsDigit(b[ej])) ++ej;
    int result = 0;
    if (ei - i != ej - j) {
        result = ei - i < ej - j ? -1 : 1;
    } else {
        for (std::size_t k = 0; k < ei - i; ++k) {
            if (a[i + k] != b[j + k]) {
                result = a[i + k] < b[j + k] ? -1 : 1;
                break;
            }
        }
    }
    i = ei;
    j = ej;
    return result;
}

}  // namespace

bool NameLess(const Text& a, const Text& b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            if (const int c = CompareNumbers(a, i, b, j); c != 0) return c < 0;
            continue;
        }
        const char16_t ca = Fold(a[i]), cb = Fold(b[j]);
        if (ca != cb) return ca < cb;
        ++i;
        ++j;
    }
    if ((i < a.size()) != (j < b.size())) return j < b.size();
    return a < b;
}

}  // namespace morvane
