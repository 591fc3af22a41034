#include "desktop/AbsolutePath.h"

#include <cstdlib>
#include <memory>
#include <vector>

#include <unistd.h>

namespace {

// The path without empty and "." parts, each ".." taking away the part before it; a ".." with
// nothing before it stays at the start.
std::string cleaned(std::string_view path) {
    const bool absolute = path.starts_with('/');
    std::vector<std::string_view> parts;
    while (!path.empty()) {
        const size_t slash = path.find('/');
        const std::string_view part = path.substr(0, slash);
        path.remove_prefix(slash == std::string_view::npos ? path.size() : slash + 1);
        if (part.empty() || part == ".") {
            continue;
        }
        if (part == ".." && !parts.empty() && parts.back() != "..") {
            parts.pop_back();
        } else {
            parts.push_back(part);
        }
    }
    std::string result = absolute ? "/" : "";
    for (const std::string_view part : parts) {
        if (result.size() > 1 || (!absolute && !result.empty())) {
            result += '/';
        }
        result += part;
    }
    return result.empty() ? "." : result;
}

}  // namespace

std::string AbsolutePath::against(std::string_view currentFolder, std::string_view name) {
    std::string joined;
    if (!name.starts_with('/')) {
        joined = currentFolder;
    }
    if (!name.empty() && name != ".") {
        if (!joined.empty() && !joined.ends_with('/')) {
            joined += '/';
        }
        joined += name;
    }
    if (joined.empty() || joined == "/") {
        return joined;
    }
    // A name of a folder keeps its ending slash, even where only a slash remains: "/./" is "//".
    return cleaned(joined) + (joined.ends_with('/') ? "/" : "");
}

std::string AbsolutePath::of(std::string_view name) {
    const std::unique_ptr<char, decltype(&::free)> folder(::getcwd(nullptr, 0), &::free);
    return against(folder ? folder.get() : "", name);
}
