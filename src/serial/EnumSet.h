#pragma once

#include <cstdint>
#include <initializer_list>

namespace zephra::serial {

/// A set of members of an enumeration with at most 64 members, the way the
/// component's option, modem-status and line-error sets are kept.
template <typename E> class EnumSet {
public:
    constexpr EnumSet() = default;
    constexpr EnumSet(std::initializer_list<E> members) {
        for (E member : members) {
            Include(member);
        }
    }

    constexpr bool Contains(E member) const { return (bits_ & Bit(member)) != 0; }
    constexpr void Include(E member) { bits_ |= Bit(member); }
    constexpr void Exclude(E member) { bits_ &= ~Bit(member); }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr std::uint64_t Bits() const { return bits_; }

    friend constexpr bool operator==(EnumSet a, EnumSet b) = default;

private:
    static constexpr std::uint64_t Bit(E member) {
        return std::uint64_t{1} << static_cast<unsigned>(member);
    }

    std::uint64_t bits_ = 0;
};

} // namespace zephra::serial
