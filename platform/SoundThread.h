#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <thread>

class PlayTicket;

// Talks to the desktop's sound server (through libcanberra) from a thread of
// its own. Opening the server connection and starting a stream can block for
// as long as the server likes; here that blocks only this thread, never the
// user interface.
class SoundThread {
public:
    explicit SoundThread(const QString& applicationName);
    // Waits a moment for the thread to close its connection; a thread stuck
    // in a server that does not answer is left behind rather than waited for.
    ~SoundThread();
    SoundThread(const SoundThread&) = delete;
    SoundThread& operator=(const SoundThread&) = delete;

    // Starts the file as sound number id; the ticket is finished when the
    // sound has ended, was cancelled or could not be started at all.
    void start(std::uint32_t id, const QString& filePath, std::shared_ptr<PlayTicket> ticket);
    void cancel(std::uint32_t id);

    struct Shared;

private:
    std::shared_ptr<Shared> m_shared;
    std::thread m_thread;
};
