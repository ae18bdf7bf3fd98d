#pragma once
// Checks a layer's named text ids against the entries of its own string file, so that a name
// cannot stand for a renumbered text, nor for a text that another layer owns.

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <span>
#include <string_view>

#include "platform/StringTable.h"

// A named id and its text; a long text by its start, followed by "...".
struct NamedText {
  int32_t id;
  std::string_view text;
};

inline void ExpectNamedTexts(std::span<const StringEntry> layerTexts,
                             std::initializer_list<NamedText> names) {
  for (const NamedText& name : names) {
    const auto entry = std::find_if(layerTexts.begin(), layerTexts.end(),
                                    [&](const StringEntry& e) { return e.id == name.id; });
    if (entry == layerTexts.end()) {
      ADD_FAILURE() << "id " << name.id << " is not among the layer's own texts";
      continue;
    }
    const std::string_view text = entry->text;
    if (name.text.ends_with("...")) {
      EXPECT_TRUE(text.starts_with(name.text.substr(0, name.text.size() - 3)))
          << "id " << name.id << " stands for \"" << text << "\"";
    } else {
      EXPECT_EQ(text, name.text) << "id " << name.id;
    }
  }
}
