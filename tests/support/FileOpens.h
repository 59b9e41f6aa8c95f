#pragma once

#include <QFile>
#include <QString>

#include <sys/inotify.h>
#include <unistd.h>

#include <array>

// Counts how often a file is opened, by anyone, from now on: how many times a listing read it.
class FileOpens
{
public:
    explicit FileOpens(const QString &path)
        : m_watch(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        // The closes too: the kernel merges an event into an unread one just like it, so
        // two opens in a row would count as one.
        ::inotify_add_watch(m_watch, QFile::encodeName(path).constData(), IN_OPEN | IN_CLOSE);
    }
    FileOpens(const FileOpens &) = delete;
    FileOpens &operator=(const FileOpens &) = delete;
    ~FileOpens() { ::close(m_watch); }

    // The opens since the last call; the kernel queues each event before the call returns.
    int sinceLastCount()
    {
        int opens = 0;
        alignas(inotify_event) std::array<char, 4096> events;
        for (ssize_t size; (size = ::read(m_watch, events.data(), events.size())) > 0;) {
            for (ssize_t at = 0; at < size;) {
                const auto *event = reinterpret_cast<const inotify_event *>(&events[size_t(at)]);
                opens += (event->mask & IN_OPEN) ? 1 : 0;
                at += ssize_t(sizeof(inotify_event) + event->len);
            }
        }
        return opens;
    }

private:
    int m_watch;
};
