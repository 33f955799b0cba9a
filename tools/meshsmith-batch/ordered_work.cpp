#include "ordered_work.hpp"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace meshsmith::batch {

void workInOrder(const std::vector<std::vector<std::size_t>>& chains, unsigned threads,
                 const std::function<void(std::size_t)>& work,
                 const std::function<void(std::size_t)>& deliver) {
    std::size_t count = 0;
    for (const auto& chain : chains)
        count += chain.size();
    std::mutex m;
    std::condition_variable finished;
    std::vector<bool> worked(count, false); // guarded by m
    std::atomic<std::size_t> nextChain{0};
    auto worker = [&] {
        for (std::size_t c; (c = nextChain++) < chains.size();)
            for (std::size_t i : chains[c]) {
                work(i);
                {
                    const std::lock_guard lock(m);
                    worked[i] = true;
                }
                finished.notify_one();
            }
    };
    // Declared last: should `deliver` throw, the threads end their work first.
    std::vector<std::jthread> pool;
    const std::size_t size = std::min<std::size_t>(std::max(threads, 1u), chains.size());
    for (std::size_t t = 0; t < size; ++t)
        pool.emplace_back(worker);
    for (std::size_t i = 0; i < count; ++i) {
        std::unique_lock lock(m);
        finished.wait(lock, [&] { return worked[i]; });
        lock.unlock();
        deliver(i);
    }
}

} // namespace meshsmith::batch
