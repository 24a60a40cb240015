// SPDX-License-Identifier: GPL-3.0-or-later
#include "serverlist/servergridrefreshhost.h"

#include "net/serverrecord.h"
#include "net/tevent.h"
#include "platform/qt/messagepump.h"
#include "serverlist/servergrid.h"

#include <QAbstractEventDispatcher>
#include <QMetaObject>
#include <QThread>

#include <memory>
#include <utility>

void ServerGridRefreshHost::FileServerRecord(const ServerRecord& record,
                                             std::size_t /*listIndex*/) {
    RunOnGridThread([this, &record] { FileOnGridThread(record); });
}

void ServerGridRefreshHost::FileOnGridThread(const ServerRecord& record) {
    AddServerRow(record, m_pGrid);
    ++m_tally.filed;
    m_tally.answered += record.m_ping < static_cast<uint32_t>(kUnansweredPing);
}

void ServerGridRefreshHost::PostFileAndStep(std::span<const QueriedServer> servers,
                                            std::function<void()> filed) {
    if (QThread::currentThread() == m_pGrid->thread()) {
        IRefreshHost::PostFileAndStep(servers, std::move(filed));  // at once, then `filed`
        return;
    }
    // Qt destroys a queued call that will never run: `filed` is called either way.
    class FiledOnDestruction {
    public:
        explicit FiledOnDestruction(std::function<void()> filed) : m_filed(std::move(filed)) {}
        FiledOnDestruction(const FiledOnDestruction&) = delete;
        FiledOnDestruction& operator=(const FiledOnDestruction&) = delete;
        ~FiledOnDestruction() { m_filed(); }

    private:
        std::function<void()> m_filed;
    };
    auto signal = std::make_shared<FiledOnDestruction>(std::move(filed));
    QMetaObject::invokeMethod(
        m_pGrid, [this, servers, signal] { FileAndStep(servers); }, Qt::QueuedConnection);
}

std::vector<std::string> ServerGridRefreshHost::FavouriteServers() {
    std::vector<std::string> texts;
    RunOnGridThread([this, &texts] {
        for (const QString& text : m_pGrid->Favourites().Entries()) {
            texts.push_back(text.toStdString());
        }
    });
    return texts;
}

void ServerGridRefreshHost::FavouritesResolved(std::span<const ResolvedFavourite> favourites) {
    RunOnGridThread([this, favourites] { m_pGrid->Favourites().SetResolved(favourites); });
}

void ServerGridRefreshHost::SortRows() {
    RunOnGridThread([this] { m_pGrid->SortAfterRefresh(); });
}

void ServerGridRefreshHost::WaitForWorkerEnd(TEvent& workerEnded) {
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    if (dispatcher == nullptr) {  // a thread without an event loop has no events to handle
        workerEnded.Wait();
        return;
    }
    // The wake-up ends a blocked event wait, so a worker's end that falls between TryWait and
    // the wait is not slept through.
    workerEnded.SetWakeUp([dispatcher] { dispatcher->wakeUp(); });
    while (!workerEnded.TryWait()) {
        PumpPendingMessages(true);
    }
    workerEnded.SetWakeUp(nullptr);
}

void ServerGridRefreshHost::RunOnGridThread(const std::function<void()>& call) const {
    if (QThread::currentThread() == m_pGrid->thread()) {
        call();
    } else {
        QMetaObject::invokeMethod(m_pGrid, call, Qt::BlockingQueuedConnection);
    }
}
