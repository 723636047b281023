#include "mediagenerator.h"

#include "mediapainter.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

using MediaPainter::Direction;
using MediaPainter::LetterStyle;

namespace {

enum VideoKind { SignVideo, LipsVideo, InstitutionSplash, ProgramSplash };

// Image names without case folder: the letters, the digraphs, the accented-letter codes and
// digits. Upper case goes to "may/", lower case to "min/".
QStringList baseImageNames()
{
    QStringList names;
    for (char c = 'a'; c <= 'z'; ++c)
        names << QString(QChar(c));
    names << "ch"
          << "ll"
          << "at"
          << "et"
          << "it"
          << "ot"
          << "ut"
          << "ud"
          << "nt"
          << "ct"
          << "aa"
          << "ea"
          << "ia"
          << "oa"
          << "ua"
          << "id";
    for (char c = '0'; c <= '9'; ++c)
        names << QString(QChar(c));
    return names;
}

const QHash<QString, QString> &accentGlyphs()
{
    static const QHash<QString, QString> glyphs = {
        {"at", "á"}, {"et", "é"}, {"it", "í"}, {"ot", "ó"}, {"ut", "ú"}, {"ud", "ü"}, {"nt", "ñ"},
        {"ct", "ç"}, {"aa", "à"}, {"ea", "è"}, {"ia", "ì"}, {"oa", "ò"}, {"ua", "ù"}, {"id", "ï"}};
    return glyphs;
}

struct MenuPicture
{
    QString file;
    QString roll;
    QSize size;
    QString text;
    QColor color;
};

const QColor letterColor(230, 90, 60);
const QColor readColor(60, 150, 90);
const QColor rowColor(60, 110, 200);
const QColor activityColor(150, 80, 190);
const QColor fileColor(90, 100, 120);
const QColor storyColor(230, 140, 40);
const QColor toolColor(40, 150, 170);

QList<MenuPicture> menuButtons()
{
    return {
        {"letras.png", "letrasroll.png", {131, 116}, "Letras", letterColor},
        {"leerescribir.png", "leerescribirroll.png", {277, 116}, "Leer y escribir", readColor},
        {"senas.png", "senasroll.png", {122, 60}, "Señas", rowColor},
        {"labial.png", "labialroll.png", {153, 60}, "Labial", rowColor},
        {"dactilologico.png", "dactilologicoroll.png", {150, 60}, "Dactilológico", rowColor},
        {"leer.png", "leerroll.png", {153, 60}, "Leer", rowColor},
        {"escribir.png", "escribirroll.png", {150, 60}, "Escribir", rowColor},
        {"tepresentosenas.png",
         "tepresentosenasroll.png",
         {307, 87},
         "Te presento palabras",
         activityColor},
        {"comoempiezasenas.png",
         "comoempiezasenasroll.png",
         {307, 197},
         "¿Cómo empieza esta palabra?",
         activityColor},
        {"digoletraslabial.png",
         "digoletraslabialroll.png",
         {307, 87},
         "Te digo las letras",
         activityColor},
        {"comoempiezalabial.png",
         "comoempiezalabialroll.png",
         {307, 197},
         "¿Cómo comienza esta palabra?",
         activityColor},
        {"presentodactilologico.png",
         "presentodactilologicoroll.png",
         {307, 87},
         "Te presento las letras",
         activityColor},
        {"letradactilologico.png",
         "letradactilologicoroll.png",
         {307, 197},
         "¿Qué letra es?",
         activityColor},
        {"escribir1.png",
         "escribir1roll.png",
         {307, 87},
         "Escribe la letra que falta",
         activityColor},
        {"escribir2.png", "escribir2roll.png", {307, 197}, "Escribe la palabra", activityColor},
        {"archivo.png", "archivoroll.png", {91, 21}, "Archivo", fileColor},
        {"ayuda.png", "ayudaroll.png", {60, 21}, "Ayuda", fileColor},
        {"usuario.png", "usuario_roll.png", {91, 20}, "Usuario", fileColor},
        {"config.png", "config_roll.png", {91, 20}, "Configuración", fileColor},
        {"administrador.png", "administrador_roll.png", {91, 19}, "Administrador", fileColor},
        {"salir.png", "salir_roll.png", {91, 23}, "Salir", fileColor},
        {"leer1.png", "leer1roll.png", {362, 37}, "1. El gato y la luna", storyColor},
        {"leer2.png", "leer2roll.png", {362, 38}, "2. La casa del oso", storyColor},
        {"leer3.png", "leer3roll.png", {362, 40}, "3. Un día de lluvia", storyColor},
        {"leer4.png", "leer4roll.png", {362, 35}, "4. La liebre y la tortuga", storyColor},
        {"leer5.png", "leer5roll.png", {362, 39}, "5. El león y el ratón", storyColor},
        {"repetir.png", "repetir_roll.png", {70, 70}, "Repetir", toolColor},
        {"esconder.png", "esconder_roll.png", {70, 70}, "Esconder", toolColor},
        {"letrasstopmo.png", "letrasstopmo_roll.png", {70, 70}, "Paso a paso", toolColor},
    };
}

struct Title
{
    QString file;
    QString text;
};

QList<Title> titles()
{
    return {{"te presento palabras.png", "Te presento palabras"},
            {"como empieza esta palabra.png", "¿Cómo empieza esta palabra?"},
            {"te digo las letras.png", "Te digo las letras"},
            {"como comienza esta palabra labial.png", "¿Cómo comienza esta palabra?"},
            {"te presento las letras.png", "Te presento las letras"},
            {"que letra es.png", "¿Qué letra es?"},
            {"escribir1.png", "Escribe la letra que falta"},
            {"escribir2.png", "Escribe la palabra"}};
}

const QList<QStringList> &stories()
{
    static const QList<QStringList> texts = {
        {"El gato y la luna", "Había una vez un gato pequeño.",
         "El gato miraba la luna cada noche.", "Un día quiso tocar la luna.",
         "Subió a un árbol muy alto.", "Pero la luna seguía lejos.",
         "El gato bajó y se fue a dormir.", "Soñó que jugaba con la luna. Fin."},
        {"La casa del oso", "El oso vive en el bosque.", "Su casa es pequeña y de madera.",
         "Un día llegó la lluvia.", "Sus amigos no tenían dónde ir.", "El oso abrió la puerta.",
         "Todos entraron en su casa.", "Comieron miel juntos. Fin."},
        {"Un día de lluvia", "Hoy llueve mucho.", "Ana se pone las botas.",
         "Toma su paraguas rojo.", "Salta en los charcos.", "Ve un pato en el agua.",
         "Sale el sol y un arcoíris.", "Ana vuelve feliz a casa. Fin."},
        {"La liebre y la tortuga", "La liebre corría muy rápido.", "La tortuga caminaba despacio.",
         "—¡Hagamos una carrera! —dijo la tortuga.", "La liebre se rió y aceptó.",
         "La liebre corrió y luego se durmió.", "La tortuga siguió paso a paso.",
         "¡La tortuga llegó primero!", "Moraleja: despacio y sin parar se llega lejos. Fin."},
        {"El león y el ratón", "Un león dormía bajo un árbol.", "Un ratón pasó sobre su nariz.",
         "El león atrapó al ratón.", "—Déjame ir y un día te ayudaré —dijo el ratón.",
         "El león se rió y lo dejó ir.", "Días después, el león cayó en una red.",
         "El ratón oyó sus rugidos.", "Mordió la red y liberó al león.",
         "Moraleja: los pequeños también ayudan. Fin."}};
    return texts;
}

// A name from the database that is used as one file or folder name inside the tree.
bool isSafeName(const QString &name)
{
    return !name.isEmpty() && name != "." && name != ".." && !name.contains('/')
        && !name.contains('\\') && !name.contains(QChar(0));
}

// "ch" -> "Ch ch", "nt" -> "Ñ ñ": the bottom-right picture shows both cases.
QString bothCases(const QString &glyph)
{
    QString upper = glyph.left(1).toUpper() + glyph.mid(1);
    if (upper == glyph)
        return glyph;
    return upper + " " + glyph;
}

} // namespace

