#include "app/AppSettings.h"

#include "app/desktop/InterfaceScale.h"
#include "engine/files/FileAccess.h"
#include "model/ModelConstants.h"

namespace
{
const juce::String inputKey ("midiInput");
const juce::String outputKey ("midiOutput");
const juce::String recentKey ("recentFiles");
const juce::String folderKey ("lastFolder");
const juce::String interfaceSizeKey ("interfaceSize");
const juce::String slotNamesKey ("slotNames");
constexpr std::size_t maxFileBytes = 1 << 20;

juce::PropertiesFile::Options fileOptions()
{
    juce::PropertiesFile::Options options;
    options.storageFormat = juce::PropertiesFile::storeAsXML;
    options.millisecondsBeforeSaving = 0;
    return options;
}

/** The one name of that prefix among the names, or none when there are none or several. */
juce::String onlyNameStartingWith (const juce::StringArray& names, const juce::String& prefix)
{
    juce::String found;

    for (const auto& name : names)
    {
        if (! name.startsWith (prefix))
            continue;

        if (found.isNotEmpty())
            return {};

        found = name;
    }

    return found;
}

/** "PATH: reason" when a settings file is there but cannot be read as one, else empty. */
juce::String whyUnreadable (const juce::File& file)
{
    if (! file.exists())
        return {};

    std::string contents;

    if (const auto read = FileAccess::readRegular (file, maxFileBytes, contents); read.failed())
        return read.getErrorMessage();

    juce::XmlDocument document (juce::String::fromUTF8 (contents.data(), static_cast<int> (contents.size())));

    if (const auto xml = document.getDocumentElement(); xml != nullptr && xml->hasTagName ("PROPERTIES"))
        return {};

    const auto parseError = document.getLastParseError();
    return file.getFullPathName() + ": not a settings file" + (parseError.isEmpty() ? "" : " (" + parseError + ")");
}
} // namespace

AppSettings::AppSettings (const juce::File& folder)
{
    const auto file = folder.getChildFile ("settings.xml");
    setAsideIfDamaged (file);
    properties = std::make_unique<juce::PropertiesFile> (file, fileOptions());
}

juce::File AppSettings::defaultFolder()
{
    const auto configured = juce::SystemStats::getEnvironmentVariable ("XDG_CONFIG_HOME", {});
    const auto base = juce::File::isAbsolutePath (configured)
                          ? juce::File (configured)
                          : juce::File::getSpecialLocation (juce::File::userHomeDirectory).getChildFile (".config");
    return base.getChildFile ("qx61-editor");
}

// A file the editor cannot read would otherwise be overwritten by the next change and lost.
void AppSettings::setAsideIfDamaged (const juce::File& file)
{
    const auto reason = whyUnreadable (file);

    if (reason.isEmpty())
        return;

    const auto aside = file.getSiblingFile (file.getFileName() + ".damaged");
    problem = "The settings could not be read, so the defaults are used.\n" + reason + "\n";
    problem += file.moveFileTo (aside) ? "The file was kept as " + aside.getFullPathName()
                                       : juce::String ("It could not be moved aside and will be replaced.");
}

int AppSettings::getInterfaceSize() const
{
    const auto percent = properties->getIntValue (interfaceSizeKey, InterfaceScale::automatic);
    return InterfaceScale::choices().contains (percent) ? percent : InterfaceScale::automatic;
}

void AppSettings::setInterfaceSize (int percent)
{
    properties->setValue (interfaceSizeKey, percent);
}

juce::File AppSettings::getLastFolder() const
{
    const auto path = properties->getValue (folderKey);
    return juce::File::isAbsolutePath (path) ? juce::File (path) : juce::File();
}

void AppSettings::setLastFolder (const juce::File& folder)
{
    properties->setValue (folderKey, folder.getFullPathName());
}

juce::StringArray AppSettings::recentPaths() const
{
    auto paths = juce::StringArray::fromLines (properties->getValue (recentKey));
    paths.removeEmptyStrings();
    return paths;
}

void AppSettings::storeRecent (const juce::StringArray& paths)
{
    properties->setValue (recentKey, paths.joinIntoString ("\n"));
}

