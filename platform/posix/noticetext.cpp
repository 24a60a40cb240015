// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/noticetext.h"

std::string NoticeText::English() const {
    std::string text;
    for (const char* at = source; *at != '\0'; ++at) {
        const char next = at[1];
        if (*at == '%' && next == 'n' && count >= 0) {
            text += std::to_string(count);
            ++at;
        } else if (*at == '%' && next >= '1' && next <= '9' &&
                   static_cast<std::size_t>(next - '1') < args.size()) {
            text += args[static_cast<std::size_t>(next - '1')];
            ++at;
        } else {
            text += *at;
        }
    }
    return text;
}
