#include "support/temp_registry.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

TempRegistry::TempRegistry() {
    const char* previous = std::getenv("ORVANE_REGISTRY");
    m_hadPrevious = previous != nullptr;
    if (m_hadPrevious) m_previous = previous;
    std::string pattern = (std::filesystem::temp_directory_path() / "orvane-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    m_dir = pattern;
    m_path = m_dir + "/registry.ini";
    setenv("ORVANE_REGISTRY", m_path.c_str(), 1);
}

TempRegistry::~TempRegistry() {
    if (m_hadPrevious) {
        setenv("ORVANE_REGISTRY", m_previous.c_str(), 1);
    } else {
        unsetenv("ORVANE_REGISTRY");
    }
    std::error_code ignored;
    std::filesystem::remove_all(m_dir, ignored);
}

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string TempRegistry::contents() const {
    return fileBytes(m_path);
}

void TempRegistry::write(const std::string& bytes) const {
    writeFile(m_path, bytes);
}

std::set<std::string> TempRegistry::files() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(m_dir)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}
