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
};
} // namespace

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
    const std::pair<const char*, std::string> cases[] = {
        { "a header claiming 2 GiB", header (InstanceHandOver::magicHeader, 0x80000000u) + "abc" },
        { "one byte over 64 KiB",
          header (InstanceHandOver::magicHeader, 64 * 1024 + 1) + std::string (64 * 1024 + 1, 'a') },
        { "a message cut short", header (InstanceHandOver::magicHeader, 10) + "/tmp/" },
        { "a header cut short", header (InstanceHandOver::magicHeader, 10).substr (0, 6) },
        { "a stranger's magic", header (0x12345678u, 3) + "abc" },
    };

    for (const auto& [what, bytes] : cases)
        EXPECT_EQ (answerTo (socket, bytes), "") << what;

    dispatchUntil ([] { return false; }, 100);
    EXPECT_TRUE (received.isEmpty()) << received.joinIntoString ("|");

    // The longest line allowed still goes through, and the instance still serves.
    const std::string longest (64 * 1024, 'a');
    EXPECT_EQ (answerTo (socket, header (InstanceHandOver::magicHeader, 64 * 1024) + longest), "ok");
    ASSERT_TRUE (dispatchUntil ([&] { return received.size() == 1; }));
    EXPECT_EQ (received[0].length(), 64 * 1024);
}

TEST_F (HandOver, OfLaunchesAtOnceOneRunsAndTheOthersHandOverOrGiveUp)
{
    // What a crashed instance leaves: a socket file nobody listens on.
    const auto address = addressOf (socket);
    const int stale = ::socket (AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ (::bind (stale, reinterpret_cast<const sockaddr*> (&address), sizeof (address)), 0);
    ::close (stale);

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

    for (const auto mode : { 0700, 0755 }) // only a private runtime folder is used as it is
    {
        ::chmod (runtime.getFullPathName().toRawUTF8(), static_cast<mode_t> (mode));
        setenv ("XDG_RUNTIME_DIR", runtime.getFullPathName().toRawUTF8(), 1);
        const auto chosen = InstanceHandOver::socketForCurrentSession();
        EXPECT_EQ (chosen.getParentDirectory() == runtime, mode == 0700) << mode;
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
