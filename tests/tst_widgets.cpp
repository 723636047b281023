#include "app/menuwidget.h"
#include "testclip.h"
#include "widgets/sequencewidget.h"
#include "widgets/videoplayer.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMediaPlayer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// Picture labels with a normal and a rollover picture, the timed picture sequences and the
// video player.
class WidgetsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void clickFollowsMode_data();
    void clickFollowsMode();
    void hoverSwapsPictureUnlessSelected();
    void setImagesKeepsState();

    void playShowsEveryFrameThenFinishesOnce_data();
    void playShowsEveryFrameThenFinishesOnce();
    void stopDuringPlayEndsWithoutFinished();
    void restartCancelsTheScheduledStep();
    void stepsForwardAndBackWithinTheList();
    void clickReplaysFromTheFirstFrame();
    void missingFrameKeepsThePreviousPicture();

    void clipPlaysToItsEnd();
    void replayingTheSameFileFinishesAgain();
    void missingFileNeverFinishes();
    void unplayableFileFailsOnceAndNeverFinishes_data();
    void unplayableFileFailsOnceAndNeverFinishes();
    void watchdogGivesUpOnAClipThatOutlastsIt();
    void stopDuringPlayEmitsNeitherSignal();
    void playWhilePlayingDropsTheOldPlaysSignal();
    void stalledPipelineIsRestartedOnceAndStillFinishes();

private:
    QString picture(const QString &name, Qt::GlobalColor colour);
    QStringList frames(int count);
    static QImage shown(const QLabel &label) { return label.pixmap().toImage(); }

    bool clip(const QString &name, double seconds, const QString &colour = "blue");

    QTemporaryDir m_dir;
};

bool WidgetsTest::clip(const QString &name, double seconds, const QString &colour)
{
    const QString path = m_dir.filePath(name);
    return QFileInfo::exists(path) || TestClip::make(path, seconds, colour);
}

void WidgetsTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

QString WidgetsTest::picture(const QString &name, Qt::GlobalColor colour)
{
    const QString path = m_dir.filePath(name);
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(colour);
    image.save(path);
    return path;
}

QStringList WidgetsTest::frames(int count)
{
    static const Qt::GlobalColor colours[]
        = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan, Qt::magenta};
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << picture(QStringLiteral("frame%1.png").arg(i), colours[i % 6]);
    return list;
}

void WidgetsTest::clickFollowsMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("active");
    QTest::addColumn<bool>("selectedBefore");
    QTest::addColumn<bool>("selectedAfter");
    QTest::addColumn<int>("emitted");

    QTest::newRow("latch selects") << 1 << true << false << true << 1;
    QTest::newRow("latch stays selected") << 1 << true << true << true << 1;
    QTest::newRow("toggle selects") << 2 << true << false << true << 1;
    QTest::newRow("toggle releases") << 2 << true << true << false << 1;
    QTest::newRow("plain leaves picture") << 3 << true << false << false << 1;
    QTest::newRow("inactive ignores click") << 1 << false << false << false << 0;
    QTest::newRow("inactive toggle ignores click") << 2 << false << true << true << 0;
}

void WidgetsTest::clickFollowsMode()
{
    QFETCH(int, mode);
    QFETCH(bool, active);
    QFETCH(bool, selectedBefore);
    QFETCH(bool, selectedAfter);
    QFETCH(int, emitted);

    const QString normal = picture("normal.png", Qt::red);
    const QString rollover = picture("rollover.png", Qt::green);
    MenuWidget widget(normal, rollover);
    QCOMPARE(widget.active, false);
    QCOMPARE(widget.clickMode, 1);
    widget.resize(20, 20);
    widget.clickMode = mode;
    widget.active = active;
    if (selectedBefore)
        widget.slotActivate();
    QSignalSpy clicked(&widget, &MenuWidget::menuClicked);

    QTest::mouseClick(&widget, Qt::LeftButton);

    QCOMPARE(clicked.count(), emitted);
    QCOMPARE(widget.selected, selectedAfter);
    QCOMPARE(shown(widget),
             QImage(selectedAfter ? rollover : normal).convertToFormat(QImage::Format_RGB32));
}

