#include "description_loader.h"

#include <new>

#include "fault_reader.h"
#include "fax_handle_index.h"
#include "fax_reader.h"
#include "json_fields.h"
#include "server_settings_reader.h"
#include "user_id.h"

namespace kvnsim {

using nlohmann::json;

namespace {

constexpr std::uint32_t kFirstExplicitHandle = 0x1000;

User readUser(const json& value, const std::string& path, std::size_t userPosition,
              std::uint32_t& nextDefaultHandle) {
  const JsonObject object(value, path, {"qualifier", "id", "name", "faxes", "generate"});
  User user;
  user.id = readText(object.require("id"), object.pathOf("id"));
  if (user.id.empty()) {
    reportProblem(object.pathOf("id"), "a user ID must not be empty");
  }
  if (const json* qualifier = object.find("qualifier")) {
    user.qualifier = readText(*qualifier, object.pathOf("qualifier"));
  }
  if (const json* name = object.find("name")) {
    user.name = readText(*name, object.pathOf("name"));
  }
  if (const json* faxes = object.find("faxes")) {
    const std::string faxesPath = object.pathOf("faxes");
    requireArray(*faxes, faxesPath);
    user.faxes.reserve(faxes->size());
    for (std::size_t i = 0; i < faxes->size(); ++i) {
      user.faxes.push_back(readFax((*faxes)[i], elementPath(faxesPath, i), nextDefaultHandle++));
    }
  }
  if (const json* generate = object.find("generate")) {
    const JsonObject generation(*generate, object.pathOf("generate"), {"count", "seed"});
    if (userPosition >= kMaxUsersWithGeneratedFaxes) {
      reportProblem(object.pathOf("generate"), "only the first " +
                                                   std::to_string(kMaxUsersWithGeneratedFaxes) +
                                                   " users can have generated faxes");
    }
    GeneratedFaxes generated;
    generated.count = static_cast<std::uint32_t>(readInteger(
        generation.require("count"), generation.pathOf("count"), 0, kGeneratedHandleBlock));
    if (const json* seed = generation.find("seed")) {
      generated.seed = readFieldBits(*seed, generation.pathOf("seed"), 32);
    }
    generated.firstHandle =
        kGeneratedHandleBase + kGeneratedHandleBlock * static_cast<std::uint32_t>(userPosition);
    user.generated = generated;
  }
  return user;
}

std::vector<User> readUsers(const json& value, const std::string& path) {
  requireArray(value, path);
  std::vector<User> users;
  users.reserve(value.size());
  std::uint32_t nextDefaultHandle = kFirstExplicitHandle;
  for (std::size_t i = 0; i < value.size(); ++i) {
    const std::string userPath = elementPath(path, i);
    users.push_back(readUser(value[i], userPath, i, nextDefaultHandle));
    for (std::size_t earlier = 0; earlier < i; ++earlier) {
      if (sameUserId(users[earlier].id, users[i].id)) {
        reportProblem(memberPath(userPath, "id"),
                      "repeats the ID of " + elementPath(path, earlier));
      }
    }
  }
  return users;
}

ServerDescription readDescription(const json& root) {
  if (!root.is_object()) {
    reportProblem("", "a description must be a JSON object");
  }
  const JsonObject object(
      root, "", {"apiVersion", "release", "serverText", "timeZone", "errors", "faults", "users"});
  ServerDescription server;
  if (const json* apiVersion = object.find("apiVersion")) {
    server.apiVersion = readSigned32(*apiVersion, "apiVersion");
  }
  if (const json* release = object.find("release")) {
    server.release = readRelease(*release, "release");
  }
  if (const json* serverText = object.find("serverText")) {
    server.serverText = readText(*serverText, "serverText");
  }
  if (const json* timeZone = object.find("timeZone")) {
    server.timeZone = readTimeZone(*timeZone, "timeZone");
  }
  if (const json* errors = object.find("errors")) {
    server.errorTexts = readErrorTexts(*errors, "errors");
  }
  if (const json* faults = object.find("faults")) {
    server.faults = readFaults(*faults, "faults");
  }
  if (const json* users = object.find("users")) {
    server.users = readUsers(*users, "users");
  }
  indexFaxHandles(server);
  return server;
}

}  // namespace

DescriptionLoad loadServerDescription(std::string_view jsonText) {
  DescriptionLoad load;
  try {
    load.server =
        std::make_shared<const ServerDescription>(readDescription(parseDescriptionJson(jsonText)));
  } catch (const DescriptionProblem& problem) {
    load.problem = problem.what();
  } catch (const std::bad_alloc&) {
    load.problem = "out of memory";
  } catch (const std::exception& failure) {
    load.problem = failure.what();
  } catch (...) {
    load.problem = "unexpected failure";
  }
  return load;
}

}  // namespace kvnsim
