// "YYYY-MM-DD HH:MM:SS" of a UTC moment, by day arithmetic on the proleptic
// Gregorian calendar rather than by the C library, to check the program's
// dates against.
#ifndef KVN_FUZZ_UTC_DATE_TEXT_H
#define KVN_FUZZ_UTC_DATE_TEXT_H

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

// For years 0 to 9999; seconds counts from 1970-01-01 00:00:00 UTC.
inline std::string utcDateText(std::int64_t seconds) {
  std::int64_t days = seconds / 86400;
  std::int64_t rest = seconds % 86400;
  if (rest < 0) {
    rest += 86400;
    --days;
  }
  // Days to a civil date, counting in 400-year eras from 0000-03-01.
  const std::int64_t shifted = days + 719468;
  const std::int64_t era = (shifted >= 0 ? shifted : shifted - 146096) / 146097;
  const std::int64_t dayOfEra = shifted - era * 146097;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
  const std::int64_t day = dayOfYear - (153 * monthFromMarch + 2) / 5 + 1;
  const std::int64_t month = monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9;
  const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
  // Room for six numbers of any size, so that the text is never cut.
  std::array<char, 128> text{};
  std::snprintf(text.data(), text.size(), "%04lld-%02lld-%02lld %02lld:%02lld:%02lld",
                static_cast<long long>(year), static_cast<long long>(month),
                static_cast<long long>(day), static_cast<long long>(rest / 3600),
                static_cast<long long>(rest % 3600 / 60), static_cast<long long>(rest % 60));
  return text.data();
}

#endif  // KVN_FUZZ_UTC_DATE_TEXT_H
