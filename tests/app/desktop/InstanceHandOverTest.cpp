#include "app/desktop/InstanceHandOver.h"
#include "engine/EngineTestSupport.h"
#include "engine/MidiTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using MidiTestSupport::dispatchUntil;

namespace
{
const char* const socketVariable = "QX_HANDOVER_TEST_SOCKET";
const juce::String line ("\"/tmp/some folder/preset.qx6\"");

sockaddr_un addressOf (const juce::File& socket)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::strcpy (address.sun_path, socket.getFullPathName().toRawUTF8());
    return address;
}

/** A connection of our own to the socket, or -1, that waits at most 3 s for an answer. */
int connectRaw (const juce::File& socket)
{
    const auto address = addressOf (socket);
    const int fd = ::socket (AF_UNIX, SOCK_STREAM, 0);
    const timeval wait { 3, 0 };
    ::setsockopt (fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof (wait));
    return ::connect (fd, reinterpret_cast<const sockaddr*> (&address), sizeof (address)) == 0 ? fd : -1;
}

/** What the instance answers to the bytes, sent as they are ("" for nothing). */
std::string answerTo (const juce::File& socket, const std::string& bytes)
{
    const int fd = connectRaw (socket);
    ::send (fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    ::shutdown (fd, SHUT_WR);
    char buffer[8] {};
    const auto n = ::recv (fd, buffer, sizeof (buffer), 0);
    ::close (fd);
    return n > 0 ? std::string (buffer, static_cast<size_t> (n)) : std::string();
}

std::string header (juce::uint32 magic, juce::uint32 length)
{
    const juce::uint32 words[] = { juce::ByteOrder::swapIfLittleEndian (magic),
                                   juce::ByteOrder::swapIfLittleEndian (length) };
    return { reinterpret_cast<const char*> (words), sizeof (words) };
}

struct HandOver : public ::testing::Test
{
    EngineTestSupport::TemporaryFolder temp;
    juce::File socket = temp.file ("editor.socket");
    juce::StringArray received;
    InstanceHandOver::Handler handler = [this] (const juce::String& text) { received.add (text); };

    /** Runs this test binary's child test as a second process of the given user. */
    juce::String runSecondProcess (const juce::StringArray& asUser)
    {
        setenv (socketVariable, socket.getFullPathName().toRawUTF8(), 1);
        auto command = asUser;
        command.add (juce::File::getSpecialLocation (juce::File::currentExecutableFile).getFullPathName());
        command.add ("--gtest_filter=InstanceHandOverChild.SendsItsCommandLine");
        juce::ChildProcess second;
        const auto started = second.start (command);
        unsetenv (socketVariable);

        if (! started)
            return "not started";

        dispatchUntil ([&] { return ! second.isRunning(); }, 20000);
        const auto output = second.readAllProcessOutput();
        return second.getExitCode() == 0 ? juce::String() : output;
    }
};

} // namespace

// Runs only as the second process started by the tests below.
TEST (InstanceHandOverChild, SendsItsCommandLine)
{
    const auto socket = juce::SystemStats::getEnvironmentVariable (socketVariable, {});

    if (socket.isEmpty())
        GTEST_SKIP() << "only run as the second process of a hand-over test";

    // A stranger does not check whom it talks to: it sends a well-formed message as it is.
    EXPECT_EQ (answerTo (juce::File (socket), header (InstanceHandOver::magicHeader, 3) + "abc"), "");
}

