#include "audio/SongOpener.h"

#include "audio/PlayingSound.h"
#include "common/SoundModule.h"

SongOpener::SongOpener(Mode mode, int outputRate, int outputChannels)
    : mode(mode), outputRate(outputRate), outputChannels(outputChannels) {
    if (mode == Mode::Background) {
        worker = std::thread([this] { work(); });
    }
}

SongOpener::~SongOpener() {
    if (worker.joinable()) {
        {
            std::lock_guard guard(mutex);
            stopping = true;
            jobs.clear();
        }
        wake.notify_all();
        worker.join();
    }
}

SongOpener::Ticket SongOpener::open(const QString& path, Done done) {
    const Ticket ticket = ++lastTicket;
    waiting.emplace(ticket, std::move(done));
    {
        std::lock_guard guard(mutex);
        jobs.push_back({ticket, path});
    }
    if (mode == Mode::Inline) {
        runInline();
    } else {
        wake.notify_one();
    }
    return ticket;
}

void SongOpener::cancel(Ticket ticket) {
    waiting.erase(ticket);
    std::lock_guard guard(mutex);
    std::erase_if(jobs, [ticket](const Job& job) { return job.ticket == ticket; });
}

std::shared_ptr<PlayingSound> SongOpener::openNow(const QString& path) const {
    std::shared_ptr<PlayingSound> sound = PlayingSound::open(path, outputRate, outputChannels);
    if (sound) {
        // A sound opened means the module is there.
        sound->setReplayGain(SoundModule::get()->readReplayGain(path));
    }
    return sound;
}

void SongOpener::runInline() {
    if (runningInline) {
        return;  // the outer call goes on with the job just queued
    }
    runningInline = true;
    for (;;) {
        Job job;
        {
            std::lock_guard guard(mutex);
            if (jobs.empty()) {
                break;
            }
            job = jobs.front();
            jobs.pop_front();
        }
        std::shared_ptr<PlayingSound> sound = openNow(job.path);
        {
            std::lock_guard guard(mutex);
            finished.push_back({job.ticket, std::move(sound)});
        }
        deliver();
    }
    runningInline = false;
}

void SongOpener::work() {
    std::unique_lock lock(mutex);
    for (;;) {
        wake.wait(lock, [this] { return stopping || !jobs.empty(); });
        if (stopping) {
            return;
        }
        const Job job = jobs.front();
        jobs.pop_front();
        lock.unlock();
        std::shared_ptr<PlayingSound> sound = openNow(job.path);
        lock.lock();
        finished.push_back({job.ticket, std::move(sound)});
        QMetaObject::invokeMethod(
            &receiver, [this] { deliver(); }, Qt::QueuedConnection);
    }
}

void SongOpener::deliver() {
    for (;;) {
        Result result;
        {
            std::lock_guard guard(mutex);
            if (finished.empty()) {
                return;
            }
            result = std::move(finished.front());
            finished.pop_front();
        }
        const auto entry = waiting.find(result.ticket);
        if (entry == waiting.end()) {
            continue;  // cancelled
        }
        const Done done = std::move(entry->second);
        waiting.erase(entry);
        done(std::move(result.sound));
    }
}
