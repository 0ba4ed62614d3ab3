#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QObject>
#include <QString>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

// Writes one file again and again, replacing it atomically each time
// (WriteFileAtomically), on a thread of its own: the caller's thread never
// waits for the disk. A content handed over while another is being written
// waits, and a newer one replaces it; the latest always reaches the disk.
class BackgroundWriter : public QObject
{
    Q_OBJECT
public:
    explicit BackgroundWriter(const QString &path, QObject *parent = nullptr);
    // A write under way ends first; a waiting one is dropped.
    ~BackgroundWriter() override;

    // Hands a content over to be written, in parts that the writer's
    // thread joins; returns at once.
    void write(const QByteArrayList &parts);
    // Writes the content at once, on the caller's thread, after the write
    // under way, if any; a waiting one is dropped. Throws TIniFileError as
    // WriteFileAtomically does.
    void writeNow(const QByteArrayList &parts);

signals:
    // The latest content handed over by write() has been written: error is
    // empty when it succeeded, the reason when it failed. Told on the
    // owner's thread. The end of a write overtaken by a later content (by
    // write() or writeNow()) is not told: the file no longer holds it.
    void written(const QString &error);

private:
    void run();

    QString m_path;
    std::mutex m_mutex;
    std::condition_variable m_changed; // work came, a write ended, or the end
    std::optional<QByteArrayList> m_next;
    quint64 m_nextNumber = 0; // of m_next
    quint64 m_handedOver = 0; // contents handed over; the owner's thread only
    bool m_writing = false;
    bool m_stop = false;
    std::thread m_thread; // started with the first write handed over
};
