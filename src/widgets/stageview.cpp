#include "stageview.h"

#include "widgets/imagewidget.h"
#include "widgets/sequencewidget.h"
#include "widgets/videoplayer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>

namespace {

// Where the letter row starts and stands.
constexpr int rowX = 120;
constexpr int rowY = 470;

QString titleFile(int activity)
{
    switch (activity) {
    case 20:
        return QStringLiteral("te presento palabras.png");
    case 21:
        return QStringLiteral("como empieza esta palabra.png");
    case 22:
        return QStringLiteral("te digo las letras.png");
    case 23:
        return QStringLiteral("como comienza esta palabra labial.png");
    case 24:
        return QStringLiteral("te presento las letras.png");
    case 25:
        return QStringLiteral("que letra es.png");
    case 30:
        return QStringLiteral("escribir1.png");
    case 31:
        return QStringLiteral("escribir2.png");
    default:
        return QString();
    }
}

void showOnTop(QWidget *widget)
{
    widget->show();
    widget->raise();
}

} // namespace

StageView::StageView(QWidget *host, const QString &systemMediaPath)
    : QObject(host), m_host(host), m_system(systemMediaPath)
{
    m_title = new QLabel(host);
    place(m_title, {80, 110, 334, 122});
    m_title->hide();

    m_orientation = new QLabel(host);
    place(m_orientation, {925, 300, 93, 64});
    m_orientation->hide();

    m_bottomLetter = new ImageWidget(host);
    place(m_bottomLetter, {749, 489, 261, 215});
    m_bottomLetter->hide();

    m_picture = new ImageWidget(host);
    place(m_picture, {119, 213, 351, 211});
    place(m_picture->label, {0, 0, 351, 211});
    m_picture->hide();

    m_video = new VideoPlayer(false, host);
    place(m_video, {550, 178, 320, 240});
    m_video->hide();
    connect(m_video, &VideoPlayer::finished, this, &StageView::mediaFinished);
    connect(m_video, &VideoPlayer::failed, this, &StageView::mediaFailed);

    m_noWords = new QLabel(host);
    place(m_noWords, {252, 309, 542, 131});
    m_noWords->setPixmap(QPixmap(m_system + QStringLiteral("ui/advertencia-sin-palabras.png")));
    m_noWords->hide();

    m_noRepeat = new QLabel(host);
    place(m_noRepeat, {252, 309, 542, 131});
    m_noRepeat->setPixmap(QPixmap(m_system + QStringLiteral("ui/advertencia-sin-repeticion.png")));
    m_noRepeat->hide();

    m_hands = new SequenceWidget(host);
    place(m_hands, {560, 180, 282, 297});
    m_hands->hide();
    connect(m_hands, &SequenceWidget::signalClock, this, &StageView::handsFrame);
    connect(m_hands, &SequenceWidget::signalFinished, this, &StageView::handsFinished);

    m_hand = new QLabel(host);
    place(m_hand, {560, 180, 282, 297});
    m_hand->hide();

    m_feedback = new QLabel(host);
    place(m_feedback, {794, 462, 207, 250});
    m_feedback->hide();

    m_flus = new SequenceWidget(host);
    place(m_flus, {794, 462, 207, 242});
    m_flus->hide();

    m_story = new SequenceWidget(host);
    place(m_story, {69, 165, 884, 556});
    m_story->frameInterval = 6000;
    m_story->hide();

    m_hint = new QLabel(QStringLiteral("Escribe una letra"), host);
    place(m_hint, {rowX, rowY, 520, 60});
    m_hint->setStyleSheet(
        QStringLiteral("QLabel { color: #1f4e79; font-size: 34px; font-weight: bold; }"));
    m_hint->hide();
}

StageView::~StageView() = default;

void StageView::place(QWidget *widget, const QRect &designRect) const
{
    widget->setGeometry(designRect);
}

void StageView::showTitle(int activity)
{
    m_title->setPixmap(QPixmap(m_system + QStringLiteral("titulos/") + titleFile(activity)));
    showOnTop(m_title);
}

void StageView::hideTitle()
{
    m_title->hide();
}

QString StageView::fontFolder(Font font) const
{
    switch (font) {
    case Font::Blank:
        return m_system + QStringLiteral("blank/");
    case Font::Squares:
        return m_system + QStringLiteral("cuadrados/");
    case Font::Cooper:
        break;
    }
    return m_system + QStringLiteral("cooper/");
}

QLabel *StageView::letterLabel(int box)
{
    while (m_letters.size() <= box)
        m_letters.append(new QLabel(m_host));
    return m_letters.at(box);
}

