// `qbhost batch`: one script over many scene files, each scene in a worker
// process of its own, with a report of every change.  See host/batch/README.md.
#pragma once

#include <string>
#include <vector>

namespace qbhost::batch {

// The usage text of `qbhost batch`.
extern const char kBatchUsage[];

// `qbhost batch WORDS...`: exit status 0 every scene ran, 1 some scene
// failed, 2 bad usage (nothing touched).
int batch_main(const std::vector<std::string> &words);

// `qbhost batch-worker`: runs the scenes its standard input names, one at a
// time, answering each on standard output (batch_worker.cpp).
int worker_main();

}  // namespace qbhost::batch
