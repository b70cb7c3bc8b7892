#pragma once

#include "model/ListenerArray.h"
#include "model/controls/ControlMode.h"

#include <juce_core/juce_core.h>

#include <vector>

/** One control of the keyboard (or one fixed set of settings): it owns a run of bytes of the
    preset data and addresses each byte by a parameter name. Values outside a parameter's range
    are refused without a report.
*/
class Control
{
public:
    using Bytes = juce::Array<juce::uint8>;

    class Listener
    {
    public:
        virtual ~Listener() = default;
        virtual void parameterChanged (const juce::String& parameterName, juce::uint8 value) = 0;
    };

    Control (int byteCount, int imageOffset);

    virtual void setParameter (const juce::String& parameterName, juce::uint8 value, bool notify);
    virtual juce::uint8 getParameter (const juce::String& parameterName) const;
    virtual Bytes getBytes() const;
    virtual void setBytes (const Bytes& newBytes);
    virtual void applyImage (const Bytes& presetData);
    virtual ~Control() = default;
    virtual juce::uint8 getMinimum (const juce::String& parameterName) const;
    virtual juce::uint8 getMaximum (const juce::String& parameterName) const;
    virtual int getParameterIndex (const juce::String& parameterName) const = 0;

    void addListener (Listener* listener);

    /** Ends a registration; a widget calls it before it is destroyed. Safe during a report. */
    void removeListener (Listener* listener);

    /** The name a byte is best known by: the first of the names that address it. */
    virtual juce::String getByteName (int byteIndex) const;

    /** The modes the editor shows, indexed by the "Mode" value; empty for a kind without modes. */
    virtual const std::vector<ControlMode>& getModes() const;

    /** The name the byte has among the rows of the current mode; the byte name when the mode is
        not one of getModes() or does not show the byte. */
    juce::String getShownByteName (int byteIndex) const;

    /** Position of the last entry of the names equal to the name, or -1. */
    int findParameterName (const juce::String& parameterName) const;

    const juce::StringArray& getParameterNames() const { return parameterNames; }
    int getImageOffset() const { return imageOffset; }
    int getByteCount() const { return bytes.size(); }

protected:
    /** The maximum every kind falls back to: 15 for "MIDI Channel", 127 for any other listed
        name, 0 for a name the kind does not list. */
    juce::uint8 getBaseMaximum (const juce::String& parameterName) const;

    /** Appends a name that addresses the byte at its own list position. */
    void addParameterName (const juce::String& parameterName);

    /** Appends a name that addresses the given byte; several names may share one byte. */
    void addParameterName (const juce::String& parameterName, int byteIndex);

    /** The byte that the name addresses, or -1 for a name the kind does not list. */
    int findByteIndex (const juce::String& parameterName) const;

private:
    Bytes bytes;
    juce::StringArray parameterNames;
    juce::Array<int> byteIndexes; // parallel to parameterNames
    ListenerArray<Listener> listeners;
    int imageOffset;

    JUCE_DECLARE_NON_COPYABLE (Control)
};
