// The fields of a fax as data for scripts, in their order: every field of its
// list entry, then, when the listing loads details, whether they could be
// loaded and every field of its extended record. The CSV header and every
// row, and every JSON object, are one walk over these fields.
#ifndef KVNSHOW_DATA_FORMATS_FAX_DATA_FIELDS_H
#define KVNSHOW_DATA_FORMATS_FAX_DATA_FIELDS_H

#include <cstdint>
#include <string_view>
#include <type_traits>

#include "kvnapi/kvnrecords.h"
#include "kvnprogram/calendar_time.h"
#include "kvnprogram/fax_code_names.h"
#include "kvnshow/text_reports/fax_date_text.h"

namespace kvn {

// What one walk covers. entry is null for the CSV header, which takes the
// names alone; details is null when the listing loads none, or when they
// could not be loaded (detailsLoaded then says so).
struct FaxDataSource {
  const FaxListEntryView* entry = nullptr;
  const ExtendedFaxView* details = nullptr;
  bool withDetails = false;
  std::int32_t tzOffset = 0;
};

// A visitor takes each field by name as one of:
//   text(name, bytes)   a text of the record, in the ANSI code page
//   number(name, n)     an integer
//   boolean(name, b)
//   word(name, ascii)   a text of this program's own: a time, a code's name
//   handle(name, h)     a fax handle, as eight hexadecimal digits
//   none(name)          no value: the header, a time that cannot be
//                       converted, the details of a fax that has none
namespace fax_data {

// Each value by its type.
template <typename Visitor>
void value(Visitor& visitor, std::string_view name, std::string_view text) {
  visitor.text(name, text);
}
template <typename Visitor>
void value(Visitor& visitor, std::string_view name, bool set) {
  visitor.boolean(name, set);
}
template <typename Visitor, typename Integer>
requires std::is_integral_v<Integer>
void value(Visitor& visitor, std::string_view name, Integer number) {
  visitor.number(name, static_cast<std::int64_t>(number));
}

template <typename Visitor, typename View, typename Value>
void field(Visitor& visitor, std::string_view name, const View* view, Value (View::*read)() const) {
  if (view == nullptr) {
    visitor.none(name);
  } else {
    value(visitor, name, (view->*read)());
  }
}

template <typename Visitor>
void flag(Visitor& visitor, std::string_view name, const FaxListEntryView* entry,
          std::uint32_t bit) {
  if (entry == nullptr) {
    visitor.none(name);
  } else {
    visitor.boolean(name, entry->hasFlag(bit));
  }
}

// A code's name beside its number, from the verbose report's table; none for
// a code without a name, as for a fax without details.
template <typename Visitor, typename Code, typename NamedCode>
void codeName(Visitor& visitor, std::string_view name, const ExtendedFaxView* details,
              Code (ExtendedFaxView::*read)() const, const char* (*nameOf)(NamedCode)) {
  const char* codeName = details == nullptr ? nullptr : nameOf((details->*read)());
  if (codeName == nullptr) {
    visitor.none(name);
  } else {
    visitor.word(name, codeName);
  }
}

}  // namespace fax_data

template <typename Visitor>
void visitFaxDataFields(Visitor& visitor, const FaxDataSource& source) {
  using fax_data::field;
  using fax_data::flag;
  using E = FaxListEntryView;
  using D = ExtendedFaxView;
  const E* entry = source.entry;

  field(visitor, "uniqueId", entry, &E::uniqueId);
  if (entry == nullptr) {
    visitor.none("faxHandle");
  } else {
    visitor.handle("faxHandle", entry->faxHandle());
  }
  field(visitor, "flags", entry, &E::flags);
  flag(visitor, "received", entry, FaxFlagReceived);
  flag(visitor, "viewed", entry, FaxFlagViewed);
  flag(visitor, "printed", entry, FaxFlagPrinted);
  flag(visitor, "forwarded", entry, FaxFlagForwarded);
  flag(visitor, "approved", entry, FaxFlagApproved);
  flag(visitor, "held", entry, FaxFlagHeld);
  flag(visitor, "user1", entry, FaxFlagUser1);
  flag(visitor, "user2", entry, FaxFlagUser2);
  flag(visitor, "deleted", entry, FaxFlagDeleted);
  // RFC 3339 in UTC, whatever -z says.
  CalendarText time{};
  const std::size_t timeLength =
      entry == nullptr ? 0 : formatRfc3339Utc(faxUtcSeconds(entry->time(), source.tzOffset), time);
  if (timeLength == 0) {
    visitor.none("time");
  } else {
    visitor.word("time", std::string_view(time.data(), timeLength));
  }
  field(visitor, "pages", entry, &E::pages);
  field(visitor, "errorCode", entry, &E::errorCode);
  field(visitor, "fine", entry, &E::fine);
  field(visitor, "cover", entry, &E::cover);
  field(visitor, "folder", entry, &E::folder);
  field(visitor, "faxUserId", entry, &E::faxUserId);
  if (!source.withDetails) {
    return;
  }

  const D* details = source.details;
  if (entry == nullptr) {
    visitor.none("detailsLoaded");
  } else {
    visitor.boolean("detailsLoaded", details != nullptr);
  }
  field(visitor, "ownerId", details, &D::ownerId);
  field(visitor, "jobId", details, &D::jobId);
  field(visitor, "faxType", details, &D::faxType);
  field(visitor, "faxFile", details, &D::faxFile);
  // The record's own pages, error code and folder, which may differ from the
  // entry's, under names of their own.
  field(visitor, "detailsPages", details, &D::pages);
  field(visitor, "paperType", details, &D::paperType);
  field(visitor, "printJobType", details, &D::printJobType);
  fax_data::codeName(visitor, "printJobTypeName", details, &D::printJobType, printJobTypeName);
  field(visitor, "toPhone", details, &D::toPhone);
  field(visitor, "toContact", details, &D::toContact);
  field(visitor, "toName", details, &D::toName);
  field(visitor, "toCompany", details, &D::toCompany);
  field(visitor, "toCityState", details, &D::toCityState);
  field(visitor, "fromName", details, &D::fromName);
  field(visitor, "fromPhone", details, &D::fromPhone);
  field(visitor, "billInfo1", details, &D::billInfo1);
  field(visitor, "billInfo2", details, &D::billInfo2);
  field(visitor, "did", details, &D::did);
  field(visitor, "operatorPhone", details, &D::operatorPhone);
  field(visitor, "generalFaxPhone", details, &D::generalFaxPhone);
  field(visitor, "sendTime", details, &D::sendTime);
  field(visitor, "status", details, &D::status);
  fax_data::codeName(visitor, "statusName", details, &D::status, faxStatusName);
  field(visitor, "detailsErrorCode", details, &D::errorCode);
  field(visitor, "disposition", details, &D::disposition);
  field(visitor, "remoteId", details, &D::remoteId);
  field(visitor, "coversheet", details, &D::coversheet);
  field(visitor, "faxId", details, &D::faxId);
  field(visitor, "priority", details, &D::priority);
  fax_data::codeName(visitor, "priorityName", details, &D::priority, priorityName);
  field(visitor, "custom1", details, &D::custom1);
  field(visitor, "detailsFolder", details, &D::folder);
  field(visitor, "comment", details, &D::comment);
}

}  // namespace kvn

#endif  // KVNSHOW_DATA_FORMATS_FAX_DATA_FIELDS_H
