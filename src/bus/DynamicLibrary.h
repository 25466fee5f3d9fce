// A shared library loaded by name at run time (dlopen on POSIX, LoadLibrary on Windows),
// released when the object goes away.
#pragma once

#include <string>

class DynamicLibrary {
public:
    DynamicLibrary() = default;
    ~DynamicLibrary();
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;
    DynamicLibrary(DynamicLibrary&& other) noexcept;
    DynamicLibrary& operator=(DynamicLibrary&& other) noexcept;

    // Loads the library; a name without a folder is searched the system's usual way.
    // False, with nothing loaded, when the library cannot be loaded.
    bool Load(const std::string& fileName);
    void Free();
    bool IsLoaded() const { return handle_ != nullptr; }

    // The address of an exported function or variable; nullptr when it is not exported.
    void* Symbol(const char* name) const;

    // Looks up name and stores it, cast to the entry point's type, in target.
    // True when the name was found.
    template <typename T>
    bool Bind(T& target, const char* name) const
    {
        void* address = Symbol(name);
        target = reinterpret_cast<T>(address);
        return address != nullptr;
    }

private:
    void* handle_ = nullptr;
};

// The library to load: the path in the environment variable when it is set and not empty,
// else the platform's usual name.
std::string LibraryNameFromEnvironment(const char* variable, const std::string& usualName);
