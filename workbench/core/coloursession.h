#pragma once

#include "workbench/core/colourfile.h"

#include <array>

namespace tessel {

// What the red, green and blue bars hold: whole numbers from 0 to 255.
using BarValues = std::array<int, 3>;

// The colour editor's working state: the colour table, the entry whose values
// the three bars hold, and when those values reach the table. The bars belong
// to the window; every step here takes their values and gives back what they
// are to show next.
class ColourSession
{
public:
    const ColourTable& colourTable() const { return m_table; }
    // The entry the bars were loaded from; it gets their values at the next commit.
    int editIndex() const { return m_editIndex; }

    // Stores `bars` into the entry being edited, makes `selected` the entry
    // being edited and returns its values as the bars hold them (cut to 0..255
    // and rounded). The table itself keeps values above 255.
    BarValues Commit(const BarValues& bars, int selected);
    // The author picked `selected` with the entry slider: a commit that first
    // cuts every value of the newly selected entry above 255 down to 255.
    BarValues select(const BarValues& bars, int selected);
    // A commit, then the linear fade from `selected` to `fadeEnd`. The bars keep
    // the values of `selected`, which the fade leaves as they were.
    BarValues fade(const BarValues& bars, int selected, int fadeEnd);
    // Makes every entry black; the bars take the entry at `selected`, and the
    // entry being edited stays what it was.
    BarValues clear(int selected);
    // Takes a table read from a file as it is and makes entry 0 the one being
    // edited; the bars take its values cut to 0..255.
    BarValues load(const ColourTable& table);

    // Whether the table differs from the one last loaded or saved (all black
    // at start): a change undone by hand is no change. Values in the bars
    // that no commit has stored are not the table's, as Save Vis writes it.
    bool unsaved() const { return m_table != m_saved; }
    void markSaved() { m_saved = m_table; }

private:
    ColourTable m_table {};
    ColourTable m_saved {};
    int m_editIndex = 0;
};

} // namespace tessel
