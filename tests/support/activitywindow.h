#pragma once

#include "mainwindowaccess.h"
#include "testdatabase.h"

#include <QString>

namespace User {
class User;
}

// A main window over a test database and media tree beside the test executable, past the
// opening videos and with a user chosen. Letters and words are added before open().
class ActivityWindow
{
public:
    static constexpr const char *language = "Español";

    ActivityWindow();
    ~ActivityWindow();

    bool isReady() const { return m_db.isOpen(); }
    int userId() const { return m_userId; }

    int addLetter(const QString &name);
    // A word with its picture in the media tree (sign and lip videos are not made).
    int addWord(const QString &name, int letterId, const QString &letterName);
    QString signPath(const QString &letterName, const QString &fullName) const;
    void setUserSetting(const QString &key, int data);
    void setSwitch(const QString &key, int data);

    // Builds the window; false when the opening phase did not end.
    bool open();
    // Starts an activity as the third menu row would.
    void startActivity(int activity);

    // The pace of the hand sequences in the window.
    int sequenceInterval = 40;
    MainWindow *window = nullptr;
    MainWindowTestAccess access() { return MainWindowTestAccess(window); }

private:
    TestDatabase m_db;
    int m_userId = 0;
};
