#pragma once

// A stand-in for the game program, for the tests that start it.

#include "app/gamecommand.h"
#include "tests/support/tempdir.h"

#include <QTest>

#include <filesystem>
#include <fstream>

namespace kr::test {

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
