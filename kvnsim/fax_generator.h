// Faxes made up from a seed and a position alone, so that a description can
// ask for a million of them without listing them. Nothing is stored per fax:
// each is recomputed wherever it is needed, into the caller's record.
#ifndef KVNSIM_FAX_GENERATOR_H
#define KVNSIM_FAX_GENERATOR_H

#include <cstdint>
#include <string_view>

#include "server_description.h"

namespace kvnsim {

// The folder of a generated fax, without computing the rest of it.
std::uint16_t generatedFaxFolder(const GeneratedFaxes& faxes, std::uint32_t position);

// Fill a zeroed FaxListEntry or ExtendedFaxRecord for the fax at the position.
void writeGeneratedEntry(const GeneratedFaxes& faxes, std::string_view ownerId,
                         std::uint32_t position, unsigned char* entry);
void writeGeneratedDetails(const GeneratedFaxes& faxes, std::string_view ownerId,
                           std::uint32_t position, unsigned char* record);

}  // namespace kvnsim

#endif  // KVNSIM_FAX_GENERATOR_H
