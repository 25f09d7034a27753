#include "naming/name_order.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>

namespace morvane {
namespace {

// Characters below U+00FF folded to their key byte: ASCII and Latin-1
// capitals to small letters (the multiplication sign is not a letter).
constexpr std::array<unsigned char, 0xFF> FoldedBytes = [] {
    std::array<unsigned char, 0xFF> folded{};
    for (unsigned c = 0; c < 0xFF; ++c) {
        const bool capital = (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
        folded[c] = static_cast<unsigned char>(capital ? c + 32 : c);
    }
    return folded;
}();

// A unit below 0xFF is one byte, any other is 0xFF and its two bytes, high
// first: byte order (memcmp, shorter first) stays the order of the units,
// and Latin-1 names take one byte per character.
unsigned char* PutWide(unsigned char* out, char16_t c) {
    *out++ = 0xFF;
    *out++ = static_cast<unsigned char>(c >> 8);
    *out++ = static_cast<unsigned char>(c & 0xFF);
    return out;
}

// At most this many key bytes per character of the name.
constexpr std::size_t KeyBytesPerCharacter = 3;

// Writes at out the key of name, bytes whose plain order is the name order:
// letters folded, and each run of digits written as "0", its length without
// leading zeros, then its digits, so that a longer number sorts after a
// shorter one. Digit runs keep their place among the other characters,
// between "/" and ":". Returns the end of the key.
unsigned char* WriteSortKey(const Text& name, unsigned char* out) {
    const auto isDigit = [](char16_t c) { return static_cast<unsigned>(c - u'0') <= 9; };
    const char16_t* p = name.data();
    const char16_t* const end = p + name.size();
    while (p < end) {
        const char16_t c = *p;
        if (!isDigit(c)) {
            if (c < 0xFF) *out++ = FoldedBytes[c];
            else out = PutWide(out, c);
            ++p;
            continue;
        }
        const char16_t* runEnd = p + 1;
        while (runEnd < end && isDigit(*runEnd)) ++runEnd;
        while (p + 1 < runEnd && *p == u'0') ++p;
        const auto length = static_cast<char16_t>(std::min<std::ptrdiff_t>(runEnd - p, 0xFFFF));
        *out++ = '0';
        if (length < 0xFF) *out++ = static_cast<unsigned char>(length);
        else out = PutWide(out, length);
        for (; p < runEnd; ++p) *out++ = static_cast<unsigned char>(*p);
    }
    return out;
}

}  // namespace

void SortNames(std::vector<Text>& names) {
    // All keys go into one buffer and the sort moves small records, so that
    // sorting a large directory makes a handful of allocations instead of
    // one per name, and moves no names around.
    struct Keyed {
        std::uint64_t Head;  // the 8 key bytes after the prefix all keys share
        std::size_t Offset, Length, Index;
    };
    // Room for the usual key, one byte per character and two per digit run;
    // more when it is needed.
    std::size_t expected = 0;
    for (const Text& name : names) expected += name.size() + 4;
    std::vector<unsigned char> keys(expected);
    std::vector<Keyed> keyed(names.size());
    std::size_t used = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::size_t room = names[i].size() * KeyBytesPerCharacter;
        if (keys.size() - used < room) keys.resize(std::max(keys.size() * 2, used + room));
        const unsigned char* end = WriteSortKey(names[i], keys.data() + used);
        const auto length = static_cast<std::size_t>(end - (keys.data() + used));
        keyed[i] = {0, used, length, i};
        used += length;
    }
    const unsigned char* base = keys.data();

    // Names in one directory often start alike ("IMG_0", "Holiday 0"): the
    // head is taken after what they share, so most comparisons look at it
    // alone.
    std::size_t shared = keyed.empty() ? 0 : keyed[0].Length;
    for (const Keyed& k : keyed) {
        shared = std::min(shared, k.Length);
        const unsigned char* a = base + keyed[0].Offset;
        const unsigned char* b = base + k.Offset;
        std::size_t same = 0;
        while (same < shared && a[same] == b[same]) ++same;
        shared = same;
    }
    for (Keyed& k : keyed) {
        for (std::size_t j = 0; j < 8; ++j) {
            const std::size_t at = shared + j;
            k.Head = (k.Head << 8) | (at < k.Length ? base[k.Offset + at] : 0);
        }
    }
    std::sort(keyed.begin(), keyed.end(), [base, &names](const Keyed& a, const Keyed& b) {
        // Unequal heads decide: a key that ends inside its head is padded with
        // zero bytes, which never rank it after a longer key it begins.
        if (a.Head != b.Head) return a.Head < b.Head;
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
