#pragma once
// A table as a parameterized suite: each row a test of its own, named after
// its `name` text ("a name gone" runs as ANameGone), so that a failure names
// its row and a row runs alone (--gtest_filter='*/ANameGone').
#include <gtest/gtest.h>

#include <cctype>
#include <string>

inline std::string RowName(const char* text) {
    std::string name;
    bool capital = true;
    for (const char* c = text; *c; ++c) {
        const auto byte = static_cast<unsigned char>(*c);
        if (std::isalnum(byte)) name += static_cast<char>(capital ? std::toupper(byte) : byte);
        capital = !std::isalnum(byte);
    }
    return name;
}

#define NAMED_ROWS(Prefix, Suite, rows)                                \
    INSTANTIATE_TEST_SUITE_P(Prefix, Suite, testing::ValuesIn(rows), \
                             [](const auto& info) { return RowName(info.param.name); })
