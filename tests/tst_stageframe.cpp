#include "activitywindow.h"
#include "app/menuwidget.h"
#include "app/stageframe.h"

#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

// A 1024 by 768 stage that, like the main window, refuses the first close and closes itself
// later, and records the keys it gets.
class FakeStage : public QWidget
{
public:
    FakeStage()
    {
        setFixedSize(1024, 768);
        left = new MenuWidget(QString(), QString(), this);
        left->setGeometry(10, 10, 100, 80);
        left->active = true;
        right = new MenuWidget(QString(), QString(), this);
        right->setGeometry(900, 680, 110, 80);
        right->active = true;
    }

    MenuWidget *left = nullptr;
    MenuWidget *right = nullptr;
    QList<int> releasedKeys;
    bool refuseClose = true;

protected:
    void keyReleaseEvent(QKeyEvent *event) override { releasedKeys << event->key(); }
    void closeEvent(QCloseEvent *event) override
    {
        if (refuseClose)
            event->ignore();
    }
};

QList<QRect> visibleMenuGeometries(QWidget *window)
{
    QList<QRect> result;
    for (const MenuWidget *menu : window->findChildren<MenuWidget *>())
        if (menu->isVisibleTo(window))
            result << menu->geometry();
    std::sort(result.begin(), result.end(), [](const QRect &a, const QRect &b) {
        return std::make_pair(a.x(), a.y()) < std::make_pair(b.x(), b.y());
    });
    return result;
}

} // namespace

class TestStageFrame : public QObject
{
    Q_OBJECT

private slots:
    void stageKeepsItsShapeWithBars_data();
    void stageKeepsItsShapeWithBars();
    void clickLandsOnTheMenuShownAtAnyScale_data();
    void clickLandsOnTheMenuShownAtAnyScale();
    void mainWindowMenuClickAtScaleMatchesScaleOne();
    void keysReachTheStageButF11SwitchesFullScreen();
    void frameClosesOnlyWhenTheStageDoes();
};

void TestStageFrame::stageKeepsItsShapeWithBars_data()
{
    QTest::addColumn<QSize>("frameSize");
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<QPoint>("topLeft");

    QTest::newRow("design size") << QSize(1024, 768) << 1.0 << QPoint(0, 0);
    QTest::newRow("1.5 exactly") << QSize(1536, 1152) << 1.5 << QPoint(0, 0);
    QTest::newRow("wide screen: bars at the sides")
        << QSize(1920, 1080) << 1080.0 / 768 << QPoint((1920 - 1440) / 2, 0);
    QTest::newRow("tall: bars above and below")
        << QSize(1024, 1000) << 1.0 << QPoint(0, (1000 - 768) / 2);
    QTest::newRow("smaller than the design") << QSize(768, 576) << 0.75 << QPoint(0, 0);
}

void TestStageFrame::stageKeepsItsShapeWithBars()
{
    QFETCH(QSize, frameSize);
    QFETCH(qreal, scale);
    QFETCH(QPoint, topLeft);

    FakeStage stage;
    StageFrame frame(&stage);
    frame.resize(frameSize);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));

    QTRY_COMPARE(frame.stageScale(), scale);
    const QPoint origin = frame.mapFromStage(QPoint(0, 0));
    QVERIFY2((origin - topLeft).manhattanLength() <= 1, qPrintable(QString::number(origin.x())));
    const QPoint corner = frame.mapFromStage(QPoint(1024, 768));
    QVERIFY(qAbs(corner.x() - (topLeft.x() + qRound(1024 * scale))) <= 1);
    QVERIFY(qAbs(corner.y() - (topLeft.y() + qRound(768 * scale))) <= 1);
}

void TestStageFrame::clickLandsOnTheMenuShownAtAnyScale_data()
{
    QTest::addColumn<QSize>("frameSize");
    QTest::newRow("1") << QSize(1024, 768);
    QTest::newRow("1.5") << QSize(1536, 1152);
    QTest::newRow("1920x1080") << QSize(1920, 1080);
    QTest::newRow("0.75") << QSize(768, 576);
}

void TestStageFrame::clickLandsOnTheMenuShownAtAnyScale()
{
    QFETCH(QSize, frameSize);

    FakeStage stage;
    StageFrame frame(&stage);
    frame.resize(frameSize);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QTRY_VERIFY(frame.stageScale() > 0);

    QSignalSpy left(stage.left, &MenuWidget::menuClicked);
    QSignalSpy right(stage.right, &MenuWidget::menuClicked);
    QTest::mouseClick(frame.viewport(), Qt::LeftButton, {},
                      frame.mapFromStage(stage.right->geometry().center()));
    QCOMPARE(right.count(), 1);
    QCOMPARE(left.count(), 0);

    // Just beside the right menu, inside the bar or the stage: nothing.
    QTest::mouseClick(frame.viewport(), Qt::LeftButton, {},
                      frame.mapFromStage(stage.right->geometry().topLeft() - QPoint(20, 20)));
    QCOMPARE(right.count(), 1);
    QTest::mouseClick(frame.viewport(), Qt::LeftButton, {},
                      frame.mapFromStage(stage.left->geometry().center()));
    QCOMPARE(left.count(), 1);
}

void TestStageFrame::mainWindowMenuClickAtScaleMatchesScaleOne()
{
    QList<QList<QRect>> shown;
    for (const QSize &size : {QSize(1024, 768), QSize(1536, 1152)}) {
        ActivityWindow setup;
        QVERIFY(setup.isReady());
        QVERIFY(setup.open());
        MainWindow *window = setup.window;
        window->hide();
        StageFrame frame(window);
        frame.resize(size);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QTRY_VERIFY(frame.stageScale() > 0);

        MenuWidget *letters = nullptr;
        for (MenuWidget *menu : window->findChildren<MenuWidget *>())
            if (menu->normalPicture().endsWith(QLatin1String("menus/letras.png")))
                letters = menu;
        QVERIFY(letters);
        QSignalSpy clicked(letters, &MenuWidget::menuClicked);
        QTest::mouseClick(frame.viewport(), Qt::LeftButton, {},
                          frame.mapFromStage(letters->geometry().center()));
        QCOMPARE(clicked.count(), 1);
        shown << visibleMenuGeometries(window);
    }
    // The same click opened the same menus.
    QCOMPARE(shown.at(1), shown.at(0));
}

void TestStageFrame::keysReachTheStageButF11SwitchesFullScreen()
{
    FakeStage stage;
    StageFrame frame(&stage);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));

    QTest::keyClick(&frame, Qt::Key_A);
    QTest::keyClick(&frame, Qt::Key_F11);
    QCOMPARE(stage.releasedKeys, QList<int> {Qt::Key_A});
    QTRY_VERIFY(frame.isFullScreenMode());
    QTest::keyClick(&frame, Qt::Key_F11);
    QTRY_VERIFY(!frame.isFullScreenMode());
}

void TestStageFrame::frameClosesOnlyWhenTheStageDoes()
{
    FakeStage stage;
    StageFrame frame(&stage);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));

    frame.close();
    QVERIFY(frame.isVisible());
    QVERIFY(stage.isVisible());

    // The stage closes itself later, as the credits do.
    stage.refuseClose = false;
    stage.close();
    QTRY_VERIFY(!frame.isVisible());
}

QTEST_MAIN(TestStageFrame)
#include "tst_stageframe.moc"
