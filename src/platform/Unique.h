#pragma once
#include <utility>

// Owns one platform resource and releases it when it goes. Move-only, so each
// resource is released exactly once. Traits name the resource's type
// (Value), the value that stands for none (None), which values hold a
// resource (IsValid) and how one is released (Close).
template <class Traits>
class CUnique {
public:
    using Value = typename Traits::Value;

    CUnique() noexcept = default;
    explicit CUnique(Value value) noexcept : m_value(value) {}
    CUnique(CUnique&& other) noexcept : m_value(other.Release()) {}
    CUnique& operator=(CUnique&& other) noexcept {
        Reset(other.Release());
        return *this;
    }
    CUnique(const CUnique&) = delete;
    CUnique& operator=(const CUnique&) = delete;
    ~CUnique() { Reset(); }

    Value Get() const noexcept { return m_value; }
    bool IsValid() const noexcept { return Traits::IsValid(m_value); }

    // Gives the resource up without releasing it.
    Value Release() noexcept { return std::exchange(m_value, Traits::None()); }
    // Releases the resource held, if any, and holds value instead.
    void Reset(Value value = Traits::None()) noexcept {
        const Value old = std::exchange(m_value, value);
        if (Traits::IsValid(old) && old != value) Traits::Close(old);
    }

private:
    Value m_value = Traits::None();
};