MediaGenerator::MediaGenerator(const QString &mediaRoot, const Options &options)
    : m_root(QDir(mediaRoot).absolutePath()), m_options(options), m_encoder(options.ffmpeg)
{ }

MediaGenerator::MediaGenerator(const QString &mediaRoot) : MediaGenerator(mediaRoot, Options()) { }

QStringList MediaGenerator::letterImageNames()
{
    QStringList names;
    for (const QString &name : baseImageNames())
        names << "min/" + name << "may/" + name.toUpper();
    return names;
}

QString MediaGenerator::glyphOf(const QString &imageName)
{
    const QString name = imageName.section('/', -1);
    const QString glyph = accentGlyphs().value(name.toLower(), name.toLower());
    return name == name.toLower() ? glyph : glyph.toUpper();
}

QStringList MediaGenerator::sequenceKeys()
{
    QStringList keys;
    for (char c = 'a'; c <= 'z'; ++c)
        keys << QString(QChar(c));
    keys << "ch"
         << "ll"
         << "nt"
         << "ct"
         << "ü"
         << " ";
    for (char c = '0'; c <= '9'; ++c)
        keys << QString(QChar(c));
    return keys;
}

QString MediaGenerator::absolute(const QString &relativePath) const
{
    return m_root + "/" + relativePath;
}

