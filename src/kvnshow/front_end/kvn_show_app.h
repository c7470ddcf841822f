// KvnShowApp: the kvnshow application, a server connection that reads its
// command line and lists one user's faxes.
#ifndef KVNSHOW_FRONT_END_KVN_SHOW_APP_H
#define KVNSHOW_FRONT_END_KVN_SHOW_APP_H

#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>

#include "kvnapi/kvnrecords.h"
#include "kvnprogram/kvn_program.h"
#include "kvnshow/data_formats/utf8_from_ansi.h"
#include "kvnshow/listing/listing_options.h"

namespace kvn {

struct CommandLine;
class FaxDataDocument;
struct FaxListingRoom;
struct FaxTotals;

class KvnShowApp : public KvnProgram {
 public:
  using KvnProgram::KvnProgram;

  // Runs what the command line asks for, one listing at most; returns the
  // exit status.
  int run(const CommandLine& line);

  bool isConnected() const { return serverHandle != 0; }

  // The console under the name the listing knows it by: one handle, so that
  // no run can write its progress to one stream and its listing to another.
  std::FILE*& out = console;
  bool mainFolderOnly = true;
  bool utcTimes = false;
  // The text listing on out, or the faxes as data on standard output; set by
  // run just before the listing, which makes its format of it, once.
  ListingFormat format = ListingFormat::Text;
  // The conversion of the records' texts for the data formats, opened with
  // the options, before the connection: a page that cannot be had is a usage
  // error, and the listing allocates nothing for it.
  std::optional<Utf8FromAnsi> texts;

  // The listing's formats report each fax through these.
  // Prints one selected fax in the report style; false, with a message
  // instead, when the fax's details cannot be loaded.
  bool reportFax(const void* entry, std::int64_t ordinal, std::int32_t reportMode);
  // Adds one selected fax to the data document, with its details when the
  // report style loads them; false, with the same message on out, when they
  // cannot be loaded (the fax is still added, marked so).
  bool reportFaxData(const void* entry, std::int32_t reportMode, FaxDataDocument& document);

 private:
  // The part of a run between connect and disconnect: the server's and the
  // user's lines, then the listing; returns the run's status.
  int runConnected(const CommandLine& line);
  // Lists the user's faxes that match a pattern and the direction filter,
  // then the totals. False only when the list cannot be retrieved.
  bool listFaxes(std::int32_t directionFilter, std::int32_t reportMode,
                 const char* const* patterns);
  // Sorts the fetched list on request, then starts the listing in its format
  // in listing and walks the list, handing each selected fax to the format;
  // counts into totals.
  void walkFaxList(KvnListHandle list, std::int32_t directionFilter, std::int32_t reportMode,
                   const char* const* patterns, FaxListingRoom& listing, FaxTotals& totals);
  // Completes the listing, if one was begun, writes the totals and releases
  // the list.
  void endListing(KvnListHandle list, FaxListingRoom& listing, const FaxTotals& totals,
                  std::int32_t directionFilter) const;
  // Loads the fax's extended record into record, zero-filled first: a field
  // the library leaves alone reads 0. False, with the message on out,
  // flushed, when it cannot be loaded.
  bool loadFaxDetails(const FaxListEntryView& entry,
                      std::array<unsigned char, extended_fax::kSize>& record);
};

}  // namespace kvn

#endif  // KVNSHOW_FRONT_END_KVN_SHOW_APP_H
