#include "platform/portable/shared_libraries.h"

#include <dlfcn.h>

#include "platform/portable/native_path.h"

namespace platform::portable {

namespace {

void* HandleOf(LibraryHandle library) { return reinterpret_cast<void*>(library); }

template <typename Function>
Function* Lookup(LibraryHandle library, const char* name) {
    return reinterpret_cast<Function*>(dlsym(HandleOf(library), name));
}

}  // namespace

LibraryHandle SharedLibraries::Load(std::u16string_view path) {
    const std::string native = NativePath(path).string();
    if (trace_) trace_->Record("libraries: load " + native);
    return reinterpret_cast<LibraryHandle>(dlopen(native.c_str(), RTLD_NOW | RTLD_LOCAL));
}

void SharedLibraries::Free(LibraryHandle library) {
    if (library != 0) dlclose(HandleOf(library));
}

std::optional<std::int32_t> SharedLibraries::CallWithTwoIntegers(LibraryHandle library,
                                                                 const char* function,
                                                                 std::int32_t first,
                                                                 std::int32_t second) {
    using Signature = std::int32_t(std::int32_t, std::int32_t);
    auto* entry = Lookup<Signature>(library, function);
    if (entry == nullptr) return std::nullopt;
    return entry(first, second);
}

std::optional<std::int32_t> SharedLibraries::CallWithWindow(LibraryHandle library,
                                                            const char* function,
                                                            WindowHandle window,
                                                            std::optional<std::uint32_t> flags) {
    if (flags) {
        auto* entry = Lookup<std::int32_t(WindowHandle, std::uint32_t)>(library, function);
        if (entry == nullptr) return std::nullopt;
        return entry(window, *flags);
    }
    auto* entry = Lookup<std::int32_t(WindowHandle)>(library, function);
    if (entry == nullptr) return std::nullopt;
    return entry(window);
}

}  // namespace platform::portable
