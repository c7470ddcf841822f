// Fill the server information record and the user record from a description.
#ifndef KVNSIM_SERVER_RECORDS_H
#define KVNSIM_SERVER_RECORDS_H

#include "server_description.h"

namespace kvnsim {

// Both write only the fields they name; the other bytes are left as found.
void writeServerInfo(const ServerDescription& server, unsigned char* record);
void writeUserRecord(const User& user, unsigned char* record);

}  // namespace kvnsim

#endif  // KVNSIM_SERVER_RECORDS_H
