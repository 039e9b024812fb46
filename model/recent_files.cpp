#include "recent_files.h"

#include <algorithm>

namespace lumo {

std::vector<std::string> WithRecentFile(std::vector<std::string> list, const std::string &path,
                                        std::size_t kept) {
  list = WithoutRecentFile(std::move(list), path);
  list.insert(list.begin(), path);
  if (list.size() > kept) list.resize(kept);
  return list;
}

std::vector<std::string> WithoutRecentFile(std::vector<std::string> list, const std::string &path) {
  list.erase(std::remove(list.begin(), list.end(), path), list.end());
  // Empty entries (a damaged settings file) are no files.
  list.erase(std::remove(list.begin(), list.end(), std::string()), list.end());
  return list;
}

}  // namespace lumo
