// The texts KvnStringKvnErr hands out: the library's own, those of the
// description read last, and the details of the latest failed connection.
#ifndef KVNSIM_ERROR_TEXTS_H
#define KVNSIM_ERROR_TEXTS_H

#include <cstdint>
#include <map>
#include <string>

namespace kvnsim {

class ErrorTexts {
 public:
  // A description's texts replace the library's for the same codes, except
  // those of 11001, 11002 and 11004, which always tell what went wrong last.
  void useDescriptionTexts(std::map<std::int32_t, std::string> texts);
  // Without a folder of descriptions (KVNSIM_SERVERS), the text says that
  // this is the stand-in and where it looked: the one place a stand-in loaded
  // by mistake, in place of the vendor's library, shows up.
  void recordServerNotFound(std::string host, bool withoutServersFolder);
  void recordBadDescription(const std::string& file, const std::string& problem);
  // argument counts from 1, as in the call's parameter list.
  void recordWrongConstant(const std::string& call, int argument, std::int32_t passed,
                           std::int32_t expected);

  std::string text(std::int32_t code) const;

 private:
  std::map<std::int32_t, std::string> descriptionTexts_;
  std::string notFoundHost_;
  bool notFoundWithoutServersFolder_ = false;
  std::string badDescription_;
  std::string wrongConstant_;
};

}  // namespace kvnsim

#endif  // KVNSIM_ERROR_TEXTS_H
