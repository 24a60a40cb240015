#include "platform/posix/heapreuse.h"

#include <malloc.h>

#include <gtest/gtest.h>

#include <vector>

// The sanitizers bring an allocator of their own, which the heap policy does not reach.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define KR_OWN_ALLOCATOR 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define KR_OWN_ALLOCATOR 1
#endif
#endif

namespace {

// Rows freed at the start of a refresh stay with the process: 48 MiB of row-sized blocks freed
// at once remain free heap instead of being trimmed back to the system.
TEST(HeapReuseTest, FreedRowsStayWithTheProcess) {
#if defined(KR_OWN_ALLOCATOR)
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
