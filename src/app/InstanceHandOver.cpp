#include "app/InstanceHandOver.h"

#include <unistd.h>

namespace
{
constexpr juce::uint32 magicHeader = 0x51583631; // "QX61"
const char* const acknowledgement = "ok";

juce::String toText (const juce::MemoryBlock& block)
{
    return juce::String::fromUTF8 (static_cast<const char*> (block.getData()), static_cast<int> (block.getSize()));
}

juce::MemoryBlock toBlock (const juce::String& text)
{
    const auto utf8 = text.toRawUTF8();
    return { utf8, std::strlen (utf8) };
}

/** The second launch's end: waits on its own thread for the acknowledgement. */
class SendingConnection : public juce::InterprocessConnection
{
public:
    SendingConnection() : juce::InterprocessConnection (false, magicHeader) {}
    ~SendingConnection() override { disconnect(); }

    void connectionMade() override {}
    void connectionLost() override { finished.signal(); }

    void messageReceived (const juce::MemoryBlock& message) override
    {
        acknowledged = toText (message) == acknowledgement;
        finished.signal();
    }

    juce::WaitableEvent finished;
    std::atomic<bool> acknowledged { false };
};
} // namespace

//==============================================================================
class InstanceHandOver::Connection : public juce::InterprocessConnection
{
public:
    explicit Connection (const Handler& handlerIn)
        : juce::InterprocessConnection (true, magicHeader), handler (handlerIn)
    {
    }

    ~Connection() override { disconnect(); }

    void connectionMade() override {}
    void connectionLost() override {}

    void messageReceived (const juce::MemoryBlock& message) override
    {
        // Acknowledge first: the sender is waiting and quits as soon as it knows.
        sendMessage (toBlock (acknowledgement));

        if (handler)
            handler (toText (message));
    }

private:
    Handler handler;
};

//==============================================================================
class InstanceHandOver::Server : public juce::InterprocessConnectionServer
{
public:
    explicit Server (Handler handlerIn) : handler (std::move (handlerIn)) {}

    ~Server() override
    {
        stop();
        const juce::ScopedLock sl (lock);
        connections.clear();
    }

    bool listening = false;

private:
    juce::InterprocessConnection* createConnectionObject() override
    {
        const juce::ScopedLock sl (lock);

        for (int i = connections.size(); --i >= 0;)
            if (! connections.getUnchecked (i)->isConnected())
                connections.remove (i);

        return connections.add (new Connection (handler));
    }

    Handler handler;
    juce::CriticalSection lock;
    juce::OwnedArray<Connection> connections;
};

//==============================================================================
InstanceHandOver::InstanceHandOver (int port, Handler handler)
    : server (std::make_unique<Server> (std::move (handler)))
{
    server->listening = server->beginWaitingForSocket (port, "127.0.0.1");
}

InstanceHandOver::~InstanceHandOver() = default;

bool InstanceHandOver::isListening() const
{
    return server->listening;
}

bool InstanceHandOver::sendToRunningInstance (int port, const juce::String& commandLine, int timeoutMs)
{
    SendingConnection connection;

    if (! connection.connectToSocket ("127.0.0.1", port, timeoutMs))
        return false;

    if (! connection.sendMessage (toBlock (commandLine)))
        return false;

    connection.finished.wait (timeoutMs);
    return connection.acknowledged;
}

int InstanceHandOver::portForCurrentSession()
{
    return portFor (juce::String (static_cast<juce::int64> (getuid())),
                    juce::SystemStats::getEnvironmentVariable ("DISPLAY", {}));
}

int InstanceHandOver::portFor (const juce::String& userId, const juce::String& display)
{
    // A stable hash (String::hashCode is not promised to stay the same between versions).
    juce::uint32 hash = 2166136261u;

    for (auto c : (userId + "@" + display))
        hash = (hash ^ static_cast<juce::uint32> (c)) * 16777619u;

    return 20000 + static_cast<int> (hash % 10000u);
}
