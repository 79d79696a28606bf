#pragma once

class QAccessibleEvent;

namespace sorvat {

// Where the program's accessibility events go: to Qt's accessibility
// bridge, which passes them on to the desktop's assistive technologies while
// one listens. Tests install a recorder.
class AccessibleEventService {
public:
    virtual ~AccessibleEventService() = default;
    // Whether an assistive technology listens (events cost nothing otherwise).
    virtual bool Listening() = 0;
    virtual void Send(QAccessibleEvent& event) = 0;
};

bool AccessibilityListening();
void SendAccessibleEvent(QAccessibleEvent& event);

// Installs `service` (not owned); nullptr restores the real bridge.
AccessibleEventService* SetAccessibleEventService(AccessibleEventService* service);

} // namespace sorvat
