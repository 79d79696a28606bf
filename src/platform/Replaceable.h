#pragma once
#include <utility>

namespace sorvat {

// A platform service that tests can replace: Current() is the installed
// replacement, or the real service when none is installed. The real one is
// reached through a function so that it is made on first use, and the
// constructor is constexpr so that a global Replaceable needs no start-up code.
template <class Service>
class Replaceable {
public:
    using RealService = Service& (*)();

    constexpr explicit Replaceable(RealService real) : m_real(real) {}
    Replaceable(const Replaceable&) = delete;
    Replaceable& operator=(const Replaceable&) = delete;

    // Installs `replacement` (not owned); nullptr restores the real service.
    // Returns the replacement installed before, or nullptr.
    Service* Install(Service* replacement) { return std::exchange(m_installed, replacement); }

    Service& Current() const { return m_installed != nullptr ? *m_installed : m_real(); }
    Service& Default() const { return m_real(); }

private:
    RealService m_real;
    Service* m_installed = nullptr;
};

} // namespace sorvat
