#include "backgroundwriter.h"

#include "settings/newinifiles.h"

BackgroundWriter::BackgroundWriter(const QString &path, QObject *parent)
    : QObject(parent), m_path(path)
{}

BackgroundWriter::~BackgroundWriter()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
        m_next.reset();
    }
    m_changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void BackgroundWriter::write(const QByteArrayList &parts)
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_next = parts;
        m_nextNumber = ++m_handedOver;
    }
    m_changed.notify_all();
    if (!m_thread.joinable())
        m_thread = std::thread(&BackgroundWriter::run, this);
}

void BackgroundWriter::writeNow(const QByteArrayList &parts)
{
    ++m_handedOver;
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_next.reset();
        m_changed.wait(lock, [this] { return !m_writing; });
    }
    // Nothing else writes meanwhile: contents are handed over from this
    // thread only.
    WriteFileAtomically(m_path, parts.join());
}

void BackgroundWriter::run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_stop || m_next.has_value(); });
        if (m_stop)
            return;
        const QByteArrayList parts = std::move(*m_next);
        const quint64 number = m_nextNumber;
        m_next.reset();
        m_writing = true;
        lock.unlock();
        QString error;
        try {
            WriteFileAtomically(m_path, parts.join());
        } catch (const TIniFileError &e) {
            error = e.text();
        }
        QMetaObject::invokeMethod(
            this,
            [this, error, number] {
                if (number == m_handedOver)
                    emit written(error);
            },
            Qt::QueuedConnection);
        lock.lock();
        m_writing = false;
        m_changed.notify_all();
    }
}
