#include "error_texts.h"

#include <utility>

#include "error_codes.h"

namespace kvnsim {

namespace {

const char* libraryText(std::int32_t code) {
  switch (code) {
    case error::kConnectionTimedOut:
      return "Connection timed out";
    case error::kConnectionRefused:
      return "Connection refused";
    case error::kInvalidHandle:
      return "Invalid handle";
    case error::kReleaseTooOld:
      return "Kavrin server release is too old";
    case error::kUserNotFound:
      return "User not found";
    case error::kServerInfo:
      return "Can't read server information";
    case error::kFaxList:
      return "Can't read fax list";
    case error::kSort:
      return "Can't sort fax list";
    case error::kListRead:
      return "Fax list read error";
    case error::kLoadFax:
      return "Can't read fax";
    case error::kEndOfList:
      return "End of list";
    default:
      return nullptr;
  }
}

}  // namespace

void ErrorTexts::useDescriptionTexts(std::map<std::int32_t, std::string> texts) {
  descriptionTexts_ = std::move(texts);
}

void ErrorTexts::recordServerNotFound(std::string host, bool withoutServersFolder) {
  notFoundHost_ = std::move(host);
  notFoundWithoutServersFolder_ = withoutServersFolder;
}

void ErrorTexts::recordBadDescription(const std::string& file, const std::string& problem) {
  badDescription_ = file + ": " + problem;
}

void ErrorTexts::recordWrongConstant(const std::string& call, int argument, std::int32_t passed,
                                     std::int32_t expected) {
  wrongConstant_ = call + " argument " + std::to_string(argument) + " is " +
                   std::to_string(passed) + ", must be " + std::to_string(expected);
}

std::string ErrorTexts::text(std::int32_t code) const {
  if (code == error::kServerNotFound) {
    std::string text = "Kavrin server not found: " + notFoundHost_;
    if (notFoundWithoutServersFolder_) {
      text +=
          " (this KVWIN32 is kvnshow's stand-in, not the vendor's client library: it knows the "
          "server demo, a description file named as the host, and <host>.json in the folder "
          "that KVNSIM_SERVERS names, which is not set)";
    }
    return text;
  }
  if (code == error::kBadDescription) {
    return "Bad server description " + badDescription_;
  }
  if (code == error::kWrongConstant) {
    return "Wrong constant argument: " + wrongConstant_;
  }
  if (const auto found = descriptionTexts_.find(code); found != descriptionTexts_.end()) {
    return found->second;
  }
  if (const char* own = libraryText(code)) {
    return own;
  }
  return "Kavrin error " + std::to_string(code);
}

}  // namespace kvnsim
