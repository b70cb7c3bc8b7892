#include "engine/PresetFile.h"

std::optional<PresetFile::Bytes> PresetFile::load (int expectedLength) const
{
    if (! file.existsAsFile() || file.getSize() != expectedLength)
        return std::nullopt;

    juce::FileInputStream stream (file);

    if (stream.failedToOpen())
        return std::nullopt;

    Bytes bytes;
    bytes.insertMultiple (0, 0, expectedLength);

    // The file may have changed since its size was taken: insist on exactly that many bytes.
    if (stream.read (bytes.getRawDataPointer(), expectedLength) != expectedLength || ! stream.isExhausted())
        return std::nullopt;

    return bytes;
}

bool PresetFile::save (const Bytes& message) const
{
    if (file.isDirectory())
        return false;

    const juce::TemporaryFile temporary (file, juce::TemporaryFile::useHiddenFile);

    {
        juce::FileOutputStream stream (temporary.getFile());

        if (stream.failedToOpen()
            || ! stream.write (message.getRawDataPointer(), static_cast<size_t> (message.size())))
            return false;

        stream.flush();

        if (stream.getStatus().failed())
            return false;
    }

    // A short write (a full disk) does not always show in the stream's status.
    if (temporary.getFile().getSize() != message.size())
        return false;

    return temporary.overwriteTargetFileWithTemporary();
}
