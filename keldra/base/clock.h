// Time stamps that go into files.
//
// A written file carries the time it was made.  When SOURCE_DATE_EPOCH
// (seconds since 1970) is set, that time is used instead of the clock, so
// that scripts and tests get the same bytes on every run.  Dates are shown
// in Japan time (UTC+9, no daylight saving since 1952) whatever zone the
// machine is in: the files have always carried that zone's times.
#pragma once

#include <ctime>

// Now, or SOURCE_DATE_EPOCH when it is set to a whole number.
std::time_t StampTime();
// The calendar fields of t in Japan time.
std::tm JapanTime(std::time_t t);
