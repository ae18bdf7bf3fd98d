#include "search/results/SearchCriteria.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

// What a header records is what a pair opened again gives back, cut to the fields' sizes.
TEST(SearchCriteriaTest, TheHeaderGivesBackWhatItRecorded) {
  struct Row {
    SearchFields fields;
    SearchFields readBack;
  } const rows[] = {
      {{"c?t", "abc", "", "x", "red \"fire engine\""},
       {"c?t", "abc", "", "x", "red \"fire engine\""}},
      {{"caf\xE9", "\x80\xFF", "\x81", "", ""}, {"caf\xE9", "\x80\xFF", "\x81", "", ""}},
      {{std::string(241, 'f'), std::string(240, 'r'), std::string(32, 'i'), std::string(31, 'e'),
        std::string(300, 'k')},
       {std::string(240, 'f'), std::string(240, 'r'), std::string(31, 'i'), std::string(31, 'e'),
        std::string(240, 'k')}},
  };
  for (const Row& row : rows) {
    ResultsHeader header;
    header.count = 7;
    WriteCriteria(header, row.fields, {1, 0, 1, 1});
    SearchFields fields;
    SearchOptions options;
    ReadCriteria(header, fields, options);
    EXPECT_EQ(fields.find, row.readBack.find);
    EXPECT_EQ(fields.from, row.readBack.from);
    EXPECT_EQ(fields.include, row.readBack.include);
    EXPECT_EQ(fields.exclude, row.readBack.exclude);
    EXPECT_EQ(fields.keyWords, row.readBack.keyWords);
    EXPECT_EQ((std::array{options.useAllFrom, options.suppressPermutations, options.caseSensitive,
                          options.reuseFromLetters}),
              (std::array<uint8_t, 4>{1, 0, 1, 1}));
    EXPECT_EQ(header.count, 7u);
  }
}

// A damaged pair may hold a text without its ending zero: it is read to the field's end only.
TEST(SearchCriteriaTest, AnUnendedTextStopsAtItsField) {
  ResultsHeader header;
  std::memset(header.include, 'i', sizeof header.include);
  std::memset(header.exclude, 'e', sizeof header.exclude);
  SearchFields fields;
  SearchOptions options;
  ReadCriteria(header, fields, options);
  EXPECT_EQ(fields.include, std::string(sizeof header.include, 'i'));
  EXPECT_EQ(fields.exclude, std::string(sizeof header.exclude, 'e'));
}
