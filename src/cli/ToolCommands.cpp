#include "cli/ToolCommands.h"

#include "cli/PresetJson.h"
#include "cli/PresetTransfer.h"
#include "engine/files/FileAccess.h"
#include "engine/files/PresetFile.h"
#include "engine/protocol/SysExMessages.h"
#include "model/mapping/MappingTable.h"
#include "print/MappingSheet.h"

#include <cerrno>
#include <ostream>

namespace
{
juce::File fileFromArgument (const juce::String& path)
{
    return juce::File::getCurrentWorkingDirectory().getChildFile (path);
}

int slotIndex (int slotNumber)
{
    return slotNumber - ToolArguments::firstSlot;
}
} // namespace

ToolCommands::ToolCommands (const ModelConstants& constantsIn, KeyboardLink* keyboardIn, std::ostream& outIn,
                            std::ostream& errIn)
    : constants (constantsIn),
      keyboard (keyboardIn),
      out (outIn),
      err (errIn)
{
}

int ToolCommands::run (const ToolArguments& arguments)
{
    if (arguments.error.isNotEmpty())
    {
        err << "qx61-tool: " << arguments.error << "\n"
            << "Run \"qx61-tool --help\" or \"qx61-tool SUBCOMMAND --help\" for the usage.\n";
        return usageError;
    }

    if (const auto result = carryOut (arguments); result.failed())
    {
        err << "qx61-tool: " << result.getErrorMessage() << "\n";
        return failure;
    }

    return success;
}

juce::Result ToolCommands::carryOut (const ToolArguments& arguments)
{
    using Command = ToolArguments::Command;
    const auto slot = slotIndex (arguments.slot);

    switch (arguments.command)
    {
        case Command::help: return print (arguments.helpText.toStdString());
        case Command::version: return print (std::string ("qx61-tool ") + QX_APP_VERSION + "\n");
        case Command::dump: return dump (fileFromArgument (arguments.operands[0]));
        case Command::mapping: return mapping (fileFromArgument (arguments.operands[0]), arguments.outputPath);
        case Command::build:
            return build (fileFromArgument (arguments.operands[0]), fileFromArgument (arguments.outputPath));
        case Command::ports: return listPorts();
        case Command::get:
            return onKeyboard (arguments, [&] (PresetTransfer& transfer) {
                return transfer.getToFile (slot, fileFromArgument (arguments.outputPath));
            });
        case Command::send:
            return onKeyboard (arguments, [&] (PresetTransfer& transfer) {
                const auto loaded = transfer.loadFile (fileFromArgument (arguments.operands[0]));
                return loaded.failed() ? loaded : transfer.sendLoaded (slot);
            });
        case Command::sync:
            return onKeyboard (arguments, [&] (PresetTransfer& transfer) {
                return transfer.sync (arguments.operands[0] == "external");
            });
        case Command::backup:
            return onKeyboard (arguments, [&] (PresetTransfer& transfer) {
                return backup (transfer, fileFromArgument (arguments.directory));
            });
        case Command::restore:
            return onKeyboard (arguments, [&] (PresetTransfer& transfer) {
                return restore (transfer, fileFromArgument (arguments.directory));
            });
        case Command::list:
            return onKeyboard (arguments, [&] (PresetTransfer& transfer) { return listNames (transfer); });
    }

    // Only a value from outside the enumeration gets here.
    return juce::Result::fail ("unknown subcommand");
}

juce::Result ToolCommands::print (const std::string& text)
{
    // A failed write leaves its reason in errno; a stream that never reached the system does not.
    errno = 0;
    out << text << std::flush;

    if (out.good())
        return juce::Result::ok();

    return juce::Result::fail ("could not write to standard output"
                               + (errno != 0 ? ": " + FileAccess::systemMessage (errno) : juce::String()));
}

juce::Result ToolCommands::readModel (const juce::File& source, PresetModel& model) const
{
    const auto layout = constants.getLayout();
    PresetFile::Bytes message;

    if (const auto read = PresetFile (source).read (layout.messageLength(), message); read.failed())
        return read;

    model.applyData ({ message.getRawDataPointer() + PresetLayout::messageDataStart, layout.dataLength() });
    return juce::Result::ok();
}

juce::Result ToolCommands::dump (const juce::File& source)
{
    PresetModel model (constants.getLayout(), constants.getHighestSplitPoint(), constants.maxKeybedOctave);

    if (const auto read = readModel (source, model); read.failed())
        return read;

    return print (PresetJson::write (model));
}

juce::Result ToolCommands::mapping (const juce::File& source, const juce::String& outputPath)
{
    PresetModel model (constants.getLayout(), constants.getHighestSplitPoint(), constants.maxKeybedOctave);

    if (const auto read = readModel (source, model); read.failed())
        return read;

    const MappingTable table (model);
    const auto csv = table.toCsv();

    if (outputPath.isEmpty())
        return print (csv.toStdString());

    if (outputPath.endsWithIgnoreCase (".pdf"))
        return MappingSheet::write (table, MappingSheet::presetNameOf (model), MappingSheet::paperOfLocale(),
                                    fileFromArgument (outputPath));

    const auto bytes = csv.toStdString();
    return FileAccess::replaceAtomically (fileFromArgument (outputPath), bytes.data(), bytes.size());
}

