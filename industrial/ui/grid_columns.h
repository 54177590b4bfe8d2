#pragma once

#include <vector>

class StringGrid;

// Column widths of a grid whose headings wrap, in a font that may be wider than the one the
// designed widths were chosen for.

// Widths that fit `available` pixels: `preferred`, each raised to its `least`, when they fit;
// otherwise each column gives up part of what it has beyond its least width, in proportion to
// that part, and never goes below it.
std::vector<int> fitWidths(const std::vector<int>& preferred, const std::vector<int>& least,
                           int available);

// The least width of each column: the longest word of its heading in the grid's font, with a
// margin, so that a wrapped heading is never cut within a word.
std::vector<int> headingWordWidths(const StringGrid& grid);

// From now on, whenever the grid's visible width changes (the window shown or resized, a scroll
// bar appearing), columns that overflow it are shrunk into it as fitWidths says.
void keepColumnsInView(StringGrid* grid);

// Sets the columns to `preferred`, each at least its heading's longest word, fitted to the grid's
// visible width once it has one.
void fitColumns(StringGrid* grid, const std::vector<int>& preferred);
