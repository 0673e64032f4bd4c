// A host-name resolver whose name servers never answer, installed for the object's life.
#pragma once

#include "os/Sockets.h"

#include <condition_variable>
#include <mutex>

// Every lookup blocks until the object goes; the destructor puts the resolver it replaced back,
// lets the waiting lookups end and waits for them.
class TSilentResolver : public THostNameResolver {
public:
    TSilentResolver();
    ~TSilentResolver() override;
    TSilentResolver(const TSilentResolver&) = delete;
    TSilentResolver& operator=(const TSilentResolver&) = delete;

    bool Lookup(const QByteArray& Name, in_addr& Address) override;
    // The lookups asked for so far.
    int Lookups();

private:
    std::mutex FLock;
    std::condition_variable FChanged;
    bool FReleased = false;
    int FRunning = 0;
    int FAsked = 0;
    THostNameResolver* FReplaced;
};
