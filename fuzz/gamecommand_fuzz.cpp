// SPDX-License-Identifier: GPL-3.0-or-later
// A game command and a server address, one line each ("command\nhost:port"), against the command's
// expansion: the address never adds a word, an option or a control character or blank to what
// the same command makes of a plain address.
#include <cstdint>

#include <QString>
#include <QStringList>

#include "app/gamecommand.h"
#include "fuzz/hostcheck.h"
#include "fuzz/require.h"

namespace {

// Control characters and blanks: what could end a word, or a line, where a word is read again.
qsizetype Separators(const QString& word) {
    qsizetype count = 0;
    for (const QChar c : word) {
        count += c.isSpace() || c.category() == QChar::Other_Control;
    }
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString input = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype newline = input.indexOf('\n');
    const qsizetype colon = input.lastIndexOf(':');
    if (newline < 0 || colon < newline) {
        return 0;
    }
    const QString command = input.left(newline);
    const QString host = input.mid(newline + 1, colon - newline - 1);
    bool isPort = false;
    const uint16_t number = input.mid(colon + 1).toUShort(&isPort);
    const uint16_t port = isPort ? number : 0;
    const GameCommand expanded = ExpandGameCommand(command, host, port);
    Require(expanded.arguments.isEmpty() != expanded.error.isEmpty(), "words or a reason");
    if (!expanded.error.isEmpty()) {
        return 0;
    }
    RequireResolverReadsHostAsWritten(host.toStdString());
    Require(port != 0, "a port the game can reach");
    const GameCommand plain = ExpandGameCommand(command, "h", 1);
    Require(plain.arguments.size() == expanded.arguments.size(), "the address adds no word");
    for (qsizetype i = 0; i < plain.arguments.size(); ++i) {
        const QString& word = expanded.arguments.at(i);
        Require(word.startsWith('-') == plain.arguments.at(i).startsWith('-'),
                "the address makes no word an option");
        Require(Separators(word) == Separators(plain.arguments.at(i)),
                "the address adds no control character or blank");
    }
    return 0;
}
