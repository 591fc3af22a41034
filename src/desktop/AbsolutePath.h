#pragma once

#include <string>
#include <string_view>

// A name from the command line made absolute, bytes as the file system has them: "." and ".."
// taken out and runs of "/" made one, without looking at the disk (links are not followed); a
// ".." above the root stays, and a name ending in "/" keeps it.
namespace AbsolutePath {

// Against the given absolute folder.
std::string against(std::string_view currentFolder, std::string_view name);
// Against this process's current folder (cleaned on its own when that is gone).
std::string of(std::string_view name);

}  // namespace AbsolutePath
