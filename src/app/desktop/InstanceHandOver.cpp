#include "app/desktop/InstanceHandOver.h"

#include "engine/files/RuntimeFolder.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace
{
const char acknowledgement[] = "ok";
constexpr size_t acknowledgementBytes = 2;
constexpr size_t headerBytes = 8; // magic, then the line's length, both big-endian

double now()
{
    return juce::Time::getMillisecondCounterHiRes();
}

int remainingMs (double deadline)
{
    return juce::jmax (0, static_cast<int> (deadline - now()));
}

bool makeAddress (const juce::File& file, sockaddr_un& address)
{
    const auto path = file.getFullPathName().toStdString();

    if (path.empty() || path.size() >= sizeof (address.sun_path))
        return false;

    std::memset (&address, 0, sizeof (address));
    address.sun_family = AF_UNIX;
    std::memcpy (address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

/** A connected socket, or -1 with errno telling why. Never waits on a listener's full queue. */
int connectTo (const juce::File& file)
{
    sockaddr_un address;

    if (! makeAddress (file, address))
    {
        errno = ENAMETOOLONG;
        return -1;
    }

    const int fd = ::socket (AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);

    if (fd >= 0 && ::connect (fd, reinterpret_cast<const sockaddr*> (&address), sizeof (address)) != 0)
    {
        const auto error = errno;
        ::close (fd);
        errno = error;
        return -1;
    }

    return fd;
}

bool peerIsThisUser (int fd)
{
    ucred credentials {};
    socklen_t size = sizeof (credentials);
    return ::getsockopt (fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0 && credentials.uid == ::getuid();
}

bool waitFor (int fd, short events, double deadline)
{
    pollfd entry { fd, events, 0 };
    return ::poll (&entry, 1, remainingMs (deadline)) == 1;
}

bool writeAll (int fd, const std::string& data, double deadline)
{
    for (size_t done = 0; done < data.size();)
    {
        const auto n = ::send (fd, data.data() + done, data.size() - done, MSG_NOSIGNAL);

        if (n > 0)
            done += static_cast<size_t> (n);
        else if (n < 0 && errno == EINTR)
            continue;
        else if (n < 0 && errno == EAGAIN && waitFor (fd, POLLOUT, deadline))
            continue;
        else
            return false;
    }

    return true;
}

bool readAcknowledgement (int fd, double deadline)
{
    std::string answer;
    char buffer[acknowledgementBytes];

    while (answer.size() < acknowledgementBytes && waitFor (fd, POLLIN, deadline))
    {
        const auto n = ::recv (fd, buffer, acknowledgementBytes - answer.size(), 0);

        if (n <= 0 && ! (n < 0 && (errno == EINTR || errno == EAGAIN)))
            return false;

        if (n > 0)
            answer.append (buffer, static_cast<size_t> (n));
    }

    return answer == acknowledgement;
}

void putBigEndian (std::string& data, juce::uint32 value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        data.push_back (static_cast<char> ((value >> shift) & 0xff));
}

juce::uint32 getBigEndian (const std::string& data, size_t offset)
{
    juce::uint32 value = 0;

    for (size_t i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<juce::uint8> (data[offset + i]);

    return value;
}
} // namespace

//==============================================================================
struct InstanceHandOver::Connection
{
    int fd;
    double deadline;
    std::string data {};
    size_t expected = 0; // the whole message's size once its header is in
};

InstanceHandOver::InstanceHandOver (const juce::File& socketFileIn, Handler handlerIn, Limits limitsIn)
    : juce::Thread ("Instance hand-over"),
      socketFile (socketFileIn),
      handler (std::move (handlerIn)),
      limits (limitsIn)
{
    if (! takeLock())
        return;

    if (limits.beforeListening)
        limits.beforeListening();

    if (::pipe2 (wakePipe, O_CLOEXEC) == 0 && bindSocket())
        startThread();
}

InstanceHandOver::InstanceHandOver (const juce::File& socketFileIn, Handler handlerIn)
    : InstanceHandOver (socketFileIn, std::move (handlerIn), Limits())
{
}

InstanceHandOver::~InstanceHandOver()
{
    if (isThreadRunning())
    {
        signalThreadShouldExit();
        [[maybe_unused]] const auto written = ::write (wakePipe[1], "x", 1);
        stopThread (5000);
    }

    cancelPendingUpdate();

    if (listenSocket >= 0)
    {
        ::close (listenSocket);

        // Only our own socket goes: another instance may have taken the name over since.
        struct stat info
        {};
        const auto path = socketFile.getFullPathName().toRawUTF8();

        if (::lstat (path, &info) == 0 && info.st_ino == boundInode)
            ::unlink (path);
    }

    for (auto fd : wakePipe)
        if (fd >= 0)
            ::close (fd);

    // Last, so the next holder finds no socket of ours. The lock file stays: removing it would
    // let a launch lock a file a later one no longer finds.
    if (lockFile >= 0)
        ::close (lockFile);
}

bool InstanceHandOver::takeLock()
{
    if (socketFile == juce::File())
        return false;

    const int fd = ::open (lockFileFor (socketFile).getFullPathName().toRawUTF8(),
                           O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);

    if (fd < 0)
        return false;

    // Released by the system however the process ends.
    if (::flock (fd, LOCK_EX | LOCK_NB) != 0)
    {
        ::close (fd);
        return false;
    }

    lockFile = fd;
    return true;
}

bool InstanceHandOver::bindSocket()
{
    sockaddr_un address;

    if (! makeAddress (socketFile, address))
        return false;

    const auto path = socketFile.getFullPathName().toRawUTF8();

    // Under the lock, a socket found here was left by an instance that is gone.
    struct stat info
    {};

    if (::lstat (path, &info) == 0 && S_ISSOCK (info.st_mode))
        ::unlink (path);

    const int fd = ::socket (AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);

    if (fd < 0)
        return false;

    if (::bind (fd, reinterpret_cast<const sockaddr*> (&address), sizeof (address)) != 0 || ::chmod (path, 0600) != 0
        || ::listen (fd, 16) != 0 || ::lstat (path, &info) != 0)
    {
        ::close (fd);
        return false;
    }

    boundInode = info.st_ino;
    listenSocket = fd;
    return true;
}

void InstanceHandOver::run()
{
    std::deque<Connection> connections;
    std::vector<pollfd> entries;

    while (! threadShouldExit())
    {
        entries.assign ({ { wakePipe[0], POLLIN, 0 }, { listenSocket, POLLIN, 0 } });
        int timeout = -1;

        for (const auto& connection : connections)
        {
            entries.push_back ({ connection.fd, POLLIN, 0 });
            timeout = timeout < 0 ? remainingMs (connection.deadline)
                                  : juce::jmin (timeout, remainingMs (connection.deadline));
        }

        if (::poll (entries.data(), entries.size(), timeout) < 0 && errno != EINTR)
            break;

        if (entries[0].revents != 0)
            break;

        std::deque<Connection> open;

        for (size_t i = 0; i < connections.size(); ++i)
        {
            auto& connection = connections[i];
            const auto ready = entries[i + 2].revents != 0;

            if ((ready && ! readFrom (connection)) || now() >= connection.deadline)
                ::close (connection.fd);
            else
                open.push_back (std::move (connection));
        }

        connections.swap (open);

        if ((entries[1].revents & POLLIN) != 0)
            acceptConnection (connections);
    }

    for (const auto& connection : connections)
        ::close (connection.fd);
}

void InstanceHandOver::acceptConnection (std::deque<Connection>& connections)
{
    const int fd = ::accept4 (listenSocket, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);

    if (fd < 0)
        return;

    // Another account could otherwise make this editor open windows and files.
    if (! peerIsThisUser (fd))
    {
        ::close (fd);
        return;
    }

    if (static_cast<int> (connections.size()) >= limits.maxConnections)
    {
        ::close (connections.front().fd);
        connections.pop_front();
    }

    connections.push_back ({ fd, now() + limits.timeoutMs });
}

bool InstanceHandOver::readFrom (Connection& connection)
{
    auto& data = connection.data;
    char buffer[4096];

    for (;;)
    {
        const auto wanted = (connection.expected == 0 ? headerBytes : connection.expected) - data.size();
        const auto n = ::recv (connection.fd, buffer, juce::jmin (wanted, sizeof (buffer)), 0);

        if (n < 0 && errno == EINTR)
            continue;

        if (n < 0)
            return errno == EAGAIN;

        if (n == 0)
            return false; // closed before the end: a message cut short is dropped

        data.append (buffer, static_cast<size_t> (n));

        if (connection.expected == 0 && data.size() == headerBytes)
        {
            const auto length = getBigEndian (data, 4);

            if (getBigEndian (data, 0) != magicHeader || length > limits.maxMessageBytes)
                return false;

            connection.expected = headerBytes + length;
        }

        if (connection.expected != 0 && data.size() == connection.expected)
        {
            // The sender quits as soon as it knows, whatever the message thread is busy with.
            ::send (connection.fd, acknowledgement, acknowledgementBytes, MSG_NOSIGNAL | MSG_DONTWAIT);
            {
                const juce::ScopedLock sl (lock);
                received.add (
                    juce::String::fromUTF8 (data.data() + headerBytes, static_cast<int> (data.size() - headerBytes)));
            }
            triggerAsyncUpdate();
            return false;
        }
    }
}

void InstanceHandOver::handleAsyncUpdate()
{
    juce::StringArray lines;
    {
        const juce::ScopedLock sl (lock);
        lines.swapWith (received);
    }

    for (const auto& line : lines)
        if (handler)
            handler (line);
}

//==============================================================================
InstanceHandOver::Launch InstanceHandOver::launch (const juce::File& socketFile, const juce::String& commandLine,
                                                   Handler handler, Limits limits, int giveUpAfterMs)
{
    Launch result;

    if (socketFile == juce::File())
    {
        result.outcome = Launch::Outcome::running;
        return result;
    }

    for (const auto deadline = now() + giveUpAfterMs;;)
    {
        auto instance = std::make_unique<InstanceHandOver> (socketFile, handler, limits);

        if (instance->isRunningInstance())
        {
            result.outcome = Launch::Outcome::running;
            result.running = std::move (instance);
            return result;
        }

        if (sendToRunningInstance (socketFile, commandLine, juce::jlimit (100, 2000, remainingMs (deadline))))
        {
            result.outcome = Launch::Outcome::handedOver;
            return result;
        }

        if (now() >= deadline)
            return result;

        // The running instance is still starting, or too busy to take the connection.
        juce::Thread::sleep (juce::jmin (50, remainingMs (deadline)));
    }
}

InstanceHandOver::Launch InstanceHandOver::launch (const juce::File& socketFile, const juce::String& commandLine,
                                                   Handler handler)
{
    return launch (socketFile, commandLine, std::move (handler), Limits(), 5000);
}

bool InstanceHandOver::sendToRunningInstance (const juce::File& socketFile, const juce::String& commandLine,
                                              int timeoutMs)
{
    const auto line = commandLine.toStdString();

    if (line.size() > Limits().maxMessageBytes)
        return false;

    const int fd = connectTo (socketFile);

    if (fd < 0)
        return false;

    std::string message;
    putBigEndian (message, magicHeader);
    putBigEndian (message, static_cast<juce::uint32> (line.size()));
    message += line;

    // Our command line goes only to an instance of our own user.
    const auto deadline = now() + timeoutMs;
    const auto acknowledged =
        peerIsThisUser (fd) && writeAll (fd, message, deadline) && readAcknowledgement (fd, deadline);
    ::close (fd);
    return acknowledged;
}

juce::File InstanceHandOver::socketForCurrentSession (std::ostream& errors)
{
    const auto folder = RuntimeFolder::find (errors);
    return folder == juce::File() ? juce::File()
                                  : socketIn (folder, juce::SystemStats::getEnvironmentVariable ("DISPLAY", {}));
}

juce::File InstanceHandOver::socketIn (const juce::File& folder, const juce::String& display)
{
    juce::String name ("qx61-editor");

    if (display.isNotEmpty())
    {
        name << "-";

        for (auto c : display)
            name << juce::String::charToString (juce::CharacterFunctions::isLetterOrDigit (c) || c == '.' ? c : '_');
    }

    return folder.getChildFile (name + ".socket");
}

juce::String InstanceHandOver::whyNotPrivate (const juce::File& folder)
{
    return RuntimeFolder::whyNotPrivate (folder);
}
