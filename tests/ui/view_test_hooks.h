#pragma once
// Stand-ins the view and dialog tests share: a message box that records
// instead of blocking, and a view that counts repaint requests.
#include <string>
#include <vector>

#include "platform/message_box.h"
#include "platform/view.h"

class CRecordingMessageBox : public CMessageBoxHook {
public:
    CRecordingMessageBox() { SetMessageBoxHook(this); }
    ~CRecordingMessageBox() override { SetMessageBoxHook(nullptr); }
    CRecordingMessageBox(const CRecordingMessageBox&) = delete;
    CRecordingMessageBox& operator=(const CRecordingMessageBox&) = delete;

    void Show(const std::string& text) override { m_texts.push_back(text); }
    void CloseAll() override {}

    std::vector<std::string> m_texts;
};

class CRecordingView : public CView {
public:
    void InvalidateRect(bool bErase) override {
        ++m_nRequests;
        if (bErase) ++m_nErasing;
    }
    int m_nRequests = 0;
    int m_nErasing = 0;
};
