// A deterministic generator of import records for benchmarks: device
// numbers, Chinese device names, people and departments in the console
// charset, quantities, purchase times of the date shape the program
// compares, and prices with and without decimals; with some duplicates,
// leading zeros and long values mixed in. The same seed gives the same
// records.
#ifndef DEVMGR_BENCH_RECORD_GENERATOR_H_
#define DEVMGR_BENCH_RECORD_GENERATOR_H_

#include <cstdint>
#include <cstdio>
#include <string>

// Writes `n` import records, one a line, to `out`.
void WriteImportRecords(uint64_t n, uint64_t seed, std::FILE* out);

// The same records as one text.
std::string ImportRecords(uint64_t n, uint64_t seed);

#endif  // DEVMGR_BENCH_RECORD_GENERATOR_H_
