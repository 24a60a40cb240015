#include "tools/korvath-query/consolehost.h"

#include <cstdio>

#include "net/tevent.h"

void ConsoleNotice::ShowStatusText(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
}

void ConsoleNotice::ShowMessageBox(const std::string& text, const std::string& title, NoticeIcon) {
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
}

void ConsoleRefreshHost::FileServerRecord(const ServerRecord& record, std::size_t listIndex) {
    std::lock_guard<std::mutex> hold(m_lock);
    m_filed.push_back(FiledServer{record, listIndex});
}

void ConsoleRefreshHost::WaitForWorkerEnd(TEvent& workerEnded) {
    workerEnded.Wait();
}
