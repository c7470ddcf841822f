// KvnProgram: one client connection to one Kavrin fax server through the
// client library. It connects with retries and checks the server's release,
// reads the server's information and time-zone offset, looks up a user, turns
// the library's error codes into text and disconnects. Connecting and
// disconnecting print their progress and error lines to the console.
#ifndef KVNPROGRAM_KVN_PROGRAM_H
#define KVNPROGRAM_KVN_PROGRAM_H

#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "kvnapi/kvnapi.h"

namespace kvn {

class KvnProgram {
 public:
  static constexpr std::uint32_t kLiveStamp = 0xDAB10000U;
  static constexpr std::uint32_t kDeadStamp = 0x254EFFFFU;
  static constexpr int kConnectAttempts = 5;
  static constexpr std::uint32_t kRetryPauseMilliseconds = 10000;
  static constexpr std::size_t kErrorTextRoom = 501;

  // Reads the library's version stamp and prints the API version line to the
  // console (standard output in a program), without flushing.
  explicit KvnProgram(std::FILE* stream = stdout);
  virtual ~KvnProgram();
  KvnProgram(const KvnProgram&) = delete;
  KvnProgram& operator=(const KvnProgram&) = delete;
  KvnProgram(KvnProgram&&) = delete;
  KvnProgram& operator=(KvnProgram&&) = delete;

  // Up to five attempts, ten seconds apart, then the release check and a
  // first read of the server information. A refused release returns false
  // and leaves the connection open for the caller to close.
  bool connect(const char* host);
  bool getServerInfo();
  bool loadUser(const char* userId);
  // The text of lastError, at most 500 characters, valid until the next call.
  const char* errorText();
  void disconnect();

 protected:
  // No operation reads it: it tells a live object from a destroyed one in a dump.
  std::uint32_t stamp = kLiveStamp;
  // Read by nothing: kept as part of the layout programs built on the class expect.
  std::int32_t spareSetting = 100;
  std::int32_t apiVersion = 0;
  std::optional<std::string> serverInfoText;
  std::optional<std::string> serverName;
  KvnServerHandle serverHandle = 0;
  std::unique_ptr<unsigned char[]> serverInfo;
  std::int32_t lastError = 0;
  // Read by nothing here: when the server last answered, for programs built on the class.
  std::int64_t lastCallTime = 0;
  std::int32_t tzOffset = 0;  // seconds to add to a server time to get UTC
  std::optional<std::string> userID;
  std::optional<std::string> userName;
  std::optional<std::string> userQualifier;
  std::array<char, kErrorTextRoom> errorBuffer{};
  // Where the progress and error lines go; each is flushed ahead of the
  // library call or pause that follows it. A program built on the class
  // writes its own lines here too, so that they keep their order.
  std::FILE* console;

 private:
  void noteCallTime();
};

}  // namespace kvn

#endif  // KVNPROGRAM_KVN_PROGRAM_H
