// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>
#include <thread>

class PlayTicket;

// Talks to the desktop's sound server from a thread of its own: loading the
// sound library, reaching the server and starting a stream can take as long
// as they like without holding up the user interface.
//
// Sounds play over each other, as game cues do, up to four at once: a fifth
// cuts the oldest. However many sounds are asked for, the thread holds at
// most four playing and the newest four left to start, so a flood of sounds
// costs no memory and leaves nothing to do once it stops.
//
// A server that cannot be reached costs one try: until the pause after a
// failed try is over, sounds are dropped at once; the next sound after it
// tries again, so a server that appears later is found without a restart.
class SoundThread {
public:
    explicit SoundThread(const QString& applicationName);
    // Waits a moment for the thread to close its connection; a thread stuck
    // in a server that does not answer is left behind rather than waited for.
    ~SoundThread();
    SoundThread(const SoundThread&) = delete;
    SoundThread& operator=(const SoundThread&) = delete;

    // Starts the thread; sounds asked for before wait for it (the newest
    // four only). Further calls do nothing.
    void begin();

    // Plays the file beside the sounds playing. The ticket is finished once:
    // when the sound has ended, was cut by newer ones, or could not be started.
    void start(const QString& filePath, std::shared_ptr<PlayTicket> ticket);
    // Plays the desktop sound theme's sound for the event (a name of the
    // sound naming scheme, such as "bell-window-system"), the same way.
    void startThemeSound(const QByteArray& eventId, std::shared_ptr<PlayTicket> ticket);

    // The last try to reach the server failed; a sound would not be heard.
    bool unreachable() const;
    // ...and it is too soon to try again: a sound asked for now is dropped.
    bool resting() const;

    struct Shared;
    struct Sound;

private:
    void ask(Sound sound);

    std::shared_ptr<Shared> m_shared;
    QByteArray m_applicationName;
    std::thread m_thread;
};
