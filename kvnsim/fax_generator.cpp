#include "fax_generator.h"

#include <array>
#include <cstddef>

#include "record_writer.h"

namespace kvnsim {

namespace {

// 2008-01-01 00:00:00 in the server's reckoning; generated faxes spread over
// that year.
constexpr std::int32_t kFirstFaxTime = 1199145600;
constexpr std::uint32_t kYearSeconds = 366U * 86400U;

// A stream of pseudo-random numbers (splitmix64) that depends only on the
// seed and the position of the fax.
class Draws {
 public:
  Draws(std::uint32_t seed, std::uint32_t position)
      : state_(((static_cast<std::uint64_t>(seed) << 32) | position) ^ 0x5DEECE66DULL) {}

  std::uint64_t next() {
    state_ += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  std::uint32_t below(std::uint32_t bound) { return static_cast<std::uint32_t>(next() % bound); }
  bool percent(std::uint32_t chance) { return below(100) < chance; }
  template <typename T, std::size_t N>
  const T& pick(const std::array<T, N>& choices) {
    return choices[below(static_cast<std::uint32_t>(N))];
  }

 private:
  std::uint64_t state_;
};

// A short text built in place, so that generating a fax never allocates.
class FixedText {
 public:
  FixedText& add(std::string_view text) {
    for (const char c : text) {
      push(c);
    }
    return *this;
  }
  FixedText& addHex(std::uint32_t value, int digits) {
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) {
      push("0123456789ABCDEF"[(value >> shift) & 0xFU]);
    }
    return *this;
  }
  FixedText& addDecimal(std::uint32_t value, int digits) {
    std::array<char, 10> reversed{};
    for (int i = 0; i < digits; ++i) {
      reversed[static_cast<std::size_t>(i)] = static_cast<char>('0' + value % 10);
      value /= 10;
    }
    for (int i = digits - 1; i >= 0; --i) {
      push(reversed[static_cast<std::size_t>(i)]);
    }
    return *this;
  }
  std::string_view view() const { return {data_.data(), size_}; }

