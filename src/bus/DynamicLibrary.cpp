#include "bus/DynamicLibrary.h"

#include <cstdlib>
#include <utility>

#if defined(_WIN32)
#include "kit/WindowsApi.h"
#else
#include <dlfcn.h>
#endif

DynamicLibrary::~DynamicLibrary() { Free(); }

DynamicLibrary::DynamicLibrary(DynamicLibrary&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}

DynamicLibrary& DynamicLibrary::operator=(DynamicLibrary&& other) noexcept
{
    if (this != &other) {
        Free();
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

bool DynamicLibrary::Load(const std::string& fileName)
{
    Free();
#if defined(_WIN32)
    handle_ = reinterpret_cast<void*>(LoadLibraryA(fileName.c_str()));
#else
    handle_ = dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
#endif
    return handle_ != nullptr;
}

void DynamicLibrary::Free()
{
    if (handle_ == nullptr)
        return;
#if defined(_WIN32)
    FreeLibrary(static_cast<HMODULE>(handle_));
#else
    dlclose(handle_);
#endif
    handle_ = nullptr;
}

void* DynamicLibrary::Symbol(const char* name) const
{
    if (handle_ == nullptr)
        return nullptr;
#if defined(_WIN32)
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name));
#else
    return dlsym(handle_, name);
#endif
}

std::string LibraryNameFromEnvironment(const char* variable, const std::string& usualName)
{
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0' ? std::string(value) : usualName;
}
