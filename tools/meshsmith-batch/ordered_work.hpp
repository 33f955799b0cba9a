#pragma once
// Work done by a small pool of threads and handed over in order.

#include <cstddef>
#include <functional>
#include <vector>

namespace meshsmith::batch {

// Runs work(i) for every item i of the chains on up to `threads` threads
// (the items of one chain one after another, in their order, on one thread)
// and calls deliver(i) on the calling thread for i = 0, 1, 2 ... in turn, each
// as soon as item i has been worked. The chains hold 0 ... n-1 once each, every
// chain in rising order. `work` must not throw; it never waits for `deliver`.
void workInOrder(const std::vector<std::vector<std::size_t>>& chains, unsigned threads,
                 const std::function<void(std::size_t)>& work,
                 const std::function<void(std::size_t)>& deliver);

} // namespace meshsmith::batch