int StageView::drawLetter(QLabel *label, const QString &folder, const QString &imageName, int x)
{
    const bool space = imageName == QLatin1String(" ");
    const QPixmap source(space ? m_system + QStringLiteral("ui/space.png")
                               : folder + imageName + QStringLiteral(".png"));
    QPixmap picture;
    if (!source.isNull()) {
        if (space) {
            picture = source.scaled(20, 50, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        } else {
            const int width = static_cast<int>(source.width() * 0.5);
            if (width > 0)
                picture = source.scaledToWidth(width, Qt::SmoothTransformation);
        }
    }
    label->hide();
    if (x >= 0)
        place(label, {x, rowY, picture.width(), picture.height()});
    label->setPixmap(picture);
    label->show();
    return picture.width();
}

void StageView::showWord(const QStringList &imageNames, Font font)
{
    hideWord(true);
    const QString folder = fontFolder(font);
    int x = rowX;
    for (int box = 0; box < imageNames.size(); ++box)
        x += drawLetter(letterLabel(box), folder, imageNames.at(box), x);
}

void StageView::setLetter(int box, const QString &imageName, Font font)
{
    // Boxes that do not exist (a row not drawn yet) are skipped.
    if (box < 0 || box >= m_letters.size())
        return;
    drawLetter(m_letters.at(box), fontFolder(font), imageName, -1);
}

void StageView::startWord()
{
    hideWord(false);
    m_buildX = rowX;
}

void StageView::appendLetter(int box, const QString &imageName)
{
    if (box < 0)
        return;
    m_buildX += drawLetter(letterLabel(box), fontFolder(Font::Cooper), imageName, m_buildX);
}

void StageView::hideWord(bool clear)
{
    for (QLabel *label : qAsConst(m_letters)) {
        label->hide();
        if (clear)
            label->setPixmap(QPixmap());
    }
}

void StageView::showWordAgain()
{
    for (QLabel *label : qAsConst(m_letters))
        label->show();
}

void StageView::showPicture(const QString &path)
{
    const QPixmap picture(path);
    // A picture that is missing or cannot be read shows none.
    if (picture.isNull()) {
        hidePicture();
        return;
    }
    m_picture->label->setPixmap(picture);
    m_picture->label->show();
    showOnTop(m_picture);
}

void StageView::hidePicture()
{
    m_picture->label->setPixmap(QPixmap());
    m_picture->hide();
}

void StageView::playVideo(const QString &path)
{
    m_video->stop();
    // Word videos are silent; the player has no audio output at all.
    m_video->setVolume(0.0);
    m_video->setAspectRatioMode(Qt::KeepAspectRatioByExpanding);
    m_video->play(path);
    showOnTop(m_video);
}

void StageView::stopVideo()
{
    m_video->stop();
    m_video->hide();
}

void StageView::playHands(const QStringList &frames, int intervalMs)
{
    m_hands->setFrames(frames);
    m_hands->frameInterval = intervalMs;
    m_hands->show();
    m_hands->slotPlay();
    m_hands->raise();
}

void StageView::playFlus(const QStringList &frames, int intervalMs)
{
    m_flus->setFrames(frames);
    m_flus->frameInterval = intervalMs;
    m_flus->show();
    m_flus->slotPlay();
    m_flus->raise();
}

void StageView::stopSequences()
{
    m_hands->slotStop();
    m_hands->hide();
    m_flus->slotStop();
    m_flus->hide();
}

void StageView::showHandPicture(const QString &path)
{
    m_hand->setPixmap(QPixmap(path));
    showOnTop(m_hand);
}

void StageView::hideHandPicture()
{
    m_hand->hide();
}

void StageView::showFeedback(bool good, int variant)
{
    m_feedback->setPixmap(QPixmap(m_system + QStringLiteral("feedback/")
                                  + (good ? QStringLiteral("good") : QStringLiteral("wrong"))
                                  + QString::number(variant) + QStringLiteral(".png")));
    m_flus->slotStop();
    m_flus->hide();
    showOnTop(m_feedback);
}

void StageView::hideFeedback()
{
    m_feedback->hide();
}

void StageView::showArrow(Arrow arrow)
{
    QString file;
    switch (arrow) {
    case Arrow::Left:
        file = QStringLiteral("izquierda.png");
        break;
    case Arrow::Right:
        file = QStringLiteral("derecha.png");
        break;
    case Arrow::Up:
        file = QStringLiteral("arriba.png");
        break;
    case Arrow::Down:
        file = QStringLiteral("abajo.png");
        break;
    case Arrow::None:
        break;
    }
    m_orientation->setPixmap(file.isEmpty() ? QPixmap()
                                            : QPixmap(m_system + QStringLiteral("ui/") + file));
    showOnTop(m_orientation);
}

void StageView::hideArrow()
{
    m_orientation->hide();
}

void StageView::showBottomLetter(const QString &imageName)
{
    const QString path
        = m_system + QStringLiteral("inferior/") + imageName + QStringLiteral(".png");
    if (!QFileInfo::exists(path))
        return;
    m_bottomLetter->label->setPixmap(QPixmap(path));
    m_bottomLetter->label->show();
    showOnTop(m_bottomLetter);
}

void StageView::hideBottomLetter()
{
    m_bottomLetter->hide();
}

void StageView::showWarning(Warning warning)
{
    showOnTop(warning == Warning::NoWords ? m_noWords : m_noRepeat);
}

void StageView::hideWarnings()
{
    m_noWords->hide();
    m_noRepeat->hide();
}

void StageView::reportNoWords()
{
    QMessageBox::warning(
        m_host, QCoreApplication::translate("MainWindow", "No hay palabras disponibles"),
        QCoreApplication::translate(
            "MainWindow",
            "La configuración actual de letras y categorías hace que la lista de palabras "
            "disponibles esté vacía. Por favor revise su selección."),
        QMessageBox::Ok, QMessageBox::NoButton);
}

void StageView::showHint()
{
    showOnTop(m_hint);
}

void StageView::hideHint()
{
    m_hint->hide();
}

void StageView::releaseButtons()
{
    emit buttonsReleased();
}

void StageView::clear()
{
    hideBottomLetter();
    hidePicture();
    stopVideo();
    stopSequences();
    hideHandPicture();
    hideArrow();
    hideFeedback();
    hideWord(false);
    hideWarnings();
    hideHint();
}

void StageView::showStory(const QString &folder, int story, int pages)
{
    m_story->frameFolder = folder;
    m_story->loadStory(story, pages);
    showOnTop(m_story);
    m_story->slotInit();
}
