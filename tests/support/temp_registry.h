// Points the settings file at a fresh temporary file for the duration of a test.
//
//   TempRegistry reg;                 // ORVANE_REGISTRY = <fresh dir>/registry.ini
//   VSYST_RegistryKey key(kSettings, false);
//   ... reg.contents() ...
#ifndef ORVANE_TESTS_SUPPORT_TEMP_REGISTRY_H
#define ORVANE_TESTS_SUPPORT_TEMP_REGISTRY_H

#include <orvane/base/registry_key.h>

#include <set>
#include <string>

inline constexpr auto kSettings = VSYST_RegistryStandardKey::ApplicationSettings;

// A file's bytes (empty when it cannot be read), and a file written with exactly `bytes`.
std::string fileBytes(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);

class TempRegistry {
public:
    TempRegistry();
    ~TempRegistry();
    TempRegistry(const TempRegistry&) = delete;
    TempRegistry& operator=(const TempRegistry&) = delete;

    const std::string& dir() const { return m_dir; }
    const std::string& path() const { return m_path; }
    // The file's bytes; empty when it does not exist.
    std::string contents() const;
    void write(const std::string& bytes) const;
    // The names of the files in its folder.
    std::set<std::string> files() const;

private:
    std::string m_dir;
    std::string m_path;
    std::string m_previous;
    bool m_hadPrevious;
};

#endif
