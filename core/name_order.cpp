#include "name_order.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace morvane {
namespace {

char16_t Fold(char16_t c) {
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char16_t>(c + 32);
    return c;
}

void PutUnit(std::string& key, char16_t c) {
    key.push_back(static_cast<char>(c >> 8));
    key.push_back(static_cast<char>(c & 0xFF));
}

// Appends to key a string of big-endian 16-bit units whose byte order
// (memcmp) is the name order: letters folded, and each run of digits written
// as "0", its length without leading zeros, then its digits, so that a longer
// number sorts after a shorter one. Digit runs keep their place among the
// other characters, between "/" and ":".
void AppendSortKey(const Text& name, std::string& key) {
    for (std::size_t i = 0; i < name.size();) {
        if (!IsDigit(name[i])) {
            PutUnit(key, Fold(name[i++]));
            continue;
        }
        std::size_t end = i;
        while (end < name.size() && IsDigit(name[end])) ++end;
        while (i + 1 < end && name[i] == u'0') ++i;
        PutUnit(key, u'0');
        PutUnit(key, static_cast<char16_t>(std::min<std::size_t>(end - i, 0xFFFF)));
        for (; i < end; ++i) PutUnit(key, name[i]);
    }
}

}  // namespace

bool NameLess(const Text& a, const Text& b) {
    std::string ka, kb;
    AppendSortKey(a, ka);
    AppendSortKey(b, kb);
    if (ka != kb) return ka < kb;
    return a < b;
}

void SortNames(std::vector<Text>& names) {
    // All keys go into one buffer and the sort moves small (offset, length,
    // index) records, so sorting a large directory makes a handful of
    // allocations instead of one per name, and moves no names around.
    struct Keyed {
        std::size_t Offset;
        std::size_t Length;
        std::size_t Index;
    };
    std::size_t units = 0;
    for (const Text& name : names) units += name.size() + 2;
    std::string keys;
    keys.reserve(units * 2);
    std::vector<Keyed> keyed(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::size_t offset = keys.size();
        AppendSortKey(names[i], keys);
        keyed[i] = {offset, keys.size() - offset, i};
    }
    const char* base = keys.data();
    std::sort(keyed.begin(), keyed.end(), [base, &names](const Keyed& a, const Keyed& b) {
        const int c = std::memcmp(base + a.Offset, base + b.Offset, std::min(a.Length, b.Length));
        if (c != 0) return c < 0;
        if (a.Length != b.Length) return a.Length < b.Length;
        return names[a.Index] < names[b.Index];
    });
    std::vector<Text> sorted;
    sorted.reserve(names.size());
    for (const Keyed& entry : keyed) sorted.push_back(std::move(names[entry.Index]));
    names = std::move(sorted);
}

}  // namespace morvane
