#include "platform/qt/gapbuffer.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

// Runs of changes at one place, jumps, growth from empty, changes in place and emptying again.
TEST(TGapBuffer, ReadsLikeAVectorAfterAnyMixOfChanges) {
    std::mt19937 random(12345);
    for (int round = 0; round < 20; ++round) {
        TGapBuffer<std::string> buffer;
        std::vector<std::string> model;
        for (int step = 0; step < 400; ++step) {
            const bool insert = model.empty() || random() % 3 != 0;
            const std::size_t limit = model.size() + (insert ? 1 : 0);
            const std::size_t at = random() % 2 == 0 ? (step * 7) % limit : random() % limit;
            const auto it = model.begin() + static_cast<std::ptrdiff_t>(at);
            if (insert) {
                buffer.insert(at, std::to_string(step));
                model.insert(it, std::to_string(step));
            } else if (step % 5 == 0) {
                buffer[at] += "x";
                *it += "x";
            } else {
                buffer.erase(at);
                model.erase(it);
            }
            ASSERT_EQ(buffer.size(), model.size());
            for (std::size_t i = 0; i < model.size(); ++i) {
                ASSERT_EQ(buffer[i], model[i]) << "round " << round << " step " << step;
            }
        }
        while (!buffer.empty()) {
            buffer.erase(0);
        }
        buffer.insert(0, "again");
        EXPECT_TRUE(buffer.size() == 1 && buffer[0] == "again");
    }
}
