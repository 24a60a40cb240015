#include "platform/qt/gapbuffer.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

void ExpectSame(const TGapBuffer<std::string>& buffer, const std::vector<std::string>& model) {
    ASSERT_EQ(buffer.size(), model.size());
    for (std::size_t i = 0; i < model.size(); ++i) {
        ASSERT_EQ(buffer[i], model[i]) << "at " << i;
    }
}

// Runs of changes at one place, jumps back and forth, growth from empty and emptying again:
// the buffer must always read like a plain vector given the same changes.
TEST(TGapBuffer, ReadsLikeAVectorAfterAnyMixOfInsertionsAndRemovals) {
    std::mt19937 random(12345);
    for (int round = 0; round < 20; ++round) {
        TGapBuffer<std::string> buffer;
        std::vector<std::string> model;
        for (int step = 0; step < 400; ++step) {
            const bool insert = model.empty() || random() % 3 != 0;
            // Half the changes land next to the previous one, as when a node's rows change.
            const std::size_t limit = model.size() + (insert ? 1 : 0);
            const std::size_t at = random() % 2 == 0 ? (step * 7) % limit : random() % limit;
            if (insert) {
                const std::string value = std::to_string(round) + ":" + std::to_string(step);
                buffer.insert(at, value);
                model.insert(model.begin() + static_cast<std::ptrdiff_t>(at), value);
            } else {
                buffer.erase(at);
                model.erase(model.begin() + static_cast<std::ptrdiff_t>(at));
            }
            ExpectSame(buffer, model);
        }
        while (!model.empty()) {
            buffer.erase(0);
            model.erase(model.begin());
        }
        EXPECT_TRUE(buffer.empty());
        buffer.insert(0, "again");
        EXPECT_EQ(buffer[0], "again");
        buffer.clear();
        EXPECT_EQ(buffer.size(), 0u);
    }
}

TEST(TGapBuffer, ElementsCanBeChangedInPlace) {
    TGapBuffer<std::string> buffer;
    for (int i = 0; i < 5; ++i) {
        buffer.insert(buffer.size(), std::to_string(i));
    }
    buffer.erase(1);  // the gap now sits inside the sequence
    buffer[1] += "x";
    buffer[3] += "y";
    ExpectSame(buffer, {"0", "2x", "3", "4y"});
}

}  // namespace
