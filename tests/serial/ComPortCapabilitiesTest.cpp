// Capability sets and queue sizes: the bit mappings, and the answers for an open pseudo-terminal.

#include "serial/ComPort.h"
#include "serial/detail/CommProperties.h"

#include "PseudoTerminal.h"

#include <gtest/gtest.h>

namespace zephra::serial {
namespace {

using detail::CommProperties;

TEST(CommProperties, BitsMapToTheirMembers) {
    CommProperties properties;
    properties.ProvCapabilities = 0x1 | 0x100 | 0x200;
    properties.SettableParams = 0x20 | 0x2;
    properties.SettableBaud = 0x4 | 0x40000 | 0x10000000;
    properties.SettableData = 0x1 | 0x20;
    properties.SettableStopParity = 0x0100 | 0x1000 | 0x2;
    EXPECT_EQ(detail::CapabilitiesOf(properties),
              (TCapabilities{TCapability::caDtrDsr, TCapability::caSpecialChars,
                             TCapability::ca16BitMode}));
    EXPECT_EQ(
        detail::SettableParametersOf(properties),
        (TSettableParameters{TSettableParameter::spParityCheck, TSettableParameter::spBaudRate}));
    EXPECT_EQ(detail::SettableBaudRatesOf(properties),
              (TBaudRates{TBaudRate::br134_5, TBaudRate::br57600, TBaudRate::brCustom}));
    EXPECT_EQ(detail::SettableDataBitsOf(properties),
              (TSettableDataBits{TDataBits::db5, TDataBits::db16x}));
    EXPECT_EQ(detail::SettableParityOf(properties),
              (TSettableParity{TParity::paNone, TParity::paSpace}));
    EXPECT_EQ(detail::SettableStopBitsOf(properties), TSettableStopBits{TStopBits::sb1_5});
}

TEST(CommProperties, MaxBaudRateTakesOneKnownBit) {
    const struct {
        std::uint32_t bits;
        TBaudRate rate;
    } cases[] = {{0x1, TBaudRate::br75},         {0x20000, TBaudRate::br115200},
                 {0x10000, TBaudRate::br128000}, {0x10000000, TBaudRate::brCustom},
                 {0, TBaudRate::brDefault},      {0x3, TBaudRate::brDefault},
                 {0x80000, TBaudRate::brDefault}};
    for (const auto& c : cases) {
        CommProperties properties;
        properties.MaxBaud = c.bits;
        EXPECT_EQ(detail::MaxBaudRateOf(properties), c.rate) << std::hex << c.bits;
    }
}

TEST(ComPortCapabilities, AnOpenPseudoTerminalAnswersWithTheTtyInterface) {
    test::PseudoTerminal pty;
    TComPort port(nullptr);
    port.SetDeviceName(pty.SlavePath());
    port.Open();
    EXPECT_EQ(port.Capabilities(),
              (TCapabilities{TCapability::caRtsCts, TCapability::caRLSD, TCapability::caParityCheck,
                             TCapability::caXOnXOff, TCapability::caSettableXChar,
                             TCapability::caTotalTimeouts, TCapability::caIntervalTimeouts}));
    EXPECT_EQ(port.SettableParameters(),
              (TSettableParameters{TSettableParameter::spParity, TSettableParameter::spParityCheck,
                                   TSettableParameter::spBaudRate, TSettableParameter::spDataBits,
                                   TSettableParameter::spStopBits,
                                   TSettableParameter::spHandShaking, TSettableParameter::spRLSD}));
    const TBaudRates rates = port.SettableBaudRates();
    for (TBaudRate rate : {TBaudRate::br75, TBaudRate::br1200, TBaudRate::br9600,
                           TBaudRate::br115200, TBaudRate::br128000, TBaudRate::brCustom}) {
        EXPECT_TRUE(rates.Contains(rate)) << static_cast<int>(rate);
    }
    for (TBaudRate rate : {TBaudRate::brDefault, TBaudRate::br50, TBaudRate::br2000,
                           TBaudRate::br15625, TBaudRate::br256000}) {
        EXPECT_FALSE(rates.Contains(rate)) << static_cast<int>(rate);
    }
    EXPECT_EQ(port.MaxBaudRate(), TBaudRate::brCustom);
    EXPECT_EQ(port.SettableDataBits(),
              (TSettableDataBits{TDataBits::db5, TDataBits::db6, TDataBits::db7, TDataBits::db8}));
    EXPECT_EQ(port.SettableParity(),
              (TSettableParity{TParity::paNone, TParity::paOdd, TParity::paEven, TParity::paMark,
                               TParity::paSpace}));
    EXPECT_EQ(port.SettableStopBits(),
              (TSettableStopBits{TStopBits::sb1, TStopBits::sb1_5, TStopBits::sb2}));
    EXPECT_EQ(port.BufferSizes().MaxInput(), 0);
    EXPECT_EQ(port.BufferSizes().MaxOutput(), 0);
    EXPECT_EQ(port.BufferSizes().CurrentInput(), 4096);
    EXPECT_EQ(port.BufferSizes().CurrentOutput(), 4096);
}

TEST(ComPortCapabilities, AClosedPortRefusesEveryQuery) {
    TComPort port(nullptr);
    const std::function<void()> queries[] = {
        [&] { port.Capabilities(); },
        [&] { port.SettableParameters(); },
        [&] { port.SettableBaudRates(); },
        [&] { port.MaxBaudRate(); },
        [&] { port.SettableDataBits(); },
        [&] { port.SettableParity(); },
        [&] { port.SettableStopBits(); },
        [&] { port.BufferSizes().MaxInput(); },
        [&] { port.BufferSizes().MaxOutput(); },
        [&] { port.BufferSizes().CurrentInput(); },
        [&] { port.BufferSizes().CurrentOutput(); },
    };
    for (const auto& query : queries) {
        try {
            query();
            ADD_FAILURE() << "no error";
        } catch (const EComError& e) {
            EXPECT_EQ(e.ErrorCode(), 0);
            EXPECT_STREQ(e.what(), "Can't perform this operation on a closed port");
        }
    }
}

} // namespace
} // namespace zephra::serial
