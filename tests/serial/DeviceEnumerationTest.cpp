#include "serial/detail/DeviceEnumeration.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace zephra::serial {
namespace {

namespace fs = std::filesystem;
using detail::DeviceEnumeration;
using zephra::test::TempFolder;

/// A fake device model: a USB adapter behind a usb-serial level, a USB modem
/// whose interface has no driver bound, a built-in UART, a built-in UART in
/// the serial-base layout, an empty serial-core slot and virtual ttys.
class DeviceEnumerationTest : public ::testing::Test {
protected:
    void SetUp() override {
        const fs::path pci = sys() / "devices/pci0000:00/0000:00:14.0";
        // USB adapter: device 1-1.4, interface 1-1.4:1.0, usb-serial port ttyUSB0.
        const fs::path adapter = pci / "usb1/1-1/1-1.4";
        Attribute(adapter / "idVendor", "0403");
        Attribute(adapter / "idProduct", "6001");
        Attribute(adapter / "manufacturer", "Acme Instruments");
        Attribute(adapter / "product", "USB Serial Adapter");
        Attribute(adapter / "serial", "A1B2C3");
        Link(adapter / "subsystem", sys() / "bus/usb");
        Attribute(adapter / "1-1.4:1.0/bInterfaceNumber", "00");
        const fs::path usbPort = adapter / "1-1.4:1.0/ttyUSB0";
        Link(usbPort / "subsystem", sys() / "bus/usb-serial");
        Link(usbPort / "driver", Driver("usb-serial", "acme_serial", "acme_serial"));
        Attribute(sys() / "module/acme_serial/version", "1.2");
        Tty("ttyUSB0", usbPort, "");

        // USB modem: ttyACM0 hangs off its interface, which no driver serves.
        const fs::path modem = pci / "usb1/1-2";
        Attribute(modem / "idVendor", "1a2b");
        Attribute(modem / "idProduct", "00ff");
        Link(modem / "subsystem", sys() / "bus/usb");
        Attribute(modem / "1-2:1.0/bInterfaceNumber", "00");
        Attribute(modem / "1-2:1.0/interface", "Data Logger");
        Tty("ttyACM0", modem / "1-2:1.0", "");

        // Built-in UART, classic layout.
        const fs::path uart = sys() / "devices/pnp0/00:04";
        Link(uart / "subsystem", sys() / "bus/pnp");
        Link(uart / "driver", Driver("pnp", "serial", ""));
        Tty("ttyS2", uart, "4");
        Link(dev() / "serial/by-path/pnp-0000:00:04", "../../ttyS2");

        // Built-in UART with serial-base port and controller levels.
        const fs::path uart2 = sys() / "devices/pnp0/00:05";
        Link(uart2 / "subsystem", sys() / "bus/pnp");
        Link(uart2 / "driver", Driver("pnp", "serial", ""));
        for (const fs::path& level : {uart2 / "00:05:0", uart2 / "00:05:0/00:05:0.0"}) {
            Link(level / "subsystem", sys() / "bus/serial-base");
            Link(level / "driver", Driver("serial-base", "port", ""));
        }
        Tty("ttyS10", uart2 / "00:05:0/00:05:0.0", "4");

        // Empty serial-core slot and virtual ttys.
        const fs::path slot = sys() / "devices/platform/serial8250";
        Link(slot / "subsystem", sys() / "bus/platform");
        Link(slot / "driver", Driver("platform", "serial8250", ""));
        Tty("ttyS1", slot, "0");
        Tty("tty0", {}, "");
        Tty("console", {}, "");

        Link(dev() / "serial/by-id/usb-Acme_USB_Serial_Adapter_A1B2C3-if00-port0", "../../ttyUSB0");
        Link(ports() / "COM10", dev() / "ttyS10");
        Link(ports() / "COM3", dev() / "ttyUSB0");
        Attribute(ports() / "COM0", "");
        Attribute(ports() / "notes", "");
    }

    fs::path sys() const { return temp_.path() / "sys"; }
    fs::path dev() const { return temp_.path() / "dev"; }
    fs::path ports() const { return temp_.path() / "ports"; }
    std::string Node(const std::string& name) const { return (dev() / name).string(); }
    DeviceEnumeration Enumeration() const {
        return DeviceEnumeration(sys().string(), dev().string(), ports().string());
    }

    static void Attribute(const fs::path& file, const std::string& text) {
        fs::create_directories(file.parent_path());
        std::ofstream(file) << text << "\n";
    }
    static void Link(const fs::path& link, const fs::path& target) {
        fs::create_directories(link.parent_path());
        fs::create_symlink(target, link);
    }
    /// A driver of `bus`, with a module link when `module` is not empty.
    fs::path Driver(const std::string& bus, const std::string& name, const std::string& module) {
        const fs::path driver = sys() / "bus" / bus / "drivers" / name;
        fs::create_directories(driver);
        if (!module.empty() && !fs::exists(driver / "module")) {
            fs::create_directories(sys() / "module" / module);
            fs::create_symlink(sys() / "module" / module, driver / "module");
        }
        return driver;
    }
    void Tty(const std::string& name, const fs::path& device, const std::string& type) {
        const fs::path tty = sys() / "class/tty" / name;
        fs::create_directories(tty);
        if (!device.empty()) {
            fs::create_directories(device);
            fs::create_symlink(device, tty / "device");
        }
        if (!type.empty()) {
            Attribute(tty / "type", type);
        }
    }

