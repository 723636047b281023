#include "attemptrecorder.h"

#include "data/attemptstore.h"
#include "itemresult.h"

#include <QDebug>

AttemptRecorder::AttemptRecorder(QObject *parent) : QObject(parent) { }

void AttemptRecorder::onItemEnded(const ItemResult &result)
{
    if (m_userId <= 0)
        return;
    if (!AttemptStore::record(m_userId, result)) {
        // Logged once: a read-only file fails every time and the log would fill up.
        if (m_failures++ == 0)
            qWarning() << "Quelvanto: the item could not be written to the record";
    }
}
