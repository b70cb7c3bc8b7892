#include "engine/files/PresetFile.h"

#include "engine/files/FileAccess.h"

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
