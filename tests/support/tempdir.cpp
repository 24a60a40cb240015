// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/tempdir.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <stdlib.h>

namespace kr::test {

ScopedTempDir::ScopedTempDir(bool enter) {
    std::string pattern = (std::filesystem::temp_directory_path() / "kr-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) {
        m_path = pattern;
    }
    if (enter && !m_path.empty()) {
        m_previous = std::filesystem::current_path().string();
        std::filesystem::current_path(m_path);
    }
}

ScopedTempDir::~ScopedTempDir() {
    std::error_code ignored;
    if (!m_previous.empty()) {
        std::filesystem::current_path(m_previous, ignored);
    }
    if (!m_path.empty()) {
        std::filesystem::remove_all(m_path, ignored);
    }
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::vector<std::string> FilesHolding(const std::string& folder, const std::string& text) {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file() &&
            ReadWholeFile(entry.path()).find(text) != std::string::npos) {
            files.push_back(entry.path());
        }
    }
    return files;
}

size_t LineCount(const std::string& path) {
    const std::string text = ReadWholeFile(path);
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace kr::test
