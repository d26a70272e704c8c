#include "workbench/core/coloursession.h"

#include "workbench/core/colouredit.h"

#include <algorithm>

namespace tessel {
namespace {

size_t entryAt(int index) { return static_cast<size_t>(std::clamp(index, 0, kColourEntries - 1)); }

BarValues barsFor(const ColourEntry& entry) { return {barValue(entry[0]), barValue(entry[1]), barValue(entry[2])}; }

} // namespace

BarValues ColourSession::Commit(const BarValues& bars, int selected)
{
    m_table[entryAt(m_editIndex)] = {double(bars[0]), double(bars[1]), double(bars[2])};
    m_editIndex = static_cast<int>(entryAt(selected));
    return barsFor(m_table[entryAt(m_editIndex)]);
}

BarValues ColourSession::select(const BarValues& bars, int selected)
{
    Commit(bars, selected);
    cutTo255(m_table[entryAt(m_editIndex)]);
    return barsFor(m_table[entryAt(m_editIndex)]);
}

BarValues ColourSession::fade(const BarValues& bars, int selected, int fadeEnd)
{
    const BarValues shown = Commit(bars, selected);
    Fade(m_table, m_editIndex, fadeEnd);
    return shown;
}

BarValues ColourSession::clear(int selected)
{
    m_table = {};
    return barsFor(m_table[entryAt(selected)]);
}

BarValues ColourSession::load(const ColourTable& table)
{
    m_table = table;
    m_saved = table;
    m_editIndex = 0;
    return barsFor(m_table[0]);
}

} // namespace tessel
