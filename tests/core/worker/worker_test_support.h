#pragma once
// A document with three counting views, a message box that can block like a
// real one, a loader for small programs, and waits with generous deadlines.
// Tests synchronise with the worker only through what it visibly does: view
// refreshes, run ends, message boxes and the processor state.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "core/cpu_unit.h"
#include "core/platform/message_box.h"
#include "core/platform/view.h"
#include "core/sim_document.h"
#include "core/state.h"

constexpr auto kDeadline = std::chrono::seconds(20);
constexpr int kDeadlineMs = 20000;
// Long enough for a worker that wrongly goes on to show it.
constexpr auto kSettle = std::chrono::milliseconds(150);

// Polls until the condition holds; false once the deadline has passed.
inline bool Eventually(const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + kDeadline;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// Runs the action on a thread of its own; if it has not finished within the
// deadline nothing could end it, so the test program ends with a failure.
inline void FinishesWithinDeadline(const std::function<void()>& action, const char* what) {
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> finished = done->get_future();
    std::thread([action, done] {
        action();
        done->set_value();
    }).detach();
    if (finished.wait_for(kDeadline) == std::future_status::timeout) {
        std::fprintf(stderr, "HANG: %s did not finish within 20 s\n", what);
        std::_Exit(1);
    }
}

class CCountingView : public core::CView {
public:
    void InvalidateRect(bool bErase) override {
        if (bErase) m_erases.fetch_add(1);
        std::unique_lock lock(m_mutex, std::defer_lock);
        if (m_holdArmed.load()) {
            lock.lock();
            m_held = true;
            m_cv.notify_all();
            m_cv.wait(lock, [this] { return !m_holdArmed.load(); });
            m_held = false;
        }
        m_count.fetch_add(1);
    }

    int Count() const { return m_count.load(); }
    int Erases() const { return m_erases.load(); }

    // The next refresh blocks inside this view until Release, so a test can
    // act while the worker is busy with an instruction.
    void HoldNext() { m_holdArmed.store(true); }
    bool WaitHeld() {
        std::unique_lock lock(m_mutex);
        return m_cv.wait_for(lock, kDeadline, [this] { return m_held; });
    }
    void Release() {
        std::lock_guard lock(m_mutex);
        m_holdArmed.store(false);
        m_cv.notify_all();
    }

private:
    std::atomic<int> m_count{0};
    std::atomic<int> m_erases{0};
    std::atomic<bool> m_holdArmed{false};
    std::mutex m_mutex;
    std::condition_variable m_cv;
    bool m_held = false;
};

// Records every text; when blocking, each box stays open until the user
// answers (Answer) or shutdown closes it (CloseAll).
class CTestMessageBox : public core::CMessageBoxHook {
public:
    CTestMessageBox() { core::SetMessageBoxHook(this); }
    ~CTestMessageBox() override { core::SetMessageBoxHook(nullptr); }
    CTestMessageBox(const CTestMessageBox&) = delete;
    CTestMessageBox& operator=(const CTestMessageBox&) = delete;

    void Show(const std::string& text) override {
        std::unique_lock lock(m_mutex);
        m_texts.push_back(text);
        if (!m_blocking) return;
        const int generation = m_generation;
        ++m_open;
        m_cv.wait(lock, [&] { return m_generation != generation; });
        --m_open;
    }
    void CloseAll() override { Answer(); }

    void SetBlocking(bool blocking) {
        std::lock_guard lock(m_mutex);
        m_blocking = blocking;
    }
    // The user presses OK on every open box.
    void Answer() {
        std::lock_guard lock(m_mutex);
        ++m_generation;
        m_cv.notify_all();
    }
    int Open() const {
        std::lock_guard lock(m_mutex);
        return m_open;
    }
    std::vector<std::string> Texts() const {
        std::lock_guard lock(m_mutex);
        return m_texts;
    }

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_cv;
    std::vector<std::string> m_texts;
    bool m_blocking = false;
    int m_generation = 0;
    int m_open = 0;
};

struct ProgramWord {
    int address;
    const char* text;  // four upper-case hex characters
};

// Instruction words used by the tests.
namespace words {
constexpr const char* kNop = "0000";
constexpr const char* kIncfCounter = "0A8C";  // INCF 0x0C,F
constexpr const char* kReturn = "0008";
constexpr const char* kGoto0 = "2800";
constexpr const char* kGoto5 = "2805";
}  // namespace words

class WorkerTest : public testing::Test {
protected:
    void SetUp() override {
        ResetForLoad();
        ProgramEnd = 0;
        SimSpeedMs = 0;
        LastRefreshedView = nullptr;
        m_doc = std::make_unique<core::CSimDocument>();
        m_doc->AddView(&m_editor);
        m_doc->AddView(&m_pins);
        m_doc->AddView(&m_registers);
    }

    void TearDown() override {
        EndWorker();
        // Whatever the test did, the worker never repaints the source editor
        // and never asks for the background to be erased.
        EXPECT_EQ(m_editor.Count(), 0);
        EXPECT_EQ(m_pins.Erases() + m_registers.Erases(), 0);
    }

    // Clears the image, then writes the words and makes the whole image the
    // program, as the loader does.
    static void LoadProgram(const std::vector<ProgramWord>& program) {
        ClearProgramImage();
        for (const ProgramWord& word : program) {
            for (int i = 0; i < 4; ++i) ProgramImage[4 * word.address + i] = word.text[i];
        }
        ProgramEnd = core::kProgramImageSize;
    }

    // Creates the worker and waits until it shows its first, reset state.
    void StartWorker() {
        m_doc->CreateWorker();
        ASSERT_TRUE(Eventually([&] { return Refreshes() >= 1; }));
    }

    void EndWorker() {
        FinishesWithinDeadline([this] { m_doc.reset(); }, "destroying the document");
    }

    int Refreshes() const { return m_registers.Count(); }
    bool WaitRefreshes(int n) {
        return Eventually([&] { return Refreshes() >= n; });
    }
    // True when, after a while, the worker has done no more than n refreshes.
    bool StaysAt(int n) {
        std::this_thread::sleep_for(kSettle);
        return Refreshes() == n;
    }
    // At full speed the worker refreshes once per slice of instructions, so
    // the instruction counter, not the refreshes, tells how many ran.
    static uint64_t Instructions() { return InstructionCount; }
    // True when the run reaches n instructions and, after a while, has done
    // no more.
    bool StaysAtInstructions(uint64_t n) {
        if (!Eventually([&] { return Instructions() >= n; })) return false;
        std::this_thread::sleep_for(kSettle);
        return Instructions() == n;
    }
    bool Paused() const { return m_doc->m_pWorker->m_bPaused; }
    bool WaitRunEnded() { return m_doc->RunEndedEvent.Wait(kDeadlineMs); }
    static uint8_t Counter() { return RegisterFile[0x0C]; }

    CCountingView m_editor;
    CCountingView m_pins;
    CCountingView m_registers;
    CTestMessageBox m_boxes;
    std::unique_ptr<core::CSimDocument> m_doc;
};
