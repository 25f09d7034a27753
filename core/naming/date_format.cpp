#include "naming/date_format.h"

#include <string_view>

namespace morvane {
namespace {

struct Field {
    std::u16string_view Code;
    int WallClock::*Value;
};

// Longest first, so that "yyyy" is never read as "yy" twice.
constexpr Field Fields[] = {
    {u"yyyy", &WallClock::Year}, {u"yy", &WallClock::Year},   {u"MM", &WallClock::Month}, {u"dd", &WallClock::Day},
    {u"HH", &WallClock::Hour},   {u"mm", &WallClock::Minute}, {u"ss", &WallClock::Second},
};

// value with at least `digits` digits, zeros in front.
void AppendPadded(Text& out, int value, std::size_t digits) {
    const Text written = DecimalText(value);
    if (written.size() < digits) out.append(digits - written.size(), u'0');
    out += written;
}

}  // namespace

NameFault DateFormatFault(const Text& format) {
    if (format.empty()) return NameFault::Empty;
    // The fields write digits only: the literal characters decide.
    return FragmentFault(format);
}

Text FormatDate(const Text& format, const WallClock& when) {
    Text out;
    out.reserve(format.size() + 4);
    const std::u16string_view rest(format);
    for (std::size_t at = 0; at < rest.size();) {
        const Field* found = nullptr;
        for (const Field& field : Fields)
            if (rest.substr(at).starts_with(field.Code)) {
                found = &field;
                break;
            }
        if (!found) {
            out += rest[at++];
            continue;
        }
        const int value = when.*found->Value;
        if (found->Code == u"yy") AppendPadded(out, value % 100, 2);
        else AppendPadded(out, value, found->Code.size());
        at += found->Code.size();
    }
    return out;
}

}  // namespace morvane
