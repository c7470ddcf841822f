#include "kvnprogram/kvn_program.h"

#include <ctime>

#include "kvnapi/kvnconstants.h"
#include "kvnapi/kvnrecords.h"
#include "kvnprogram/calendar_time.h"
#include "kvnprogram/output_failure.h"
#include "kvnprogram/pause.h"

namespace kvn {

namespace {

// The server's offset in seconds: minutes of bias times 60, wrapped to 32 bits
// as the server's own 32-bit arithmetic would, but without signed overflow.
std::int32_t timeZoneOffset(const ServerInfoView& info) {
  std::int64_t minutes = 0;
  switch (info.timeZoneState()) {
    case server_info::kStandardTime:
      minutes = std::int64_t{info.bias()} + info.standardBias();
      break;
    case server_info::kDaylightTime:
      minutes = std::int64_t{info.bias()} + info.daylightBias();
      break;
    default:
      return 0;
  }
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(minutes * 60));
}

}  // namespace

KvnProgram::KvnProgram(std::FILE* stream) : console(stream) {
  apiVersion = KvnGetAPIVersion();
  std::string version;
  if (!formatCalendarTime(apiVersion, TimeZoneKind::Utc, "%m/%d/%Y %H:%M:%SZ", version)) {
    version = R"(??/??/???? ??:??:??Z)";  // raw: no trigraphs
  }
  std::fprintf(console, "Kavrin API version: %s\n", version.c_str());
  serverInfo = std::make_unique<unsigned char[]>(server_info::kSize);  // zeroed
}

KvnProgram::~KvnProgram() {
  if (serverHandle != 0) {
    disconnect();
  }
  stamp = kDeadStamp;
}

bool KvnProgram::connect(const char* host) {
  std::fprintf(console, "Connecting to Kavrin server: %s\n", host);
  flushOutput(console);
  for (int attempt = 1; attempt <= kConnectAttempts; ++attempt) {
    std::fprintf(console, "Connect(%d) to Kavrin server: %s\n", attempt, host);
    flushOutput(console);
    std::int32_t error = 0;
    const KvnServerHandle handle = KvnCreateServerHandle(host, KvnConnectMode, &error);
    noteCallTime();
    if (handle != 0) {
      std::fprintf(console, "Connected to Kavrin server:  %s\n", host);
      flushOutput(console);
      lastError = 0;
      serverHandle = handle;
      serverName = host;
      serverInfoText.reset();
      if (KvnVersionCheck(serverHandle, KvnRequiredRelease, KvnVersionCheckReserved) != 0) {
        std::fprintf(console, "Incompatible Kavrin server release, need %X.%02X\n",
                     KvnRequiredRelease >> 8, KvnRequiredRelease & 0xFF);
        flushOutput(console);
        return false;
      }
      getServerInfo();
      return true;
    }
    lastError = error;
    std::fprintf(console, "Connect failed to Kavrin server: %s, error %d: %s\n", host, lastError,
                 errorText());
    flushOutput(console);
    pauseMilliseconds(kRetryPauseMilliseconds);
  }
  std::fprintf(console, "Can't connect to Kavrin server after %d tries: %s\n", kConnectAttempts,
               host);
  flushOutput(console);
  return false;
}

bool KvnProgram::getServerInfo() {
  const std::int32_t result = KvnGetServerInfo2(serverHandle, serverInfo.get());
  noteCallTime();
  if (result != 0) {
    lastError = result;
    return false;
  }
  lastError = 0;
  const ServerInfoView info(serverInfo.get());
  serverInfoText = std::string(info.serverText());
  tzOffset = timeZoneOffset(info);
  return true;
}

bool KvnProgram::loadUser(const char* userId) {
  std::array<unsigned char, user_record::kSize> record{};
  lastError =
      KvnLoadUser3(serverHandle, KvnLoadUserA, KvnLoadUserB, userId, KvnLoadUserC, KvnLoadUserD,
                   KvnLoadUserE, KvnLoadUserF, KvnLoadUserLevel, record.data());
  noteCallTime();
  if (lastError != 0) {
    return false;
  }
  const UserRecordView user(record.data());
  userID = std::string(user.userId());
  userName = std::string(user.userName());
  userQualifier = std::string(user.qualifier());
  return true;
}

const char* KvnProgram::errorText() {
  KvnStringKvnErr(lastError, errorBuffer.data(), static_cast<std::int32_t>(errorBuffer.size()));
  errorBuffer.back() = '\0';  // whatever the library wrote, at most 500 characters
  return errorBuffer.data();
}

void KvnProgram::disconnect() {
  if (serverHandle == 0) {
    return;
  }
  std::fprintf(console, "Disconnect from Kavrin server: %s, %s\n",
               serverName ? serverName->c_str() : "-",
               serverInfoText ? serverInfoText->c_str() : "-");
  flushOutput(console);
  KvnCloseServerHandle(serverHandle);
  serverHandle = 0;
  noteCallTime();
  std::fprintf(console, "Disconnected\n");
  flushOutput(console);
}

void KvnProgram::noteCallTime() {
  lastCallTime = static_cast<std::int64_t>(std::time(nullptr));
}

}  // namespace kvn
