#pragma once

#include <memory>
#include <string>

#include <QSocketNotifier>

namespace wazenie::testing {

// Two pseudo-terminal pairs joined master to master: what is written to one slave device is read
// from the other, like a null-modem cable between the station's port and the meters' port.
class PtyBridge {
public:
    PtyBridge();
    ~PtyBridge();
    PtyBridge(const PtyBridge&) = delete;
    PtyBridge& operator=(const PtyBridge&) = delete;

    bool ok() const { return ok_; }
    const std::string& station_device() const { return ends_[0].device; }
    const std::string& meter_device() const { return ends_[1].device; }

private:
    struct End {
        int master = -1;
        int slave = -1;  // held open so the master never reads end-of-file between users
        std::string device;
        std::unique_ptr<QSocketNotifier> notifier;
    };
    void pump(End& from, End& to);

    End ends_[2];
    bool ok_ = false;
};

}  // namespace wazenie::testing
