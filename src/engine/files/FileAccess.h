#pragma once

#include <juce_core/juce_core.h>

#include <string>

/** File checks that give the reason a file cannot be read or written, in the words the system
    uses, and never block: a FIFO or a device is refused before it is opened. */
class FileAccess
{
public:
    /** The file a path finally names, following symbolic links, even to a file not there yet. */
    static juce::File resolveLinks (const juce::File& file);

    /** The whole of a regular file of at most maxBytes. */
    static juce::Result readRegular (const juce::File& file, std::size_t maxBytes, std::string& contents);

    /** Whether the path (links followed) names anything, with the system's reason when not. */
    static juce::Result checkExists (const juce::File& file);

    /** Whether the file (links followed) could be replaced or created by this process. */
    static juce::Result checkWritable (const juce::File& file);

    /** Replaces the contents of the file, or of the file a symbolic link leads to, keeping its
        permissions. The bytes go to a temporary file beside it, which is then renamed over it,
        so a failed write leaves any old file whole and no temporary file behind. */
    static juce::Result replaceAtomically (const juce::File& file, const void* data, std::size_t size);

    /** Writes every byte, through short writes and interruptions; false, with errno saying why,
        when the system refuses. */
    static bool writeAll (int fd, const void* data, std::size_t size);

    /** "PATH: reason". */
    static juce::Result failure (const juce::File& file, const juce::String& reason);

    /** The system's message for an error number. */
    static juce::String systemMessage (int errorNumber);

    static constexpr const char* isDirectory = "is a directory";
    static constexpr const char* notRegular = "not a regular file";
};
