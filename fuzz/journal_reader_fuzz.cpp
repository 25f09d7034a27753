// Any bytes given to the journal reader come back as a journal or as a
// problem: never a crash, an overread, undefined behaviour or unbounded
// memory. What it accepts must be what the writer writes for the journal it
// read, followed at most by its notes (the end of a pass, names left behind), so that nothing the
// writer would refuse is ever acted on. Each input is read once as a
// whole file and once as the body of a correctly framed one, which reaches
// the body's reader past the checksum.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "journal/journal_format.h"

namespace {

void Check(std::string_view bytes) {
    const morvane::DecodedJournal read = morvane::DecodeJournal(bytes);
    if (read.Problem != morvane::JournalProblem::None) return;
    const auto written = morvane::EncodeJournal(read.Journal);
    // With notes the bytes differ from the writer's, but never what they mean.
    if (!written || (*written != bytes && morvane::DecodeJournal(*written).Journal != read.Journal)) {
        std::fprintf(stderr, "accepted a file that the writer writes differently\n");
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Check(bytes);
    Check(morvane::FrameJournalBody(bytes));
    return 0;
}
