#pragma once

#include <juce_core/juce_core.h>

#include <iostream>

/** The folder where this user's running programs meet (the editor's hand-over socket, the
    keyboards' port locks): $XDG_RUNTIME_DIR, or else a folder of the user's own with mode 0700
    in the temporary folder. */
class RuntimeFolder
{
public:
    /** A folder refused (a link, another user's) is reported on errors and the next name is
        tried; none when no such folder can be had. */
    static juce::File find (std::ostream& errors = std::cerr);

    /** Why the folder is not a real folder (no link) of this user that nobody else may enter;
        empty when it is one. */
    static juce::String whyNotPrivate (const juce::File& folder);
};