    TempFolder temp_;
};

TEST_F(DeviceEnumerationTest, ComDevicesAppendPortMapNamesThenSerialNodesInNaturalOrder) {
    TStrings list{"kept", "COM3"};
    Enumeration().EnumComDevices(list);
    EXPECT_EQ(list, (TStrings{"kept", "COM3", "COM3", "COM10", Node("ttyACM0"), Node("ttyS2"),
                              Node("ttyS10"), Node("ttyUSB0")}));
}

TEST_F(DeviceEnumerationTest, AllDevicesIncludeVirtualTtysEmptySlotsAndById) {
    TStrings list{"kept"};
    Enumeration().EnumDevices(list);
    EXPECT_EQ(list,
              (TStrings{"kept", "COM3", "COM10", Node("console"), Node("tty0"), Node("ttyACM0"),
                        Node("ttyS1"), Node("ttyS2"), Node("ttyS10"), Node("ttyUSB0"),
                        Node("serial/by-id/usb-Acme_USB_Serial_Adapter_A1B2C3-if00-port0")}));
}

TEST_F(DeviceEnumerationTest, RegistryListHoldsOnlyDevicesWithADriver) {
    TStrings list;
    Enumeration().EnumComDevicesFromRegistry(list);
    EXPECT_EQ(list, (TStrings{Node("ttyS2"), Node("ttyS10"), Node("ttyUSB0")}));
}

TEST_F(DeviceEnumerationTest, FriendlyNamesUseUsbStringsOrTheNodeName) {
    TStrings list{"kept"};
    Enumeration().EnumComFriendlyNames(list);
    EXPECT_EQ(list, (TStrings{"kept", "Data Logger (ttyACM0)", "ttyS2", "ttyS10",
                              "USB Serial Adapter (ttyUSB0)"}));
}

TEST_F(DeviceEnumerationTest, UsbAdapterInfoComesFromTheUsbDeviceAndItsDriver) {
    TDeviceInfo info;
    ASSERT_TRUE(Enumeration().DeviceInfo(Node("ttyUSB0"), info));
    TDeviceInfo expected;
    expected.Description = "USB Serial Adapter";
    expected.Device = "0403:6001";
    expected.DeviceName = Node("ttyUSB0");
    expected.Driver = "acme_serial";
    expected.DriverVersion = "1.2";
    expected.EnumeratorName = "usb";
    expected.FriendlyName = "USB Serial Adapter (ttyUSB0)";
    expected.Instance = "A1B2C3";
    expected.Location = "1-1.4:1.0";
    expected.Manufacturer = "Acme Instruments";
    expected.PhysicalName =
        fs::canonical(sys() / "devices/pci0000:00/0000:00:14.0/usb1/1-1/1-1.4/1-1.4:1.0/ttyUSB0")
            .string();
    expected.ReportedDescription = "USB Serial Adapter";
    expected.Service = "acme_serial";
    EXPECT_EQ(info, expected);
}

TEST_F(DeviceEnumerationTest, BuiltInPortsDescribeTheirBusDeviceInBothLayouts) {
    struct Case {
        std::string node, device, location;
    };
    for (const Case& c : {Case{"ttyS2", "00:04", "pnp-0000:00:04"}, Case{"ttyS10", "00:05", ""}}) {
        SCOPED_TRACE(c.node);
        TDeviceInfo info;
        ASSERT_TRUE(Enumeration().DeviceInfo(Node(c.node), info));
        EXPECT_EQ(info.Device, c.device);
        EXPECT_EQ(info.Instance, c.device);
        EXPECT_EQ(info.Driver, "serial");
        EXPECT_EQ(info.Service, "");
        EXPECT_EQ(info.EnumeratorName, "pnp");
        EXPECT_EQ(info.Location, c.location);
        EXPECT_EQ(info.Description, c.node);
        EXPECT_EQ(info.Manufacturer, "");
    }
}

TEST_F(DeviceEnumerationTest, DeviceInfoMatchesTheExactNameOnly) {
    const DeviceEnumeration enumeration = Enumeration();
    TDeviceInfo info;
    for (const std::string& name :
         {Node("TTYUSB0"), Node("ttyusb0"), std::string("ttyUSB0"), Node("ttyS1"), Node("tty0")}) {
        SCOPED_TRACE(name);
        info.Description = "stale";
        EXPECT_FALSE(enumeration.DeviceInfo(name, info));
        EXPECT_EQ(info, TDeviceInfo{});
    }
    EXPECT_TRUE(enumeration.DeviceInfo(Node("ttyACM0"), info));
    EXPECT_EQ(info.Description, "Data Logger");
    EXPECT_EQ(info.Driver, "");
}

TEST_F(DeviceEnumerationTest, MissingTreesListNothing) {
    const fs::path none = temp_.path() / "none";
    const DeviceEnumeration enumeration(none.string(), none.string(), none.string());
    TStrings list{"kept"};
    enumeration.EnumDevices(list);
    enumeration.EnumComDevices(list);
    enumeration.EnumComDevicesFromRegistry(list);
    enumeration.EnumComFriendlyNames(list);
    EXPECT_EQ(list, TStrings{"kept"});
    EXPECT_TRUE(enumeration.DeviceInfos().empty());
}

} // namespace
} // namespace zephra::serial
