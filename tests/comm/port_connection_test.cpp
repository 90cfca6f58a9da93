#include "comm/port_connection.h"

#include "fakes/fake_serial_link.h"

#include <gtest/gtest.h>

namespace wazenie::testing {
namespace {

class PortConnectionTest : public ::testing::Test {
protected:
    Settings settings;
    FakeSerialLink link;
    PortConnection port{link, settings};
};

TEST_F(PortConnectionTest, StartValuesBeforeTheSettings) {
    EXPECT_EQ(port.port_num(), 2);
    EXPECT_EQ(port.speed(), 1200);
    EXPECT_EQ(port.open_port(), "port COM2, 1200bps");
}

TEST_F(PortConnectionTest, ConnectionTexts) {
    settings.port_num = 2;
    port.configure_port();
    EXPECT_EQ(port.open_port(), "port COM2, 9600bps");
    EXPECT_EQ(link.baud, 9600);
    EXPECT_EQ(link.device, port_device(settings, 2));
    port.close_port();
    link.refuse_open = true;
    settings.port_num = 3;
    port.configure_port();
    EXPECT_EQ(port.open_port(), "brak połączenia! (port COM3, 9600bps)");
    EXPECT_EQ(port.connection_text(), "brak połączenia! (port COM3, 9600bps)");
    EXPECT_FALSE(port.is_connected());

    link.refusal = "/dev/ttyS2: brak uprawnień";
    EXPECT_EQ(port.open_port(), "brak połączenia! (port COM3, 9600bps) /dev/ttyS2: brak uprawnień");
}

TEST_F(PortConnectionTest, SpeedFromTheSettingsOnlyWhenItIsOneOfTheThirteen) {
    settings.baud_rate = 115200;
    port.configure_port();
    EXPECT_EQ(port.open_port(), "port COM1, 115200bps");
    port.close_port();
    PortConnection fresh{link, settings};
    settings.baud_rate = 20000;
    fresh.configure_port();
    EXPECT_EQ(fresh.speed(), 1200);
}

TEST_F(PortConnectionTest, OpenPortDoesNotReopen) {
    port.open_port();
    link.device.clear();
    port.open_port();
    EXPECT_TRUE(link.device.empty());
}

TEST_F(PortConnectionTest, NewSettingsTakeEffectWhenThePortIsOpenedAgain) {
    port.open_port();
    settings.port_num = 4;
    settings.baud_rate = 14400;
    port.close_port();
    port.configure_port();
    EXPECT_EQ(port.open_port(), "port COM4, 14400bps");
    EXPECT_EQ(link.baud, 14400);
}

TEST(LineSpeeds, NumbersAndBitsPerSecond) {
    EXPECT_EQ(speed_number(110), 1);
    EXPECT_EQ(speed_number(9600), 7);
    EXPECT_EQ(speed_number(115200), 13);
    EXPECT_EQ(speed_number(20000), 0);
    EXPECT_EQ(speed_bits_per_second(1), 110);
    EXPECT_EQ(speed_bits_per_second(13), 115200);
    EXPECT_EQ(speed_bits_per_second(0), 9600);
    EXPECT_EQ(speed_bits_per_second(14), 9600);
}

}  // namespace
}  // namespace wazenie::testing
