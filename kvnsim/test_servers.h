// Helpers for the tests of the library through its C interface: server
// descriptions written into a temporary folder, connections that close
// themselves, and the walk of a list.
#ifndef KVNSIM_TEST_SERVERS_H
#define KVNSIM_TEST_SERVERS_H

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "kvnapi/kvnapi.h"
#include "kvnapi/kvnconstants.h"
#include "kvnapi/kvnrecords.h"
#include "temp_folder.h"

namespace kvnsim::test {

// Each test uses a folder of its own, so that host texts (whose connection
// attempts the library counts for the life of the process) never repeat
// between tests.
using kvn::test::TempFolder;

// Sets an environment variable for the life of the object.
class ScopedEnvironment {
 public:
  ScopedEnvironment(std::string name, const std::string& value);
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  std::string name_;
  bool hadValue_ = false;
  std::string oldValue_;
};

// One connection attempt; the handle, if any, is closed with the object.
class Connection {
 public:
  explicit Connection(const std::string& host);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  KvnServerHandle handle() const { return handle_; }
  std::int32_t error() const { return error_; }

 private:
  std::int32_t error_ = -1;  // before handle_: the call that sets handle_ fills it
  KvnServerHandle handle_ = 0;
};

// A fetched list, closed with the object.
class FaxListFetch {
 public:
  FaxListFetch(KvnServerHandle server, const char* userId, std::uint16_t options);
  ~FaxListFetch();
  FaxListFetch(const FaxListFetch&) = delete;
  FaxListFetch& operator=(const FaxListFetch&) = delete;

  KvnListHandle handle() const { return handle_; }
  std::int32_t error() const { return error_; }

 private:
  KvnListHandle handle_ = 0;  // before error_: the call that sets error_ fills it
  std::int32_t error_ = -1;
};

struct Walk {
  std::vector<const unsigned char*> entries;
  std::int32_t endStatus = 0;  // the status that ended the walk
};
Walk walkList(KvnListHandle list);
std::vector<std::uint32_t> faxHandles(const Walk& walk);

// The whole text of an error code.
std::string errorText(std::int32_t code);

}  // namespace kvnsim::test

#endif  // KVNSIM_TEST_SERVERS_H
