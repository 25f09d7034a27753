#include "name_order.h"

#include <algorithm>
#include <string>

namespace morvane {
namespace {

char16_t Fold(char16_t c) {
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char16_t>(c + 32);
    return c;
}

// A text whose plain order is the name order: letters folded, and each run of
// digits written as "0", its length without leading zeros, then its digits,
// so that a longer number sorts after a shorter one. Digit runs keep their
// place among the other characters, between "/" and ":".
Text SortKey(const Text& name) {
    Text key;
    key.reserve(name.size() + 4);
    for (std::size_t i = 0; i < name.size();) {
        if (!IsDigit(name[i])) {
            key.push_back(Fold(name[i++]));
            continue;
        }
        std::size_t end = i;
        while (end < name.size() && IsDigit(name[end])) ++end;
        while (i + 1 < end && name[i] == u'0') ++i;
        key.push_back(u'0');
        key.push_back(static_cast<char16_t>(std::min<std::size_t>(end - i, 0xFFFF)));
        key.append(name, i, end - i);
        i = end;
    }
    return key;
}

}  // namespace

bool NameLess(const Text& a, const Text& b) {
    const Text ka = SortKey(a), kb = SortKey(b);
    if (ka != kb) return ka < kb;
    return a < b;
}

void SortNames(std::vector<Text>& names) {
    // The keys as big-endian bytes compare with memcmp, and sorting small
    // (key, index) pairs moves no names around.
    std::vector<std::pair<std::string, std::size_t>> keyed;
    keyed.reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        const Text key = SortKey(names[i]);
        std::string bytes;
        bytes.reserve(key.size() * 2 + 1);
        for (const char16_t c : key) {
            bytes.push_back(static_cast<char>(c >> 8));
            bytes.push_back(static_cast<char>(c & 0xFF));
        }
        keyed.emplace_back(std::move(bytes), i);
    }
    std::sort(keyed.begin(), keyed.end(), [&names](const auto& a, const auto& b) {
        if (const int c = a.first.compare(b.first); c != 0) return c < 0;
        return names[a.second] < names[b.second];
    });
    std::vector<Text> sorted;
    sorted.reserve(names.size());
    for (const auto& entry : keyed) sorted.push_back(std::move(names[entry.second]));
    names = std::move(sorted);
}

}  // namespace morvane