void WidgetsTest::hoverSwapsPictureUnlessSelected()
{
    const QString normal = picture("normal.png", Qt::red);
    const QString rollover = picture("rollover.png", Qt::green);
    MenuWidget widget(normal, rollover);
    const QImage normalImage = QImage(normal).convertToFormat(QImage::Format_RGB32);
    const QImage rolloverImage = QImage(rollover).convertToFormat(QImage::Format_RGB32);

    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&widget, &enter);
    QCOMPARE(shown(widget), rolloverImage);
    QCoreApplication::sendEvent(&widget, &leave);
    QCOMPARE(shown(widget), normalImage);

    widget.slotActivate();
    QCoreApplication::sendEvent(&widget, &leave);
    QCOMPARE(shown(widget), rolloverImage);
    widget.slotDeactivate();
    QCOMPARE(shown(widget), normalImage);
}

void WidgetsTest::setImagesKeepsState()
{
    MenuWidget widget(picture("a.png", Qt::red), picture("b.png", Qt::green));
    widget.active = true;
    widget.clickMode = 2;
    widget.slotActivate();
    const QString other = picture("c.png", Qt::blue);
    widget.setImages(other, QString());
    QVERIFY(widget.selected);
    QVERIFY(widget.active);
    QCOMPARE(widget.clickMode, 2);
    QCOMPARE(shown(widget), QImage(other).convertToFormat(QImage::Format_RGB32));

    // A path that names no file gives an empty label.
    widget.setImages(m_dir.filePath("none.png"), QString());
    QVERIFY(widget.pixmap().isNull());
}

void WidgetsTest::playShowsEveryFrameThenFinishesOnce_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("empty list") << 0;
    QTest::newRow("one picture") << 1;
    QTest::newRow("four pictures") << 4;
}

void WidgetsTest::playShowsEveryFrameThenFinishesOnce()
{
    QFETCH(int, count);
    SequenceWidget sequence;
    sequence.frameInterval = 30;
    const QStringList list = frames(count);
    // Frames are set through a story load in the program; a test list goes in directly.
    sequence.setFrames(list);
    QSignalSpy clock(&sequence, &SequenceWidget::signalClock);
    QSignalSpy finished(&sequence, &SequenceWidget::signalFinished);

    sequence.slotPlay();
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(clock.count(), qMax(count, 1));
    QVERIFY(sequence.isStopped());
    QCOMPARE(sequence.currentFrame(), 0);
    if (count > 0)
        QCOMPARE(shown(sequence), QImage(list.last()).convertToFormat(QImage::Format_RGB32));
    QTest::qWait(100);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(clock.count(), qMax(count, 1));
}

void WidgetsTest::stopDuringPlayEndsWithoutFinished()
{
    SequenceWidget sequence;
    sequence.frameInterval = 40;
    sequence.setFrames(frames(4));
    QSignalSpy clock(&sequence, &SequenceWidget::signalClock);
    QSignalSpy finished(&sequence, &SequenceWidget::signalFinished);
    sequence.slotPlay();
    QCOMPARE(clock.count(), 1);
    sequence.slotStop();
    QTest::qWait(200);
    QCOMPARE(clock.count(), 1);
    QCOMPARE(finished.count(), 0);
    QVERIFY(sequence.isStopped());
}

void WidgetsTest::restartCancelsTheScheduledStep()
{
    SequenceWidget sequence;
    sequence.frameInterval = 40;
    sequence.setFrames(frames(3));
    QSignalSpy clock(&sequence, &SequenceWidget::signalClock);
    QSignalSpy finished(&sequence, &SequenceWidget::signalFinished);
    sequence.slotPlay();
    QTest::qWait(10);
    sequence.slotPlay();
    QTRY_COMPARE(finished.count(), 1);
    QTest::qWait(150);
    // Two starts, one chain: 1 step of the first, 3 of the second.
    QCOMPARE(clock.count(), 4);
    QCOMPARE(finished.count(), 1);
}

