#pragma once

#include <functional>
#include <string>

namespace biteclock {

/// Makes the text of each block on its own thread.
using BlockMaker = std::function<std::string(int block)>;
/// Readies a block for making, on the calling thread, before any thread makes it.
using BlockPreparer = std::function<void(int block)>;
/// Takes the blocks' texts one by one, in block order; false stops the work (the output failed).
using BlockTaker = std::function<bool(std::string& text)>;

/// Makes blocks 0 to `blocks` - 1 on up to `jobs` threads and hands their texts to `take` in block
/// order, on the calling thread, as soon as each is ready in turn. Only a few blocks per thread are
/// made ahead of the one being taken, so a long span needs little memory. `make` must be safe to run
/// on several threads at once (each block from its own state); with one job everything runs on the
/// calling thread. `prepare`, when given, runs on the calling thread for each block in order before
/// the block is made, between the takes, so that work which must stay on one thread goes on while
/// the others make blocks. False when `take` stopped the work; the blocks still being made are
/// finished and dropped.
bool runOrderedBlocks(int blocks, int jobs, const BlockMaker& make, const BlockTaker& take,
                      const BlockPreparer& prepare = {});

/// The number of threads the machine runs at once (at least 1).
int availableCores();

} // namespace biteclock