TEST_F (HandOver, AnotherUserIsRefused)
{
    if (::getuid() != 0 || ! juce::File ("/usr/bin/setpriv").existsAsFile()
        || ::system ("id nobody >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "needs root, setpriv and the user nobody";

    InstanceHandOver running (socket, handler);
    ASSERT_TRUE (running.isListening());

    // Only the user check is left between the stranger and the editor.
    ::chmod (temp.folder.getFullPathName().toRawUTF8(), 0755);
    ::chmod (socket.getFullPathName().toRawUTF8(), 0666);
    EXPECT_EQ (runSecondProcess ({ "/usr/bin/setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups" }), "");
    dispatchUntil ([] { return false; }, 100);
    EXPECT_TRUE (received.isEmpty());
}

TEST_F (HandOver, TheAcknowledgementDoesNotWaitForTheMessageThread)
{
    InstanceHandOver running (socket, handler);

    // This thread is the message thread, busy in the call: the answer must come from elsewhere.
    EXPECT_TRUE (InstanceHandOver::sendToRunningInstance (socket, line, 3000));
    EXPECT_TRUE (received.isEmpty());
    EXPECT_TRUE (dispatchUntil ([&] { return received == juce::StringArray (line); }));
}

TEST_F (HandOver, BadMessagesAreDroppedUnanswered)
{
    InstanceHandOver running (socket, handler);
    const struct
    {
        const char* what;
        std::string bytes;
    } cases[] = {
        { "a header claiming 2 GiB", header (InstanceHandOver::magicHeader, 0x80000000u) + "abc" },
        { "one byte over 64 KiB",
          header (InstanceHandOver::magicHeader, 64 * 1024 + 1) + std::string (64 * 1024 + 1, 'a') },
        { "a message cut short", header (InstanceHandOver::magicHeader, 10) + "/tmp/" },
        { "a header cut short", header (InstanceHandOver::magicHeader, 10).substr (0, 6) },
        { "a stranger's magic", header (0x12345678u, 3) + "abc" },
    };

    for (const auto& c : cases)
        EXPECT_EQ (answerTo (socket, c.bytes), "") << c.what;

    dispatchUntil ([] { return false; }, 100);
    EXPECT_TRUE (received.isEmpty()) << received.joinIntoString ("|");

    // The longest line allowed still goes through, and the instance still serves.
    const std::string longest (64 * 1024, 'a');
    EXPECT_EQ (answerTo (socket, header (InstanceHandOver::magicHeader, 64 * 1024) + longest), "ok");
    ASSERT_TRUE (dispatchUntil ([&] { return received.size() == 1; }));
    EXPECT_EQ (received[0].length(), 64 * 1024);
}

TEST_F (HandOver, IdleConnectionsTimeOutAndAreCapped)
{
    InstanceHandOver running (socket, handler, { 64 * 1024, 300, 4, {} });
    std::vector<int> idle;

    for (int i = 0; i < 12; ++i)
        idle.push_back (connectRaw (socket));

    // Beyond the cap the oldest are dropped: a launch is still served at once.
    EXPECT_TRUE (InstanceHandOver::sendToRunningInstance (socket, line, 1000));

    // And the rest are closed when their time is up.
    for (auto fd : idle)
    {
        char byte;
        EXPECT_EQ (::recv (fd, &byte, 1, 0), 0);
        ::close (fd);
    }
}

TEST_F (HandOver, OfLaunchesAtOnceOneRunsAndTheOthersHandOverOrGiveUp)
{
    // What a crashed instance leaves: a socket file nobody listens on.
    {
        const auto address = addressOf (socket);
        const int fd = ::socket (AF_UNIX, SOCK_STREAM, 0);
        ASSERT_EQ (::bind (fd, reinterpret_cast<const sockaddr*> (&address), sizeof (address)), 0);
        ::close (fd);
    }

    {
        // A second launch comes while the first takes the stale socket over: it may neither
        // take it too nor start beside it, and gives up while the first does not answer yet.
        InstanceHandOver::Launch second;
        InstanceHandOver::Limits limits;
        limits.beforeListening = [&] { second = InstanceHandOver::launch (socket, line, handler, {}, 300); };
        const auto first = InstanceHandOver::launch (socket, {}, handler, limits, 5000);

        ASSERT_EQ (first.outcome, InstanceHandOver::Launch::Outcome::running);
        EXPECT_TRUE (first.running->isListening());
        EXPECT_EQ (second.outcome, InstanceHandOver::Launch::Outcome::busy);
        EXPECT_EQ (second.running, nullptr);

        EXPECT_EQ (InstanceHandOver::launch (socket, line, handler).outcome,
                   InstanceHandOver::Launch::Outcome::handedOver);
    }

    EXPECT_FALSE (socket.exists());
    EXPECT_FALSE (InstanceHandOver::sendToRunningInstance (socket, line, 300));
}

TEST_F (HandOver, TheSocketLivesInAFolderOnlyThisUserCanEnter)
{
    const auto saved = juce::SystemStats::getEnvironmentVariable ("XDG_RUNTIME_DIR", {});
    const auto display = juce::SystemStats::getEnvironmentVariable ("DISPLAY", {});
    const auto runtime = temp.file ("runtime");
    runtime.createDirectory();

    const struct
    {
        int mode;
        bool usedAsIs;
    } cases[] = { { 0700, true }, { 0755, false } };

    for (const auto& c : cases)
    {
        ::chmod (runtime.getFullPathName().toRawUTF8(), static_cast<mode_t> (c.mode));
        setenv ("XDG_RUNTIME_DIR", runtime.getFullPathName().toRawUTF8(), 1);
        const auto chosen = InstanceHandOver::socketForCurrentSession();
        EXPECT_EQ (chosen.getParentDirectory() == runtime, c.usedAsIs) << c.mode;
        EXPECT_TRUE (InstanceHandOver::isPrivateFolder (chosen.getParentDirectory())) << chosen.getFullPathName();
        EXPECT_EQ (chosen, InstanceHandOver::socketIn (chosen.getParentDirectory(), display));
    }

    // Without a runtime folder: one in the temporary folder; a link or a stranger's folder of
    // that name is reported and the next name used.
    unsetenv ("XDG_RUNTIME_DIR");
    setenv ("TMPDIR", temp.folder.getFullPathName().toRawUTF8(), 1);
    const auto own = temp.file ("qx61-editor-" + juce::String (static_cast<juce::int64> (::getuid())));
    ASSERT_TRUE (own.getSiblingFile ("elsewhere").createDirectory());
    ASSERT_EQ (::symlink ("elsewhere", own.getFullPathName().toRawUTF8()), 0);
    std::ostringstream errors;
    const auto chosen = InstanceHandOver::socketForCurrentSession (errors);
    EXPECT_EQ (chosen.getParentDirectory(), own.getSiblingFile (own.getFileName() + "-1"));
    EXPECT_TRUE (InstanceHandOver::isPrivateFolder (chosen.getParentDirectory()));
    EXPECT_NE (errors.str().find (own.getFullPathName().toStdString() + ": it is a link"), std::string::npos)
        << errors.str();
    unsetenv ("TMPDIR");

    if (saved.isNotEmpty())
        setenv ("XDG_RUNTIME_DIR", saved.toRawUTF8(), 1);

    // One instance per display.
    EXPECT_NE (InstanceHandOver::socketIn (runtime, ":0"), InstanceHandOver::socketIn (runtime, ":1"));
    EXPECT_EQ (InstanceHandOver::socketIn (runtime, "host:10.0").getFileName(), "qx61-editor-host_10.0.socket");
}