void WidgetsTest::stepsForwardAndBackWithinTheList()
{
    SequenceWidget sequence;
    const QStringList list = frames(3);
    sequence.setFrames(list);
    QVERIFY(!sequence.slotBack());
    sequence.slotInit();
    QCOMPARE(shown(sequence), QImage(list[0]).convertToFormat(QImage::Format_RGB32));
    QVERIFY(!sequence.slotBack());
    QVERIFY(sequence.slotFwd());
    QVERIFY(sequence.slotFwd());
    QCOMPARE(shown(sequence), QImage(list[2]).convertToFormat(QImage::Format_RGB32));
    QVERIFY(!sequence.slotFwd());
    QCOMPARE(sequence.currentFrame(), 2);
    QVERIFY(sequence.slotBack());
    QCOMPARE(shown(sequence), QImage(list[1]).convertToFormat(QImage::Format_RGB32));
    QVERIFY(!sequence.isStopped());

    SequenceWidget empty;
    QVERIFY(!empty.slotFwd());
    QVERIFY(!empty.slotBack());
}

void WidgetsTest::clickReplaysFromTheFirstFrame()
{
    SequenceWidget sequence;
    sequence.frameInterval = 20;
    sequence.setFrames(frames(2));
    sequence.resize(20, 20);
    QSignalSpy finished(&sequence, &SequenceWidget::signalFinished);
    sequence.slotInit();
    QTest::mouseClick(&sequence, Qt::LeftButton);
    QTRY_COMPARE(finished.count(), 1);
    QTest::mouseClick(&sequence, Qt::RightButton);
    QTRY_COMPARE(finished.count(), 2);
}

void WidgetsTest::missingFrameKeepsThePreviousPicture()
{
    SequenceWidget sequence;
    sequence.frameInterval = 20;
    const QStringList list = frames(1);
    sequence.setFrames({list[0], m_dir.filePath("missing.png")});
    QSignalSpy clock(&sequence, &SequenceWidget::signalClock);
    QSignalSpy finished(&sequence, &SequenceWidget::signalFinished);
    sequence.slotPlay();
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(clock.count(), 2);
    QCOMPARE(shown(sequence), QImage(list[0]).convertToFormat(QImage::Format_RGB32));
}

void WidgetsTest::clipPlaysToItsEnd()
{
    if (!TestClip::ffmpegAvailable())
        QSKIP("ffmpeg is needed to make the clip");
    const QString clip = m_dir.filePath("clip.avi");
    QVERIFY(TestClip::make(clip, 0.5));
    VideoPlayer player(false);
    player.resize(160, 120);
    player.show();
    QSignalSpy finished(&player, &VideoPlayer::finished);
    QSignalSpy failed(&player, &VideoPlayer::failed);
    player.play(clip);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 15000);
    QVERIFY(player.framesShown() > 0);
    QCOMPARE(failed.count(), 0);
}

void WidgetsTest::replayingTheSameFileFinishesAgain()
{
    if (!TestClip::ffmpegAvailable())
        QSKIP("ffmpeg is needed to make the clip");
    const QString clip = m_dir.filePath("again.avi");
    QVERIFY(TestClip::make(clip, 0.4, "red"));
    VideoPlayer player(false);
    QSignalSpy finished(&player, &VideoPlayer::finished);
    player.play(clip);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 15000);
    player.play(clip);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, 15000);
}

void WidgetsTest::missingFileNeverFinishes()
{
    VideoPlayer player(false);
    QSignalSpy finished(&player, &VideoPlayer::finished);
    player.play(m_dir.filePath("nothing.avi"));
    QTest::qWait(1500);
    QCOMPARE(finished.count(), 0);
}

void WidgetsTest::unplayableFileFailsOnceAndNeverFinishes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("missing") << "absent.avi" << QByteArray();
    QTest::newRow("empty") << "empty.avi" << QByteArray("");
    QTest::newRow("junk") << "junk.avi" << QByteArray("this is not a video at all\n").repeated(400);
    QTest::newRow("sound only") << "sound.wav" << QByteArray("sound");
}

