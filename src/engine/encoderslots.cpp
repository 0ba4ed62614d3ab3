#include "encoderslots.h"

#include "encoderprocess.h"
#include "tasklogs.h"

#include <algorithm>

namespace {

// Bytes read from the encoder at a time.
constexpr qint64 ChunkBytes = 4095;

} // namespace

EncoderSlots::EncoderSlots(EncoderProcess &first, QObject *context, Handlers handlers)
    : m_context(context), m_handlers(std::move(handlers))
{
    add(first, nullptr);
}

EncoderSlots::~EncoderSlots()
{
    // No encoder of a run outlives it.
    for (const auto &slot : m_slots)
        slot->encoder->end();
}

void EncoderSlots::add(EncoderProcess &encoder, std::unique_ptr<EncoderProcess> own)
{
    auto made = std::make_unique<Slot>();
    made->encoder = &encoder;
    made->own = std::move(own);
    Slot *slot = made.get();
    encoder.setProcessControl(m_control);
    QObject::connect(&encoder, &EncoderProcess::started, m_context,
                     [this, slot] { m_handlers.started(*slot); });
    QObject::connect(&encoder, &EncoderProcess::failedToStart, m_context,
                     [this, slot](const QString &reason) { m_handlers.notStarted(*slot, reason); });
    QObject::connect(&encoder, &EncoderProcess::outputRead, m_context,
                     [this, slot] { m_handlers.outputRead(*slot); });
    QObject::connect(&encoder, &EncoderProcess::finished, m_context,
                     [this, slot] { m_handlers.finished(*slot); });
    m_slots.push_back(std::move(made));
}

void EncoderSlots::setProcessControl(ProcessControl *control)
{
    m_control = control;
    for (const auto &slot : m_slots)
        slot->encoder->setProcessControl(control);
}

EncoderSlots::Slot &EncoderSlots::take(TaskId id)
{
    const auto free = std::find_if(m_slots.begin(), m_slots.end(),
                                   [](const auto &s) { return s->phase == Slot::Phase::Free; });
    Slot *found = free == m_slots.end() ? nullptr : free->get();
    if (!found) {
        auto encoder = std::make_unique<EncoderProcess>();
        EncoderProcess &made = *encoder;
        add(made, std::move(encoder));
        found = m_slots.back().get();
    }
    Slot &slot = *found;
    slot.phase = Slot::Phase::Waiting;
    slot.id = id;
    slot.held = false;
    slot.keptFile.clear();
    slot.notes.clear();
    return slot;
}

void EncoderSlots::release(Slot &slot)
{
    slot.phase = Slot::Phase::Free;
    slot.held = false;
    slot.keptFile.clear();
    slot.arguments.clear();
}

EncoderSlots::Slot *EncoderSlots::find(TaskId id) const
{
    for (const auto &slot : m_slots)
        if (slot->phase != Slot::Phase::Free && slot->id == id)
            return slot.get();
    return nullptr;
}

int EncoderSlots::busyCount() const
{
    return int(std::count_if(m_slots.begin(), m_slots.end(), [](const auto &s) {
        return s->phase != Slot::Phase::Free && s->phase != Slot::Phase::Checking;
    }));
}

bool EncoderSlots::anyEncoding() const
{
    return std::any_of(m_slots.begin(), m_slots.end(), [](const auto &s) { return s->encoding(); });
}

bool EncoderSlots::anyChecking() const
{
    return std::any_of(m_slots.begin(), m_slots.end(),
                       [](const auto &s) { return s->phase == Slot::Phase::Checking; });
}

EncoderSlots::Slot *EncoderSlots::latestEncoding() const
{
    Slot *latest = nullptr;
    for (const auto &slot : m_slots)
        if (slot->encoding() && (!latest || slot->startOrder > latest->startOrder))
            latest = slot.get();
    return latest;
}

void EncoderSlots::start(Slot &slot, const QString &program, const QStringList &arguments,
                         TaskLogs &logs)
{
    slot.arguments = arguments;
    slot.phase = Slot::Phase::Starting;
    slot.startOrder = ++m_starts;
    const TaskId id = slot.id;
    Conversion *const conversion = &slot.conversion;
    slot.encoder->start(program, arguments, ChunkBytes,
                        [&logs, id, conversion](const QByteArray &chunk) {
                            logs.append(id, chunk);
                            conversion->take(chunk);
                        });
}
