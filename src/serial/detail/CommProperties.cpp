#include "serial/detail/CommProperties.h"

namespace zephra::serial::detail {

namespace {

template <typename Member> struct BitMember {
    std::uint32_t bit;
    Member member;
};

constexpr BitMember<TCapability> kCapabilities[] = {
    {0x1, TCapability::caDtrDsr},         {0x2, TCapability::caRtsCts},
    {0x4, TCapability::caRLSD},           {0x8, TCapability::caParityCheck},
    {0x10, TCapability::caXOnXOff},       {0x20, TCapability::caSettableXChar},
    {0x40, TCapability::caTotalTimeouts}, {0x80, TCapability::caIntervalTimeouts},
    {0x100, TCapability::caSpecialChars}, {0x200, TCapability::ca16BitMode},
};

constexpr BitMember<TSettableParameter> kParameters[] = {
    {0x1, TSettableParameter::spParity},       {0x2, TSettableParameter::spBaudRate},
    {0x4, TSettableParameter::spDataBits},     {0x8, TSettableParameter::spStopBits},
    {0x10, TSettableParameter::spHandShaking}, {0x20, TSettableParameter::spParityCheck},
    {0x40, TSettableParameter::spRLSD},
};

constexpr std::uint32_t kUserBaud = 0x10000000;

constexpr BitMember<TBaudRate> kBaudRates[] = {
    {0x1, TBaudRate::br75},        {0x2, TBaudRate::br110},          {0x4, TBaudRate::br134_5},
    {0x8, TBaudRate::br150},       {0x10, TBaudRate::br300},         {0x20, TBaudRate::br600},
    {0x40, TBaudRate::br1200},     {0x80, TBaudRate::br1800},        {0x100, TBaudRate::br2400},
    {0x200, TBaudRate::br4800},    {0x400, TBaudRate::br7200},       {0x800, TBaudRate::br9600},
    {0x1000, TBaudRate::br14400},  {0x2000, TBaudRate::br19200},     {0x4000, TBaudRate::br38400},
    {0x8000, TBaudRate::br56000},  {0x10000, TBaudRate::br128000},   {0x20000, TBaudRate::br115200},
    {0x40000, TBaudRate::br57600}, {kUserBaud, TBaudRate::brCustom},
};

constexpr BitMember<TDataBits> kDataBits[] = {
    {0x1, TDataBits::db5}, {0x2, TDataBits::db6},   {0x4, TDataBits::db7},
    {0x8, TDataBits::db8}, {0x10, TDataBits::db16}, {0x20, TDataBits::db16x},
};

constexpr BitMember<TParity> kParities[] = {
    {0x100, TParity::paNone}, {0x200, TParity::paOdd},    {0x400, TParity::paEven},
    {0x800, TParity::paMark}, {0x1000, TParity::paSpace},
};

constexpr BitMember<TStopBits> kStopBits[] = {
    {0x1, TStopBits::sb1}, {0x2, TStopBits::sb1_5}, {0x4, TStopBits::sb2}};

template <typename Member, std::size_t N>
EnumSet<Member> SetOf(std::uint32_t bits, const BitMember<Member> (&table)[N]) {
    EnumSet<Member> set;
    for (const BitMember<Member>& entry : table) {
        if ((bits & entry.bit) != 0) {
            set.Include(entry.member);
        }
    }
    return set;
}

template <typename Member, std::size_t N>
std::uint32_t BitsOf(const BitMember<Member> (&table)[N]) {
    std::uint32_t bits = 0;
    for (const BitMember<Member>& entry : table) {
        bits |= entry.bit;
    }
    return bits;
}

/// The nominal size of the line discipline's buffers.
constexpr std::uint32_t kNominalQueue = 4096;

} // namespace

CommProperties LinuxCommProperties() {
    CommProperties properties;
    properties.MaxBaud = kUserBaud;
    properties.ProvCapabilities = 0x2 | 0x4 | 0x8 | 0x10 | 0x20 | 0x40 | 0x80;
    properties.SettableParams = BitsOf(kParameters);
    properties.SettableBaud = BitsOf(kBaudRates);
    properties.SettableData = 0x1 | 0x2 | 0x4 | 0x8;
    properties.SettableStopParity = static_cast<std::uint16_t>(BitsOf(kParities) | 0x1 | 0x2 | 0x4);
    properties.CurrentTxQueue = kNominalQueue;
    properties.CurrentRxQueue = kNominalQueue;
    return properties;
}

TCapabilities CapabilitiesOf(const CommProperties& properties) {
    return SetOf(properties.ProvCapabilities, kCapabilities);
}

TSettableParameters SettableParametersOf(const CommProperties& properties) {
    return SetOf(properties.SettableParams, kParameters);
}

TBaudRates SettableBaudRatesOf(const CommProperties& properties) {
    return SetOf(properties.SettableBaud, kBaudRates);
}

TBaudRate MaxBaudRateOf(const CommProperties& properties) {
    for (const BitMember<TBaudRate>& entry : kBaudRates) {
        if (properties.MaxBaud == entry.bit) {
            return entry.member;
        }
    }
    return TBaudRate::brDefault;
}

TSettableDataBits SettableDataBitsOf(const CommProperties& properties) {
    return SetOf(properties.SettableData, kDataBits);
}

TSettableParity SettableParityOf(const CommProperties& properties) {
    return SetOf(properties.SettableStopParity, kParities);
}

TSettableStopBits SettableStopBitsOf(const CommProperties& properties) {
    return SetOf(properties.SettableStopParity, kStopBits);
}

} // namespace zephra::serial::detail
