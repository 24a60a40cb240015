// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The application tests' helpers: a browser started with a command line, one against korvath-sim,
// and the watchers that answer its modal windows.

#include "app/browserapp.h"
#include "net/refreshdriver.h"
#include "tests/support/modalwatcher.h"
#include "tests/support/simprocess.h"

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

}  // namespace kr::test
