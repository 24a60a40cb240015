// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/posix/noticetext.h"

#include <QString>

// A core text in the user's language: its template through the installed translation table
// (context KR_NOTICE_CONTEXT, plural forms by its count), then its arguments filled in. Without a
// translation, the English text. Costs one table look-up.
QString TranslatedNotice(const NoticeText& text);
