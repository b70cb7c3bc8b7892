#pragma once

#include <juce_events/juce_events.h>

#include <sys/types.h>

#include <deque>
#include <functional>
#include <iostream>
#include <memory>

/** Keeps the editor to one running instance per user and display: the running instance holds a
    lock file beside a Unix-domain socket, in a folder only its user can enter, for its whole life,
    and listens on the socket; a second launch sends it its command line, waits for the
    acknowledgement and quits. Taking the lock is what makes a launch the running instance, so of
    any number of launches at once exactly one becomes it, and only the holder replaces a socket
    left by an instance that is gone.

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

        /** Tests only: runs once the lock is taken, before the socket is bound. */
        std::function<void()> beforeListening;
    };

    /** Becomes the running instance when the lock is free, replacing a socket left by an
        instance that is gone, and listens; otherwise isRunningInstance() is false. */
    InstanceHandOver (const juce::File& socketFile, Handler handler, Limits limits);
    InstanceHandOver (const juce::File& socketFile, Handler handler);
    ~InstanceHandOver() override;

    bool isRunningInstance() const { return lockFile >= 0; }
    bool isListening() const { return listenSocket >= 0; }

    /** What a launch came to: this process became the running instance (running; null when no
        socket could be had, as then nothing can be handed over), or it handed its command line
        over, or the running instance stayed busy. */
    struct Launch
    {
        enum class Outcome
        {
            running,
            handedOver,
            busy
        };

        Outcome outcome = Outcome::busy;
        std::unique_ptr<InstanceHandOver> running;
    };

    /** Becomes the running instance, or hands the command line to it; a running instance that is
        still starting or too busy to answer is tried again until giveUpAfterMs has passed. */
    static Launch launch (const juce::File& socketFile, const juce::String& commandLine, Handler handler, Limits limits,
                          int giveUpAfterMs);
    static Launch launch (const juce::File& socketFile, const juce::String& commandLine, Handler handler);

    /** True once a running instance of this user has acknowledged the command line. Blocks for
        at most about timeoutMs; call it before any window exists. */
    static bool sendToRunningInstance (const juce::File& socketFile, const juce::String& commandLine,
                                       int timeoutMs = 2000);

    /** The socket of this user's session on this display, in $XDG_RUNTIME_DIR or else in a
        folder of the user's own with mode 0700 in the temporary folder; a folder refused there
        (a link, another user's) is reported on errors and the next name is tried. None when no
        such folder can be had. */
    static juce::File socketForCurrentSession (std::ostream& errors = std::cerr);

    /** The socket's name for the display, in the folder. */
    static juce::File socketIn (const juce::File& folder, const juce::String& display);

    /** The lock file beside the socket. */
    static juce::File lockFileFor (const juce::File& socketFile) { return socketFile.withFileExtension ("lock"); }

    /** Why the folder is not a real folder (no link) of this user that nobody else may enter;
        empty when it is one. */
    static juce::String whyNotPrivate (const juce::File& folder);
    static bool isPrivateFolder (const juce::File& folder) { return whyNotPrivate (folder).isEmpty(); }

    static constexpr juce::uint32 magicHeader = 0x51583631; // "QX61"

private:
    struct Connection;

    void run() override;
    void handleAsyncUpdate() override;
    bool takeLock();
    bool bindSocket();
    void acceptConnection (std::deque<Connection>& connections);
    bool readFrom (Connection& connection);

    const juce::File socketFile;
    const Handler handler;
    const Limits limits;
    int lockFile = -1;
    int listenSocket = -1;
    int wakePipe[2] = { -1, -1 };
    ino_t boundInode = 0;

    juce::CriticalSection lock;
    juce::StringArray received;

    JUCE_DECLARE_NON_COPYABLE (InstanceHandOver)
};
