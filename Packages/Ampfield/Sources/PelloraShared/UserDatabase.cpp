#include "PelloraShared/UserDatabase.hpp"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "Replaceable.hpp"

namespace pellora {

namespace {

detail::Replaceable<UserDatabaseLookup>& replacement() {
  static detail::Replaceable<UserDatabaseLookup> lookup;
  return lookup;
}

std::optional<UserDatabaseEntry> realLookup() {
  long size = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
  passwd entry{};
  passwd* result = nullptr;
  while (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &result) == ERANGE &&
         buffer.size() < (1u << 20)) {
    buffer.resize(buffer.size() * 2);
  }
  if (!result) return std::nullopt;
  UserDatabaseEntry found;
  if (result->pw_dir) found.homeDirectory = std::string(result->pw_dir);
  return found;
}

}  // namespace

void setUserDatabaseLookup(UserDatabaseLookup lookup) { replacement().set(std::move(lookup)); }

std::string homeDirectory() {
  const auto lookup = replacement().get();
  const std::optional<UserDatabaseEntry> entry = lookup ? (*lookup)() : realLookup();
  if (entry && entry->homeDirectory && !entry->homeDirectory->empty()) return *entry->homeDirectory;
  // No entry for this user, or one without a home directory: the environment's HOME.
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  return "/";
}

}  // namespace pellora
