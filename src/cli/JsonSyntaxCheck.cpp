#include "cli/JsonSyntaxCheck.h"

#include <nlohmann/json.hpp>

#include <set>
#include <vector>

namespace
{
using Json = nlohmann::json;

/** Passes the text to the parser a character at a time, counting, so events know where they are. */
struct CountingIterator
{
    using iterator_category = std::forward_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    const char* position;
    size_t* consumed;

    reference operator*() const { return *position; }
    CountingIterator& operator++()
    {
        ++position;
        ++*consumed;
        return *this;
    }
    CountingIterator operator++ (int)
    {
        auto before = *this;
        ++*this;
        return before;
    }
    bool operator== (const CountingIterator& other) const { return position == other.position; }
    bool operator!= (const CountingIterator& other) const { return position != other.position; }
};

class Checker : public nlohmann::json_sax<Json>
{
public:
    Checker (const std::string& textIn, const size_t& consumedIn) : text (textIn), consumed (consumedIn) {}

    bool null() override { return true; }
    bool boolean (bool) override { return true; }
    bool number_integer (number_integer_t) override { return true; }
    bool number_unsigned (number_unsigned_t) override { return true; }
    bool string (string_t&) override { return true; }
    bool binary (binary_t&) override { return true; }

    bool number_float (number_float_t, const string_t& literal) override
    {
        // Integers too long for 64 bits arrive as approximations; one must not pass for a byte.
        if (literal.find_first_of (".eE") == std::string::npos)
            return refuse ("number too long");
        return true;
    }

    bool start_object (size_t) override { return open(); }
    bool start_array (size_t) override { return open(); }
    bool end_object() override { return close(); }
    bool end_array() override { return close(); }

    bool key (string_t& name) override
    {
        if (! keys.back().insert (name).second)
            return refuse (JsonSyntaxCheck::quoted (name) + " is given twice in one object");
        return true;
    }

    bool parse_error (size_t position, const std::string&, const nlohmann::detail::exception& error) override
    {
        // The parser's words without its "[json.exception…] " tag, nor the "parse error at line…: "
        // place of a syntax error; a number out of range has no such place.
        auto why = juce::String (error.what()).fromFirstOccurrenceOf ("] ", false, false);
        if (why.startsWith ("parse error"))
            why = why.fromFirstOccurrenceOf (": ", false, false);
        problem = placeOf (position) + ": " + why;
        return false;
    }

    /** line:column (both from 1) of the character before the given count of characters read. */
    juce::String placeOf (size_t charactersRead) const
    {
        const auto end = std::min (charactersRead, text.size());
        int line = 1;
        size_t lineStart = 0;

        for (size_t i = 0; i + 1 < end; ++i)
            if (text[i] == '\n')
            {
                ++line;
                lineStart = i + 1;
            }

        return juce::String (line) + ":" + juce::String (static_cast<int> (end - lineStart));
    }

    juce::String problem;

private:
    bool open()
    {
        if (keys.size() >= static_cast<size_t> (JsonSyntaxCheck::maxDepth))
            return refuse ("nested deeper than " + juce::String (JsonSyntaxCheck::maxDepth) + " levels");
        keys.emplace_back();
        return true;
    }

    bool close()
    {
        keys.pop_back();
        return true;
    }

    bool refuse (const juce::String& why)
    {
        problem = placeOf (consumed) + ": " + why;
        return false;
    }

    const std::string& text;
    const size_t& consumed;
    std::vector<std::set<std::string>> keys;
};
} // namespace

juce::Result JsonSyntaxCheck::check (const std::string& text)
{
    size_t consumed = 0;
    Checker checker (text, consumed);
    const CountingIterator first { text.data(), &consumed }, last { text.data() + text.size(), &consumed };

    if (! Json::sax_parse (first, last, &checker))
        return juce::Result::fail ("malformed JSON at " + checker.problem);

    // The parser takes a NUL byte for the end of the text, but the text goes on to its length.
    // Anywhere before the end of the value a NUL is refused above, so this one comes after it.
    if (const auto nul = text.find ('\0'); nul != std::string::npos)
        return juce::Result::fail ("malformed JSON at " + checker.placeOf (nul + 1)
                                   + ": unexpected NUL byte; expected end of input");

    return juce::Result::ok();
}

juce::String JsonSyntaxCheck::quoted (const std::string& text)
{
    return juce::String::fromUTF8 (Json (text).dump (-1, ' ', false, Json::error_handler_t::replace).c_str());
}
