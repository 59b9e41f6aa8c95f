#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdlib>
#include <unistd.h>

// One file that holds each input in turn: the track record loads its tags from a file.
class ScratchFile
{
public:
    ScratchFile()
    {
        char pattern[] = "/tmp/sorvane-fuzz-XXXXXX.mp3";
        m_fd = ::mkstemps(pattern, 4);
        if (m_fd < 0)
            std::abort();
        m_path = QFile::decodeName(pattern);
    }
    ~ScratchFile()
    {
        ::close(m_fd);
        ::unlink(QFile::encodeName(m_path).constData());
    }
    ScratchFile(const ScratchFile &) = delete;
    ScratchFile &operator=(const ScratchFile &) = delete;

    // The path of the file, which now holds exactly bytes.
    const QString &holding(const QByteArray &bytes)
    {
        if (::ftruncate(m_fd, 0) != 0 || ::pwrite(m_fd, bytes.constData(), size_t(bytes.size()), 0) != bytes.size())
            std::abort();
        return m_path;
    }

private:
    int m_fd = -1;
    QString m_path;
};