juce::Result ToolCommands::build (const juce::File& source, const juce::File& target)
{
    std::string text;

    if (const auto loaded = FileAccess::readRegular (source, maxJsonBytes, text); loaded.failed())
        return loaded;

    const PresetModel model (constants.getLayout(), constants.getHighestSplitPoint(), constants.maxKeybedOctave);
    Control::Bytes data;
    const auto read = PresetJson::read (text, model, data);

    if (read.failed())
        return juce::Result::fail (source.getFileName() + ": " + read.getErrorMessage());

    return PresetFile (target).save (SysExMessages::presetMessage (constants.modelId, 0, data));
}

juce::Result ToolCommands::listPorts()
{
    if (keyboard == nullptr)
        return juce::Result::fail ("MIDI is not available");

    juce::String listing ("inputs:\n");
    for (const auto& name : keyboard->getMidiManager().getAvailableInputNames())
        listing << "  " << name << "\n";

    listing << "outputs:\n";
    for (const auto& name : keyboard->getMidiManager().getAvailableOutputNames())
        listing << "  " << name << "\n";

    return print (listing.toStdString());
}

juce::Result ToolCommands::selectPorts (const ToolArguments& arguments)
{
    if (keyboard == nullptr)
        return juce::Result::fail ("MIDI is not available");

    if (arguments.inputPortName.isNotEmpty())
    {
        if (! keyboard->getMidiManager().getAvailableInputNames().contains (arguments.inputPortName))
            return juce::Result::fail ("unknown MIDI input port \"" + arguments.inputPortName + "\"");
        keyboard->getMidiManager().setInputDevice (arguments.inputPortName);
    }

    if (arguments.outputPortName.isNotEmpty())
    {
        if (! keyboard->getMidiManager().getAvailableOutputNames().contains (arguments.outputPortName))
            return juce::Result::fail ("unknown MIDI output port \"" + arguments.outputPortName + "\"");
        keyboard->getMidiManager().setOutputDevice (arguments.outputPortName);
    }

    if (! keyboard->getMidiManager().isConnected() || ! keyboard->getMidiManager().isOutputOpen())
        return juce::Result::fail ("the MIDI ports could not be opened");

    return juce::Result::ok();
}

juce::Result ToolCommands::onKeyboard (const ToolArguments& arguments,
                                       const std::function<juce::Result (PresetTransfer&)>& work)
{
    const auto selected = selectPorts (arguments);

    if (selected.failed())
        return selected;

    PresetTransfer transfer (*keyboard, constants, err);

    if (testTiming)
        transfer.setTiming (*testTiming);

    return work (transfer);
}

juce::Result ToolCommands::backup (PresetTransfer& transfer, const juce::File& directory)
{
    if (const auto prepared = PresetFile::prepareBackupFolder (directory, ToolArguments::lastSlot); prepared.failed())
        return prepared;

    for (int slot = ToolArguments::firstSlot; slot <= ToolArguments::lastSlot; ++slot)
    {
        err << "slot " << slot << " of " << ToolArguments::lastSlot << "...\n" << std::flush;
        const auto result = transfer.getToFile (slotIndex (slot), PresetFile::forSlot (directory, slot));

        if (result.failed())
            return juce::Result::fail ("slot " + juce::String (slot) + ": " + result.getErrorMessage());
    }

    return juce::Result::ok();
}

juce::Result ToolCommands::restore (PresetTransfer& transfer, const juce::File& directory)
{
    // Every file is checked before the first is sent, so a bad file cannot leave the keyboard
    // half restored.
    for (int slot = ToolArguments::firstSlot; slot <= ToolArguments::lastSlot; ++slot)
        if (const auto checked = transfer.loadFile (PresetFile::forSlot (directory, slot)); checked.failed())
            return juce::Result::fail ("slot " + juce::String (slot) + ": " + checked.getErrorMessage());

    for (int slot = ToolArguments::firstSlot; slot <= ToolArguments::lastSlot; ++slot)
    {
        err << "slot " << slot << " of " << ToolArguments::lastSlot << "...\n" << std::flush;
        auto result = transfer.loadFile (PresetFile::forSlot (directory, slot));

        if (result.wasOk())
            result = transfer.sendLoaded (slotIndex (slot));

        if (result.failed())
            return juce::Result::fail ("slot " + juce::String (slot) + ": " + result.getErrorMessage());
    }

    return juce::Result::ok();
}

juce::Result ToolCommands::listNames (PresetTransfer& transfer)
{
    juce::StringArray names;

    if (const auto read = transfer.readNames (names); read.failed())
        return read;

    juce::String listing;

    for (int i = 0; i < names.size(); ++i)
        listing << juce::String (i + ToolArguments::firstSlot).paddedLeft ('0', 2) << "  " << names[i] << "\n";

    return print (listing.toStdString());
}
