// SPDX-License-Identifier: GPL-3.0-or-later
// A join link as a desktop hands it over (UTF-8), against its parser: what it accepts names a host
// the system's resolver reads as written, and the link written for it names the same server.
#include <cstdint>

#include <QString>

#include "app/joinlink.h"
#include "fuzz/hostcheck.h"
#include "fuzz/require.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString link = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto parsed = ParseJoinLink(link);
    if (!parsed) {
        return 0;
    }
    RequireResolverReadsHostAsWritten(parsed->m_ip);
    Require(parsed->m_port >= 1 && parsed->m_port <= 65535, "a port of 1 to 65535");
    Require(link.startsWith("korvath:", Qt::CaseInsensitive), "the link's own scheme");
    const QString hostPort =
        QString::fromStdString(parsed->m_ip) + ':' + QString::number(parsed->m_port);
    Require(link.contains(hostPort), "the host and the port as written in the link");
    const auto again = ParseJoinLink(JoinLinkFor(hostPort));
    Require(again && again->m_ip == parsed->m_ip && again->m_port == parsed->m_port,
            "the link written for the server names it again");
    return 0;
}
