#include "naming/file_name_rules.h"

namespace morvane {

Text ExtensionOf(const Text& name) {
    const auto dot = name.rfind(u'.');
    return dot == Text::npos ? Text() : name.substr(dot);
}

Text BaseNameOf(const Text& name) { return name.substr(0, name.size() - ExtensionOf(name).size()); }

NameFault FragmentFault(const Text& text) {
    const auto at = text.find_first_of(Text(u"/\0", 2));
    if (at == Text::npos) return NameFault::None;
    return text[at] == u'/' ? NameFault::Slash : NameFault::Nul;
}

NameFault FileNameFault(const Text& name) {
    if (name.empty()) return NameFault::Empty;
    if (name == u"." || name == u"..") return NameFault::DotName;
    if (const NameFault fault = FragmentFault(name); fault != NameFault::None) return fault;
    const auto bytes = ToUtf8(name);
    if (!bytes) return NameFault::NotUtf8;
    return bytes->size() <= MaxFileNameBytes ? NameFault::None : NameFault::TooLong;
}

bool CharsetRefuses(NameCharset charset, const Text& name) {
    if (charset == NameCharset::Any || name.empty()) return false;
    if (name.back() == u' ' || name.back() == u'.') return true;
    constexpr std::u16string_view refused = u"\\:*?\"<>|";
    for (const char16_t c : name)
        if (c < 0x20 || refused.find(c) != refused.npos) return true;
    return false;
}

}  // namespace morvane
