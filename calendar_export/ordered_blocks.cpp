#include "ordered_blocks.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace biteclock {
namespace {

// Blocks a thread may be ahead of the block being taken.
constexpr int kBlocksAheadPerJob = 3;

class BlockQueue {
public:
    BlockQueue(int blocks, int jobs)
        : blocks_(blocks)
        , window_(jobs * kBlocksAheadPerJob) {}

    // The next block to make; none when all are given out or the work stopped.
    std::optional<int> nextToMake() {
        std::unique_lock lock(mutex_);
        room_.wait(lock, [this] { return stopped_ || next_ >= blocks_ || next_ < prepared_; });
        if (stopped_ || next_ >= blocks_) {
            return std::nullopt;
        }
        const int block = next_++;
        ready_.emplace_back();
        return block;
    }

    // Whether another block may be readied: few enough are ahead of the one to be taken.
    bool roomToPrepare() {
        std::lock_guard lock(mutex_);
        return prepared_ < blocks_ && prepared_ < taken_ + window_;
    }

    // The block after the last readied one may now be made.
    void prepared() {
        {
            std::lock_guard lock(mutex_);
            ++prepared_;
        }
        room_.notify_all();
    }

    int preparedCount() {
        std::lock_guard lock(mutex_);
        return prepared_;
    }

    void finished(int block, std::string text) {
        {
            std::lock_guard lock(mutex_);
            ready_[static_cast<std::size_t>(block - taken_)] = std::move(text);
        }
        madeOne_.notify_all();
    }

    // Waits for the next block in order; none after the last.
    std::optional<std::string> nextToTake() {
        std::unique_lock lock(mutex_);
        if (taken_ >= blocks_) {
            return std::nullopt;
        }
        madeOne_.wait(lock, [this] { return !ready_.empty() && ready_.front().has_value(); });
        std::string text = std::move(*ready_.front());
        ready_.pop_front();
        ++taken_;
        room_.notify_all();
        return text;
    }

    void stop() {
        {
            std::lock_guard lock(mutex_);
            stopped_ = true;
        }
        room_.notify_all();
    }

private:
    const int blocks_;
    const int window_;
    std::mutex mutex_;
    std::condition_variable room_;
    std::condition_variable madeOne_;
    int prepared_ = 0;
    int next_ = 0;
    int taken_ = 0;
    bool stopped_ = false;
    // From block taken_ on: the texts made so far, in block order.
    std::deque<std::optional<std::string>> ready_;
};

} // namespace

int availableCores() {
    return static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
}

bool runOrderedBlocks(int blocks, int jobs, const BlockMaker& make, const BlockTaker& take,
                      const BlockPreparer& prepare) {
    jobs = std::clamp(jobs, 1, std::max(1, blocks));
    if (jobs == 1) {
        for (int block = 0; block < blocks; ++block) {
            if (prepare) {
                prepare(block);
            }
            std::string text = make(block);
            if (!take(text)) {
                return false;
            }
        }
        return true;
    }
    BlockQueue queue(blocks, jobs);
    std::vector<std::jthread> workers;
    workers.reserve(static_cast<std::size_t>(jobs));
    for (int i = 0; i < jobs; ++i) {
        workers.emplace_back([&queue, &make] {
            while (const auto block = queue.nextToMake()) {
                queue.finished(*block, make(*block));
            }
        });
    }
    bool ok = true;
    for (;;) {
        while (queue.roomToPrepare()) {
            if (prepare) {
                prepare(queue.preparedCount());
            }
            queue.prepared();
        }
        auto text = queue.nextToTake();
        if (!text) {
            break;
        }
        if (!take(*text)) {
            ok = false;
            queue.stop();
            break;
        }
    }
    return ok;
}

} // namespace biteclock
