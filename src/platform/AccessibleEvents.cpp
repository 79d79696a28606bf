#include "platform/AccessibleEvents.h"
#include "platform/Replaceable.h"

#include <QAccessible>

namespace sorvat {

namespace {

class QtAccessibleEvents final : public AccessibleEventService {
public:
    bool Listening() override { return QAccessible::isActive(); }
    void Send(QAccessibleEvent& event) override { QAccessible::updateAccessibility(&event); }
};

AccessibleEventService& RealEvents() {
    static QtAccessibleEvents real;
    return real;
}

Replaceable<AccessibleEventService> g_events(&RealEvents);

} // namespace

bool AccessibilityListening() { return g_events.Current().Listening(); }

void SendAccessibleEvent(QAccessibleEvent& event) {
    if (AccessibilityListening()) g_events.Current().Send(event);
}

AccessibleEventService* SetAccessibleEventService(AccessibleEventService* service) {
    return g_events.Install(service);
}

} // namespace sorvat
