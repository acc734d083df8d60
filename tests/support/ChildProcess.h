#pragma once

#include <QString>

#include <csignal>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Runs a piece of a test in a forked child, so that limits and identities set for it never
// reach the test program itself. The child's answer comes back as text; a child that dies
// answers "<child died>".
namespace ChildProcess {

inline QString run(const std::function<void()> &setUp, const std::function<QString()> &work)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return QStringLiteral("<no pipe>");
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        setUp();
        const QByteArray answer = work().toUtf8();
        const bool sent = ::write(fds[1], answer.constData(), std::size_t(answer.size())) == answer.size();
        ::_exit(sent ? 0 : 1);
    }
    ::close(fds[1]);
    std::string answer;
    char buffer[4096];
    for (ssize_t got; (got = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        answer.append(buffer, std::size_t(got));
    ::close(fds[0]);
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return QStringLiteral("<child died>");
    return QString::fromStdString(answer);
}

// Files may not grow past `bytes`: a write beyond that comes back short, the way it does on a
// full disk (SIGXFSZ is ignored, so the write fails instead of ending the process).
inline QString withFileSizeLimit(rlim_t bytes, const std::function<QString()> &work)
{
    return run([bytes] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }, work);
}

// As the user "nobody" when the tests run as root, so that file permissions apply.
inline QString withoutPrivileges(const std::function<QString()> &work)
{
    return run([] {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(1);
    }, work);
}

} // namespace ChildProcess
