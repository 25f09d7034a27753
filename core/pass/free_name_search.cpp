#include "pass/free_name_search.h"

#include <algorithm>

#include "base/error_numbers.h"
#include "naming/file_name_rules.h"

namespace morvane {
namespace {

// A directory full of base-1.ext ... base-N.ext ends the search for a free
// name instead of hanging the program.
constexpr long kMaxClashRetries = 100000;

// Case folding wide enough that two spellings a file system may take for one
// name always fold alike (ASCII and Latin-1 letters).
Text Folded(const Text& text) {
    Text folded = text;
    for (char16_t& c : folded) {
        if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) c = static_cast<char16_t>(c + 32);
    }
    return folded;
}

}  // namespace

FreeNameSearch::FreeNameSearch(FileRenamer& renamer) : renamer_(renamer) {}

ErrorNumber FreeNameSearch::Rename(const Text& from, const Text& to) { return renamer_.Rename(from, to); }

ErrorNumber FreeNameSearch::Move(const Text& from, const Text& target, const Text& extension, Text& taken,
                                 const std::function<bool()>& numberIfTaken) {
    Text candidate = target;
    tooLong_ = false;
    ErrorNumber err = Rename(from, candidate);
    if (err == ErrTargetExists && numberIfTaken && !numberIfTaken()) return err;
    if (err == ErrTargetExists) {
        const std::size_t extLength = extension.size() <= target.size() ? extension.size() : 0;
        const Key key{target.substr(0, target.size() - extLength), target.substr(target.size() - extLength)};
        auto [at, added] = next_.try_emplace(key, 1);
        if (added) byFolded_[{Folded(key.first), Folded(key.second)}].push_back(key);
        long counter = at->second;
        for (; err == ErrTargetExists && counter <= kMaxClashRetries; ++counter) {
            candidate = key.first + u"-" + DecimalText(counter) + key.second;
            // The number made the name too long for the file system: every
            // later number would too.
            tooLong_ = !IsPlainFileName(candidate);
            err = tooLong_ ? ErrBadFileName : Rename(from, candidate);
            if (err == ErrBadFileName) tooLong_ = true;
        }
        // Every number below the last one tried was taken, and so is that
        // one unless a failure other than a clash ended the search.
        const long lastTried = counter - 1;
        next_[key] = err == ErrNone || err == ErrTargetExists ? lastTried + 1 : lastTried;
    }
    if (err != ErrNone) return err;
    taken = candidate;
    Freed(from);
    return ErrNone;
}

// `name` is free now: every remembered search that counts it as taken starts
// again at its number.
void FreeNameSearch::Freed(const Text& name) {
    if (next_.empty()) return;
    // name = base "-" number extension, the extension empty or from one of its dots.
    for (std::size_t end = name.size();; end = name.rfind(u'.', end - 1)) {
        const std::u16string_view stem = std::u16string_view(name).substr(0, end);
        const std::size_t dash = stem.rfind(u'-');
        const std::size_t digits = dash == Text::npos ? 0 : stem.size() - dash - 1;
        if (digits > 0 && digits < 7 && stem[dash + 1] != u'0' &&
            std::all_of(stem.begin() + static_cast<std::ptrdiff_t>(dash + 1), stem.end(), IsDigit)) {
            long number = 0;
            for (std::size_t i = dash + 1; i < stem.size(); ++i) number = number * 10 + (stem[i] - u'0');
            const auto keys = byFolded_.find({Folded(Text(stem.substr(0, dash))), Folded(name.substr(end))});
            if (keys != byFolded_.end())
                for (const Key& key : keys->second) next_[key] = std::min(next_[key], number);
        }
        if (end == 0 || name.rfind(u'.', end - 1) == Text::npos) break;
    }
}

}  // namespace morvane