 private:
  void push(char c) {
    if (size_ < data_.size()) {
      data_[size_++] = c;
    }
  }
  std::array<char, 64> data_{};
  std::size_t size_ = 0;
};

struct Correspondent {
  std::string_view name;
  std::string_view company;
  std::string_view cityState;
  std::string_view phone;
};

constexpr std::array<Correspondent, 10> kCorrespondents{{
    {"Harriet Quill", "Quill & Marsh LLP", "Hartford, CT", "8605550142"},
    {"Oscar Lindqvist", "Northgate Freight", "Buffalo, NY", "7165550187"},
    {"Priya Raman", "Lakeside Medical Group", "Cleveland, OH", "2165550113"},
    {"Tomasz Wrobel", "Wrobel Tool & Die", "Erie, PA", "8145550166"},
    {"Denise Okafor", "Cardinal Insurance", "Columbus, OH", "6145550124"},
    {"Gordon Pike", "Pike Surveying", "Albany, NY", "5185550199"},
    {"Mei Tanaka", "Harborview Imports", "Baltimore, MD", "4105550171"},
    {"Luis Ortega", "Ortega Building Supply", "Newark, NJ", "9735550135"},
    {"Ruth Abernathy", "County Records Office", "Dover, DE", "3025550108"},
    {"Sam Whitcombe", "Whitcombe Printing", "Scranton, PA", "5705550152"},
}};

constexpr std::array<std::string_view, 8> kComments{
    "Purchase order attached",
    "Please sign and return",
    "Revised quote",
    "Invoice copy for your records",
    "Shipping confirmation",
    "Signed contract, page 2 corrected",
    "",
    "Call before faxing back",
};

constexpr std::array<std::uint16_t, 4> kErrorCodes{3, 17, 22, 105};
constexpr std::array<std::uint16_t, 10> kFolders{0, 0, 0, 0, 0, 0, 0, 1, 2, 12};

// Every value of one generated fax, drawn in a fixed order.
struct GeneratedFax {
  std::uint32_t handle = 0;
  std::uint16_t folder = 0;
  bool received = false;
  std::uint32_t flags = 0;
  std::int32_t time = 0;
  std::uint16_t pages = 0;
  std::uint16_t errorCode = 0;
  bool fine = false;
  bool cover = false;
  const Correspondent* correspondent = nullptr;
  std::string_view comment;
  std::uint16_t jobId = 0;
  std::uint16_t faxId = 0;
  std::uint32_t sendTime = 0;
  std::uint8_t priority = 0;
  std::int16_t printJobType = 0;
  std::uint16_t did = 0;
};

std::uint16_t drawFolder(Draws& draws) {
  return draws.pick(kFolders);
}

GeneratedFax drawFax(const GeneratedFaxes& faxes, std::uint32_t position) {
  Draws draws(faxes.seed, position);
  GeneratedFax fax;
  fax.handle = faxes.firstHandle + position;
  fax.folder = drawFolder(draws);
  fax.received = draws.percent(70);
  fax.time = kFirstFaxTime + static_cast<std::int32_t>(draws.below(kYearSeconds));
  fax.pages = static_cast<std::uint16_t>(1 + draws.below(4) + draws.below(3) * draws.below(6));
  fax.errorCode = draws.percent(5) ? draws.pick(kErrorCodes) : std::uint16_t{0};
  fax.fine = draws.percent(50);
  fax.cover = draws.percent(fax.received ? 10 : 70);
  fax.correspondent = &draws.pick(kCorrespondents);
  fax.comment = draws.pick(kComments);
  fax.jobId = static_cast<std::uint16_t>(draws.below(0x10000));
  fax.faxId = static_cast<std::uint16_t>(draws.below(0x10000));
  fax.sendTime = 20 + fax.pages * (15 + draws.below(40));
  fax.priority = static_cast<std::uint8_t>(draws.percent(85) ? 0 : 1 + draws.below(2));
  fax.printJobType = static_cast<std::int16_t>(draws.below(6));
  fax.did = static_cast<std::uint16_t>(draws.below(10000));

  const std::pair<std::uint32_t, std::uint32_t> flagChances[] = {
      {kvn::FaxFlagViewed, fax.received ? 60U : 20U},
      {kvn::FaxFlagPrinted, 30},
      {kvn::FaxFlagForwarded, 5},
      {kvn::FaxFlagApproved, 20},
      {kvn::FaxFlagHeld, 5},
      {kvn::FaxFlagUser1, 3},
      {kvn::FaxFlagUser2, 2},
      {kvn::FaxFlagDeleted, 4},
  };
  fax.flags = fax.received ? kvn::FaxFlagReceived : 0;
  for (const auto& [flag, chance] : flagChances) {
    if (draws.percent(chance)) {
      fax.flags |= flag;
    }
  }
  return fax;
}

FixedText uniqueIdOf(const GeneratedFaxes& faxes, std::uint32_t handle) {
  FixedText text;
  text.add("GEN").addHex(faxes.seed & 0xFFFFU, 4).addHex(handle, 8);
  return text;
}

}  // namespace

std::uint16_t generatedFaxFolder(const GeneratedFaxes& faxes, std::uint32_t position) {
  Draws draws(faxes.seed, position);
  return drawFolder(draws);
}

void writeGeneratedEntry(const GeneratedFaxes& faxes, std::string_view ownerId,
                         std::uint32_t position, unsigned char* entry) {
  namespace field = kvn::fax_entry;
  const GeneratedFax fax = drawFax(faxes, position);
  writeU32(entry, field::kFaxHandle, fax.handle);
  writeU32(entry, field::kFlags, fax.flags);
  writeU32(entry, field::kTime, static_cast<std::uint32_t>(fax.time));
  writeU16(entry, field::kPages, fax.pages);
  writeU16(entry, field::kErrorCode, fax.errorCode);
  writeU16(entry, field::kFine, fax.fine ? 1 : 0);
  writeU16(entry, field::kCover, fax.cover ? 1 : 0);
  writeText(entry, field::kUniqueId, uniqueIdOf(faxes, fax.handle).view());
  writeU16(entry, field::kFolder, fax.folder);
  writeText(entry, field::kFaxUserId, ownerId);
}

void writeGeneratedDetails(const GeneratedFaxes& faxes, std::string_view ownerId,
                           std::uint32_t position, unsigned char* record) {
  namespace field = kvn::extended_fax;
  const GeneratedFax fax = drawFax(faxes, position);
  const Correspondent& other = *fax.correspondent;
  constexpr std::string_view kOwnPhone = "2125550100";

  writeText(record, field::kOwnerId, ownerId);
  writeU16(record, field::kJobId, fax.jobId);
  writeU16(record, field::kFaxType, fax.received ? 1 : 2);
  writeText(record, field::kFaxFile, FixedText().add("G").addHex(fax.handle, 8).view());
  writeU16(record, field::kPages, fax.pages);
  writeU16(record, field::kPaperType, 1);
  writeU16(record, field::kPrintJobType, static_cast<std::uint16_t>(fax.printJobType));
  if (fax.received) {
    writeText(record, field::kToName, ownerId);
    writeText(record, field::kFromName, other.name);
    writeText(record, field::kFromPhone, other.phone);
    writeText(record, field::kRemoteId, other.phone);
    writeText(record, field::kDid, FixedText().add("555").addDecimal(fax.did, 4).view());
  } else {
    writeText(record, field::kToPhone, other.phone);
    writeText(record, field::kToContact, other.name);
    writeText(record, field::kToName, other.name);
    writeText(record, field::kToCompany, other.company);
    writeText(record, field::kToCityState, other.cityState);
    writeText(record, field::kFromName, ownerId);
    writeText(record, field::kFromPhone, kOwnPhone);
    writeText(record, field::kRemoteId, other.phone);
    if (fax.cover) {
      writeText(record, field::kCoversheet, "standard");
    }
  }
  writeText(record, field::kGeneralFaxPhone, kOwnPhone);
  writeU32(record, field::kSendTime, fax.sendTime);
  writeU16(record, field::kStatus, fax.errorCode != 0 ? 11 : 6);
  writeU16(record, field::kErrorCode, fax.errorCode);
  writeU16(record, field::kFaxId, fax.faxId);
  writeU8(record, field::kPriority, fax.priority);
  writeU16(record, field::kFolder, fax.folder);
  writeText(record, field::kComment, fax.comment);
}

}  // namespace kvnsim
