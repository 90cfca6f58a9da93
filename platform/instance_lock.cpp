#include "platform/instance_lock.h"

#include <QString>

namespace wazenie {

std::filesystem::path InstanceLock::lock_file_path(const std::filesystem::path& data_dir) {
    return data_dir / "wazenie.lock";
}

InstanceLock::InstanceLock(const std::filesystem::path& data_dir)
    : lock_(std::make_unique<QLockFile>(QString::fromStdString(lock_file_path(data_dir).string()))) {
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

void InstanceLock::release() {
    lock_->unlock();
}

bool InstanceLock::held() const {
    return lock_->isLocked();
}

}  // namespace wazenie
