#pragma once

#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

// A real file system of 16 KiB (a tmpfs) mounted over a fresh folder, which fill() makes full:
// every later write into it fails with "no space left on device". Mounting needs the superuser
// (as on CI) and a kernel that allows it; where it cannot be had, reason() says why.
class FullFileSystem {
public:
    FullFileSystem()
    {
        if (geteuid() != 0) {
            m_reason = QStringLiteral("mounting a 16 KiB tmpfs needs the superuser");
        } else if (!m_dir.isValid()) {
            m_reason = QStringLiteral("no temporary folder to mount on");
        } else if (mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                         "size=16k,mode=0700")
                   != 0) {
            m_reason = QStringLiteral("mounting a 16 KiB tmpfs failed: ") + QString::fromLocal8Bit(std::strerror(errno));
        } else {
            m_mounted = true;
        }
    }

    ~FullFileSystem()
    {
        if (m_mounted)
            umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }

    FullFileSystem(const FullFileSystem&) = delete;
    FullFileSystem& operator=(const FullFileSystem&) = delete;

    bool mounted() const { return m_mounted; }
    QString reason() const { return m_reason; }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    QStringList files() const { return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); }

    // Takes every free byte into the file "filler"; true when the file system is then full.
    bool fill() const
    {
        const int fd = ::open(QFile::encodeName(filePath(QStringLiteral("filler"))).constData(),
                              O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fd < 0)
            return false;
        const char block[512] = {};
        ssize_t written = 0;
        do
            written = ::write(fd, block, sizeof block);
        while (written > 0);
        const bool full = written < 0 && errno == ENOSPC;
        ::close(fd);
        return full;
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_reason;
};
