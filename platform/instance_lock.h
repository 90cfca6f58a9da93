#pragma once

#include <QLockFile>
#include <filesystem>
#include <memory>

namespace wazenie {

// One running copy per data directory: a lock file in it, held with the system's file lock for as
// long as this object lives. A copy that crashed leaves a lock whose process is gone; the next copy
// takes such a stale lock over.
class InstanceLock {
public:
    explicit InstanceLock(const std::filesystem::path& data_dir);
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // False when another running copy holds the lock (or the lock file cannot be made).
    bool acquire();
    void release();
    bool held() const;

    static std::filesystem::path lock_file_path(const std::filesystem::path& data_dir);

private:
    std::unique_ptr<QLockFile> lock_;
};

inline constexpr const char* kAlreadyRunningMessage = "Program jest już w uruchomiony!";

}  // namespace wazenie
