#include "journal/journal_format.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <utility>

#include "base/crc32.h"
#include "naming/file_name_rules.h"

namespace morvane {
namespace {

constexpr std::string_view kMagic = "MORVANE-JOURNAL ";
constexpr std::size_t kChecksumLineBytes = 9;  // 8 hex digits and "\n"
constexpr std::uint64_t kMaxVersion = 999999999;  // a longer version line is damage, not a newer program

bool StorableDirectory(const Text& dir) {
    const auto bytes = ToUtf8(dir);
    return bytes && !bytes->empty() && (*bytes)[0] == '/' && bytes->find('\0') == std::string::npos &&
           bytes->size() <= MaxDirectoryBytes;
}

bool StorableName(const Text& name, bool mayBeEmpty) { return (mayBeEmpty && name.empty()) || IsPlainFileName(name); }

bool StorableIdentity(const std::optional<FileIdentity>& id) {
    return !id || (!id->Key.empty() && id->Key.size() <= MaxIdentityKeyBytes);
}

bool StorableEntry(const StoredEntry& e) {
    return StorableIdentity(e.Identity) && StorableName(e.OldName, false) && StorableName(e.PlannedName, false) &&
           StorableName(e.TakenName, true);
}

std::string_view StateWord(JournalState state) {
    switch (state) {
    case JournalState::Running: return "running";
    case JournalState::Finished: return "finished";
    case JournalState::Undone: return "undone";
    }
    return "";
}

void AppendNumber(std::string& out, std::uint64_t value) {
    char digits[20];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

void AppendText(std::string& out, const Text& text) {
    const std::string bytes = ToUtf8(text).value_or(std::string());
    AppendNumber(out, bytes.size());
    out += ':';
    out += bytes;
}

void AppendIdentity(std::string& out, const std::optional<FileIdentity>& id) {
    static constexpr char kDigits[] = "0123456789abcdef";
    if (!id) {
        out += '-';
        return;
    }
    out += KindWord(id->Kind);
    out += ':';
    AppendNumber(out, id->FileSystem);
    out += ':';
    AppendNumber(out, id->Inode);
    out += ':';
    std::size_t at = out.size();
    out.resize(at + 2 * id->Key.size());
    for (const char c : id->Key) {
        const auto byte = static_cast<unsigned char>(c);
        out[at++] = kDigits[byte >> 4];
        out[at++] = kDigits[byte & 0xF];
    }
}

std::string HexOf(std::uint32_t value) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex(8, '0');
    for (int i = 7; i >= 0; --i, value >>= 4) hex[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
    return hex;
}

// How far a read got: the bytes ran out before it could decide, or they are
// not what the layout has there.
enum class Read { Ok, Short, Bad };

// A cursor over bytes whose every read either consumes exactly what the
// layout has at that place or fails.
class Cursor {
public:
    explicit Cursor(std::string_view bytes) : rest_(bytes) {}

    std::size_t Left() const { return rest_.size(); }

    Read Literal(std::string_view literal) {
        const std::size_t n = std::min(literal.size(), rest_.size());
        if (rest_.substr(0, n) != literal.substr(0, n)) return Read::Bad;
        if (n < literal.size()) return Read::Short;
        rest_.remove_prefix(n);
        return Read::Ok;
    }

    // A decimal number without sign or leading zeros, at most max, followed
    // by (and consuming) the terminator.
    Read Number(std::uint64_t max, char terminator, std::uint64_t& value) {
        value = 0;
        std::size_t i = 0;
        for (; i < rest_.size() && rest_[i] >= '0' && rest_[i] <= '9'; ++i) {
            if (i == 1 && rest_[0] == '0') return Read::Bad;
            const auto digit = static_cast<std::uint64_t>(rest_[i] - '0');
            if (digit > max || value > (max - digit) / 10) return Read::Bad;
            value = value * 10 + digit;
        }
        if (i == rest_.size()) return Read::Short;
        if (i == 0 || rest_[i] != terminator) return Read::Bad;
        rest_.remove_prefix(i + 1);
        return Read::Ok;
    }

    // "<count>:<UTF-8 bytes>" followed by the terminator.
    Read TextField(std::size_t maxBytes, char terminator, Text& text) {
        std::uint64_t size = 0;
        if (const Read r = Number(maxBytes, ':', size); r != Read::Ok) return r;
        if (rest_.size() <= size) return Read::Short;
        if (rest_[size] != terminator) return Read::Bad;
        auto decoded = FromUtf8(rest_.substr(0, size));
        if (!decoded) return Read::Bad;
        text = std::move(*decoded);
        rest_.remove_prefix(size + 1);
        return Read::Ok;
    }

    // "-" or "<kind>:<file system>:<inode>:<hex key>", followed by the terminator.
    Read Identity(char terminator, std::optional<FileIdentity>& id) {
        id.reset();
        if (Literal("-") == Read::Ok) return Literal(std::string_view(&terminator, 1));
        std::string_view word;
        if (const Read r = Word(word, ':'); r != Read::Ok) return r;
        const auto kind = KindFromWord(word);
        if (!kind) return Read::Bad;
        FileIdentity read{*kind, 0, 0, {}};
        if (const Read r = Number(UINT64_MAX, ':', read.FileSystem); r != Read::Ok) return r;
        if (const Read r = Number(UINT64_MAX, ':', read.Inode); r != Read::Ok) return r;
        std::size_t i = 0;
        for (; i < rest_.size() && rest_[i] != terminator; ++i) {
            const char c = rest_[i];
            if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')) || i >= 2 * MaxIdentityKeyBytes) return Read::Bad;
        }
        if (i == rest_.size()) return Read::Short;
        if (i == 0 || i % 2 != 0) return Read::Bad;
        auto nibble = [](char c) { return c <= '9' ? c - '0' : c - 'a' + 10; };
        for (std::size_t j = 0; j < i; j += 2)
            read.Key += static_cast<char>(nibble(rest_[j]) * 16 + nibble(rest_[j + 1]));
        rest_.remove_prefix(i + 1);
        id = std::move(read);
        return Read::Ok;
    }

    Read Word(std::string_view& word, char terminator) {
        const auto end = rest_.find(terminator);
        if (end == std::string_view::npos) return Read::Short;
        word = rest_.substr(0, end);
        rest_.remove_prefix(end + 1);
        return Read::Ok;
    }

private:
    std::string_view rest_;
};

bool ReadState(Cursor& in, JournalState& state) {
    std::string_view word;
    if (in.Literal("state ") != Read::Ok || in.Word(word, '\n') != Read::Ok) return false;
    for (const auto s : {JournalState::Running, JournalState::Finished, JournalState::Undone}) {
        if (word == StateWord(s)) {
            state = s;
            return true;
        }
    }
    return false;
}

// Versions 1 and 2 named a file by device and inode number, which is no
// identity: their entries are read without one, so that they are reported and
// never acted on. Version 1 knew no restored entries and ended each entry with
// a name that was always empty; it is read and dropped.
bool ReadEntry(Cursor& in, std::uint64_t version, StoredEntry& e) {
    std::uint64_t state = 0, device = 0, inode = 0;
    Text unused;
    const bool first = version == 1;
    bool ok = in.Literal("entry ") == Read::Ok;
    if (version >= 3) {
        ok = ok && in.Identity(' ', e.Identity) == Read::Ok;
    } else {
        ok = ok && in.Number(UINT64_MAX, ' ', device) == Read::Ok && in.Number(UINT64_MAX, ' ', inode) == Read::Ok;
    }
    ok = ok && in.Number(first ? 1 : 2, ' ', state) == Read::Ok &&
         in.TextField(MaxFileNameBytes, ' ', e.OldName) == Read::Ok &&
         in.TextField(MaxFileNameBytes, ' ', e.PlannedName) == Read::Ok &&
         in.TextField(MaxFileNameBytes, first ? ' ' : '\n', e.TakenName) == Read::Ok;
    if (ok && first) ok = in.TextField(MaxFileNameBytes, '\n', unused) == Read::Ok && StorableName(unused, true);
    e.State = static_cast<StoredEntryState>(state);
    return ok && StorableEntry(e);
}

// The body has passed its checksum: anything out of place in it is damage
// (or a writer's fault), never a short read.
bool ReadBody(std::string_view body, std::uint64_t version, StoredJournal& journal) {
    Cursor in(body);
    std::uint64_t count = 0;
    if (!ReadState(in, journal.State)) return false;
    const bool identities = version >= 3;
    if (in.Literal("directory ") != Read::Ok ||
        in.TextField(MaxDirectoryBytes, identities ? ' ' : '\n', journal.Directory) != Read::Ok ||
        !StorableDirectory(journal.Directory) || (identities && in.Identity('\n', journal.DirectoryIdentity) != Read::Ok))
        return false;
    if (in.Literal("entries ") != Read::Ok || in.Number(MaxJournalEntries, '\n', count) != Read::Ok) return false;
    // Entries are kept as they are read, never reserved by the count: a
    // damaged count costs no memory that the body does not hold.
    for (std::uint64_t i = 0; i < count; ++i) {
        StoredEntry e;
        if (!ReadEntry(in, version, e)) return false;
        journal.Entries.push_back(std::move(e));
    }
    return in.Left() == 0;
}

std::string_view LeftoverWord(LeftoverKind kind) {
    switch (kind) {
    case LeftoverKind::Placeholder: return "placeholder";
    case LeftoverKind::Link: return "link";
    case LeftoverKind::Temporary: return "temporary";
    }
    return "";
}

std::optional<LeftoverKind> LeftoverFromWord(std::string_view word) {
    for (const auto kind : {LeftoverKind::Placeholder, LeftoverKind::Link, LeftoverKind::Temporary})
        if (word == LeftoverWord(kind)) return kind;
    return std::nullopt;
}

// Empty for a placeholder noted without a mark (written "-").
bool IsMark(std::string_view mark) {
    return mark.empty() || (mark.size() == PlaceholderMarkDigits &&
                            std::all_of(mark.begin(), mark.end(),
                                        [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }));
}

bool StorableLeftover(const LeftName& left) {
    if (!IsPlainFileName(left.Name)) return false;
    switch (left.Kind) {
    case LeftoverKind::Link: return IsPlainFileName(left.Source) && left.Links > 0 && left.Mark.empty();
    case LeftoverKind::Placeholder: return IsMark(left.Mark);
    case LeftoverKind::Temporary: return left.Mark.empty();
    }
    return false;
}

// "<what> <CRC-32 of "<what> ">\n"
// Closes the note begun at from: "<what> " is followed by its CRC-32.
void CloseNote(std::string& notes, std::size_t from) {
    notes += ' ';
    notes += HexOf(Crc32(std::string_view(notes).substr(from)));
    notes += '\n';
}

void AppendNote(std::string& notes, std::string_view what) {
    const std::size_t from = notes.size();
    notes += what;
    CloseNote(notes, from);
}

// The body becomes the framed journal in its own buffer: the header goes
// before it, the checksum of both after.
void FrameInPlace(std::string& bytes, int version) {
    std::string header(kMagic);
    AppendNumber(header, static_cast<std::uint64_t>(version));
    header += '\n';
    AppendNumber(header, bytes.size());
    header += '\n';
    bytes.insert(0, header);
    bytes += HexOf(Crc32(bytes));
    bytes += '\n';
}

enum class NoteKind { Ended, Taken, Left, Dropped };

// One note's fields up to its checksum.
Read ReadNote(Cursor& in, std::uint64_t version, NoteKind& kind, std::uint64_t& index, Text& name, Leftover& left) {
    static constexpr std::pair<std::string_view, NoteKind> kWords[] = {
        {"ended ", NoteKind::Ended}, {"taken ", NoteKind::Taken}, {"left ", NoteKind::Left}, {"dropped ", NoteKind::Dropped}};
    Read r = Read::Bad;
    for (const auto& [word, k] : kWords) {
        r = in.Literal(word);
        kind = k;
        if (r != Read::Bad) break;
    }
    if (r != Read::Ok || kind == NoteKind::Ended || kind == NoteKind::Dropped) return r;
    if ((r = in.Number(MaxJournalEntries, ' ', index)) != Read::Ok) return r;
    if (kind == NoteKind::Taken) return in.TextField(MaxFileNameBytes, ' ', name);
    std::string_view word;
    if ((r = in.Word(word, ' ')) != Read::Ok) return r;
    const auto leftKind = LeftoverFromWord(word);
    if (!leftKind) return Read::Bad;
    left.Entry = static_cast<std::size_t>(index);
    left.Left.Kind = *leftKind;
    if ((r = in.TextField(MaxFileNameBytes, ' ', left.Left.Name)) != Read::Ok) return r;
    if (*leftKind == LeftoverKind::Placeholder) {
        // The fourth version wrote placeholders without a mark.
        if (version < 5) return Read::Ok;
        std::string_view mark;
        if ((r = in.Word(mark, ' ')) != Read::Ok) return r;
        if (mark.empty()) return Read::Bad;
        left.Left.Mark = mark == "-" ? std::string() : std::string(mark);
        return Read::Ok;
    }
    if (*leftKind != LeftoverKind::Link) return r;
    if ((r = in.TextField(MaxFileNameBytes, ' ', left.Left.Source)) != Read::Ok) return r;
    return in.Number(UINT64_MAX, ' ', left.Left.Links);
}

// The notes after the framed journal, each "<what> <CRC-32 of what>\n",
// appended without waiting for the disk. The names taken and the end come
// only while the journal is running; the names a step may leave behind come
// at any time, each "dropped" taking the one before it back. They are read
// one by one up to the first that does not check: after a power failure the
// tail may be cut short, zeros or garbage where the file's length grew
// before its bytes reached the disk. Such a tail was never written, and the
// journal's head, written and synced before the pass began, stays the truth.
// Leaving notes out only ever loses what they would add, never a name.
void ApplyNotes(std::string_view notes, std::uint64_t version, StoredJournal& journal) {
    bool ended = journal.State != JournalState::Running;
    bool endedHere = false;
    while (!notes.empty()) {
        Cursor in(notes);
        NoteKind kind = NoteKind::Ended;
        std::uint64_t index = 0;
        Text taken;
        Leftover left;
        if (ReadNote(in, version, kind, index, taken, left) != Read::Ok || in.Left() < kChecksumLineBytes) break;
        const std::size_t what = notes.size() - in.Left();
        if (notes.substr(what, kChecksumLineBytes) != HexOf(Crc32(notes.substr(0, what))) + "\n") break;
        bool fits = true;
        switch (kind) {
        case NoteKind::Ended:
            fits = !ended;
            ended = endedHere = fits;
            break;
        case NoteKind::Taken:
            fits = !ended && index < journal.Entries.size() && IsPlainFileName(taken);
            if (!fits) break;
            journal.Entries[static_cast<std::size_t>(index)].TakenName = std::move(taken);
            journal.Entries[static_cast<std::size_t>(index)].State = StoredEntryState::Renamed;
            break;
        case NoteKind::Left:
            fits = left.Entry < journal.Entries.size() && StorableLeftover(left.Left);
            if (fits) journal.Leftovers.push_back(std::move(left));
            break;
        case NoteKind::Dropped:
            fits = !journal.Leftovers.empty();
            if (fits) journal.Leftovers.pop_back();
            break;
        }
        // A note out of place is no note this program wrote there.
        if (!fits) break;
        notes.remove_prefix(what + kChecksumLineBytes);
    }
    if (endedHere) journal.State = JournalState::Finished;
}

JournalProblem ProblemOf(Read r) { return r == Read::Short ? JournalProblem::Truncated : JournalProblem::Garbled; }

}  // namespace

std::optional<std::string> EncodeJournal(const StoredJournal& journal) {
    if (!StorableDirectory(journal.Directory) || !StorableIdentity(journal.DirectoryIdentity) ||
        journal.Entries.size() > MaxJournalEntries)
        return std::nullopt;
    std::string body = "state ";
    body += StateWord(journal.State);
    body += "\ndirectory ";
    AppendText(body, journal.Directory);
    body += ' ';
    AppendIdentity(body, journal.DirectoryIdentity);
    body += "\nentries ";
    AppendNumber(body, journal.Entries.size());
    body += '\n';
    // Room for a typical entry and the frame, so that a pass's head grows in one step.
    body.reserve(body.size() + 96 * journal.Entries.size() + 64);
    for (const auto& e : journal.Entries) {
        if (!StorableEntry(e)) return std::nullopt;
        body += "entry ";
        AppendIdentity(body, e.Identity);
        body += ' ';
        AppendNumber(body, static_cast<std::uint64_t>(e.State));
        for (const Text* field : {&e.OldName, &e.PlannedName, &e.TakenName}) {
            body += ' ';
            AppendText(body, *field);
        }
        body += '\n';
        if (body.size() > MaxJournalBytes) return std::nullopt;
    }
    std::string bytes = std::move(body);
    FrameInPlace(bytes, JournalVersion);
    for (const Leftover& left : journal.Leftovers) {
        const auto note = left.Entry < journal.Entries.size() ? EncodeLeftNote(left.Entry, left.Left) : std::nullopt;
        if (!note) return std::nullopt;
        bytes += *note;
    }
    return bytes;
}

std::optional<Text> DirectoryOfDamaged(std::string_view bytes) {
    constexpr std::string_view kLine = "\ndirectory ";
    Cursor head(bytes);
    std::uint64_t version = 0;
    if (head.Literal(kMagic) != Read::Ok || head.Number(kMaxVersion, '\n', version) != Read::Ok) return std::nullopt;
    const auto at = bytes.find(kLine);
    if (at == std::string_view::npos) return std::nullopt;
    Cursor in(bytes.substr(at + kLine.size()));
    Text directory;
    // Since the third version the directory's identity follows on its line.
    const char end = version >= 3 ? ' ' : '\n';
    if (in.TextField(MaxDirectoryBytes, end, directory) != Read::Ok || !StorableDirectory(directory))
        return std::nullopt;
    return directory;
}

std::optional<std::string> EncodeEndNotes(const std::vector<std::pair<std::size_t, Text>>& taken) {
    std::string notes;
    notes.reserve(48 * taken.size() + 16);
    for (const auto& [index, name] : taken) {
        if (!IsPlainFileName(name) || index >= MaxJournalEntries) return std::nullopt;
        const std::size_t from = notes.size();
        notes += "taken ";
        AppendNumber(notes, index);
        notes += ' ';
        AppendText(notes, name);
        CloseNote(notes, from);
    }
    AppendNote(notes, "ended");
    return notes;
}

std::optional<std::string> EncodeLeftNote(std::size_t entry, const LeftName& left) {
    if (!StorableLeftover(left) || entry >= MaxJournalEntries) return std::nullopt;
    std::string what = "left " + std::to_string(entry) + ' ' + std::string(LeftoverWord(left.Kind)) + ' ';
    AppendText(what, left.Name);
    if (left.Kind == LeftoverKind::Placeholder) what += ' ' + (left.Mark.empty() ? std::string("-") : left.Mark);
    if (left.Kind == LeftoverKind::Link) {
        what += ' ';
        AppendText(what, left.Source);
        what += ' ' + std::to_string(left.Links);
    }
    std::string notes;
    AppendNote(notes, what);
    return notes;
}

std::string EncodeDroppedNote() {
    std::string notes;
    AppendNote(notes, "dropped");
    return notes;
}

std::string FrameJournalBody(std::string_view body, int version) {
    std::string bytes(body);
    FrameInPlace(bytes, version);
    return bytes;
}

DecodedJournal DecodeJournal(std::string_view bytes) {
    DecodedJournal out;
    Cursor in(bytes);
    std::uint64_t version = 0;
    std::uint64_t bodySize = 0;
    Read r = in.Literal(kMagic);
    if (r == Read::Ok) r = in.Number(kMaxVersion, '\n', version);
    if (r == Read::Ok && version == 0) r = Read::Bad;
    if (r != Read::Ok) return {ProblemOf(r), {}};
    // A newer layout may differ in everything after its version line.
    if (version > static_cast<std::uint64_t>(JournalVersion)) return {JournalProblem::FutureVersion, {}};
    r = in.Number(MaxJournalBytes, '\n', bodySize);
    if (r != Read::Ok) return {ProblemOf(r), {}};
    if (in.Left() < bodySize + kChecksumLineBytes) return {JournalProblem::Truncated, {}};

    const std::size_t checked = bytes.size() - in.Left() + bodySize;
    const std::string_view body = bytes.substr(checked - bodySize, bodySize);
    if (bytes.substr(checked, kChecksumLineBytes) != HexOf(Crc32(bytes.substr(0, checked))) + "\n" ||
        !ReadBody(body, version, out.Journal))
        return {JournalProblem::Garbled, {}};
    ApplyNotes(bytes.substr(checked + kChecksumLineBytes), version, out.Journal);
    return out;
}

}  // namespace morvane
