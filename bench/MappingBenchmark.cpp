// Times what the mapping window does after a change: the table read again and every cell's
// text made, after one edit and after a whole preset was applied (targets 10 ms and 30 ms).
#include "model/ModelConstants.h"
#include "model/mapping/MappingTable.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace
{
using Clock = std::chrono::steady_clock;

/** The slowest of many runs, in milliseconds: the figure a user would notice. */
double slowestMs (const std::function<void()>& change, MappingTable& table, int runs)
{
    double slowest = 0.0;

    for (int run = 0; run < runs; ++run)
    {
        const auto start = Clock::now();
        change();
        table.refresh();

        for (int row = 0; row < table.getNumRows(); ++row)
            for (int column = 0; column < MappingTable::numColumns; ++column)
                table.getCellText (row, column);

        slowest = std::max (slowest, std::chrono::duration<double, std::milli> (Clock::now() - start).count());
    }

    return slowest;
}
} // namespace

int main()
{
    const auto constants = ModelConstants::qx61();
    const auto layout = constants.getLayout();
    PresetModel model (layout, constants.getHighestSplitPoint(), constants.maxKeybedOctave);
    const auto message = ModelConstants::qx61DefaultPreset();
    const Control::Bytes data (message.getRawDataPointer() + PresetLayout::messageDataStart, layout.dataLength());
    model.applyData (data);
    MappingTable table (model);
    constexpr int runs = 200;
    int edits = 0;

    const auto afterEdit = slowestMs (
        [&] {
            model.getControl (ControlGroup::knobGroup, 3)
                ->setParameter ("CC", static_cast<juce::uint8> (edits++ % 128), true);
        },
        table, runs);
    const auto afterPreset = slowestMs ([&] { model.applyData (data); }, table, runs);

    std::printf ("mapping table refresh after one edit: %.3f ms (slowest of %d; target < 10 ms)\n", afterEdit, runs);
    std::printf ("mapping table refresh after a whole preset: %.3f ms (slowest of %d; target < 30 ms)\n", afterPreset,
                 runs);
    return 0;
}
