// Suggestions for a misspelled name: the valid name closest to it (edit
// distance counting a swap of two neighbouring letters as one edit,
// ignoring case), or the list of valid names when none is close.
#pragma once

#include <optional>
#include <span>
#include <string>

namespace lumo::prob {

// The valid name nearest to `name` when it is near enough to be a
// misspelling: at most a third of its letters (at least one) differ, or it
// differs in case only.
std::optional<std::string> ClosestName(const std::string &name, std::span<const std::string> valid);

// "did you mean \"X\"?" or "the valid names are: A, B, C." style endings:
// `what` names the kind ("inputs that can vary").
std::string SuggestName(const std::string &name, std::span<const std::string> valid,
                        const std::string &what);

}  // namespace lumo::prob
