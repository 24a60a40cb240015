// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/heapreuse.h"

#include <malloc.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Rows freed at the start of a refresh stay with the process: 48 MiB of row-sized blocks freed
// at once remain free heap instead of being trimmed back to the system.
TEST(HeapReuseTest, FreedRowsStayWithTheProcess) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "the sanitizer's allocator replaces the heap";
#endif
    KeepFreedHeapForReuse();
    const std::size_t freeBefore = mallinfo2().fordblks;
    std::vector<char*> blocks(48 * 1024);
    for (char*& block : blocks) {
        block = new char[1024];
        block[0] = 1;  // touched, as a row's data is
    }
    for (char* block : blocks) {
        delete[] block;
    }
    EXPECT_GE(mallinfo2().fordblks, freeBefore + (std::size_t{40} << 20));
}

}  // namespace
