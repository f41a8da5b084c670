#include "registry/RegistryPath.h"

namespace brevolt::registry {
namespace {

bool HasEmptyName(std::string_view path) {
    if (path.empty()) {
        return false;
    }
    return path.front() == '\\' || path.back() == '\\' ||
           path.find("\\\\") != std::string_view::npos;
}

}  // namespace

std::optional<std::string> ResolveKeyPath(std::string_view openPath, std::string_view path) {
    std::string_view base = openPath;
    if (!path.empty() && path.front() == '\\') {
        path.remove_prefix(1);
        base = {};
    }
    if (HasEmptyName(path)) {
        return std::nullopt;
    }
    std::string resolved(base);
    if (!resolved.empty() && !path.empty()) {
        resolved += '\\';
    }
    resolved += path;
    return resolved;
}

std::string FoldName(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return folded;
}

}  // namespace brevolt::registry
