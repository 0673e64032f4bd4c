// TSet<E>: a set of enumeration members (ordinals 0..255), written as the toolkit's set types.
#pragma once

#include <bitset>
#include <cstdint>
#include <initializer_list>
#include <type_traits>

template <typename E>
class TSet {
    static_assert(std::is_enum_v<E>, "TSet holds members of an enumeration");

public:
    static constexpr int Capacity = 256;

    constexpr TSet() = default;
    TSet(std::initializer_list<E> members) { for (E m : members) Include(m); }

    // A set built from the ordinals From..To inclusive.
    static TSet Range(E From, E To)
    {
        TSet s;
        for (int i = Ord(From); i <= Ord(To); ++i) s.bits_.set(static_cast<size_t>(i));
        return s;
    }
    // The set whose member of ordinal n is present when bit n of Mask is set (file and stream images).
    static TSet FromInt(uint64_t Mask)
    {
        TSet s;
        for (int i = 0; i < 64; ++i)
            if (Mask & (uint64_t(1) << i)) s.bits_.set(static_cast<size_t>(i));
        return s;
    }
    // The inverse of FromInt; members of ordinal 64 and above are not represented.
    uint64_t ToInt() const
    {
        uint64_t mask = 0;
        for (int i = 0; i < 64; ++i)
            if (bits_.test(static_cast<size_t>(i))) mask |= uint64_t(1) << i;
        return mask;
    }

    bool Contains(E m) const { return bits_.test(static_cast<size_t>(Ord(m))); }
    TSet& Include(E m) { bits_.set(static_cast<size_t>(Ord(m))); return *this; }
    TSet& Exclude(E m) { bits_.reset(static_cast<size_t>(Ord(m))); return *this; }
    bool Empty() const { return bits_.none(); }
    int Count() const { return static_cast<int>(bits_.count()); }
    void Clear() { bits_.reset(); }

    // Union, difference and intersection, as + - * on the toolkit's sets.
    friend TSet operator+(TSet a, const TSet& b) { a.bits_ |= b.bits_; return a; }
    friend TSet operator-(TSet a, const TSet& b) { a.bits_ &= ~b.bits_; return a; }
    friend TSet operator*(TSet a, const TSet& b) { a.bits_ &= b.bits_; return a; }
    friend TSet operator+(TSet a, E m) { return a.Include(m); }
    friend TSet operator-(TSet a, E m) { return a.Exclude(m); }
    TSet& operator+=(const TSet& b) { bits_ |= b.bits_; return *this; }
    TSet& operator-=(const TSet& b) { bits_ &= ~b.bits_; return *this; }
    TSet& operator*=(const TSet& b) { bits_ &= b.bits_; return *this; }
    TSet& operator+=(E m) { return Include(m); }
    TSet& operator-=(E m) { return Exclude(m); }

    friend bool operator==(const TSet& a, const TSet& b) { return a.bits_ == b.bits_; }
    // Subset and superset, as <= and >= on the toolkit's sets.
    bool operator<=(const TSet& b) const { return (bits_ & ~b.bits_).none(); }
    bool operator>=(const TSet& b) const { return b <= *this; }

private:
    static constexpr int Ord(E m) { return static_cast<int>(m); }
    std::bitset<Capacity> bits_;
};
