#ifndef VEXO_TESTS_SMALLDISK_H
#define VEXO_TESTS_SMALLDISK_H

// A nearly full disk for tests: a small tmpfs mounted in the test process's
// own mount namespace, so nobody else sees it and it goes away with the
// process. Where the process may not mount (no privilege), tests fall back to
// a read-only folder.
//
// Call vexotest::enterPrivateMountNamespace() first thing in main(), before
// any thread exists (unshare refuses a multi-threaded process).

#include <QDir>
#include <QFile>
#include <QString>

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace vexotest {

inline bool &privateMounts()
{
    static bool allowed = false;
    return allowed;
}

inline void enterPrivateMountNamespace()
{
    privateMounts() =
        ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

class SmallDisk final
{
public:
    // dir is created; a tmpfs of sizeKb is mounted on it when allowed,
    // otherwise dir is made read-only.
    SmallDisk(const QString &dir, int sizeKb) : m_dir(dir)
    {
        QDir().mkpath(dir);
        const QByteArray path = QFile::encodeName(dir);
        if (privateMounts()) {
            const QByteArray options = "size=" + QByteArray::number(sizeKb) + "k";
            m_mounted = ::mount("tmpfs", path.constData(), "tmpfs", 0, options.constData()) == 0;
        }
        if (!m_mounted)
            QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir).constData(), MNT_DETACH);
        else
            QFile::setPermissions(m_dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    // true: a real full disk (writes fail part-way); false: a read-only folder.
    bool isTmpfs() const { return m_mounted; }
    // A read-only folder stops nobody when we run as root.
    bool isUsable() const { return m_mounted || ::geteuid() != 0; }
    QString path() const { return m_dir; }

private:
    QString m_dir;
    bool m_mounted = false;
};

} // namespace vexotest

#endif // VEXO_TESTS_SMALLDISK_H
