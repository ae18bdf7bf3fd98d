#include "lookup/RelationTable.h"

const std::array<RelationRow, kRelationCount> relationTable = {{
    {23, "Synonyms", "", ParseSynonyms},
    {1, "Antonyms", " =>", ParsePointerLines},
    {2, "Is Kind of", " =>", ParsePointerLines},
    {3, "Kinds of", " =>", ParsePointerLines},
    {18, "Attributes", " =>", ParsePointerLines},
    {12, "Parts of", "HAS PART: ", ParsePointerLines},
    {16, "See Also", " Also See-> ", ParseSeeAlso},
    {14, "Can Cause", " =>", ParsePointerLines},
    {4, "Entails", " =>", ParsePointerLines},
    {17, "Pertains to", " =>", ParsePointerLines},
    {13, "Is Part of", " OF:", ParsePointerLines},
}};
