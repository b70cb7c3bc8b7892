#pragma once

#include <juce_events/juce_events.h>

#include <functional>

/** Keeps the editor to one running instance per user and display: the running instance listens
    on a local port; a second launch sends it its command line, waits for the acknowledgement and
    quits. The framework's own hand-over does not work on this platform (its message broadcast is
    empty), so a second launch would otherwise quit and drop the file it was given.

    Only localhost is listened on. A message is accepted only with the program's magic header and
    acknowledged, so a second launch that reaches a stranger on the port runs by itself instead. */
class InstanceHandOver
{
public:
    /** Called on the message thread with each command line handed over. */
    using Handler = std::function<void (const juce::String& commandLine)>;

    /** Starts listening; isListening() is false when the port is taken. */
    InstanceHandOver (int port, Handler handler);
    ~InstanceHandOver();

    bool isListening() const;

    /** True once a running instance has acknowledged the command line. Blocks for at most
        about timeoutMs; call it before any window exists. */
    static bool sendToRunningInstance (int port, const juce::String& commandLine, int timeoutMs = 2000);

    /** The port of this user's session on this display. */
    static int portForCurrentSession();

    /** A port in 20000 .. 29999 (below the system's ephemeral range) derived from the two. */
    static int portFor (const juce::String& userId, const juce::String& display);

private:
    class Connection;
    class Server;

    std::unique_ptr<Server> server;

    JUCE_DECLARE_NON_COPYABLE (InstanceHandOver)
};
