#pragma once
// Message boxes that show nothing: each request is recorded, and the answers come from a
// script, one per box (IDOK once the script runs out).

#include "framework/cwinapp.h"
#include "framework/cwnd.h"
#include "framework/message_boxes.h"

#include <deque>
#include <memory>
#include <vector>

class RecordingMessageBoxes final : public MessageBoxes {
public:
    struct Log {
        std::vector<MessageBoxRequest> shown;
        std::vector<bool> mainWindowVisible; // at the time of each box
        std::deque<int> answers;
    };

    explicit RecordingMessageBoxes(std::shared_ptr<Log> log) : m_log(std::move(log)) {}

    int Show(const MessageBoxRequest& request) override
    {
        m_log->shown.push_back(request);
        const CWnd* main = AfxGetApp()->m_pMainWnd;
        m_log->mainWindowVisible.push_back(main && main->IsWindowVisible());
        if (m_log->answers.empty())
            return IDOK;
        const int answer = m_log->answers.front();
        m_log->answers.pop_front();
        return answer;
    }

private:
    std::shared_ptr<Log> m_log;
};
