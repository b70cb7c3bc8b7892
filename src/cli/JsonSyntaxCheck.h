#pragma once

#include <juce_core/juce_core.h>

#include <string>

/** Checks a JSON text before it is turned into values: well-formed UTF-8 JSON with nothing after
    the top-level value, no key twice in one object, no integer beyond 64 bits and no nesting
    deeper than a preset needs. A refusal names the place as line:column. */
class JsonSyntaxCheck
{
public:
    static juce::Result check (const std::string& text);

    /** A text as JSON writes it, quoted and escaped, so that a key holding any character, a
        NUL included, is named whole. */
    static juce::String quoted (const std::string& text);

    /** Deeper than any preset, shallow enough for anything that walks the values. */
    static constexpr int maxDepth = 64;
};
