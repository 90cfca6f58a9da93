#include "platform/qt_serial_link.h"

#include <functional>

#include "qt/event_wait.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>

#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace wazenie {
namespace {

using testing::wait_for;

// One application object for the whole program; other tests here need a GUI one, so this is one too.
void ensure_application() {
    static int argc = 1;
    static char name[] = "test_platform";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) {
        new QGuiApplication(argc, argv);
    }
}

// The test holds the master end of a pseudo terminal; the link opens the slave device.
class QtSerialLinkTest : public ::testing::Test {
protected:
    int master = -1;
    int slave = -1;
    std::string device;
    std::vector<std::string> errors;
    QtSerialLink link{[this](const std::string& text) { errors.push_back(text); }};

    void SetUp() override {
        ensure_application();
        char name[256] = {};
        termios raw{};
        cfmakeraw(&raw);
        ASSERT_EQ(openpty(&master, &slave, name, &raw, nullptr), 0);
        device = name;
        fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    }
    void TearDown() override {
        link.close();
        ::close(master);
        ::close(slave);
    }
    std::string read_master() {
        std::string out;
        char buffer[256];
        ssize_t n;
        while ((n = ::read(master, buffer, sizeof buffer)) > 0) {
            out.append(buffer, static_cast<std::size_t>(n));
        }
        return out;
    }
};

TEST_F(QtSerialLinkTest, OpensAPortWithoutModemLinesAndSaysSoOnce) {
    ASSERT_TRUE(link.open(device, 9600));
    EXPECT_TRUE(link.is_open());
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("DTR/RTS"), std::string::npos);
    termios t{};
    ASSERT_EQ(tcgetattr(slave, &t), 0);
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(t.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF), 0u);
    EXPECT_EQ(cfgetospeed(&t), static_cast<speed_t>(B9600));
}

TEST_F(QtSerialLinkTest, WritesQueueWithoutBlockingAndReachTheLine) {
    ASSERT_TRUE(link.open(device, 115200));
    const std::string frame = std::string("00250") + "\x7F\x1F;";
    EXPECT_EQ(link.write(frame), frame.size());
    std::string seen;
    ASSERT_TRUE(wait_for([&] {
        seen += read_master();
        return seen.size() >= frame.size();
    }));
    EXPECT_EQ(seen, frame);
}

TEST_F(QtSerialLinkTest, ArrivalAnnouncedOnTheEventLoopThenRead) {
    ASSERT_TRUE(link.open(device, 9600));
    int announced = 0;
    std::string received;
    link.on_bytes_arrived([&] {
        ++announced;
        received += link.read(1024);
    });
    const std::string answer = std::string("1\x11    100.0\x7F\x4C\r", 14);
    ASSERT_EQ(::write(master, answer.data(), answer.size()), static_cast<ssize_t>(answer.size()));
    ASSERT_TRUE(wait_for([&] { return received.size() >= answer.size(); }));
    EXPECT_EQ(received, answer);
    EXPECT_GE(announced, 1);
}

TEST_F(QtSerialLinkTest, ClosedOrMissingPortTakesNothing) {
    EXPECT_FALSE(link.open("/dev/wazenie-no-such-port", 9600));
    EXPECT_FALSE(link.is_open());
    EXPECT_EQ(link.open_failure(), "/dev/wazenie-no-such-port: nie ma takiego urządzenia");
    EXPECT_EQ(link.write("A1;"), 0u);
    EXPECT_EQ(link.read(10), "");
    ASSERT_TRUE(link.open(device, 9600));
    link.close();
    EXPECT_FALSE(link.is_open());
    EXPECT_EQ(link.write("A1;"), 0u);
}

TEST_F(QtSerialLinkTest, RefusedPortNamesTheDeviceAndWhy) {
    ASSERT_TRUE(link.open(device, 9600));
    EXPECT_EQ(link.open_failure(), "");
    QtSerialLink second;
    EXPECT_FALSE(second.open(device, 9600));
    EXPECT_EQ(second.open_failure(), device + ": zajęte przez inny program");
    link.close();

    if (geteuid() == 0) {
        GTEST_SKIP() << "root may open any device; the dialout case needs an ordinary user";
    }
    ASSERT_EQ(chmod(device.c_str(), 0), 0);
    EXPECT_FALSE(link.open(device, 9600));
    EXPECT_EQ(link.open_failure(), device + ": brak uprawnień (grupa dialout)");
}

}  // namespace
}  // namespace wazenie
