#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "foundation/TempNames.h"

namespace {

uint32_t TickOf(const std::string& name) {
  EXPECT_EQ(name.substr(0, 2), "$$");
  const std::string digits = name.substr(2);
  EXPECT_FALSE(digits.empty());
  EXPECT_TRUE(std::all_of(digits.begin(), digits.end(),
                          [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z'); }))
      << name;
  return static_cast<uint32_t>(std::stoul(digits, nullptr, 36));
}

}  // namespace

TEST(TempNamesTest, NamesInARowDifferByAtLeastOneTick) {
  const std::string first = MakeUniqueName();
  const std::string second = MakeUniqueName();
  EXPECT_NE(first, second);
  EXPECT_GE(TickOf(second), TickOf(first) + 1);
  EXPECT_EQ(first.find('.'), std::string::npos);
  EXPECT_EQ(first.find('/'), std::string::npos);
}

TEST(TempNamesThreads, EightThreadsNeverShareAName) {
  constexpr int kThreads = 8;
  constexpr int kNamesEach = 1000;
  std::vector<std::vector<std::string>> names(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&names, t] {
      for (int i = 0; i < kNamesEach; ++i) names[t].push_back(MakeUniqueName());
    });
  }
  for (std::thread& thread : threads) thread.join();

  std::set<std::string> distinct;
  for (const auto& perThread : names) distinct.insert(perThread.begin(), perThread.end());
  EXPECT_EQ(distinct.size(), static_cast<size_t>(kThreads * kNamesEach));
}
