// A client library that serves the fuzzer's bytes: the calls KvnProgram makes,
// answering with records and an error text taken as they are. A harness links
// it in place of the stand-in library.
#ifndef KVN_FUZZ_FUZZED_CLIENT_LIBRARY_H
#define KVN_FUZZ_FUZZED_CLIENT_LIBRARY_H

#include <cstdint>
#include <string>
#include <vector>

struct FuzzedServer {
  std::int32_t apiVersion = 0;
  std::vector<unsigned char> serverInfo;  // copied whole into the caller's record
  std::vector<unsigned char> userRecord;  // likewise
  std::string errorText;  // copied up to the caller's room, with no terminator added
};

// What the library serves from now on; every connection attempt succeeds and
// the release is always accepted.
void serveFuzzedServer(FuzzedServer server);

#endif  // KVN_FUZZ_FUZZED_CLIENT_LIBRARY_H
