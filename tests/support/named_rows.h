#pragma once

#include <ostream>

// GoogleTest prints a parameter it cannot print as a byte dump, which fills the test log. Every
// row of our data-driven tables has a name: print that instead. A test file brings this into the
// namespace of its rows with `using testsupport::PrintTo;`, where GoogleTest looks for it.
namespace testsupport {

template <class Row>
  requires requires(const Row& r, std::ostream& os) { os << r.name; }
void PrintTo(const Row& row, std::ostream* os) {
  *os << row.name;
}

}  // namespace testsupport
