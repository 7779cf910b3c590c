#include "LibraryMaker.h"

#include <algorithm>
#include <vector>

#include "DealGenerator.h"

namespace lott {

LibraryMaker::Outcome LibraryMaker::Run(LibraryWriter& writer, const StopCheck& stop,
                                        const ProgressSink& progress, std::string& error) {
    const MakingMarker& m = writer.Marker();
    DealGenerator gen(m.seed);
    // Deals before the shard's and those already written are passed over.
    gen.Skip(m.First() - 1 + m.done);
    std::vector<DealRecord> batch;
    while (m.done < m.Count()) {
        if (stop && stop()) return Outcome::Stopped;
        auto n = static_cast<std::size_t>(std::min<std::int64_t>(batch_, m.Count() - m.done));
        batch.clear();
        for (std::size_t i = 0; i < n; ++i) batch.push_back(gen.Next());
        if (!solver_.Solve(batch, error) || !writer.Append(batch, error)) return Outcome::Failed;
        if (progress) progress(m.done, m.Count());
    }
    return writer.Finish(error) ? Outcome::Finished : Outcome::Failed;
}

}  // namespace lott
