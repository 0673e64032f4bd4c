// Slots for the replaceable services: each service type has its real instance and the one in use.
#pragma once

#include <utility>

// The real instance of service T, made on first use.
template <typename T>
T& RealService()
{
    static T Real;
    return Real;
}

// The instance of service T in use: the real one unless a test installed its own.
template <typename T>
T*& InstalledService()
{
    static T* Installed = &RealService<T>();
    return Installed;
}

// Installs Service (nullptr: the real one again) and gives back the one it replaces.
template <typename T>
T* InstallService(T* Service)
{
    return std::exchange(InstalledService<T>(), Service ? Service : &RealService<T>());
}
