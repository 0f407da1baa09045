// Downloads at 57600 baud from the logger simulator against the line's ceiling (download_runs.h):
// build/bench/download_bench.
#include "bench/download_runs.h"

int main() {
    for (const bench::Case& c : bench::kCases) {
        bench::Print(bench::Download(c.name, c.model, c.fill));
    }
    return 0;
}
