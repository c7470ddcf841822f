// The index from the handle of each explicit fax to the fax, which
// KvnLoadFax3 looks up; a handle may stand for one fax only.
#ifndef KVNSIM_FAX_HANDLE_INDEX_H
#define KVNSIM_FAX_HANDLE_INDEX_H

#include "server_description.h"

namespace kvnsim {

// Reports a handle that repeats that of an explicit or a generated fax.
void indexFaxHandles(ServerDescription& server);

}  // namespace kvnsim

#endif  // KVNSIM_FAX_HANDLE_INDEX_H
