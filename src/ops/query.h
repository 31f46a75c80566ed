// Query (main-menu choice 3): finds the records whose device name or
// department equals a term, or that match a keyword in any field, and
// prints them or saves them to "query.out". The list is never changed.
#ifndef DEVMGR_OPS_QUERY_H_
#define DEVMGR_OPS_QUERY_H_

#include <cstdint>
#include <optional>
#include <string_view>

#include "record/device.h"

struct Session;

void QueryDev(Session& s);

// The keyword rule: the serial equals the keyword's integer value (when it
// has one that fits in 32 bits), or any text field equals the keyword.
bool MatchesKeyword(const device& d, std::string_view keyword,
                    std::optional<int32_t> value);

#endif  // DEVMGR_OPS_QUERY_H_