juce::Array<juce::File> AppSettings::getRecentFiles() const
{
    juce::Array<juce::File> files;

    for (const auto& path : recentPaths())
        if (juce::File::isAbsolutePath (path))
            files.add (juce::File (path));

    return files;
}

void AppSettings::addRecentFile (const juce::File& file)
{
    auto paths = recentPaths();
    paths.removeString (file.getFullPathName());
    paths.insert (0, file.getFullPathName());
    paths.removeRange (maxRecentFiles, paths.size());
    storeRecent (paths);
}

void AppSettings::removeRecentFile (const juce::File& file)
{
    auto paths = recentPaths();
    paths.removeString (file.getFullPathName());
    storeRecent (paths);
}

void AppSettings::reopenPorts (MidiManager& midi, const juce::String& keyboardPrefix) const
{
    if (properties->containsKey (inputKey) || properties->containsKey (outputKey))
    {
        midi.setInputDevice (properties->getValue (inputKey));
        midi.setOutputDevice (properties->getValue (outputKey));
        return;
    }

    const auto input = onlyNameStartingWith (midi.getAvailableInputNames(), keyboardPrefix);
    const auto output = onlyNameStartingWith (midi.getAvailableOutputNames(), keyboardPrefix);

    if (input.isNotEmpty() && output.isNotEmpty())
    {
        midi.setInputDevice (input);
        midi.setOutputDevice (output);
    }
}

void AppSettings::rememberPorts (const MidiManager& midi)
{
    properties->setValue (inputKey, midi.getInputDeviceName());
    properties->setValue (outputKey, midi.getOutputDeviceName());
}

// One element per keyboard port, holding one child per slot whose name was read.
void AppSettings::rememberSlotNames (const juce::String& portName, const SlotNames& slotNames)
{
    auto all = properties->getXmlValue (slotNamesKey);

    if (all == nullptr)
        all = std::make_unique<juce::XmlElement> (slotNamesKey);

    for (auto* old = all->getChildByAttribute ("port", portName); old != nullptr;
         old = all->getChildByAttribute ("port", portName))
        all->removeChildElement (old, true);

    auto* keyboard = all->createNewChildElement ("keyboard");
    keyboard->setAttribute ("port", portName);
    keyboard->setAttribute ("readAt", juce::String (slotNames.readAt.toMilliseconds()));

    for (size_t i = 0; i < slotNames.names.size(); ++i)
    {
        if (! slotNames.names[i].has_value())
            continue;

        auto* slot = keyboard->createNewChildElement ("slot");
        slot->setAttribute ("index", static_cast<int> (i));
        slot->setAttribute ("name", *slotNames.names[i]);
    }

    properties->setValue (slotNamesKey, all.get());
}

void AppSettings::rememberSlotName (const juce::String& portName, int slot, const juce::String& name)
{
    if (! juce::isPositiveAndBelow (slot, ModelConstants::numSlots))
        return;

    auto known = getSlotNames (portName);
    known.names.resize (static_cast<size_t> (ModelConstants::numSlots));
    known.names[static_cast<size_t> (slot)] = name;

    if (known.readAt == juce::Time())
        known.readAt = juce::Time::getCurrentTime();

    rememberSlotNames (portName, known);
}

AppSettings::SlotNames AppSettings::getSlotNames (const juce::String& portName) const
{
    SlotNames found;
    const auto all = properties->getXmlValue (slotNamesKey);
    const auto* keyboard = all != nullptr ? all->getChildByAttribute ("port", portName) : nullptr;

    if (keyboard == nullptr)
        return found;

    found.readAt = juce::Time (keyboard->getStringAttribute ("readAt").getLargeIntValue());
    found.names.resize (static_cast<size_t> (ModelConstants::numSlots));

    for (const auto* slot : keyboard->getChildIterator())
    {
        const auto index = slot->getIntAttribute ("index", -1);

        if (juce::isPositiveAndBelow (index, ModelConstants::numSlots))
            found.names[static_cast<size_t> (index)] = slot->getStringAttribute ("name");
    }

    return found;
}
