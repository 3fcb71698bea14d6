#pragma once

#include <sys/fsuid.h>
#include <unistd.h>

// While it lives, the file system treats this thread as an ordinary user
// (nobody), so that a folder without write permission refuses changes also
// when the tests run as root, as it does for the program's real users.
class OrdinaryUser final {
public:
    OrdinaryUser()
    {
        if (::geteuid() != 0) {
            active_ = true;
            return;
        }
        ::setfsgid(Nobody);
        ::setfsuid(Nobody);
        active_ = ::setfsuid(static_cast<uid_t>(-1)) == Nobody;
    }
    ~OrdinaryUser()
    {
        if (::geteuid() == 0) {
            ::setfsuid(0);
            ::setfsgid(0);
        }
    }
    OrdinaryUser(const OrdinaryUser&) = delete;
    OrdinaryUser& operator=(const OrdinaryUser&) = delete;

    // Whether the switch took effect.
    bool Active() const { return active_; }

private:
    static constexpr uid_t Nobody = 65534;
    bool active_ = false;
};