bool MediaGenerator::savePicture(const QString &relativePath, const QImage &image,
                                 bool keepExisting)
{
    const QString path = absolute(relativePath);
    if (keepExisting && !m_options.force && QFileInfo(path).size() > 0) {
        ++m_kept;
        return true;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, "PNG")) {
        m_error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    ++m_pictures;
    return true;
}

void MediaGenerator::queueVideo(const QString &relativePath, const QSize &size, double seconds,
                                const QString &text, int kind)
{
    if (!m_options.videos)
        return;
    const QString path = absolute(relativePath);
    if (!m_options.force && QFileInfo(path).size() > 0) {
        ++m_kept;
        return;
    }
    VideoEncoder::Job job;
    job.path = path;
    job.size = size;
    job.fps = 15;
    job.frameCount = qMax(2, int(seconds * job.fps));
    job.draw = [size, text, kind](int frame, int count) {
        switch (kind) {
        case SignVideo:
            return MediaPainter::signFrame(size, text, frame, count);
        case LipsVideo:
            return MediaPainter::lipsFrame(size, text, frame, count);
        default:
            return MediaPainter::splashFrame(size, kind == ProgramSplash, frame, count);
        }
    };
    m_encoder.add(job);
}

bool MediaGenerator::encodeVideos()
{
    if (m_encoder.pending() == 0)
        return true;
    if (!m_encoder.isAvailable()) {
        m_notes << QStringLiteral("ffmpeg not found: %1 videos skipped").arg(m_encoder.pending());
        m_encoder.run(); // empties the queue
        return true;
    }
    const int count = m_encoder.pending();
    const bool ok = m_encoder.run(m_options.jobs);
    m_videos += count - int(m_encoder.failures().size());
    for (const QString &path : m_encoder.failures())
        m_notes << QStringLiteral("video failed: %1").arg(path);
    if (!ok)
        m_error = QStringLiteral("%1 videos failed").arg(m_encoder.failures().size());
    return ok;
}

bool MediaGenerator::generateSystem()
{
    const bool ok = writeSystem();
    return encodeVideos() && ok;
}

