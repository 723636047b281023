// Words drawn as rows of letter pictures.
#include "app/mainwindow.h"

#include "data/word.h"

#include <QLabel>
#include <QPixmap>

namespace {

QString accentCode(QChar c)
{
    switch (c.unicode()) {
    case 0x00E1:
        return QStringLiteral("at");
    case 0x00E9:
        return QStringLiteral("et");
    case 0x00ED:
        return QStringLiteral("it");
    case 0x00F3:
        return QStringLiteral("ot");
    case 0x00FA:
        return QStringLiteral("ut");
    case 0x00FC:
        return QStringLiteral("ud");
    case 0x00F1:
        return QStringLiteral("nt");
    case 0x00E7:
        return QStringLiteral("ct");
    case 0x00E0:
        return QStringLiteral("aa");
    case 0x00E8:
        return QStringLiteral("ea");
    case 0x00EC:
        return QStringLiteral("ia");
    case 0x00F2:
        return QStringLiteral("oa");
    case 0x00F9:
        return QStringLiteral("ua");
    case 0x00EF:
        return QStringLiteral("id");
    default:
        return QString(c);
    }
}

} // namespace

QString MainWindow::letterImageName(const QString &word, int &index, bool caseFolder)
{
    const QString text = word.toLower();
    const int p = index < 0 ? 0 : index;
    if (p >= text.size())
        return QString();
    const QChar c = text.at(p);

    QString name;
    if (p < text.size() - 1) {
        const QChar next = text.at(p + 1);
        if (c == QLatin1Char('c') && next == QLatin1Char('h')
            && languageSwitch(QStringLiteral("use-ch"))) {
            name = QStringLiteral("ch");
            ++index;
        } else if (c == QLatin1Char('l') && next == QLatin1Char('l')
                   && languageSwitch(QStringLiteral("use-ll"))) {
            name = QStringLiteral("ll");
            ++index;
        }
    }
    if (name.isEmpty())
        name = accentCode(c);
    if (name == QLatin1String(" "))
        return name;

    const QString upper = QStringLiteral("may/") + name.toUpper();
    if (languageSwitch(QStringLiteral("use-caps")))
        return upper;
    if (!caseFolder)
        return name;
    if (p == 0 && userSwitch(QStringLiteral("first-caps")))
        return upper;
    return QStringLiteral("min/") + name;
}

int MainWindow::countDigraphsBefore(const QString &word, int index)
{
    const bool useCh = languageSwitch(QStringLiteral("use-ch"));
    const bool useLl = languageSwitch(QStringLiteral("use-ll"));
    if (!useCh && !useLl)
        return 0;
    const QString text = word.toUpper();
    const int n = text.size();
    const int bound = qMin(index + 1, n);
    const int last = qMin(index, n - 1);
    int count = 0;
    int i = 0;
    while (i < bound) {
        const QStringView pair = i < last ? QStringView(text).mid(i, 2) : QStringView();
        if ((useCh && pair == QLatin1String("CH")) || (useLl && pair == QLatin1String("LL"))) {
            ++count;
            i += 2;
        } else {
            ++i;
        }
    }
    return count;
}

QPixmap MainWindow::renderLetterImage(QLabel *label, const QString &fontDir,
                                      const QString &imageName, int x, int y)
{
    const bool space = imageName == QLatin1String(" ");
    const QString path = space ? systemMediaPath() + QStringLiteral("ui/space.png")
                               : fontDir + imageName + QStringLiteral(".png");
    const QPixmap source(path);
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
    if (!label)
        return picture;
    label->hide();
    if (x >= 0 && y >= 0)
        label->setGeometry(x, y, picture.width(), picture.height());
    label->setPixmap(picture);
    label->show();
    return picture;
}

void MainWindow::placeLetter(const QString &fontDir, const QString &imageName, int &x, int y,
                             int labelIndex)
{
    if (labelIndex < 0)
        return;
    while (letterLabels.size() <= labelIndex)
        letterLabels.append(new QLabel(this));
    x += renderLetterImage(letterLabels.at(labelIndex), fontDir, imageName, x, y).width();
}

void MainWindow::setLetterPicture(QLabel *label, const QString &fontDir, const QString &imageName)
{
    renderLetterImage(label, fontDir, imageName, -1, -1);
}

void MainWindow::renderWord(Word::Word *word, const QString &fontDir)
{
    hideLetterLabels(true);
    if (!word)
        return;
    const QString text = word->name;
    int x = 120;
    for (int i = 0; i < text.size(); ++i) {
        const int labelIndex = i - countDigraphsBefore(text, i);
        const QString name = letterImageName(text, i, true);
        placeLetter(fontDir, name, x, 470, labelIndex);
    }
}
