// Writes N import records to standard output (see record_generator.h).
// Usage: gen_records N [seed]
#include <cstdio>
#include <cstdlib>

#include "record_generator.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: gen_records N [seed]\n");
    return 2;
  }
  const uint64_t n = std::strtoull(argv[1], nullptr, 10);
  const uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
  WriteImportRecords(n, seed, stdout);
  return 0;
}
