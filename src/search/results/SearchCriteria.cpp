#include "search/results/SearchCriteria.h"

#include <cstring>

namespace {
template <size_t N>
std::string HeaderText(const char (&field)[N]) {
  return std::string(field, ::strnlen(field, N));
}
}  // namespace

void WriteCriteria(ResultsHeader& header, const SearchFields& fields,
                   const SearchOptions& options) {
  SetHeaderText(header.find, fields.find);
  SetHeaderText(header.from, fields.from);
  SetHeaderText(header.include, fields.include);
  SetHeaderText(header.exclude, fields.exclude);
  SetHeaderText(header.keyWords, fields.keyWords);
  header.useAllFrom = options.useAllFrom;
  header.suppressPermutations = options.suppressPermutations;
  header.caseSensitive = options.caseSensitive;
  header.reuseFromLetters = options.reuseFromLetters;
}

void ReadCriteria(const ResultsHeader& header, SearchFields& fields, SearchOptions& options) {
  fields = {HeaderText(header.find), HeaderText(header.from), HeaderText(header.include),
            HeaderText(header.exclude), HeaderText(header.keyWords)};
  options = {header.useAllFrom, header.suppressPermutations, header.caseSensitive,
             header.reuseFromLetters};
}
