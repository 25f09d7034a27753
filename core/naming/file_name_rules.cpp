#include "naming/file_name_rules.h"

namespace morvane {

Text ExtensionOf(const Text& name) {
    const auto dot = name.rfind(u'.');
    return dot == Text::npos ? Text() : name.substr(dot);
}

Text BaseNameOf(const Text& name) { return name.substr(0, name.size() - ExtensionOf(name).size()); }

bool IsNameFragment(const Text& text) { return text.find_first_of(Text(u"/\0", 2)) == Text::npos; }

bool IsPlainFileName(const Text& name) {
    if (name.empty() || name == u"." || name == u".." || !IsNameFragment(name)) return false;
    const auto bytes = ToUtf8(name);
    return bytes && bytes->size() <= MaxFileNameBytes;
}

}  // namespace morvane
