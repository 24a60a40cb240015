// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/nameresolver.h"

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

#include "net/hostlookup.h"
#include "net/refreshhost.h"
#include "net/refreshstop.h"
#include "net/tevent.h"

namespace {

using Clock = std::chrono::steady_clock;

HostLookup g_lookup;
std::chrono::milliseconds g_favouritesTime = kNameLookupTime;

// One call's lookups, shared with the lookup threads, which may outlive the call.
struct LookupRound {
    LookupRound(std::vector<std::string> names, HostLookup how)
        : hosts(std::move(names)),
          lookup(std::move(how)),
          results(hosts.size()),
          pending(hosts.size()) {}

    const std::vector<std::string> hosts;
    const HostLookup lookup;
    std::mutex lock;
    std::vector<std::optional<uint32_t>> results;  // under lock
    std::size_t pending;                           // lookups not ended yet, under lock
    bool abandoned = false;  // under lock: the caller no longer waits, results are dropped
    TEvent ended;            // every lookup has ended, the time is up or a stop was asked for
};

struct LookupJob {
    std::shared_ptr<LookupRound> round;
    std::size_t index;  // of the host to look up
};

void RunJob(const LookupJob& job) {
    LookupRound& round = *job.round;
    {
        std::lock_guard<std::mutex> hold(round.lock);
        if (round.abandoned) {
            return;
        }
    }
    const std::optional<uint32_t> address = round.lookup(round.hosts[job.index]);
    std::lock_guard<std::mutex> hold(round.lock);
    if (!round.abandoned) {
        round.results[job.index] = address;
        if (--round.pending == 0) {
            round.ended.Set();
        }
    }
}

// The process's lookup threads and the lookups waiting for them. Never destroyed: a thread may
// still be inside a lookup when the process ends.
class LookupThreads {
public:
    static LookupThreads& Instance() {
        static auto* threads = new LookupThreads;
        return *threads;
    }

    // Queues every host of the round and starts threads for them, as many as the bound allows.
    // A thread that cannot be started leaves its lookups to the threads running. Drops the
    // queued lookups of rounds given up (while every thread hangs in a lookup, they pile up).
    // O(queued lookups).
    void Post(const std::shared_ptr<LookupRound>& round) {
        std::lock_guard<std::mutex> hold(m_lock);
        std::erase_if(m_jobs, [](const LookupJob& job) {
            std::lock_guard<std::mutex> holdRound(job.round->lock);
            return job.round->abandoned;
        });
        for (std::size_t i = 0; i < round->hosts.size(); ++i) {
            m_jobs.push_back(LookupJob{round, i});
        }
        for (std::size_t started = 0;
             started < round->hosts.size() && m_threads < kMaxLookupThreads; ++started) {
            try {
                std::thread([this] { Serve(); }).detach();
            } catch (const std::system_error&) {
                break;
            }
            ++m_threads;
        }
    }

private:
    void Serve() {
        std::unique_lock<std::mutex> hold(m_lock);
        while (!m_jobs.empty()) {
            const LookupJob job = std::move(m_jobs.front());
            m_jobs.pop_front();
            hold.unlock();
            RunJob(job);
            hold.lock();
        }
        --m_threads;
    }

    std::mutex m_lock;
    std::deque<LookupJob> m_jobs;
    int m_threads = 0;
};

// Waits through the host until the round's `ended` is set: by its last lookup, by a timer thread
// at the deadline, or by g_refreshStop's wake-up. Without a timer thread the wait ends at once.
void AwaitRound(IRefreshHost& host, LookupRound& round, Clock::time_point deadline) {
    std::mutex lock;
    std::condition_variable changed;
    bool waited = false;
    std::thread timer;
    try {
        timer = std::thread([&] {
            std::unique_lock<std::mutex> hold(lock);
            if (!changed.wait_until(hold, deadline, [&] { return waited; })) {
                round.ended.Set();
            }
        });
    } catch (const std::system_error&) {
        round.ended.Set();
    }
    g_refreshStop.SetWakeUp([&round] { round.ended.Set(); });
    if (g_refreshStop.TryWait()) {
        round.ended.Set();
    }
    host.WaitForWorkerEnd(round.ended);
    g_refreshStop.SetWakeUp(nullptr);
    {
        std::lock_guard<std::mutex> hold(lock);
        waited = true;
    }
    changed.notify_one();
    if (timer.joinable()) {
        timer.join();
    }
}

}  // namespace

std::vector<std::optional<uint32_t>> ResolveHosts(IRefreshHost& host,
                                                  std::vector<std::string> hosts,
                                                  std::chrono::milliseconds time) {
    if (hosts.empty()) {
        return {};
    }
    const Clock::time_point deadline = Clock::now() + time;
    auto round = std::make_shared<LookupRound>(std::move(hosts),
                                               g_lookup ? g_lookup : HostLookup(ResolveHostIPv4));
    LookupThreads::Instance().Post(round);
    AwaitRound(host, *round, deadline);
    std::lock_guard<std::mutex> hold(round->lock);
    round->abandoned = true;
    return round->results;
}

std::vector<ResolvedFavourite> ResolveFavourites(IRefreshHost& host,
                                                 const std::vector<std::string>& texts) {
    std::vector<ResolvedFavourite> resolved;
    std::vector<std::string> hosts;
    std::vector<std::size_t> favourites;  // which favourite each host is of
    std::vector<uint32_t> ports;
    resolved.reserve(texts.size());
    for (const std::string& text : texts) {
        if (std::optional<ServerAddress> parsed = ParseFavouriteAddress(text)) {
            favourites.push_back(resolved.size());
            hosts.push_back(std::move(parsed->m_ip));
            ports.push_back(parsed->m_port);
        }
        resolved.push_back(ResolvedFavourite{text, std::string()});
    }
    const std::vector<std::optional<uint32_t>> addresses =
        ResolveHosts(host, std::move(hosts), g_favouritesTime);
    for (std::size_t i = 0; i < addresses.size(); ++i) {
        if (addresses[i]) {
            resolved[favourites[i]].address =
                DottedQuadText(*addresses[i]) + ":" + std::to_string(ports[i]);
        }
    }
    return resolved;
}

void SetNameLookup(HostLookup lookup, std::chrono::milliseconds favouritesTime) {
    g_lookup = std::move(lookup);
    g_favouritesTime = favouritesTime;
}
