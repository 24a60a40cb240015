#pragma once

// The application tests' helpers: a browser started with a command line, and the watchers that
// answer its modal windows.

#include "app/browserapp.h"
#include "tests/support/modalwatcher.h"

#include <QStringList>

#include <memory>
#include <string>
#include <vector>

namespace kr::test {

// A browser as main() makes it, with the given arguments after the program name.
inline std::unique_ptr<CBrowserApp> StartBrowser(const QStringList& arguments) {
    auto browser = std::make_unique<CBrowserApp>();
    return browser->InitInstance(QStringList{"korvath-browser"} + arguments) ? std::move(browser)
                                                                             : nullptr;
}

}  // namespace kr::test
