#include "print/MappingSheet.h"

#include "engine/files/FileAccess.h"
#include "model/controls/ControlNames.h"

#include <cairo-pdf.h>

#include <cstdlib>
#include <memory>

namespace
{
constexpr double margin = 40.0;
constexpr double lineHeight = 14.0;
constexpr double fontSize = 8.5;
constexpr double headingSize = 11.0;
constexpr double titleSize = 16.0;
constexpr double columnShares[] = { 0.13, 0.15, 0.08, 0.17, 0.11, 0.11, 0.12, 0.13 };

cairo_status_t appendTo (void* closure, const unsigned char* data, unsigned int length)
{
    static_cast<std::string*> (closure)->append (reinterpret_cast<const char*> (data), length);
    return CAIRO_STATUS_SUCCESS;
}

juce::String sectionOf (int groupId)
{
    using namespace ControlGroup;
    switch (groupId)
    {
        case keybedGroup: return "Keybed";
        case rollModeGroup: return "Roll Mode";
        case transportGroup: return "Transport";
        case wheelsGroup: return "Wheels";
        case sustainGroup: return "Sustain";
        case knobGroup: return "Knobs";
        case padGroup: return "Pads";
        case switchGroup: return "Switches";
        default: return {};
    }
}

/** Draws page by page, starting a new one when the next line would not fit. */
class Page
{
public:
    Page (cairo_t* contextIn, double widthIn, double heightIn) : context (contextIn), width (widthIn), height (heightIn)
    {
        cairo_select_font_face (context, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    }

    void text (double x, const juce::String& line, double size, bool bold = false, bool red = false)
    {
        cairo_select_font_face (context, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                                bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
        cairo_set_font_size (context, size);
        cairo_set_source_rgb (context, red ? 0.69 : 0.0, 0.0, red ? 0.13 : 0.0);
        cairo_move_to (context, x, y);
        cairo_show_text (context, line.toRawUTF8());
    }

    void newLine (double advance = lineHeight)
    {
        y += advance;

        if (y > height - margin)
        {
            cairo_show_page (context);
            y = margin + lineHeight;
        }
    }

    double usableWidth() const { return width - 2 * margin; }

private:
    cairo_t* context;
    double width, height;
    double y = margin + titleSize;
};
} // namespace

juce::String MappingSheet::presetNameOf (const PresetModel& model)
{
    juce::String name;

    if (const auto* control = model.getControl (ControlGroup::presetNameGroup))
        for (const auto byte : control->getBytes())
            name << juce::String::charToString (static_cast<juce::juce_wchar> (byte));

    return name.trimEnd();
}

MappingSheet::Paper MappingSheet::paperOfLocale()
{
    // Where LC_PAPER is unset, LC_ALL or LANG gives the territory, as the C library reads them.
    for (const auto* name : { "LC_ALL", "LC_PAPER", "LANG" })
    {
        const juce::String value (std::getenv (name));

        if (value.isEmpty())
            continue;

        for (const auto* territory : { "_US", "_CA", "_MX", "_PH", "_CL", "_CO", "_VE" })
            if (value.contains (territory))
                return Paper::letter;

        return Paper::a4;
    }

    return Paper::a4;
}

std::string MappingSheet::render (const MappingTable& table, const juce::String& presetName, Paper paper)
{
    const auto width = paper == Paper::a4 ? 595.0 : 612.0;
    const auto height = paper == Paper::a4 ? 842.0 : 792.0;
    std::string pdf;

    std::unique_ptr<cairo_surface_t, decltype (&cairo_surface_destroy)> surface (
        cairo_pdf_surface_create_for_stream (appendTo, &pdf, width, height), cairo_surface_destroy);
    std::unique_ptr<cairo_t, decltype (&cairo_destroy)> context (cairo_create (surface.get()), cairo_destroy);

    Page page (context.get(), width, height);
    page.text (margin, presetName, titleSize, true);
    page.newLine (titleSize + 4);
    page.text (margin, MappingTable::describeConflicts (table.getNumConflicts()), fontSize, false,
               table.getNumConflicts() > 0);
    page.newLine (lineHeight * 1.5);

    for (int column = 0, x = 0; column < MappingTable::numColumns; ++column)
    {
        page.text (margin + x, MappingTable::columnNames()[column], fontSize, true);
        x += juce::roundToInt (columnShares[column] * page.usableWidth());
    }

    int shownGroup = -1;

    for (int row = 0; row < table.getNumRows(); ++row)
    {
        const auto groupId = table.getRow (row).groupId;

        if (groupId != shownGroup)
        {
            shownGroup = groupId;
            page.newLine (lineHeight * 1.8);
            page.text (margin, sectionOf (groupId), headingSize, true);
        }

        page.newLine();
        auto x = margin;

        for (int column = 0; column < MappingTable::numColumns; ++column)
        {
            const auto isConflict = column == MappingTable::conflictsColumn;
            page.text (x, table.getCellText (row, column), fontSize, column == MappingTable::controlColumn, isConflict);
            x += columnShares[column] * page.usableWidth();
        }
    }

    cairo_show_page (context.get());
    context.reset();
    cairo_surface_finish (surface.get());

    return cairo_surface_status (surface.get()) == CAIRO_STATUS_SUCCESS ? pdf : std::string();
}

juce::Result MappingSheet::write (const MappingTable& table, const juce::String& presetName, Paper paper,
                                  const juce::File& file)
{
    const auto pdf = render (table, presetName, paper);

    if (pdf.empty())
        return juce::Result::fail ("the PDF could not be drawn");

    return FileAccess::replaceAtomically (file, pdf.data(), pdf.size());
}
