#include "files/chosen_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <mutex>
#include <string_view>
#include <unordered_map>

#include "files/unique_fd.h"

namespace morvane {
namespace {

// Every key the rules make fits in place (a fingerprint 21 bytes, a btrfs
// handle 25); a longer one is kept apart.
constexpr std::size_t kKeyInPlace = 30;

// A directory read costs about as much as a second call per file for every
// 512 bytes of the directory per chosen file (an entry of a short name takes
// some 24 to 32 bytes, and reading one is some twenty times cheaper than a
// look-up by name).
constexpr std::uint64_t kDirectoryBytesPerCall = 512;

enum : std::uint8_t { kNotTaken = 0, kNone = 1, kInPlace = 2, kApart = 3 };

std::size_t HashOf(std::string_view name) { return std::hash<std::string_view>{}(name); }

}  // namespace

struct ChosenFiles::Record {
    std::atomic<std::uint8_t> State{kNotTaken};
    std::uint8_t KeySize = 0;
    char Key[kKeyInPlace];
    std::uint64_t Inode = 0;
};

// Keys longer than a record holds, by position; written while taking, read from any thread.
struct ChosenFiles::Apart {
    std::mutex Lock;
    std::unordered_map<std::size_t, std::string> Keys;
};

ChosenFiles::ChosenFiles() = default;
ChosenFiles::~ChosenFiles() = default;

ChosenFiles::ChosenFiles(ChosenFiles&& other) noexcept { *this = std::move(other); }

ChosenFiles& ChosenFiles::operator=(ChosenFiles&& other) noexcept {
    if (this == &other) return *this;
    directory_ = std::move(other.directory_);
    directoryIdentity_ = std::move(other.directoryIdentity_);
    opened_ = std::move(other.opened_);
    other.opened_.reset();
    rule_ = std::move(other.rule_);
    names_ = std::move(other.names_);
    ends_ = std::move(other.ends_);
    index_ = std::move(other.index_);
    records_ = std::move(other.records_);
    seen_ = std::move(other.seen_);
    apart_ = std::move(other.apart_);
    types_ = std::move(other.types_);
    typesRead_ = other.typesRead_;
    taken_.store(other.taken_.exchange(0));
    other.ends_.clear();
    return *this;
}

ChosenFiles ChosenFiles::Open(const Text& dir, const std::vector<Text>& names) {
    ChosenFiles chosen;
    chosen.directory_ = dir;
    std::size_t bytes = 0;
    for (const Text& name : names) bytes += name.size() + 1;
    chosen.names_.reserve(bytes);
    chosen.ends_.reserve(names.size());
    std::size_t capacity = 16;
    while (capacity < 2 * names.size()) capacity *= 2;
    chosen.index_.assign(capacity, 0);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto utf8 = ToUtf8(names[i]);
        // Only a bare name in the directory: anything else has no file to know it by.
        const bool bare = utf8 && !utf8->empty() && utf8->find_first_of(std::string_view("/\0", 2)) == std::string::npos;
        if (bare) chosen.names_ += *utf8;
        chosen.names_ += '\0';
        chosen.ends_.push_back(static_cast<std::uint32_t>(chosen.names_.size() - 1));
        if (!bare) continue;
        for (std::size_t slot = HashOf(*utf8) & (capacity - 1);; slot = (slot + 1) & (capacity - 1)) {
            if (chosen.index_[slot] == 0) {
                chosen.index_[slot] = static_cast<std::uint32_t>(i + 1);
                break;
            }
            if (chosen.NameAt(chosen.index_[slot] - 1) == *utf8) break;  // listed twice: the first is asked for
        }
    }
    chosen.records_ = std::make_unique<Record[]>(names.size());
    chosen.apart_ = std::make_unique<Apart>();
    std::optional<OpenDirectory> opened;
    if (OpenDirectory::Open(dir, std::nullopt, opened) != ErrNone) {
        // Nothing to know any file by: every name is looked at, none has an identity.
        for (std::size_t i = 0; i < names.size(); ++i) chosen.records_[i].State.store(kNone, std::memory_order_relaxed);
        chosen.taken_.store(names.size(), std::memory_order_release);
        return chosen;
    }
    chosen.directoryIdentity_ = opened->Identity();
    chosen.rule_ = opened->Rule();
    if (chosen.rule_.Kind == IdentityKind::Fingerprint) chosen.seen_ = std::make_unique<SeenFile[]>(names.size());
    if (!names.empty()) chosen.opened_ = std::move(opened);
    return chosen;
}

std::string_view ChosenFiles::NameAt(std::size_t position) const {
    const std::size_t begin = position == 0 ? 0 : ends_[position - 1] + 1;
    return std::string_view(names_).substr(begin, ends_[position] - begin);
}

std::optional<std::size_t> ChosenFiles::PositionOf(const Text& name) const {
    if (index_.empty()) return std::nullopt;
    const auto utf8 = ToUtf8(name);
    if (!utf8 || utf8->empty()) return std::nullopt;
    const std::size_t mask = index_.size() - 1;
    for (std::size_t slot = HashOf(*utf8) & mask; index_[slot] != 0; slot = (slot + 1) & mask)
        if (NameAt(index_[slot] - 1) == *utf8) return index_[slot] - 1;
    return std::nullopt;
}

