#include "platform/instance_lock.h"

#include <QString>

namespace wazenie {

std::filesystem::path InstanceLock::lock_file_path(const std::filesystem::path& data_dir) {
    return data_dir / "wazenie.lock";
}

InstanceLock::InstanceLock(const std::filesystem::path& data_dir)
    : data_dir_(data_dir),
      lock_(std::make_unique<QLockFile>(QString::fromStdString(lock_file_path(data_dir).string()))) {
    // Never time a lock out: a copy that runs for months keeps it, and a dead owner is recognised by its
    // process being gone.
    lock_->setStaleLockTime(0);
}

bool InstanceLock::acquire() {
    if (lock_->isLocked()) {
        return true;
    }
    return lock_->tryLock(0);
}

std::string InstanceLock::refusal_message() const {
    switch (lock_->error()) {
        case QLockFile::LockFailedError:
            return kAlreadyRunningMessage;
        case QLockFile::PermissionError:
            return "Nie można utworzyć pliku blokady, katalog z danymi jest tylko do odczytu: " +
                   data_dir_.string();
        default:
            return "Nie można utworzyć pliku blokady: " + lock_file_path(data_dir_).string();
    }
}

void InstanceLock::release() {
    lock_->unlock();
}

bool InstanceLock::held() const {
    return lock_->isLocked();
}

}  // namespace wazenie
