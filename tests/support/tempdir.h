// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kr::test {

// A fresh folder under the system's temporary folder, removed with everything in it on
// destruction. With enter set, the process works in it until then ("servers.txt" lands there).
class ScopedTempDir {
public:
    explicit ScopedTempDir(bool enter = false);
    ~ScopedTempDir();
    ScopedTempDir(const ScopedTempDir&) = delete;
    ScopedTempDir& operator=(const ScopedTempDir&) = delete;

    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
    std::string m_previous;
};

// The whole content of a file; empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);
// The number of line ends in a file.
size_t LineCount(const std::string& path);
// The files under the folder, at any depth, whose content holds the text.
std::vector<std::string> FilesHolding(const std::string& folder, const std::string& text);

}  // namespace kr::test
