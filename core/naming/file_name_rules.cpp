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

}  // namespace morvane
