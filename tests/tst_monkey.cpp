#include "activitywindow.h"
#include "app/menuwidget.h"
#include "messageboxanswerer.h"
#include "widgets/sequencewidget.h"
#include "widgets/videoplayer.h"

#include <QApplication>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

// A child at the keyboard does not follow the script: long random runs of keys and clicks in
// every activity must never crash the window or leave it without a way on.
class MonkeyTest : public QObject
{
    Q_OBJECT

private slots:
    void randomKeysAndClicksInEveryActivity_data();
    void randomKeysAndClicksInEveryActivity();
};

void MonkeyTest::randomKeysAndClicksInEveryActivity_data()
{
    QTest::addColumn<int>("activity");
    QTest::addColumn<quint32>("seed");
    for (int activity : {20, 21, 22, 23, 24, 25, 30, 31})
        QTest::newRow(qPrintable(QString::number(activity)))
            << activity << quint32(activity * 7919);
}

void MonkeyTest::randomKeysAndClicksInEveryActivity()
{
    QFETCH(int, activity);
    QFETCH(quint32, seed);

    ActivityWindow fixture;
    QVERIFY(fixture.isReady());
    const int a = fixture.addLetter("A");
    const int ch = fixture.addLetter("CH");
    const int n = fixture.addLetter("Ñ");
    fixture.addLetter("B"); // a letter without words
    fixture.addWord("árbol", a, "A");
    fixture.addWord("oso polar", a, "A");
    fixture.addWord("chocolate", ch, "CH");
    fixture.addWord("ñandú", n, "Ñ");
    fixture.setSwitch("use-ch", 1);
    fixture.setSwitch("use-ll", 1);
    QVERIFY(fixture.open());
    MainWindow *window = fixture.window;
    MainWindowTestAccess access = fixture.access();

    // Warnings (no words, no repeat) are answered as a teacher would.
    MessageBoxAnswerer boxes;

    fixture.startActivity(activity);
    QRandomGenerator random(seed);
    const QList<Qt::Key> keys
        = {Qt::Key_A,      Qt::Key_B,     Qt::Key_C,     Qt::Key_H,     Qt::Key_O,
           Qt::Key_L,      Qt::Key_R,     Qt::Key_Space, Qt::Key_Comma, Qt::Key_Period,
           Qt::Key_Return, Qt::Key_Shift, Qt::Key_1,     Qt::Key_Left,  Qt::Key_Z};
    const QList<MenuWidget *> buttons
        = {access.repeatButton(), access.toggleWordButton(), access.stopMotionButton()};
    for (int step = 0; step < 400; ++step) {
        const int what = random.bounded(20);
        if (what < 15) {
            const Qt::Key key = keys.at(random.bounded(keys.size()));
            const QString text = key == Qt::Key_Space  ? QStringLiteral(" ")
                : key == Qt::Key_Comma                 ? QStringLiteral(",")
                : key == Qt::Key_Period                ? QStringLiteral(".")
                : key == Qt::Key_Return                ? QStringLiteral("\r")
                : key >= Qt::Key_A && key <= Qt::Key_Z ? QString(QChar('a' + (key - Qt::Key_A)))
                : key == Qt::Key_1                     ? QStringLiteral("1")
                                                       : QString();
            QTest::sendKeyEvent(QTest::Release, window, key, text, Qt::NoModifier);
        } else if (what < 17) {
            QTest::sendKeyEvent(QTest::Release, window, Qt::Key_Ntilde, QStringLiteral("ñ"),
                                Qt::NoModifier);
        } else if (what < 19) {
            QTest::mouseClick(buttons.at(random.bounded(buttons.size())), Qt::LeftButton);
        } else {
            // Let timers and sequences run a little.
            QTest::qWait(random.bounded(60));
        }
        // Finished videos are what move question activities on; none exist here, so end
        // any wait the way the player would.
        if (random.bounded(10) == 0)
            emit access.videoPlayer()->finished();
    }

    // Still alive and still answering: the menu starts the same activity again.
    fixture.startActivity(activity);
    QCOMPARE(access.activity(), activity);
}

QTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
