#pragma once

namespace sorvat::test {

// A stand-in for a platform service, installed for its lifetime through the
// service's setter and replaced by the one before it afterwards.
template <class Service, Service* (*Install)(Service*)>
class InstalledService : public Service {
public:
    InstalledService() : m_previous(Install(this)) {}
    ~InstalledService() override { Install(m_previous); }
    InstalledService(const InstalledService&) = delete;
    InstalledService& operator=(const InstalledService&) = delete;

private:
    Service* m_previous;
};

} // namespace sorvat::test
