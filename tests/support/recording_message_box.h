#pragma once
// A message box that records its texts instead of showing them, for every
// test program: installed while it lives, safe to fill from the worker.
#include <mutex>
#include <string>
#include <vector>

#include "core/platform/message_box.h"

class CRecordingMessageBox : public core::CMessageBoxHook {
public:
    CRecordingMessageBox() { core::SetMessageBoxHook(this); }
    ~CRecordingMessageBox() override { core::SetMessageBoxHook(nullptr); }
    CRecordingMessageBox(const CRecordingMessageBox&) = delete;
    CRecordingMessageBox& operator=(const CRecordingMessageBox&) = delete;

    void Show(const std::string& text) override {
        std::lock_guard lock(m_mutex);
        m_messages.push_back(text);
    }
    void CloseAll() override {}

    std::vector<std::string> Messages() const {
        std::lock_guard lock(m_mutex);
        return m_messages;
    }
    void Clear() {
        std::lock_guard lock(m_mutex);
        m_messages.clear();
    }

private:
    mutable std::mutex m_mutex;
    std::vector<std::string> m_messages;
};
