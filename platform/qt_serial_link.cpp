#include "platform/qt_serial_link.h"

#include "comm/exchange_log.h"
#include "platform/qt_text.h"

#include <QFileInfo>

namespace wazenie {

namespace {

constexpr qint64 kInputBuffer = 1024;

// The port reports a lock held by another program and a device the user may not open alike; the
// device's own access rights tell them apart (on Windows a COM port is no file, and a refusal means busy).
std::string open_failure_reason(const QSerialPort& port, const QString& device) {
    switch (port.error()) {
        case QSerialPort::DeviceNotFoundError:
            return "nie ma takiego urządzenia";
        case QSerialPort::PermissionError: {
            const QFileInfo file(device);
            if (file.exists() && !(file.isReadable() && file.isWritable())) {
                return "brak uprawnień (grupa dialout)";
            }
            return "zajęte przez inny program";
        }
        default:
            return "nie można otworzyć urządzenia (" + from_qt(port.errorString()) + ")";
    }
}

}  // namespace

QtSerialLink::QtSerialLink(std::function<void(const std::string&)> error_line)
    : error_line_(std::move(error_line)) {
    QObject::connect(&port_, &QSerialPort::readyRead, [this] {
        if (bytes_arrived_) {
            bytes_arrived_();
        }
    });
    QObject::connect(&port_, &QSerialPort::errorOccurred,
                     [this](QSerialPort::SerialPortError error) { port_error(error); });
}

QtSerialLink::~QtSerialLink() {
    close();
}

bool QtSerialLink::open(const std::string& device, int baud_rate) {
    close();
    port_.setPortName(to_qt(device));
    port_.setBaudRate(baud_rate);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    port_.setReadBufferSize(kInputBuffer);
    open_failure_.clear();
    if (!port_.open(QIODevice::ReadWrite)) {
        open_failure_ = device + ": " + open_failure_reason(port_, to_qt(device));
        port_.clearError();
        return false;
    }
    set_modem_lines();
    return true;
}

// Pseudo terminals and some USB adapters have no modem lines; the port works without them.
void QtSerialLink::set_modem_lines() {
    setting_lines_ = true;
    const bool dtr = port_.setDataTerminalReady(true);
    const bool rts = port_.setRequestToSend(false);
    setting_lines_ = false;
    port_.clearError();
    if (!dtr || !rts) {
        report("port " + from_qt(port_.portName()) + " nie obsługuje linii DTR/RTS; praca bez nich");
    }
}

bool QtSerialLink::is_open() const {
    return port_.isOpen();
}

std::size_t QtSerialLink::write(const std::string& bytes) {
    if (!port_.isOpen()) {
        return 0;
    }
    last_written_ = bytes;
    const qint64 written = port_.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return written < 0 ? 0 : static_cast<std::size_t>(written);
}

std::string QtSerialLink::read(std::size_t max_bytes) {
    if (!port_.isOpen()) {
        return {};
    }
    const QByteArray bytes = port_.read(static_cast<qint64>(max_bytes));
    return bytes.toStdString();
}

void QtSerialLink::close() {
    if (port_.isOpen()) {
        port_.clear();
        port_.close();
    }
}

void QtSerialLink::on_bytes_arrived(std::function<void()> handler) {
    bytes_arrived_ = std::move(handler);
}

void QtSerialLink::port_error(QSerialPort::SerialPortError error) {
    // A failed open is read and cleared by open() itself.
    if (error == QSerialPort::NoError || setting_lines_ || !port_.isOpen()) {
        return;
    }
    if (error == QSerialPort::WriteError) {
        report("błąd wysyłania danych: " + frame_text(last_written_));
    } else if (error == QSerialPort::ResourceError && port_.isOpen()) {
        // The device went away (an unplugged adapter): the port is closed, so the main loop stands still.
        report("utracono połączenie z portem " + from_qt(port_.portName()));
        port_.close();
    }
    port_.clearError();
}

void QtSerialLink::report(const std::string& text) const {
    if (error_line_) {
        error_line_(text);
    }
}

}  // namespace wazenie
