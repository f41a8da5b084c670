#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brevolt::registry {

// Resolves a path given to Registry to one relative to the hive's root: a leading backslash
// starts at the root, any other path continues `openPath` (the open key's path, "" for none).
// Empty when a name along the path is empty (two backslashes in a row, a trailing backslash):
// such a path names no key, and nothing may be opened or created for it.
std::optional<std::string> ResolveKeyPath(std::string_view openPath, std::string_view path);

// A key's or value's name as names compare in the registry: without regard to ASCII case.
std::string FoldName(std::string_view name);

}  // namespace brevolt::registry
