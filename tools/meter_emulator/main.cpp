#include <deque>
#include <iostream>

#include "comm/exchange_log.h"
#include "emulator.h"
#include "options.h"
#include "platform/qt_serial_link.h"

#include <QCoreApplication>
#include <QTimer>

namespace wazenie::emulator {
namespace {

constexpr int kPieceGapMs = 3;

// Answers leave in order; the pieces of a split answer a few milliseconds apart.
class Outbox {
public:
    explicit Outbox(SerialLink& link) : link_(link) {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [this] { send_next(); });
    }
    void send(const std::vector<std::string>& pieces) {
        queue_.insert(queue_.end(), pieces.begin(), pieces.end());
        if (!timer_.isActive()) {
            send_next();
        }
    }

private:
    void send_next() {
        if (queue_.empty()) {
            return;
        }
        link_.write(queue_.front());
        queue_.pop_front();
        if (!queue_.empty()) {
            timer_.start(kPieceGapMs);
        }
    }

    SerialLink& link_;
    QTimer timer_;
    std::deque<std::string> queue_;
};

void note(const std::string& text) {
    std::cerr << "meter-emulator: " << text << std::endl;
}

int run(const Options& options) {
    QtSerialLink link(note);
    if (!link.open(options.device, options.baud_rate)) {
        note("nie można otworzyć " + options.device);
        return 1;
    }
    Emulator emulator(options.emulator);
    Outbox outbox(link);
    link.on_bytes_arrived([&] {
        const std::string bytes = link.read(4096);
        if (options.verbose) {
            note("<< " + frame_text(bytes));
        }
        for (const auto& pieces : emulator.receive(bytes)) {
            if (options.verbose) {
                std::string whole;
                for (const auto& piece : pieces) {
                    whole += piece;
                }
                note(">> " + frame_text(whole));
            }
            outbox.send(pieces);
        }
        for (const auto& text : emulator.take_notes()) {
            if (options.verbose) {
                note(text);
            }
        }
    });
    std::cout << "meter-emulator: " << options.device << " otwarty" << std::endl;
    return QCoreApplication::exec();
}

}  // namespace
}  // namespace wazenie::emulator

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("meter-emulator");
    int exit_code = 0;
    const auto options = wazenie::emulator::parse_options(app, exit_code);
    return options ? wazenie::emulator::run(*options) : exit_code;
}
