// Move-only owners of Win32 handles, and the counts of the GDI and USER objects the program holds, kept here
// because the system's own counters are not available everywhere. Borrowed handles stay plain HWND/HDC.
#pragma once

#include <windows.h>
// The portable canvas has a DrawText of its own; the platform layer calls DrawTextW by its full name.
#undef DrawText

#include <utility>

namespace win32 {

struct ObjectCounts {
    long gdiObjects = 0;
    long windows = 0;
};
ObjectCounts& Counts();

// GDI objects: fonts, bitmaps, regions, brushes, memory device contexts.
template <typename H, typename Deleter>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(H handle) : m_handle(handle)
    {
        if (m_handle) {
            ++Counts().gdiObjects;
        }
    }
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other) {
            Reset();
            m_handle = std::exchange(other.m_handle, nullptr);
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    H Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }
    // Hands the handle to the system (for example a region given to SetWindowRgn).
    H ReleaseToSystem()
    {
        if (m_handle) {
            --Counts().gdiObjects;
        }
        return std::exchange(m_handle, nullptr);
    }
    void Reset()
    {
        if (m_handle) {
            Deleter{}(m_handle);
            --Counts().gdiObjects;
            m_handle = nullptr;
        }
    }

private:
    H m_handle = nullptr;
};

struct GdiObjectDeleter {
    void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct DcDeleter {
    void operator()(HDC h) const { DeleteDC(h); }
};

using UniqueFont = UniqueHandle<HFONT, GdiObjectDeleter>;
using UniqueBitmap = UniqueHandle<HBITMAP, GdiObjectDeleter>;
using UniqueRegion = UniqueHandle<HRGN, GdiObjectDeleter>;
using UniqueMemoryDc = UniqueHandle<HDC, DcDeleter>;

// A kernel handle (files).
class UniqueFile {
public:
    explicit UniqueFile(HANDLE handle) : m_handle(handle) {}
    ~UniqueFile()
    {
        if (m_handle != INVALID_HANDLE_VALUE) {
            CloseHandle(m_handle);
        }
    }
    UniqueFile(const UniqueFile&) = delete;
    UniqueFile& operator=(const UniqueFile&) = delete;
    HANDLE Get() const { return m_handle; }
    bool Valid() const { return m_handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_handle;
};

// Selects an object into a device context for a scope and selects the previous one back.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(SelectObject(dc, object)) {}
    ~SelectGuard() { SelectObject(m_dc, m_previous); }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

} // namespace win32
