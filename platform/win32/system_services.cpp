#include "platform/win32/system_services.h"

#include <windows.h>

#include <shlobj.h>

#include "platform/win32/text.h"

namespace platform::win32 {

namespace {

HMODULE Module(LibraryHandle library) { return reinterpret_cast<HMODULE>(library); }

// Looks an export up as a function of the given type.
template <typename Function>
Function Export(LibraryHandle library, const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(Module(library), name)));
}

}  // namespace

std::uint32_t SystemClock::TickCount() { return GetTickCount(); }

void SystemClock::Sleep(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

void DebuggerOutput::Write(std::u16string_view text) { OutputDebugStringW(Wide(text).c_str()); }

NamedMutex KernelMutexes::Create(std::u16string_view name) {
    HANDLE mutex = CreateMutexW(nullptr, FALSE, Wide(name).c_str());
    const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
    return {reinterpret_cast<MutexHandle>(mutex), existed};
}

void KernelMutexes::Close(MutexHandle handle) {
    HANDLE mutex = reinterpret_cast<HANDLE>(handle);
    ReleaseMutex(mutex);  // never owned; kept so that ownership could never outlive the agent
    CloseHandle(mutex);
}

std::u16string ShellFolders::ModuleFolder() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring_view text(path, length);
    const std::size_t slash = text.rfind(L'\\');
    return Utf16(slash == std::wstring_view::npos ? text : text.substr(0, slash));
}

std::optional<std::u16string> ShellFolders::RoamingAppData() {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr,
                                SHGFP_TYPE_CURRENT, path))) {
        return std::nullopt;
    }
    return Utf16(path);
}

bool ShellFolders::FileExists(std::u16string_view path) {
    return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

LibraryHandle DynamicLibraries::Load(std::u16string_view path) {
    return reinterpret_cast<LibraryHandle>(LoadLibraryW(Wide(path).c_str()));
}

void DynamicLibraries::Free(LibraryHandle library) {
    if (library != 0) FreeLibrary(Module(library));
}

std::optional<std::int32_t> DynamicLibraries::CallWithTwoIntegers(LibraryHandle library,
                                                                  const char* function,
                                                                  std::int32_t first,
                                                                  std::int32_t second) {
    auto* entry = Export<INT(WINAPI*)(INT, INT)>(library, function);
    if (entry == nullptr) return std::nullopt;
    return entry(first, second);
}

std::optional<std::int32_t> DynamicLibraries::CallWithWindow(LibraryHandle library,
                                                             const char* function,
                                                             WindowHandle window,
                                                             std::optional<std::uint32_t> flags) {
    HWND hwnd = reinterpret_cast<HWND>(window);
    if (flags) {
        auto* entry = Export<BOOL(WINAPI*)(HWND, DWORD)>(library, function);
        if (entry == nullptr) return std::nullopt;
        return entry(hwnd, *flags);
    }
    auto* entry = Export<BOOL(WINAPI*)(HWND)>(library, function);
    if (entry == nullptr) return std::nullopt;
    return entry(hwnd);
}

}  // namespace platform::win32
