#pragma once

#include <juce_events/juce_events.h>

#include <sys/types.h>

#include <deque>
#include <functional>

/** Keeps the editor to one running instance per user and display: the running instance listens
    on a Unix-domain socket in a folder only its user can enter; a second launch sends it its
    command line, waits for the acknowledgement and quits.

    Only this user's processes are served (the peer's user id is checked on both ends). A message
    is the magic header, its length and the line; a longer one than maxMessageBytes, one cut short
    and one that takes longer than the timeout are dropped unanswered. One thread serves every
    connection; it acknowledges a line before handing it to the message thread, so a launch is
    answered even while the message thread is busy with a send. */
class InstanceHandOver : private juce::Thread, private juce::AsyncUpdater
{
public:
    /** Called on the message thread with each command line handed over. */
    using Handler = std::function<void (const juce::String& commandLine)>;

    struct Limits
    {
        size_t maxMessageBytes = 64 * 1024;
        int timeoutMs = 2000;   // from connecting to the last byte of the message
        int maxConnections = 8; // beyond it the oldest connection is dropped
    };

    /** Starts listening on the socket; a socket left by an instance that is gone is taken over,
        one that answers is not (isListening() is then false). */
    InstanceHandOver (const juce::File& socketFile, Handler handler, Limits limits);
    InstanceHandOver (const juce::File& socketFile, Handler handler);
    ~InstanceHandOver() override;

    bool isListening() const { return listenSocket >= 0; }

    /** True once a running instance of this user has acknowledged the command line. Blocks for
        at most about timeoutMs; call it before any window exists. */
    static bool sendToRunningInstance (const juce::File& socketFile, const juce::String& commandLine,
                                       int timeoutMs = 2000);

    /** The socket of this user's session on this display, in $XDG_RUNTIME_DIR or else in a
        folder of the user's own with mode 0700; none when no such folder can be had. */
    static juce::File socketForCurrentSession();

    /** The socket's name for the display, in the folder. */
    static juce::File socketIn (const juce::File& folder, const juce::String& display);

    /** The folder when it is a real folder (no link) of this user that nobody else may enter. */
    static bool isPrivateFolder (const juce::File& folder);

    static constexpr juce::uint32 magicHeader = 0x51583631; // "QX61"

private:
    struct Connection;

    void run() override;
    void handleAsyncUpdate() override;
    bool bindSocket();
    void acceptConnection (std::deque<Connection>& connections);
    bool readFrom (Connection& connection);

    const juce::File socketFile;
    const Handler handler;
    const Limits limits;
    int listenSocket = -1;
    int wakePipe[2] = { -1, -1 };
    ino_t boundInode = 0;

    juce::CriticalSection lock;
    juce::StringArray received;

    JUCE_DECLARE_NON_COPYABLE (InstanceHandOver)
};
