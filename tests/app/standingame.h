// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A stand-in for the game program, for the tests that start it.

#include "app/gamecommand.h"
#include "tests/support/tempdir.h"

#include <QTest>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace kr::test {

// A game program, saved as the game command with `arguments` after it, that writes the arguments
// it was started with to a file, each ended by a NUL (no argument can hold one). Its path has a
// blank in it.
struct StandInGame {
    explicit StandInGame(const QString& arguments) {
        std::ofstream(path)
            << "#!/bin/sh\nprintf '%s\\000' \"$@\" > \"$0.tmp\"; mv \"$0.tmp\" \"$0.out\"";
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        SaveGameCommand("\"" + QString::fromStdString(path) + "\" " + arguments);
    }
    // The arguments of its run, once it has run, each ended by a NUL; empty when it has not run
    // within the wait.
    std::string Run() const {
        return QTest::qWaitFor([this] { return std::filesystem::exists(path + ".out"); })
                   ? ReadWholeFile(path + ".out")
                   : "";
    }
    // The same, each argument ended by a line end instead.
    std::string Arguments() const {
        std::string text = Run();
        std::replace(text.begin(), text.end(), '\0', '\n');
        return text;
    }

    const ScopedTempDir dir;
    const std::string path = dir.File("my game");
};

}  // namespace kr::test
