#include "activitymedia.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>

namespace ActivityMedia {

namespace {

void picture(const QString &relativePath, int width, int height)
{
    const QString path = mediaRoot() + relativePath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colourOf(relativePath));
    image.save(path);
}

QStringList letterNames()
{
    QStringList names;
    for (char c = 'a'; c <= 'z'; ++c)
        names << QString(QLatin1Char(c));
    names << "ch"
          << "ll"
          << "at"
          << "et"
          << "it"
          << "ot"
          << "ut"
          << "ud"
          << "nt"
          << "ct";
    return names;
}

} // namespace

QString mediaRoot()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/media/");
}

QString languageDir(const QString &language)
{
    return mediaRoot() + QStringLiteral("languages/") + language + QLatin1Char('/');
}

QColor colourOf(const QString &relativePath)
{
    // FNV-1a: the same colour in every run, whatever the hash seed of the process.
    quint32 hash = 2166136261u;
    for (QChar c : relativePath) {
        hash ^= c.unicode();
        hash *= 16777619u;
    }
    return QColor::fromRgb(0x202020 | (hash & 0xdfdfdf));
}

QColor centreColour(const QPixmap &pixmap)
{
    if (pixmap.isNull())
        return QColor();
    const QImage image = pixmap.toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

int letterFileWidth(const QString &imageName)
{
    const QString base = imageName.section(QLatin1Char('/'), -1);
    return base.size() > 1 ? 60 : 40;
}

void ensureBuilt(const QString &language)
{
    static QStringList built;
    if (built.contains(language)) {
        // The words of the last test go; the rest of the tree is the same for every test.
        QDir(languageDir(language) + QStringLiteral("Letras")).removeRecursively();
        return;
    }
    build(language);
    built << language;
}

void build(const QString &language)
{
    QDir(mediaRoot()).removeRecursively();
    for (const char *font : {"cooper", "blank", "cuadrados"}) {
        for (const QString &name : letterNames()) {
            picture(QStringLiteral("system/%1/min/%2.png").arg(font, name), letterFileWidth(name),
                    60);
            picture(QStringLiteral("system/%1/may/%2.png").arg(font, name.toUpper()),
                    letterFileWidth(name), 60);
        }
    }
    for (const QString &name : letterNames())
        picture(QStringLiteral("system/inferior/%1.png").arg(name), 100, 100);
    for (const char *name : {"background", "backgroundleer", "advertencia-sin-palabras",
                             "advertencia-sin-repeticion", "space", "izquierda", "derecha",
                             "arriba", "abajo", "fizq", "fizqroll", "fder", "fderroll"})
        picture(QStringLiteral("system/ui/%1.png").arg(name), 40, 40);
    for (const char *name : {"good1", "good2", "good3", "wrong1", "wrong2", "wrong3"})
        picture(QStringLiteral("system/feedback/%1.png").arg(name), 50, 50);
    for (const char *name : {"te presento palabras", "como empieza esta palabra", "escribir1",
                             "escribir2", "que letra es"})
        picture(QStringLiteral("system/titulos/%1.png").arg(name), 60, 30);

    const QString lang = QStringLiteral("languages/") + language + QLatin1Char('/');
    for (const QString &name : letterNames()) {
        picture(lang + QStringLiteral("Senas/%1.png").arg(name), 30, 30);
        picture(lang + QStringLiteral("Flus/%1.png").arg(name), 30, 30);
    }
    for (int story = 1; story <= 5; ++story)
        for (int page = 1; page <= 10; ++page)
            picture(lang + QStringLiteral("Cuentos/leer%1_%2.png").arg(story).arg(page), 40, 30);
    picture(lang + QStringLiteral("UI/creditos-grande.png"), 40, 30);
}

QString addWordPicture(const QString &language, const QString &letter, const QString &fullName)
{
    const QString relative
        = QStringLiteral("languages/%1/Letras/%2/%3/%3.png").arg(language, letter, fullName);
    picture(relative, 80, 60);
    return mediaRoot() + relative;
}

} // namespace ActivityMedia
