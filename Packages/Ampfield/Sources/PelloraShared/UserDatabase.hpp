#pragma once
// Where the store finds the user's home directory. By default the user database (getuid,
// getpwuid) answers; tests and the host program can put their own answer in its place.
#include <functional>
#include <optional>
#include <string>

namespace pellora {

struct UserDatabaseEntry {
  std::optional<std::string> homeDirectory;  // absent or empty: no home directory field
};

// Answers the lookup of the process's real user; no value means "no entry for this user".
using UserDatabaseLookup = std::function<std::optional<UserDatabaseEntry>()>;

// Puts `lookup` in place of the real user database; an empty function restores the real one.
void setUserDatabaseLookup(UserDatabaseLookup lookup);

// The home directory: the user database's entry, or HOME when there is none or it has no home
// directory field.
std::string homeDirectory();

}  // namespace pellora
