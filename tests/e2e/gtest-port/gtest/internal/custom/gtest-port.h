// GoogleTest port settings for the end-to-end tests' MinGW build (win32 thread model): its <mutex> has no
// std::mutex, which GoogleTest's Notification needs, so this one waits on a Win32 event instead.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

class Notification {
public:
    Notification() : m_event(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~Notification() { CloseHandle(m_event); }
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify() { SetEvent(m_event); }
    void WaitForNotification() { WaitForSingleObject(m_event, INFINITE); }

private:
    HANDLE m_event;
};

}  // namespace testing::internal
