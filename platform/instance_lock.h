#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include <QLockFile>

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
    // After a failed acquire: why, as the operator is told (a second copy, or a folder that takes no
    // lock file, which a second copy's message would misreport).
    std::string refusal_message() const;
    void release();
    bool held() const;

    static std::filesystem::path lock_file_path(const std::filesystem::path& data_dir);

private:
    std::filesystem::path data_dir_;
    std::unique_ptr<QLockFile> lock_;
};

inline constexpr const char* kAlreadyRunningMessage = "Program jest już w uruchomiony!";

}  // namespace wazenie
