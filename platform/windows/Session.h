// TPlatformSession: the process's window-system session, made once by the program's entry point.
#pragma once

#include <memory>

class TPlatformSession {
public:
    // Connects to the window system (a virtual one when the caller arranged it) with the
    // program's arguments; argc and argv must outlive the session.
    TPlatformSession(int& argc, char** argv);
    ~TPlatformSession();
    TPlatformSession(const TPlatformSession&) = delete;
    TPlatformSession& operator=(const TPlatformSession&) = delete;

private:
    struct TImpl;
    std::unique_ptr<TImpl> FImpl;
};