void WidgetsTest::unplayableFileFailsOnceAndNeverFinishes()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    if (!TestClip::ffmpegAvailable())
        QSKIP("ffmpeg is needed to make the clips");
    const QString path = m_dir.filePath(name);
    if (content == "sound") {
        QVERIFY(TestClip::makeAudioOnly(path, 0.5));
    } else if (!content.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QVERIFY(clip(QStringLiteral("after.avi"), 0.3));

    VideoPlayer player(false);
    player.resize(160, 120);
    player.show();
    QSignalSpy finished(&player, &VideoPlayer::finished);
    QSignalSpy failed(&player, &VideoPlayer::failed);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^Video .*%1 failed: .+").arg(name)));
    player.play(path);
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, 15000);
    QVERIFY(!failed.first().first().toString().isEmpty());
    QCOMPARE(finished.count(), 0);

    // A good clip played after it ends once, and the bad one has said nothing more.
    player.play(m_dir.filePath("after.avi"));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 15000);
    QCOMPARE(failed.count(), 1);
}

void WidgetsTest::watchdogGivesUpOnAClipThatOutlastsIt()
{
    if (!TestClip::ffmpegAvailable())
        QSKIP("ffmpeg is needed to make the clip");
    QVERIFY(clip(QStringLiteral("long.avi"), 20, "green"));
    VideoPlayer player(false);
    // A margin below the clip's length: the watchdog fires about a second in.
    player.setTimeouts(1000, -19000, 60000);
    QSignalSpy finished(&player, &VideoPlayer::finished);
    QSignalSpy failed(&player, &VideoPlayer::failed);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Video .*long.avi failed: "));
    player.play(m_dir.filePath("long.avi"));
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, 15000);
    QCOMPARE(finished.count(), 0);
}

void WidgetsTest::stopDuringPlayEmitsNeitherSignal()
{
    if (!TestClip::ffmpegAvailable())
        QSKIP("ffmpeg is needed to make the clip");
    QVERIFY(clip(QStringLiteral("second.avi"), 1.5, "yellow"));
    QVERIFY(clip(QStringLiteral("after.avi"), 0.3));
    VideoPlayer player(false);
    QSignalSpy finished(&player, &VideoPlayer::finished);
    QSignalSpy failed(&player, &VideoPlayer::failed);
    player.play(m_dir.filePath("second.avi"));
    QTRY_VERIFY_WITH_TIMEOUT(player.framesShown() > 0, 15000);
    player.stop();
    QTest::qWait(2500);
    QCOMPARE(finished.count(), 0);
    QCOMPARE(failed.count(), 0);
    player.play(m_dir.filePath("after.avi"));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 15000);
    QCOMPARE(failed.count(), 0);
}

void WidgetsTest::playWhilePlayingDropsTheOldPlaysSignal()
{
    if (!TestClip::ffmpegAvailable())
        QSKIP("ffmpeg is needed to make the clip");
    QVERIFY(clip(QStringLiteral("second.avi"), 1.5, "yellow"));
    QVERIFY(clip(QStringLiteral("after.avi"), 0.3));
    VideoPlayer player(false);
    QSignalSpy finished(&player, &VideoPlayer::finished);
    QSignalSpy failed(&player, &VideoPlayer::failed);
    player.play(m_dir.filePath("second.avi"));
    QTRY_VERIFY_WITH_TIMEOUT(player.framesShown() > 0, 15000);
    player.play(m_dir.filePath("after.avi"));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 15000);
    // Longer than the first clip would have run: still one end, the new play's.
    QTest::qWait(2000);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(failed.count(), 0);
}

void WidgetsTest::stalledPipelineIsRestartedOnceAndStillFinishes()
{
    if (!TestClip::ffmpegAvailable())
        QSKIP("ffmpeg is needed to make the clip");
    QVERIFY(clip(QStringLiteral("after.avi"), 0.3));
    VideoPlayer player(false);
    // A stall limit no pipeline meets: the first play is thrown away at once for a fresh one.
    player.setTimeouts(8000, 2000, 1);
    QSignalSpy finished(&player, &VideoPlayer::finished);
    QSignalSpy failed(&player, &VideoPlayer::failed);
    player.play(m_dir.filePath("after.avi"));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count() + failed.count(), 1, 15000);
    QCOMPARE(finished.count(), 1);
}

QTEST_MAIN(WidgetsTest)
#include "tst_widgets.moc"
