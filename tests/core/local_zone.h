#pragma once
// A test's local time zone: central European time with its summer time,
// given by rule so that no zone database is needed.
#include <stdlib.h>
#include <time.h>

#include <optional>
#include <string>

class LocalZone {
public:
    LocalZone() {
        if (const char* tz = getenv("TZ")) saved_ = tz;
        setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
        tzset();
    }
    ~LocalZone() {
        if (saved_) setenv("TZ", saved_->c_str(), 1);
        else unsetenv("TZ");
        tzset();
    }
    LocalZone(const LocalZone&) = delete;
    LocalZone& operator=(const LocalZone&) = delete;

private:
    std::optional<std::string> saved_;
};
