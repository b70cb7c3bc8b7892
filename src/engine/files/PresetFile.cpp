#include "engine/files/PresetFile.h"

#include "engine/files/FileAccess.h"
#include "engine/protocol/SysExMessages.h"
#include "model/PresetLayout.h"

#include <algorithm>
#include <cerrno>

juce::Result PresetFile::read (int expectedLength, Bytes& message) const
{
    std::string contents;
    const auto result = FileAccess::readRegular (file, static_cast<size_t> (expectedLength), contents);

    if (result.failed())
        return result;

    if (contents.size() != static_cast<size_t> (expectedLength))
        return FileAccess::failure (file, "is " + juce::String (contents.size()) + " bytes; a preset file has "
                                              + juce::String (expectedLength));

    message = Bytes (reinterpret_cast<const juce::uint8*> (contents.data()), expectedLength);
    return juce::Result::ok();
}

juce::Result PresetFile::readSendable (int expectedLength, Bytes& message,
                                       const std::function<juce::String (int dataOffset)>& placeOf) const
{
    if (const auto result = read (expectedLength, message); result.failed())
        return result;

    const auto* data = message.begin() + PresetLayout::messageDataStart;
    const auto* end = message.end() - PresetLayout::messageTrailerBytes;
    const auto* tooLarge = std::find_if (data, end, [] (auto b) { return b > SysExMessages::highestDataByte; });

    if (tooLarge == end)
        return juce::Result::ok();

    return juce::Result::fail (file.getFullPathName() + ": " + placeOf (static_cast<int> (tooLarge - data)) + " is "
                               + juce::String (*tooLarge) + ", above the "
                               + juce::String (SysExMessages::highestDataByte) + " that MIDI can carry");
}

juce::File PresetFile::forSlot (const juce::File& folder, int slotNumber)
{
    return folder.getChildFile ("slot-" + juce::String (slotNumber).paddedLeft ('0', 2) + ".qx6");
}

juce::Result PresetFile::prepareBackupFolder (const juce::File& folder, int numSlots)
{
    // The system would say "File exists" of a file in the way.
    if (folder.existsAsFile())
        return FileAccess::failure (folder, FileAccess::systemMessage (ENOTDIR));

    if (const auto created = folder.createDirectory(); created.failed())
        return FileAccess::failure (folder, created.getErrorMessage());

    // Every file must be writable before the keyboard is read for so long.
    for (int slot = 1; slot <= numSlots; ++slot)
        if (const auto savable = PresetFile (forSlot (folder, slot)).checkSavable(); savable.failed())
            return savable;

    return juce::Result::ok();
}

std::optional<PresetFile::Bytes> PresetFile::load (int expectedLength) const
{
    Bytes message;
    return read (expectedLength, message).wasOk() ? std::optional<Bytes> (message) : std::nullopt;
}

juce::Result PresetFile::checkSavable() const
{
    return FileAccess::checkWritable (file);
}

juce::Result PresetFile::save (const Bytes& message) const
{
    return FileAccess::replaceAtomically (file, message.getRawDataPointer(), static_cast<size_t> (message.size()));
}
