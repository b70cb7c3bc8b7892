#pragma once

#include "model/mapping/MappingTable.h"

/** The mapping table as a printable PDF sheet: the preset's name at the top, the rows grouped by
    section under their headings, conflicts marked in red, on A4 or Letter paper. Drawn with
    cairo's PDF surface. */
class MappingSheet
{
public:
    enum class Paper
    {
        a4,
        letter
    };

    /** Letter where the locale's paper is (the United States, Canada and a few more), else A4. */
    static Paper paperOfLocale();

    /** The PDF's bytes; empty when cairo could not draw it. */
    static std::string render (const MappingTable& table, const juce::String& presetName, Paper paper);

    /** The name the preset's bytes hold, without trailing spaces. */
    static juce::String presetNameOf (const PresetModel& model);

    /** Writes the sheet atomically, failing with the reason. */
    static juce::Result write (const MappingTable& table, const juce::String& presetName, Paper paper,
                               const juce::File& file);
};
