// The whole making of a library: deal from the seed, solve in batches, write, checkpoint.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "DdsSolver.h"
#include "LibraryWriter.h"

namespace lott {

class LibraryMaker {
  public:
    enum class Outcome { Finished, Stopped, Failed };
    using StopCheck = std::function<bool()>;
    using ProgressSink = std::function<void(std::int64_t done, std::int64_t target)>;

    // batch: deals per solve-and-write step; the default keeps every DDS call full.
    explicit LibraryMaker(DdsSolver& solver, int batch = DdsSolver::kMaxTables)
        : solver_(solver), batch_(batch < 1 ? 1 : batch) {}

    // Continues writer's library (new or resumed) up to its target. stop is asked before each
    // batch, so a stop request finishes the batch in hand and leaves a checkpoint; progress is
    // told after each written batch. A finished library loses its marker.
    Outcome Run(LibraryWriter& writer, const StopCheck& stop, const ProgressSink& progress,
                std::string& error);

  private:
    DdsSolver& solver_;
    int batch_;
};

}  // namespace lott
