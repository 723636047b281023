#pragma once

#include <QObject>

struct ItemResult;

// Writes each finished item of the activity engine into the current child's record. Connect
// the engine's itemEnded to onItemEnded; a failed write is only logged, the activity goes on.
class AttemptRecorder : public QObject
{
    Q_OBJECT

public:
    explicit AttemptRecorder(QObject *parent = nullptr);

    // The child whose items are recorded; 0 records nothing.
    void setUserId(int userId) { m_userId = userId; }
    int userId() const { return m_userId; }
    int failures() const { return m_failures; }

public slots:
    void onItemEnded(const ItemResult &result);

private:
    int m_userId = 0;
    int m_failures = 0;
};
