// Delete (main-menu choice 4): removes one record, named by its serial, or
// all records, then commits.
#ifndef DEVMGR_OPS_DELETE_H_
#define DEVMGR_OPS_DELETE_H_

#include <cstddef>
#include <optional>
#include <string_view>

struct Session;

void DeletDev(Session& s);

// The position (1 to count) that a typed serial names, or nothing when the
// answer is refused: it must pass the range test "1" to `count` written in
// decimal, and its integer value must lie between 1 and `count`.
std::optional<size_t> AcceptSerial(std::string_view answer, size_t count);

#endif  // DEVMGR_OPS_DELETE_H_