bool ChosenFiles::Taken(std::size_t position) const {
    return position < Size() && records_[position].State.load(std::memory_order_acquire) != kNotTaken;
}

std::optional<FileIdentity> ChosenFiles::Identity(std::size_t position) const {
    if (position >= Size()) return std::nullopt;
    const Record& record = records_[position];
    const std::uint8_t state = record.State.load(std::memory_order_acquire);
    if (state != kInPlace && state != kApart) return std::nullopt;
    FileIdentity identity{rule_.Kind, rule_.FileSystem, record.Inode, {}};
    if (state == kInPlace) {
        identity.Key.assign(record.Key, record.KeySize);
    } else {
        const std::lock_guard<std::mutex> lock(apart_->Lock);
        identity.Key = apart_->Keys.at(position);
    }
    return identity;
}

std::optional<SeenFile> ChosenFiles::Seen(std::size_t position) const {
    if (!seen_ || !Identity(position) || seen_[position].Mount == 0) return std::nullopt;
    return seen_[position];
}

std::size_t ChosenFiles::Identified() const {
    std::size_t count = 0;
    for (std::size_t i = 0; i < Size(); ++i) {
        const std::uint8_t state = records_[i].State.load(std::memory_order_acquire);
        count += state == kInPlace || state == kApart;
    }
    return count;
}

bool ChosenFiles::WorthReading() const {
    struct stat st {};
    return ::fstat(opened_->Fd(), &st) == 0 &&
           static_cast<std::uint64_t>(st.st_size) <= static_cast<std::uint64_t>(Size()) * kDirectoryBytesPerCall;
}

void ChosenFiles::ReadTypes() {
    const int fd = ::openat(opened_->Fd(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    UniqueDir stream(::fdopendir(fd));
    if (!stream) {
        ::close(fd);
        return;
    }
    types_.assign(Size(), 0);
    const std::size_t mask = index_.size() - 1;
    while (const dirent* entry = ::readdir(stream.Get())) {
        const std::string_view name = entry->d_name;
        for (std::size_t slot = HashOf(name) & mask; index_[slot] != 0; slot = (slot + 1) & mask)
            if (NameAt(index_[slot] - 1) == name) {
                types_[index_[slot] - 1] = TypeLetterOf(entry->d_type);
                break;
            }
    }
}

void ChosenFiles::TakeOne(std::size_t position) {
    Record& record = records_[position];
    const std::string_view name = NameAt(position);
    std::optional<FileIdentity> identity;
    if (!name.empty()) {
        const int fd = opened_->Fd();
        bool missing = false;
        if (!types_.empty()) identity = HandleIdentityAt(fd, name.data(), rule_, types_[position], missing);
        if (!identity && !missing) {
            SeenFile seen;
            identity = IdentityAt(fd, std::string(name), rule_, seen_ ? &seen : nullptr);
            if (identity && seen_) seen_[position] = seen;
        }
    }
    std::uint8_t state = kNone;
    if (identity) {
        record.Inode = identity->Inode;
        if (identity->Key.size() <= kKeyInPlace) {
            std::memcpy(record.Key, identity->Key.data(), identity->Key.size());
            record.KeySize = static_cast<std::uint8_t>(identity->Key.size());
            state = kInPlace;
        } else {
            const std::lock_guard<std::mutex> lock(apart_->Lock);
            apart_->Keys[position] = std::move(identity->Key);
            state = kApart;
        }
    }
    record.State.store(state, std::memory_order_release);
    taken_.fetch_add(1, std::memory_order_acq_rel);
}

void ChosenFiles::Prepare() {
    if (!opened_ || typesRead_ || rule_.Kind != IdentityKind::Handle || rule_.InodeInHandle == HandleInode::None) return;
    typesRead_ = true;
    if (WorthReading()) ReadTypes();
}

bool ChosenFiles::Step(std::size_t position, const std::atomic<bool>* cancel, std::atomic<std::size_t>* done) {
    if (cancel && cancel->load(std::memory_order_relaxed)) return false;
    if (position < Size() && records_[position].State.load(std::memory_order_relaxed) == kNotTaken) TakeOne(position);
    if (done) done->fetch_add(1, std::memory_order_relaxed);
    return true;
}

void ChosenFiles::Settle() {
    if (!AllTaken()) return;
    // Nothing more to take: the directory is not held open (a stick can be unmounted).
    opened_.reset();
    types_ = {};
}

void ChosenFiles::Take(std::size_t first, std::size_t last, const std::atomic<bool>* cancel,
                       std::atomic<std::size_t>* done) {
    Prepare();
    for (std::size_t i = first; i < std::min(last, Size()) && Step(i, cancel, done); ++i) {}
    Settle();
}

void ChosenFiles::TakeAt(const std::vector<std::size_t>& positions, const std::atomic<bool>* cancel,
                         std::atomic<std::size_t>* done) {
    Prepare();
    for (const std::size_t position : positions)
        if (!Step(position, cancel, done)) break;
    Settle();
}

ChosenFiles TakeIdentities(const Text& dir, const std::vector<Text>& names) {
    ChosenFiles chosen = ChosenFiles::Open(dir, names);
    chosen.Take(0, chosen.Size());
    return chosen;
}

}  // namespace morvane