bool MediaGenerator::writeSystem()
{
    bool ok = true;
    const QString menus = "system/menus/";
    for (const MenuPicture &m : menuButtons()) {
        ok &= savePicture(menus + m.file, MediaPainter::button(m.size, m.text, m.color, false));
        ok &= savePicture(menus + m.roll, MediaPainter::button(m.size, m.text, m.color, true));
    }
    // The reading look of the top row (one picture each, no rollover).
    ok &= savePicture(menus + "letras_leer.png",
                      MediaPainter::button({131, 116}, "Letras", letterColor.lighter(150), false));
    ok &= savePicture(menus + "leerescribir_leer.png",
                      MediaPainter::button({277, 116}, "Leer y escribir", readColor, true));
    // Placeholders the rows show before a choice and under reading/writing.
    ok &= savePicture(menus + "submenu1.png", MediaPainter::placeholder({122, 60}, rowColor));
    ok &= savePicture(menus + "submenu2.png", MediaPainter::placeholder({153, 60}, rowColor));
    ok &= savePicture(menus + "submenu3.png", MediaPainter::placeholder({150, 60}, rowColor));
    ok &= savePicture(menus + "subsubmenu1.png",
                      MediaPainter::placeholder({307, 87}, activityColor));
    ok &= savePicture(menus + "subsubmenu2.png",
                      MediaPainter::placeholder({307, 197}, activityColor));
    ok &= savePicture(menus + "cuentos.png", MediaPainter::title({362, 116}, "Cuentos"));
    ok &= savePicture(menus + "fabulas.png", MediaPainter::title({362, 60}, "Fábulas"));

    // The title box reaches 19 pixels under the top of the word picture box.
    for (const Title &t : titles())
        ok &= savePicture("system/titulos/" + t.file, MediaPainter::title({334, 122}, t.text, 100));

    for (int i = 1; i <= 3; ++i) {
        ok &= savePicture(QStringLiteral("system/feedback/good%1.png").arg(i),
                          MediaPainter::feedback(true, i));
        ok &= savePicture(QStringLiteral("system/feedback/wrong%1.png").arg(i),
                          MediaPainter::feedback(false, i));
    }

    const QString ui = "system/ui/";
    ok &= savePicture(ui + "background.png", MediaPainter::background(false));
    ok &= savePicture(ui + "backgroundleer.png", MediaPainter::background(true));
    ok &= savePicture(ui + "advertencia-sin-palabras.png",
                      MediaPainter::warning("No hay palabras disponibles"));
    ok &= savePicture(ui + "advertencia-sin-repeticion.png",
                      MediaPainter::warning("No hay ninguna palabra para repetir"));
    const QColor pageArrow(240, 140, 30);
    ok &= savePicture(ui + "fizq.png",
                      MediaPainter::arrow({28, 38}, Direction::Left, pageArrow, false));
    ok &= savePicture(ui + "fizqroll.png",
                      MediaPainter::arrow({28, 38}, Direction::Left, pageArrow, true));
    ok &= savePicture(ui + "fder.png",
                      MediaPainter::arrow({28, 38}, Direction::Right, pageArrow, false));
    ok &= savePicture(ui + "fderroll.png",
                      MediaPainter::arrow({28, 38}, Direction::Right, pageArrow, true));
    ok &= savePicture(ui + "space.png", MediaPainter::space());
    const QColor hint(220, 60, 60);
    ok &= savePicture(ui + "abajo.png",
                      MediaPainter::arrow({93, 64}, Direction::Down, hint, false));
    ok &= savePicture(ui + "arriba.png", MediaPainter::arrow({93, 64}, Direction::Up, hint, false));
    ok &= savePicture(ui + "derecha.png",
                      MediaPainter::arrow({93, 64}, Direction::Right, hint, false));
    ok &= savePicture(ui + "izquierda.png",
                      MediaPainter::arrow({93, 64}, Direction::Left, hint, false));

    for (const QString &name : letterImageNames()) {
        const QString glyph = glyphOf(name);
        ok &= savePicture("system/cooper/" + name + ".png",
                          MediaPainter::letter(LetterStyle::Normal, glyph));
        ok &= savePicture("system/blank/" + name + ".png",
                          MediaPainter::letter(LetterStyle::Blank, glyph));
        ok &= savePicture("system/cuadrados/" + name + ".png",
                          MediaPainter::letter(LetterStyle::Highlighted, glyph));
    }
    for (const QString &name : baseImageNames()) {
        ok &= savePicture("system/inferior/" + name + ".png",
                          MediaPainter::bottomLetter(bothCases(glyphOf(name))));
        ok &= savePicture("system/inferior/may/" + name.toUpper() + ".png",
                          MediaPainter::bottomLetter(glyphOf(name.toUpper())));
    }

    queueVideo(ui + "splash-institucional.avi", {640, 480}, 2.5, QString(), InstitutionSplash);
    queueVideo(ui + "splash-programa.avi", {640, 480}, 2.5, QString(), ProgramSplash);
    return ok;
}

bool MediaGenerator::writeWord(const QString &letterDir, const WordMedia &word)
{
    if (!isSafeName(word.fullName)) {
        m_notes << QStringLiteral("word \"%1\" skipped: its full name is no folder name")
                       .arg(word.name);
        return true;
    }
    const QString dir = letterDir + word.fullName + "/";
    QDir().mkpath(absolute(dir));
    bool ok = true;
    if (isSafeName(word.image))
        ok &= savePicture(dir + word.image, MediaPainter::wordPicture(word.name, word.category),
                          true);
    const QList<QPair<QString, int>> videos = {{word.sign, SignVideo}, {word.lips, LipsVideo}};
    for (const auto &video : videos) {
        if (!isSafeName(video.first))
            continue;
        if (!video.first.endsWith(".avi", Qt::CaseInsensitive)) {
            m_notes << QStringLiteral("%1: only .avi videos are generated").arg(dir + video.first);
            continue;
        }
        queueVideo(dir + video.first, {320, 240}, 1.5, word.name, video.second);
    }
    return ok;
}

