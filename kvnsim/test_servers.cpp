#include "test_servers.h"

#include <cstdlib>

namespace kvnsim::test {

namespace {

void setVariable(const std::string& name, const std::string* value) {
#if defined(_WIN32)
  _putenv_s(name.c_str(), value != nullptr ? value->c_str() : "");
#else
  if (value != nullptr) {
    setenv(name.c_str(), value->c_str(), 1);
  } else {
    unsetenv(name.c_str());
  }
#endif
}

}  // namespace

ScopedEnvironment::ScopedEnvironment(std::string name, const std::string& value)
    : name_(std::move(name)) {
  if (const char* old = std::getenv(name_.c_str())) {
    hadValue_ = true;
    oldValue_ = old;
  }
  setVariable(name_, &value);
}

ScopedEnvironment::~ScopedEnvironment() {
  setVariable(name_, hadValue_ ? &oldValue_ : nullptr);
}

Connection::Connection(const std::string& host)
    : handle_(KvnCreateServerHandle(host.c_str(), KvnConnectMode, &error_)) {}

Connection::~Connection() {
  if (handle_ != 0) {
    KvnCloseServerHandle(handle_);
  }
}

FaxListFetch::FaxListFetch(KvnServerHandle server, const char* userId, std::uint16_t options)
    : error_(KvnGetFaxList(server, userId, KvnFaxListA, options, KvnFaxListB, &handle_)) {}

FaxListFetch::~FaxListFetch() {
  if (error_ == 0) {
    KvnCloseListHandle(handle_);
  }
}

Walk walkList(KvnListHandle list) {
  Walk walk;
  void* element = nullptr;
  walk.endStatus = KvnListGetFirstElementPtr(list, &element);
  while (walk.endStatus == 0) {
    walk.entries.push_back(static_cast<const unsigned char*>(element));
    walk.endStatus = KvnListGetNextElementPtr(list, &element);
  }
  return walk;
}

std::vector<std::uint32_t> faxHandles(const Walk& walk) {
  std::vector<std::uint32_t> handles;
  handles.reserve(walk.entries.size());
  for (const unsigned char* entry : walk.entries) {
    handles.push_back(kvn::FaxListEntryView(entry).faxHandle());
  }
  return handles;
}

std::string errorText(std::int32_t code) {
  std::string text(502, '\0');  // 501, the only size accepted, and a terminator
  KvnStringKvnErr(code, text.data(), 501);
  text.resize(text.find('\0'));
  return text;
}

}  // namespace kvnsim::test
