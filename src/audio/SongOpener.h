#pragma once

#include <QObject>
#include <QString>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

class PlayingSound;

// Opens songs for the player. Finding the decoder that reads a file and measuring it can take
// long (an MP3 without a length header is read whole to count its frames), so in the program
// this runs on a thread of its own and the window thread never waits for it; each result is
// handed to the window thread as a queued call. Tests of the player's rules may open inline
// instead, where the result is given before open returns.
//
// The window thread makes every call and receives every result. The opening thread touches only
// the job queue and the finished list, under the opener's lock.
class SongOpener {
public:
    enum class Mode { Background, Inline };
    using Done = std::function<void(std::shared_ptr<PlayingSound> sound)>;
    using Ticket = uint64_t;

    SongOpener(Mode mode, int outputRate, int outputChannels);
    ~SongOpener();
    SongOpener(const SongOpener&) = delete;
    SongOpener& operator=(const SongOpener&) = delete;

    // Opens the file for the output's format, with its ReplayGain values, and gives `done` the
    // sound, or null when nothing can play it. Inline, a request made from inside `done` runs after
    // `done` returns, so a long run of unplayable files does not nest.
    Ticket open(const QString& path, Done done);
    // `done` of the request is never called; a request not yet started is not opened at all.
    void cancel(Ticket ticket);
    bool isWaiting(Ticket ticket) const { return waiting.count(ticket) != 0; }

private:
    struct Job {
        Ticket ticket;
        QString path;
    };
    struct Result {
        Ticket ticket;
        std::shared_ptr<PlayingSound> sound;
    };

    std::shared_ptr<PlayingSound> openNow(const QString& path) const;
    void runInline();
    void work();
    void deliver();

    const Mode mode;
    const int outputRate;
    const int outputChannels;
    Ticket lastTicket = 0;
    std::map<Ticket, Done> waiting;  // the window thread's
    bool runningInline = false;
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<Job> jobs;
    std::deque<Result> finished;
    bool stopping = false;
    // Lives on the window thread and carries the queued results there.
    QObject receiver;
    std::thread worker;
};
