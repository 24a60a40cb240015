// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// The context of the window-free code's texts in the program's translation table.
#define KR_NOTICE_CONTEXT "NoticeText"
// Marks a fixed text (KR_TEXT) or a counted one whose %n takes plural forms (KR_COUNTED_TEXT)
// for the translators: the build's lupdate reads them as its no-op translation marks, so the
// context must be the string KR_NOTICE_CONTEXT names, written out. Both give the English text
// itself, so the core needs no Qt.
#define KR_TEXT(context, text) text
#define KR_COUNTED_TEXT(context, text) text

// A text for the user as the window-free code reports it: an English template, which is also the
// text's key in the translation table (context KR_NOTICE_CONTEXT), with its arguments. %1 to %9
// take args in order, %n takes count. The window translates the template and then fills it in;
// front ends without translations (korvath-query, tests) show English().
struct NoticeText {
    // A fixed text; source lives as long as the program (a string literal).
    NoticeText(const char* source) : source(source) {}  // NOLINT: implicit on purpose
    NoticeText(const char* source, std::vector<std::string> args, int count = -1)
        : source(source), args(std::move(args)), count(count) {}

    // The template filled in: the English text. Costs one pass over the template.
    std::string English() const;

    const char* source;
    std::vector<std::string> args;
    int count = -1;  // below 0: the template has no %n
};
