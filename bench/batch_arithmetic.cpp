// The floor of the batch: the bare arithmetic of the same records, single-threaded. Reads a
// mode,t,x CSV as torvale-calc --csv does (not timed), then times only each record's state from
// its pair (checks included) and its eleven shown values - no reading, mode or number parsing,
// formatting or writing.
// bench/batch.sh runs it on its million records and compares torvale-calc's wall time with it.
// Usage: batch_arithmetic FILE [ROUNDS]; prints the best round's seconds.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "calc/number_text.h"
#include "calc/pair_calculation.h"
#include "calc/state_results.h"
#include "cli/batch.h"
#include "cli/csv_reader.h"
#include "cli/mode.h"

namespace {

struct Record {
  calc::Pair pair;
  double t, x;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs("usage: batch_arithmetic FILE [ROUNDS]\n", stderr);
    return 2;
  }
  std::FILE* in = std::fopen(argv[1], "rb");
  if (in == nullptr) {
    std::perror(argv[1]);
    return 2;
  }
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;

  // The records the batch would calculate: three fields, a known mode, neither text empty.
  std::vector<Record> records;
  std::size_t read = 0;
  cli::CsvReader reader(in);
  cli::CsvRecord r;
  std::string error;
  for (bool first = true; reader.next(r); first = false) {
    if (first && cli::isHeader(r)) continue;
    ++read;
    if (r.fieldCount != 3 || r.fieldTooLong || r.unclosedQuote || r.fields[1].empty() ||
        r.fields[2].empty())
      continue;
    if (const std::optional<calc::Pair> pair = cli::modePair(r.fields[0], error))
      records.push_back({*pair, calc::numericValue(r.fields[1]), calc::numericValue(r.fields[2])});
  }
  std::fclose(in);

  double best = 1e300, sum = 0;
  std::size_t states = 0;
  for (int round = 0; round < rounds; ++round) {
    states = 0;
    const auto start = std::chrono::steady_clock::now();
    for (const Record& rec : records) {
      const psychro::StateOutcome s = calc::pairState(rec.pair, rec.t, rec.x, 101325);
      if (!s.ok()) continue;
      const calc::ShownValues shown = calc::shownValues(s.air);
      if (!calc::showable(shown)) continue;
      sum += shown[3];  // kept, so nothing is optimised away
      ++states;
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    best = std::min(best, took.count());
  }
  std::printf(
      "arithmetic: %zu records, %zu calculated, %zu states (checksum %g), best of %d: %.3f s\n",
      read, records.size(), states, sum, rounds, best);
  return 0;
}
