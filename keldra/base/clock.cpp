#include "base/clock.h"

#include <cerrno>
#include <cstdlib>
#include <limits>

namespace {

constexpr std::time_t kJapanOffset = 9 * 3600;

} // namespace

std::time_t StampTime()
{
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch && *epoch) {
        char* end = nullptr;
        errno = 0;
        const long long value = std::strtoll(epoch, &end, 10);
        if (errno == 0 && end && *end == '\0')
            return std::time_t(value);
    }
    return std::time(nullptr);
}

std::tm JapanTime(std::time_t t)
{
    std::tm tm{};
    // Out of the calendar's range the fields stay zero rather than wrap.
    if (t > std::numeric_limits<std::time_t>::max() - kJapanOffset)
        return tm;
    const std::time_t local = t + kJapanOffset;
    if (!gmtime_r(&local, &tm))
        tm = std::tm{};
    return tm;
}
