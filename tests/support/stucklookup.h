// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <functional>
#include <future>
#include <optional>
#include <string>

#include "net/hostlookup.h"
#include "net/nameresolver.h"

namespace kr::test {

// Makes every name lookup of `name` one that does not end while this object lives: it calls
// `onEntry` on its lookup thread, then waits. Other hosts are looked up as usual. Favourites get
// `time` for their lookups. Once the object goes, the waiting lookups end unresolved and the
// usual lookup and time are back.
class StuckLookups {
public:
    StuckLookups(std::string name, std::chrono::milliseconds time, std::function<void()> onEntry) {
        SetNameLookup(
            [name, released = m_released, onEntry](const std::string& host) {
                if (host != name) {
                    return ResolveHostIPv4(host);
                }
                onEntry();
                released.wait();
                return std::optional<uint32_t>();
            },
            time);
    }
    ~StuckLookups() {
        SetNameLookup(nullptr);
        m_release.set_value();
    }
    StuckLookups(const StuckLookups&) = delete;
    StuckLookups& operator=(const StuckLookups&) = delete;

private:
    std::promise<void> m_release;
    std::shared_future<void> m_released = m_release.get_future().share();
};

}  // namespace kr::test
