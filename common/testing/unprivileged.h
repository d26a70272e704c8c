#pragma once

#include <cstdio>
#include <cstdlib>
#include <sys/types.h>
#include <unistd.h>

#include <filesystem>

namespace kit::testing {

// While alive, file permissions hold for this process the way they hold for an
// ordinary user. CI runs the tests as root, whom a read-only directory or file
// cannot stop; this scope takes the effective identity of "nobody" for a root
// process and changes nothing for anyone else. Whatever the scope must reach has
// to be open to others (QTemporaryDir makes its folder 0700: widen it first).
class Unprivileged
{
public:
    static constexpr uid_t kNobody = 65534;

    Unprivileged()
        : m_wasRoot(::geteuid() == 0)
    {
        // A test that went on as root would pass its permission cases for the
        // wrong reason, so a root that cannot become "nobody" stops the tests.
        if (m_wasRoot && (::setegid(kNobody) != 0 || ::seteuid(kNobody) != 0)) {
            std::perror("taking the identity of nobody");
            std::abort();
        }
    }
    ~Unprivileged()
    {
        // Tests that went on as "nobody" would fail for the wrong reason.
        if (m_wasRoot && (::seteuid(0) != 0 || ::setegid(0) != 0)) {
            std::perror("taking back the identity of root");
            std::abort();
        }
    }
    Unprivileged(const Unprivileged&) = delete;
    Unprivileged& operator=(const Unprivileged&) = delete;

    // Who the scope acts as: the owner to give a file the scope must write.
    static uid_t user() { return ::geteuid() == 0 ? kNobody : ::geteuid(); }
    static gid_t group() { return ::getegid() == 0 ? kNobody : ::getegid(); }
    // Gives `path` itself (a link, not what it names) to that user; false where
    // the system refuses, as it does to anyone but root.
    static bool handOver(const std::filesystem::path& path) { return ::lchown(path.c_str(), user(), group()) == 0; }

private:
    bool m_wasRoot;
};

} // namespace kit::testing
