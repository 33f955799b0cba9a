#pragma once
// A table of fixed size is full: the run stops instead of writing past it.

#include <stdexcept>
#include <string>

namespace meshsmith::readers {

class CapacityError : public std::runtime_error {
  public:
    CapacityError(const std::string& table, int limit)
        : std::runtime_error("Capacity exceeded: the " + table + " table holds at most " +
                             std::to_string(limit) + " entries"),
          table(table), limit(limit) {}
    const std::string table;
    const int limit;
};

} // namespace meshsmith::readers
