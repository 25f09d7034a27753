#pragma once
// Names a rename may leave behind when it is cut short between two of its
// system calls: the journal learns of each before it is made, so that a
// later undo removes what the program left, and nothing else.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/error_numbers.h"
#include "base/text.h"

namespace morvane {

enum class LeftoverKind : std::uint8_t {
    Placeholder,  // a file holding only its mark, made to hold a name on a file system without atomic renames
    Link,         // a second name of the file, before its first one is removed
    Temporary,    // the hidden name a change of case passes through
};

struct LeftName {
    LeftoverKind Kind = LeftoverKind::Placeholder;
    Text Name;                // bare name in the directory
    Text Source;              // Link: the name it was linked from
    std::uint64_t Links = 0;  // Link: the file's link count once linked
    // Placeholder: the random mark written into it, which no other file
    // carries; only a file holding it is ever removed as the program's own.
    // Empty for a placeholder an older version noted: never removed.
    std::string Mark;

    bool operator==(const LeftName&) const = default;
};

// The digits of a placeholder's mark: 128 random bits in lowercase hex.
inline constexpr std::size_t PlaceholderMarkDigits = 32;

// What a placeholder holds: its mark and a newline.
inline std::string PlaceholderContent(const std::string& mark) { return mark + "\n"; }

// Such a name, for the journal entry whose file was being renamed.
struct Leftover {
    std::size_t Entry = 0;
    LeftName Left;

    bool operator==(const Leftover&) const = default;
};

// Told by the rename layer before each step that may leave a name behind.
class LeftoverWatch {
public:
    virtual ~LeftoverWatch() = default;
    // ErrNone when the step may go ahead (its name is recorded); otherwise
    // the step is not taken and the rename fails with that number.
    [[nodiscard]] virtual ErrorNumber Leaving(const LeftName& left) = 0;
    // The step just announced left nothing (its name was taken by another
    // file, or it was removed again at once).
    virtual void NotLeft() = 0;
};

}  // namespace morvane
