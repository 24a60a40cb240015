#pragma once

// The application tests' helpers: a browser started with a command line, one against korvath-sim,
// and the watchers that answer its modal windows.

#include "app/browserapp.h"
#include "app/gamecommand.h"
#include "net/refreshdriver.h"
#include "tests/support/modalwatcher.h"
#include "tests/support/simprocess.h"
#include "tests/support/tempdir.h"

#include <QTest>

#include <filesystem>
#include <fstream>

namespace kr::test {

// A browser as main() makes it, with the given arguments after the program name.
inline std::unique_ptr<CBrowserApp> StartBrowser(const QStringList& arguments) {
    auto browser = std::make_unique<CBrowserApp>();
    return browser->InitInstance(QStringList{"korvath-browser"} + arguments) ? std::move(browser)
                                                                             : nullptr;
}

// korvath-sim started with the options, and a browser of a fresh run (no refresh yet) against
// its master; `browser` is null when either did not start. The caller sets the mutex name.
struct BrowserOnSim {
    explicit BrowserOnSim(const std::vector<std::string>& options) : sim(options) {
        g_refreshCount = 0;
        if (sim.Started()) {
            browser = StartBrowser({"--master", QString::fromStdString(sim.MasterAddress())});
        }
    }

    SimProcess sim;
    std::unique_ptr<CBrowserApp> browser;
};

// A game program, saved as the game command with `arguments` after it, that writes the arguments
// it was started with to a file, one a line. Its path has a blank in it.
struct StandInGame {
    explicit StandInGame(const QString& arguments) {
        std::ofstream(path)
            << "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.tmp\"; mv \"$0.tmp\" \"$0.out\"";
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        SaveGameCommand("\"" + QString::fromStdString(path) + "\" " + arguments);
    }
    // What its run wrote, once it has run; empty when it has not within the wait.
    std::string Arguments() const {
        return QTest::qWaitFor([this] { return std::filesystem::exists(path + ".out"); })
                   ? ReadWholeFile(path + ".out")
                   : "";
    }

    const ScopedTempDir dir;
    const std::string path = dir.File("my game");
};

}  // namespace kr::test
