// The list of recently used scenario files (File, Open Recent): newest first,
// each file once, at most a few.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace lumo {

inline constexpr std::size_t kRecentFilesKept = 8;

// `list` with `path` put first: an earlier entry for the same file is
// dropped, and the oldest entries beyond `kept` fall off.
std::vector<std::string> WithRecentFile(std::vector<std::string> list, const std::string &path,
                                        std::size_t kept = kRecentFilesKept);

// `list` without `path`.
std::vector<std::string> WithoutRecentFile(std::vector<std::string> list, const std::string &path);

}  // namespace lumo
