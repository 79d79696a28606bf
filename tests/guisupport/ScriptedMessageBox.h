#pragma once
#include "guisupport/InstalledService.h"
#include "platform/MessageBox.h"

#include <deque>
#include <vector>

namespace sorvat::test {

// Records every message box and answers from a script; without a scripted
// answer a box is answered with its first button.
class ScriptedMessageBox final : public InstalledService<MessageBoxService, &SetMessageBoxService> {
public:
    void Answer(MessageResult result) { m_answers.push_back(result); }
    const std::vector<MessageBoxRequest>& Boxes() const { return m_boxes; }

    MessageResult Show(const MessageBoxRequest& request) override {
        m_boxes.push_back(request);
        if (!m_answers.empty()) {
            const MessageResult answer = m_answers.front();
            m_answers.pop_front();
            return answer;
        }
        switch (request.buttons) {
        case MessageButtons::YesNo:
        case MessageButtons::YesNoCancel: return MessageResult::Yes;
        case MessageButtons::Ok:
        case MessageButtons::OkCancel: break;
        }
        return MessageResult::Ok;
    }

private:
    std::deque<MessageResult> m_answers;
    std::vector<MessageBoxRequest> m_boxes;
};

} // namespace sorvat::test
