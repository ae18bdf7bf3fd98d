#pragma once
// The width in pixels of the widest result of a store, as a font draws it: the column of the
// results grid must hold it, and the longest result in characters is not always the widest.

class QFontMetrics;
class Results;

// Reads every result once. Letters are summed from a table of their advances, and only the
// results that come near the widest so far are laid out whole, so that kerning is counted
// without laying out a million results; where too many come near, the widest sum and a letter
// to spare stand in for their layouts.
int WidestResult(Results& results, const QFontMetrics& metrics);
