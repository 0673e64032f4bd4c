// The resolver that never answers, and its release at the end of a test.
#include "support/SilentResolver.h"

TSilentResolver::TSilentResolver() : FReplaced(SetHostNameResolver(this))
{
}

TSilentResolver::~TSilentResolver()
{
    SetHostNameResolver(FReplaced);
    std::unique_lock<std::mutex> Guard(FLock);
    FReleased = true;
    FChanged.notify_all();
    FChanged.wait(Guard, [this] { return FRunning == 0; });
}

bool TSilentResolver::Lookup(const QByteArray&, in_addr&)
{
    std::unique_lock<std::mutex> Guard(FLock);
    ++FAsked;
    ++FRunning;
    FChanged.wait(Guard, [this] { return FReleased; });
    --FRunning;
    FChanged.notify_all();
    return false;
}

int TSilentResolver::Lookups()
{
    const std::lock_guard<std::mutex> Guard(FLock);
    return FAsked;
}
