#pragma once

#include "widgets/WidgetTestSupport.h"

#include <stdexcept>

using WidgetTestSupport::TestEngine;

inline void deliverPendingMessages()
{
    WidgetTestSupport::flushMessages (4);
}

/** Types into a number box's editor and commits, as a user would (no keyboard focus needed). */
inline void typeText (NumberBox& box, const juce::String& text)
{
    box.showEditor();
    box.getCurrentTextEditor()->setText (text, false);
    box.hideEditor (false);
}

template <typename ComponentType>
juce::Array<ComponentType*> findAll (juce::Component& root)
{
    juce::Array<ComponentType*> found;

    for (auto* child : root.getChildren())
    {
        if (auto* match = dynamic_cast<ComponentType*> (child))
            found.add (match);

        found.addArray (findAll<ComponentType> (*child));
    }

    return found;
}

/** The first component of that type and name below the root; the test fails without one. */
template <typename ComponentType>
ComponentType& named (juce::Component& root, const juce::String& name)
{
    for (auto* candidate : findAll<ComponentType> (root))
        if (candidate->getName() == name)
            return *candidate;

    throw std::runtime_error (("no component named " + name).toStdString());
}