bool MediaGenerator::writeLanguage(const QString &language, const QStringList &letters,
                                   const QList<WordMedia> &words)
{
    const QString base = "languages/" + language + "/";
    bool ok = true;
    for (const QString &letter : letters) {
        if (isSafeName(letter))
            QDir().mkpath(absolute(base + "Letras/" + letter));
    }
    for (const WordMedia &word : words) {
        if (isSafeName(word.letter))
            ok &= writeWord(base + "Letras/" + word.letter + "/", word);
    }

    for (const QString &key : sequenceKeys()) {
        const QString glyph = glyphOf(key);
        ok &= savePicture(base + "Senas/" + key + ".png", MediaPainter::hand(glyph, false));
        ok &= savePicture(base + "Flus/" + key + ".png", MediaPainter::flus(glyph));
    }
    // The sign-hand of a letter with "use-caps" on is looked up under "may/".
    for (const QString &name : baseImageNames().mid(0, 26) + QStringList {"ch", "ll", "nt"}) {
        ok &= savePicture(base + "Senas/may/" + name.toUpper() + ".png",
                          MediaPainter::hand(glyphOf(name.toUpper()), true));
    }

    const QList<int> counts = storyPageCounts();
    for (int story = 1; story <= counts.size(); ++story) {
        const QStringList &pages = stories().at(story - 1);
        for (int page = 1; page <= counts.at(story - 1); ++page) {
            ok &= savePicture(
                base + QStringLiteral("Cuentos/leer%1_%2.png").arg(story).arg(page),
                MediaPainter::storyPage(story, page, counts.at(story - 1), pages.value(page - 1)));
        }
    }
    ok &= savePicture(base + "UI/creditos-grande.png", MediaPainter::credits());
    return ok;
}

bool MediaGenerator::generate(const QString &databasePath)
{
    m_error.clear();
    if (!QFileInfo(databasePath).isFile()) {
        m_error = QStringLiteral("no database at %1").arg(databasePath);
        return false;
    }
    struct Language
    {
        QString name;
        QStringList letters;
        QList<WordMedia> words;
    };
    QList<Language> languages;
    const QString connection = "mediagenerator-" + QUuid::createUuid().toString();
    bool read = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection);
        db.setDatabaseName(databasePath);
        db.setConnectOptions("QSQLITE_OPEN_READONLY");
        if (db.open()) {
            QSqlQuery query(db);
            read = query.exec("SELECT id, name FROM language ORDER BY id");
            QList<int> ids;
            while (read && query.next()) {
                ids << query.value(0).toInt();
                languages.append({query.value(1).toString(), {}, {}});
            }
            for (int i = 0; read && i < ids.size(); ++i) {
                Language &language = languages[i];
                QSqlQuery letters(db);
                letters.prepare("SELECT name FROM letter WHERE id_language = :id ORDER BY id");
                letters.bindValue(":id", ids.at(i));
                read = letters.exec();
                while (read && letters.next())
                    language.letters << letters.value(0).toString();
                QSqlQuery words(db);
                words.prepare("SELECT w.name, w.fullName, w.image, w.sign, w.lips, l.name, "
                              "(SELECT c.name FROM word_x_category wc JOIN category c "
                              "ON c.id = wc.id_category WHERE wc.id_word = w.id "
                              "ORDER BY c.id LIMIT 1) "
                              "FROM word w JOIN letter l ON l.id = w.id_letter "
                              "WHERE l.id_language = :id ORDER BY w.id");
                words.bindValue(":id", ids.at(i));
                read = read && words.exec();
                while (read && words.next()) {
                    language.words.append({words.value(0).toString(), words.value(1).toString(),
                                           words.value(2).toString(), words.value(3).toString(),
                                           words.value(4).toString(), words.value(5).toString(),
                                           words.value(6).toString()});
                }
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    if (!read) {
        m_error = QStringLiteral("cannot read %1").arg(databasePath);
        return false;
    }

    bool ok = writeSystem();
    for (const Language &language : languages) {
        if (!isSafeName(language.name)) {
            m_notes << QStringLiteral("language \"%1\" skipped: no folder name").arg(language.name);
            continue;
        }
        ok &= writeLanguage(language.name, language.letters, language.words);
    }
    ok &= encodeVideos();
    return ok;
}

bool MediaGenerator::writeClip(const QString &path, const QString &text, double seconds,
                               const QSize &size, const QString &ffmpeg)
{
    VideoEncoder encoder(ffmpeg);
    VideoEncoder::Job job;
    job.path = path;
    job.size = size;
    job.fps = 15;
    job.frameCount = qMax(2, int(seconds * job.fps));
    job.draw = [size, text](int frame, int count) {
        return MediaPainter::signFrame(size, text, frame, count);
    };
    encoder.add(job);
    return encoder.run(1);
}
